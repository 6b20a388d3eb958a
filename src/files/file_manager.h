// The file manager of the main panel: four file lists over the current game's working
// directories, the tab strip of the right-hand side, the description of the picked file and
// what picking a file stores in the game data record.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "content/content_names.h"
#include "files/file_category.h"
#include "files/file_list.h"
#include "files/file_manager_settings.h"
#include "files/file_manager_tabs.h"
#include "platform/file_system.h"

namespace files {

enum class PickStatus {
  kNothing,      // no such entry, or the file manager is off
  kDirectory,    // a directory or drive entry: nothing is picked
  kPicked,       // SelectedFile and SelectedFileTemplate now name the file
  kSetOnly,      // a kind that only sets a default file: SelectedFile stays as it was
  kPathTooLong,  // no form of the path fits SelectedFile: it stays as it was
  kUnknownKind,  // a favourite that no file kind of the game matches, or that is gone
};

struct Selection {
  PickStatus status = PickStatus::kNothing;
  size_t list = kShortDirList;
  std::string directory;  // where the file lies, ending in "\"
  std::string longName;
  std::string shortName;
  std::string path;  // what SelectedFile holds after a pick
  int fileKind = -1;
  FileCategory category = FileCategory::kNone;
  bool hasDescription = false;
  bool hasContentNames = false;          // its episodes and levels are in contentNames()
  std::optional<std::string> levelFile;  // its level file, when the game uses them
};

// A line of the favourites tab and the file it stands for.
struct Favourite {
  std::string line;
  std::string path;
};
using FavouritesSource = std::function<std::vector<Favourite>()>;

class FileManager {
 public:
  // Longest description text read from a ".txt" file; the rest is left out.
  static constexpr size_t kDescriptionMax = 64 * 1024;
  // Working directories are kept in 128-byte fields.
  static constexpr size_t kWorkDirMax = 127;

  FileManager(catalogue::Catalogue& catalogue, platform::FileSystem& fs);

  // After start-up and every game change: masks, working directories and tab texts from the
  // current game, then every list is filled again.
  void refreshForGame();
  // After a file operation: the lists are read again as they are.
  void refreshLists();
  // "Reset to Selected Game Home Directory": every list goes back to the game directory.
  void resetToGameDirectory();

  const FileList& list(size_t index) const { return lists_[index < kFileLists ? index : 0]; }

  // A double-click: a directory or drive entry walks that list there (the directory is kept in
  // the game data record for the next start) and refills it and the left list; a ZIP archive
  // shows its members under it, or hides them again. False when nothing changed: another
  // file entry, a root's parent, or a path too long to keep.
  bool openEntry(size_t list, size_t entry);
  // The list shows `dir` (a full DOS path), as if walked there; false when it is too long to
  // keep.
  bool showDirectory(size_t list, const std::string& dir);
  // A click: picks a file entry (see PickStatus) and shows its description.
  Selection select(size_t list, size_t entry);

  // The full path of the file last clicked in the left list, the source of the file
  // operations; empty when none is picked there (or the list walked elsewhere since).
  const std::string& leftListFile() const { return leftListFile_; }
  // The directory of the "Long Name Dir" list, where copies and moves go ("C:\" when none).
  std::string longNameDirectory() const;

  // The list last clicked or walked, and its directory ("C:\" when it has none): where the
  // file operations work.
  size_t activeList() const { return activeList_; }
  std::string currentDirectory() const;
  // The entry of a list that is the file SelectedFile names, for showing the last pick.
  std::optional<size_t> entryOfSelectedFile(size_t list) const;

  const std::array<std::string, kTabCount>& tabTexts() const { return tabTexts_; }
  size_t currentTab() const { return currentTab_; }
  void chooseTab(size_t tab);

  // The ".txt" beside the picked file, as read; empty when it has none.
  const std::string& descriptionText() const { return description_; }
  // The episodes (maps) and levels inside the picked file, for the episode tree; nothing for a
  // file of no content kind or one that could not be read.
  const std::optional<content::ContentNames>& contentNames() const { return contentNames_; }

  // The favourites come from the launch counts that the hit-point database keeps.
  void setFavouritesSource(FavouritesSource source) { favouritesSource_ = std::move(source); }
  bool hasFavouritesSource() const { return static_cast<bool>(favouritesSource_); }
  void refreshFavourites();
  const std::vector<Favourite>& favourites() const { return favourites_; }
  // Picks a favourite by the first file kind of the game whose extension is in its name.
  Selection selectFavourite(size_t index);
  // A file named by its full DOS path picked for Run, as a pick in a list would pick it.
  Selection selectPath(const std::string& path);

  // The game's own level file, when it has one.
  const std::optional<std::string>& gameLevelFile() const { return gameLevelFile_; }

  FileManagerSettings& settings() { return settings_; }
  bool disabled() const { return settings_.disabled(); }
  // "&Disable FileManager" and the two text-tab commands.
  void toggleDisabled();
  void setAutoTextTab(bool on) { settings_.setAutoTextTab(on); }

 private:
  Selection pick(size_t list, std::string directory, const std::string& longName,
                 const std::string& shortName, int kind);
  // An archive entry opened or closed; false for a file that is no archive.
  bool toggleArchive(size_t list, size_t index);
  Selection pickMember(size_t list, const ListEntry& member);
  void readDescription(const std::string& directory, const std::string& longName);
  void readContentNames(const std::string& path, FileCategory category);
  void refill(std::initializer_list<size_t> lists);

  catalogue::Catalogue& catalogue_;
  platform::FileSystem& fs_;
  FileManagerSettings settings_;
  std::array<FileList, kFileLists> lists_;
  std::array<std::string, kTabCount> tabTexts_;
  size_t currentTab_ = kLongNameDirTab;
  size_t activeList_ = kShortDirList;
  std::string description_;
  std::optional<content::ContentNames> contentNames_;
  FavouritesSource favouritesSource_;
  std::vector<Favourite> favourites_;
  std::optional<std::string> gameLevelFile_;
  std::string leftListFile_;
};

}  // namespace files
