// The menu pop-ups whose items change with the current game and the settings, prepared each
// time a pop-up opens.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalogue/game_info_record.h"
#include "catalogue/univ_info_record.h"
#include "platform/file_system.h"

namespace app {

struct MenuItem {
  int id = 0;
  std::string text;
  bool enabled = false;
  bool checked = false;
};

// "Run Previously Saved Game": "Slot 1" ... "Slot 10", usable when the game has a
// run-saved-game command.
std::vector<MenuItem> savedGameItems(const catalogue::GameInfoRecord& game);

// The FAQ pop-up after its first item: one item per help file of the game, named by the file,
// up to the first empty entry.
std::vector<MenuItem> helpFileItems(const catalogue::GameInfoRecord& game);

// The file-manager settings pop-up's check marks.
struct FileManagerChecks {
  bool disabled = false;
  bool expert = false;
  bool autoTextTab = false;
  bool manualTextTab = false;  // exactly one of the two text-tab items is checked
};
FileManagerChecks fileManagerChecks(const catalogue::UnivInfoRecord& univ);

// A record that names a game the user can pick: marked defined and given a directory.
bool isDefinedGame(const catalogue::GameInfoRecord& record);

// Slot `slot` read straight from the game file, with no side effect on the catalogue; an
// all-zero record when the file cannot be read there.
catalogue::GameInfoRecord readGameFileRecord(platform::FileSystem& fs,
                                             const std::string& gameInfoPath, int slot);

// The game pop-up's items for slots 0-19, read straight from the game file: a defined slot
// shows its name and is checked when it is the current slot; an undefined one shows its
// stored name greyed. Empty when the file cannot be opened (the pop-up stays as it was).
std::vector<MenuItem> gameItems(platform::FileSystem& fs, const std::string& gameInfoPath,
                                int currentSlot);

// The edit-tools pop-up: its items 1-3 are enabled by the game's MenuItemEnabled[0..2];
// item 4 becomes the USER.CON editor when MenuItemEnabled[3] is set and is greyed otherwise.
struct EditToolsState {
  std::array<bool, 3> items{};
  MenuItem userCon;
};
EditToolsState editToolsState(const catalogue::GameInfoRecord& game);

}  // namespace app
