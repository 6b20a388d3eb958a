// "Launch Options": how a launch starts and ends. Most options are the program's; the window
// mode options belong to the game record, the editor and return options to the game's data.
#pragma once

#include <array>
#include <string>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "catalogue/univ_info_record.h"

namespace launch::dialogs {

class LaunchOptions {
 public:
  static constexpr const char* kTitle = "Launch Options";

  enum Option : size_t {
    kPauseBeforeReturn,
    kAutoBackupEditFile,
    kBypassBuildPrompt,
    kPromptRunAfterEditor,
    kReserveAltSpace,
    kReserveAllKeys,
    kTerminateWithoutWarning,
    kHideWindowsFromGame,
    kDosModeOnly,
    kWindowsModeOnly,
    kSpaceOrbOn,
    kSpaceOrbDriverAfter,
    kCloseOnLaunch,
    kOptionCount,
  };
  static constexpr std::array<const char*, kOptionCount> kCaptions{
      "&Pause Before Returning From Game",
      "&Auto BackUp Edit Map/Wad to (*.Bck)",
      "&By-Pass Build Prompt (Duke Only)",
      "P&rompt to Run Game After Map-Editor",
      "Disable Window's Alt+SPACE key",
      "Disable All Window's keys",
      "Terminate With Out Warning",
      "Prevent game from detecting Windows",
      "Launch in DOS Mode Only",
      "Launch in Windows Mode Only",
      "SpaceOrb On",
      "Turn On SpaceOrb W95 (driver) After DOS Game",
      "&Close QF95 on Game Launch",
  };

  LaunchOptions(catalogue::UnivInfoRecord& univ, catalogue::GameInfoRecord& game,
                catalogue::GameDataRecord& data);

  bool checked(size_t option) const { return checked_.at(option); }
  void setChecked(size_t option, bool on);
  // A game that always closes the program on launch shows that option on and fixed.
  bool enabled(size_t option) const;

  // Stores every usable box.
  void ok();

 private:
  catalogue::UnivInfoRecord& univ_;
  catalogue::GameInfoRecord& game_;
  catalogue::GameDataRecord& data_;
  std::array<bool, kOptionCount> checked_{};
};

}  // namespace launch::dialogs
