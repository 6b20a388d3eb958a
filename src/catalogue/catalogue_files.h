// Names and numbers of the catalogue's files and slots.
#pragma once

#include <cstddef>
#include <string>

namespace catalogue {

inline constexpr const char* kUnivInfoFile = "QuillfenUnivInfo.dat";
inline constexpr const char* kGameInfoFile = "QuillfenGameInfo.dat";
inline constexpr const char* kCustomGameInfoFile = "QuillfenCustomGameInfo.dat";
inline constexpr const char* kGameDataFile = "Quillfen_Game_data.dat";
inline constexpr const char* kDefaultRecordsFile = "Quillfen.Sig";
inline constexpr const char* kGameListFile = "gamelst1.cfg";

inline constexpr int kNoSlotSelected = 14999;
inline constexpr int kHighestSlot = 600;  // a slot above this is never a valid selection
inline constexpr int kBuiltInSlots = 20;
inline constexpr int kGenericSlot = 19;  // the template of user-defined games
inline constexpr int kFirstListedSlot = 20;

// The game data file of `slot` in `directory` (which ends in "\"): the slot number is appended
// to the name without a separator.
inline std::string gameDataPath(const std::string& directory, int slot) {
  return directory + kGameDataFile + std::to_string(slot);
}

inline bool isSelectableSlot(int slot) {
  return slot >= 0 && slot <= kHighestSlot;
}

}  // namespace catalogue
