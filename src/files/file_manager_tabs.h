// The tab strip of the file manager's right-hand side.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "catalogue/game_info_record.h"

namespace files {

enum FileManagerTab : size_t {
  kLongNameDirTab = 0,    // the long-name list; file operations copy and move into its directory
  kFileTextDescTab = 1,   // the description (".txt" beside it) of the picked file
  kFavoriteFilesTab = 2,  // the files launched most
  kMisc1DirTab = 3,       // the Misc1 list
  kMisc2DirTab = 4,       // the Misc2 list
};
inline constexpr size_t kTabCount = 5;

// The tab texts. A game with its own directory-kind names (the first one not empty) renames
// tabs 1, 4 and 5 with them in that order; an empty name leaves that tab its own text rather
// than an empty tab.
std::array<std::string, kTabCount> tabTexts(const catalogue::GameInfoRecord& game);

// The file list a tab shows, or nothing for the description and favourites tabs.
std::optional<size_t> listOfTab(size_t tab);
// The tab that shows a list (the left list has none).
std::optional<size_t> tabOfList(size_t list);

}  // namespace files
