#include "files/file_manager_tabs.h"

#include "files/file_masks.h"

namespace files {

std::array<std::string, kTabCount> tabTexts(const catalogue::GameInfoRecord& game) {
  namespace gi = catalogue::game_info;
  std::array<std::string, kTabCount> texts{"Long Name Dir", "File Text Desc", "Favorite Files",
                                           "Misc1 Dir", "Misc2 Dir"};
  if (game.get(gi::DirKindName, 0).empty()) return texts;
  constexpr std::array<size_t, 3> kRenamedTabs{kLongNameDirTab, kMisc1DirTab, kMisc2DirTab};
  for (size_t i = 0; i < kRenamedTabs.size(); ++i) {
    std::string name = game.get(gi::DirKindName, i);
    if (!name.empty()) texts[kRenamedTabs[i]] = std::move(name);
  }
  return texts;
}

std::optional<size_t> listOfTab(size_t tab) {
  switch (tab) {
    case kLongNameDirTab:
      return kLongDirList;
    case kMisc1DirTab:
      return kMisc1DirList;
    case kMisc2DirTab:
      return kMisc2DirList;
    default:
      return std::nullopt;
  }
}

std::optional<size_t> tabOfList(size_t list) {
  for (size_t tab = 0; tab < kTabCount; ++tab)
    if (listOfTab(tab) == list) return tab;
  return std::nullopt;
}

}  // namespace files
