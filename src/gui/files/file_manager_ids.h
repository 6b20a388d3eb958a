// Control ids of the file manager's controls on the main panel.
#pragma once

namespace gui::file_manager_ids {

enum : int {
  kLeftList = 1601,        // the left file list (8.3 names)
  kTabStrip = 1602,        // the tab strip of the right-hand side
  kLongNameList = 1603,    // "Long Name Dir" tab
  kDescription = 1604,     // "File Text Desc" tab
  kFavourites = 1605,      // "Favorite Files" tab
  kMisc1List = 1606,       // "Misc1 Dir" tab
  kMisc2List = 1607,       // "Misc2 Dir" tab
  kLeftDirectory = 1608,   // the left list's directory
  kRightDirectory = 1609,  // the directory of the list on the front tab
  kEpisodeTree = 1610,     // the picked file's episodes and levels, on the "File Text Desc" tab
};

}  // namespace gui::file_manager_ids
