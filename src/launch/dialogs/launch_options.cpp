#include "launch/dialogs/launch_options.h"

namespace launch::dialogs {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

namespace {

// The flag behind each option: exactly one of the three is set.
struct Binding {
  const catalogue::IntField<catalogue::UnivInfoTag>* univ;
  const catalogue::IntField<catalogue::GameInfoTag>* game;
  const catalogue::IntField<catalogue::GameDataTag>* data;
};
const std::array<Binding, LaunchOptions::kOptionCount> kBindings{{
    {nullptr, nullptr, &gd::PauseBeforeReturn},
    {nullptr, nullptr, &gd::AutoBackupEditMap},
    {nullptr, nullptr, &gd::BypassBuildPrompt},
    {nullptr, nullptr, &gd::PromptRunAfterEditor},
    {&ui::DisableAltSpace, nullptr, nullptr},
    {&ui::DisableAllWindowsKeys, nullptr, nullptr},
    {&ui::TerminateWithoutWarning, nullptr, nullptr},
    {nullptr, &gi::HideWindowsFromGame, nullptr},
    {nullptr, &gi::DosModeOnly, nullptr},
    {nullptr, &gi::WindowsModeOnly, nullptr},
    {&ui::SpaceOrbOn, nullptr, nullptr},
    {&ui::SpaceOrbDriverAfterGame, nullptr, nullptr},
    {&ui::CloseOnLaunch, nullptr, nullptr},
}};

}  // namespace

LaunchOptions::LaunchOptions(catalogue::UnivInfoRecord& univ, catalogue::GameInfoRecord& game,
                             catalogue::GameDataRecord& data)
    : univ_(univ), game_(game), data_(data) {
  for (size_t i = 0; i < kOptionCount; ++i) {
    const Binding& b = kBindings[i];
    const int32_t value = b.univ   ? univ.get(*b.univ)
                          : b.game ? game.get(*b.game)
                                   : data.get(*b.data);
    checked_[i] = value != 0;
  }
  if (!enabled(kCloseOnLaunch)) checked_[kCloseOnLaunch] = true;
}

bool LaunchOptions::enabled(size_t option) const {
  return option != kCloseOnLaunch || game_.get(gi::CloseOnGameLaunch) == 0;
}

void LaunchOptions::setChecked(size_t option, bool on) {
  if (enabled(option)) checked_.at(option) = on;
}

void LaunchOptions::ok() {
  for (size_t i = 0; i < kOptionCount; ++i) {
    if (!enabled(i)) continue;  // forced by the game, the program's own setting stays
    const Binding& b = kBindings[i];
    const int32_t value = checked_[i] ? 1 : 0;
    if (b.univ)
      univ_.set(*b.univ, value);
    else if (b.game)
      game_.set(*b.game, value);
    else
      data_.set(*b.data, value);
  }
}

}  // namespace launch::dialogs
