// The option line builder: fills the 60 option lines of a launch from the selected game's
// definition, its last-used choices, the program-wide settings and the directory of the
// picked file. Each line index has one fixed meaning; an empty switch text in the game
// definition leaves its line with an empty Text, which both passes skip.
#pragma once

#include <string>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "catalogue/launch_link.h"
#include "catalogue/univ_info_record.h"
#include "launch/launch_state.h"
#include "launch/option_line.h"
#include "platform/file_system.h"

namespace launch {

// Everything the builder reads. The records and the file system are borrowed for the call.
struct OptionLineInputs {
  const catalogue::GameInfoRecord& game;
  const catalogue::GameDataRecord& data;
  const catalogue::UnivInfoRecord& univ;
  const catalogue::ConfigWorkingCopies& configs;  // ConfigName[5] and ConfigDir[5]
  std::string gameDir;                            // the game directory, ending in "\"
  std::string selectedDir;                        // directory of the picked file, ending in "\"
  const platform::FileSystem& fs;                 // asks whether a configuration file exists
};

// Option line indexes with a fixed meaning (the ones other steps look at are in option_line.h).
inline constexpr size_t kLinePlayerName = 1;
inline constexpr size_t kLinePlayerQty = 2;
inline constexpr size_t kLineDeathMatchType = 3;
inline constexpr size_t kLineShirtColor = 4;
inline constexpr size_t kLinePantsColor = 5;
inline constexpr size_t kLineFewerPackets = 6;
inline constexpr size_t kLineSocket = 7;
inline constexpr size_t kLineConnect = 8;
inline constexpr size_t kLineModemFirst = 9;  // 9-12 the four modem strings
inline constexpr size_t kLinePhoneNumber = 13;
inline constexpr size_t kLineIrq = 14;
inline constexpr size_t kLinePortAddress = 15;
inline constexpr size_t kLineBaudRate = 16;
inline constexpr size_t kLineComPort = 17;
inline constexpr size_t kLineUart = 18;
inline constexpr size_t kLineDialMode = 19;
inline constexpr size_t kLineTimeLimit = 20;
inline constexpr size_t kLineFragLimit = 21;
inline constexpr size_t kLineMemory = 23;
inline constexpr size_t kLineRecordDemo = 24;
inline constexpr size_t kLinePlayDemo = 25;
inline constexpr size_t kLineAiPlayers = 26;
inline constexpr size_t kLineFakePlayers = 27;
inline constexpr size_t kLineRunSavedGame = 28;
inline constexpr size_t kLineEpisode = 29;  // the skill line on a direct start
inline constexpr size_t kLineLevel = 30;
inline constexpr size_t kLineSkill = 31;
inline constexpr size_t kLineSoundFirst = 32;  // 32-35 sound, music, effects, misc
inline constexpr size_t kLineNoMonsters = 36;
inline constexpr size_t kLineRespawn = 37;
inline constexpr size_t kLineVideoMode = 38;
inline constexpr size_t kLineConfigFirst = 39;  // 39-43 configuration slots 1-5
inline constexpr size_t kLineWeaponFirst = 48;  // 48-57 weapon order positions 0-9
inline constexpr size_t kLineGodMode = 58;
inline constexpr size_t kLineWeaponsAll = 59;

// The episode text Blood uses for its fourth episode, which is started by map name.
inline constexpr const char* kBloodEpisodeFourText = "<cml>-map bb<p>.map";
// The lines a Quake mod's map gets: the map goes to the game's configuration file and the
// mod directory to the command line.
inline constexpr const char* kModMapText = "Map <fileonly_name>@Default File1";
inline constexpr const char* kModDirText = "<cml>-game <var>";

// Fills every line of `lines` in place. Consumes session.PendingSavedGame.
void buildOptionLines(OptionLines& lines, const OptionLineInputs& in, LaunchSession& session);

}  // namespace launch
