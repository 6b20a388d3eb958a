#include "multiplayer/other_options_dialog.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "catalogue/game_types.h"
#include "catalogue/switch_text.h"
#include "platform/dos_text.h"

namespace multiplayer {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

using catalogue::isPresentSwitch;

static_assert(gi::DeathMatchTypeCommand.count == OtherOptionsDialog::kModeNames.size());
static_assert(gi::ColorValue.count == OtherOptionsDialog::kColorNames.size());
static_assert(gi::FewerPacketCommand.count + 1 == OtherOptionsDialog::kFewerPacketNames.size());

namespace {

// Every element index is below its field's count (checked above), so no read falls back to
// element 0 of a field.
ListChoice colourList(const catalogue::GameInfoRecord& game,
                      const catalogue::TextField<catalogue::GameInfoTag>& command, int stored) {
  ListChoice list;
  list.enabled = isPresentSwitch(game.get(command));
  for (size_t i = 0; i < OtherOptionsDialog::kColorNames.size(); ++i) {
    const int value = OtherOptionsDialog::kColorValueOf[i];
    if (isPresentSwitch(game.get(gi::ColorValue, size_t(value))))
      list.offer(OtherOptionsDialog::kColorNames[i], value);
  }
  list.chooseValue(stored);
  return list;
}

int32_t limitValue(const TextBox& box, int32_t max) {
  return std::clamp(platform::dos::decimalValue(box.text), int32_t(0), max);
}

}  // namespace

OtherOptionsDialog::OtherOptionsDialog(catalogue::UnivInfoRecord& univ,
                                       catalogue::GameInfoRecord& game,
                                       catalogue::GameDataRecord& data,
                                       platform::Prompter& prompter)
    : univ_(univ), game_(game), data_(data), prompter_(prompter) {
  // Only the modes the game has a switch for; the list keeps which mode each entry is.
  for (size_t m = 0; m < kModeNames.size(); ++m)
    if (isPresentSwitch(game.get(gi::DeathMatchTypeCommand, m))) mode_.offer(kModeNames[m], int(m));
  mode_.enabled = !mode_.entries.empty();
  mode_.chooseValue(univ.get(ui::GameMode));

  shirt_ = colourList(game, gi::ShirtColorCommand, data.get(gd::ShirtColorIndex));
  pants_ = colourList(game, gi::PantsColorCommand, data.get(gd::PantsColorIndex));

  fewerPacket_.enabled = isPresentSwitch(game.get(gi::FewerPacketCommand, 0));
  fewerPacket_.offer(kFewerPacketNames[0], 0);
  for (size_t i = 0; i < gi::FewerPacketCommand.count; ++i)
    if (isPresentSwitch(game.get(gi::FewerPacketCommand, i)))
      fewerPacket_.offer(kFewerPacketNames[i + 1], int(i) + 1);
  // A stored choice the game does not offer (or a damaged byte) shows as none.
  fewerPacket_.chooseValue(data.get(gd::FewerPacketIndex));
  if (fewerPacket_.selection < 0) fewerPacket_.selection = 0;

  timeLimit_ = {isPresentSwitch(game.get(gi::TimeLimitCommand)),
                std::to_string(std::max(univ.get(ui::TimeLimit), int32_t(0))), kLimitTextMax};
  fragLimit_ = {isPresentSwitch(game.get(gi::FragLimitCommand)),
                std::to_string(univ.get(ui::FragLimit)), kLimitTextMax};
  limitCommandLine_ = {true, game.get(gi::LimitCommandOption) != 0};
}

bool OtherOptionsDialog::setLimitCommandLine(bool on) {
  // Only Duke Nukem 3D needs every player to start through this program for the option.
  if (!on && limitCommandLine_.checked && catalogue::isDukeNukem(game_.get(gi::GameKind)) &&
      prompter_.ask(platform::kCaptionProgram, kLimitWarning, platform::Buttons::kOkCancel) !=
          platform::Answer::kOk)
    return limitCommandLine_.checked;
  limitCommandLine_.checked = on;
  return on;
}

template <class Self>
auto* OtherOptionsDialog::listNamed(Self& self, std::string_view name) {
  if (name == kMode) return &self.mode_;
  if (name == kShirtColor) return &self.shirt_;
  if (name == kPantsColor) return &self.pants_;
  if (name == kFewerPacket) return &self.fewerPacket_;
  return decltype(&self.mode_)(nullptr);
}

template <class Self>
auto* OtherOptionsDialog::textNamed(Self& self, std::string_view name) {
  if (name == kTimeLimit) return &self.timeLimit_;
  if (name == kFragLimit) return &self.fragLimit_;
  return decltype(&self.timeLimit_)(nullptr);
}

std::optional<std::string> OtherOptionsDialog::field(std::string_view name) const {
  if (const auto* list = listNamed(*this, name)) return list->shown();
  if (const auto* box = textNamed(*this, name)) return box->text;
  if (name == kLimitCommandLine) return checkText(limitCommandLine_.checked);
  return std::nullopt;
}

bool OtherOptionsDialog::setField(std::string_view name, std::string_view text) {
  if (auto* list = listNamed(*this, name)) return list->chooseText(text);
  if (auto* box = textNamed(*this, name)) return box->type(text);
  if (name == kLimitCommandLine) {
    const auto on = checkFromText(text);
    return on && setLimitCommandLine(*on) == *on;
  }
  return false;
}

bool OtherOptionsDialog::enabled(std::string_view name) const {
  if (const auto* list = listNamed(*this, name)) return list->enabled;
  if (const auto* box = textNamed(*this, name)) return box->enabled;
  return name == kLimitCommandLine;
}

void OtherOptionsDialog::ok() {
  if (mode_.enabled)
    if (auto mode = mode_.value()) univ_.set(ui::GameMode, uint8_t(*mode));
  if (shirt_.enabled)
    if (auto colour = shirt_.value()) data_.set(gd::ShirtColorIndex, uint8_t(*colour));
  if (pants_.enabled)
    if (auto colour = pants_.value()) data_.set(gd::PantsColorIndex, uint8_t(*colour));
  if (fewerPacket_.enabled)
    if (auto packets = fewerPacket_.value()) data_.set(gd::FewerPacketIndex, uint8_t(*packets));
  if (timeLimit_.enabled)
    univ_.set(ui::TimeLimit, limitValue(timeLimit_, std::numeric_limits<int32_t>::max()));
  if (fragLimit_.enabled) univ_.set(ui::FragLimit, uint8_t(limitValue(fragLimit_, kFragLimitMax)));
  // A ticked box keeps whatever non-zero value the definition gave it.
  if (limitCommandLine_.checked != (game_.get(gi::LimitCommandOption) != 0))
    game_.set(gi::LimitCommandOption, limitCommandLine_.checked ? 1 : 0);
}

}  // namespace multiplayer
