// The main panel's own launch choices for the current game: skill, episode and level (each a
// number within the game's minimum and maximum, stored as its distance from the minimum), the
// number of computer players, "God Mode" and "Weapons All". A control is greyed when the game
// has no switch text for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "catalogue/switch_text.h"

namespace app {

using catalogue::isPresentSwitch;

inline constexpr const char* kBotsLabelAi = "AI / FAKE-PLAYERS =";
inline constexpr const char* kBotsLabelFake = "FAKE-PLAYERS =";
// Computer players when the game does not say how many players it takes.
inline constexpr int kDefaultMaxBots = 7;

struct NumberChoice {
  bool enabled = false;
  std::vector<std::string> entries;  // the numbers offered, as shown
  int selection = 0;                 // index into entries
};

struct CheckChoice {
  bool enabled = false;
  bool checked = false;
};

struct LaunchSelectionView {
  NumberChoice skill;
  NumberChoice episode;
  NumberChoice level;
  NumberChoice bots;  // "0", "1", ...: computer players besides the player
  std::string botsLabel;
  CheckChoice godMode;
  CheckChoice weaponsAll;
};

LaunchSelectionView describeLaunchSelections(const catalogue::GameInfoRecord& game,
                                             const catalogue::GameDataRecord& data);

// The user's picks, stored in the game data record. Indexes outside the offered entries are
// clamped into them.
void chooseSkill(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data, int index);
void chooseEpisode(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data,
                   int index);
void chooseLevel(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data, int index);
void chooseBots(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data, int count);
void chooseGodMode(catalogue::GameDataRecord& data, bool on);
void chooseWeaponsAll(catalogue::GameDataRecord& data, bool on);

}  // namespace app
