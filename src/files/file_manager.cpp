#include "files/file_manager.h"

#include "catalogue/game_types.h"
#include "content/zip_members.h"
#include "files/directory_navigation.h"
#include "files/level_files.h"
#include "files/selected_file.h"
#include "platform/dos_path.h"

namespace files {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

namespace {

std::string withSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  return dir;
}

}  // namespace

FileManager::FileManager(catalogue::Catalogue& catalogue, platform::FileSystem& fs)
    : catalogue_(catalogue),
      fs_(fs),
      settings_(catalogue.univ()),
      lists_{FileList(false), FileList(true), FileList(false), FileList(false)} {
  tabTexts_ = files::tabTexts(catalogue_.current());
}

void FileManager::refreshForGame() {
  const catalogue::GameInfoRecord& game = catalogue_.current();
  tabTexts_ = files::tabTexts(game);
  description_.clear();
  const size_t inUse = settings_.listsInUse();
  for (size_t i = 0; i < kFileLists; ++i) {
    lists_[i].setMasks(i < inUse ? masksForList(game, i) : std::vector<KindMask>{});
    lists_[i].setWorkDir(catalogue_.gameData().get(gd::WorkDir, i));
  }
  gameLevelFile_ = files::gameLevelFile(game, fs_);
  refreshLists();
  refreshFavourites();
}

void FileManager::refreshLists() {
  refill({kShortDirList, kLongDirList, kMisc1DirList, kMisc2DirList});
}

void FileManager::refill(std::initializer_list<size_t> which) {
  if (settings_.disabled()) {
    for (size_t list : which) lists_[list].clear();
    return;
  }
  // The lists usually share a directory: it is read once for all their masks.
  const std::vector<char> drives = fs_.drives();
  std::vector<size_t> pending(which);
  while (!pending.empty()) {
    const std::string dir = withSeparator(lists_[pending.front()].workDir());
    std::vector<size_t> group, firstPatterns, later;
    std::vector<std::string> patterns;
    for (size_t list : pending) {
      if (withSeparator(lists_[list].workDir()) != dir) {
        later.push_back(list);
        continue;
      }
      group.push_back(list);
      firstPatterns.push_back(patterns.size());
      for (std::string& pattern : lists_[list].patterns()) patterns.push_back(std::move(pattern));
    }
    pending = std::move(later);
    std::optional<platform::DirectorySearch> search;
    if (!dir.empty() && !patterns.empty()) search = fs_.searchDirectory(dir, patterns);
    for (size_t i = 0; i < group.size(); ++i)
      lists_[group[i]].refresh(fs_, search, firstPatterns[i], drives);
  }
}

void FileManager::resetToGameDirectory() {
  const std::string home = catalogue_.current().get(gi::GameDir);
  for (size_t i = 0; i < kFileLists; ++i) {
    catalogue_.gameData().set(gd::WorkDir, home, i);
    lists_[i].setWorkDir(catalogue_.gameData().get(gd::WorkDir, i));
  }
  leftListFile_.clear();
  refreshLists();
}

bool FileManager::openEntry(size_t list, size_t index) {
  if (settings_.disabled() || list >= kFileLists) return false;
  const ListEntry* entry = lists_[list].entry(index);
  if (entry == nullptr || entry->kind == EntryKind::kArchiveMember) return false;
  if (entry->kind == EntryKind::kFile) return toggleArchive(list, index);
  auto path = navigate(lists_[list].workDir(), entry->text);
  return path && showDirectory(list, *path);
}

bool FileManager::showDirectory(size_t list, const std::string& dir) {
  if (settings_.disabled() || list >= kFileLists || dir.size() > kWorkDirMax) return false;
  activeList_ = list;
  if (list == kShortDirList) leftListFile_.clear();
  lists_[list].setWorkDir(dir);
  catalogue_.gameData().set(gd::WorkDir, dir, list);
  if (list == kShortDirList) {
    refill({list});
  } else {
    refill({list, kShortDirList});
  }
  return true;
}

Selection FileManager::select(size_t list, size_t index) {
  if (settings_.disabled() || list >= kFileLists) return {};
  const ListEntry* entry = lists_[list].entry(index);
  if (entry == nullptr) return {};
  activeList_ = list;
  if (entry->kind == EntryKind::kArchiveMember) return pickMember(list, *entry);
  if (entry->kind != EntryKind::kFile) {
    if (list == kShortDirList) leftListFile_.clear();
    Selection s;
    s.status = PickStatus::kDirectory;
    s.list = list;
    s.directory = withSeparator(lists_[list].workDir());
    return s;
  }
  const ListEntry file = *entry;  // the refresh below may replace the entries
  if (list == kShortDirList) leftListFile_ = withSeparator(lists_[list].workDir()) + file.longName;
  return pick(list, withSeparator(lists_[list].workDir()), file.longName, file.shortName,
              file.fileKind);
}

bool FileManager::toggleArchive(size_t list, size_t index) {
  const ListEntry archive = *lists_[list].entry(index);
  if (classify(archive.longName) != FileCategory::kZip) return false;
  const std::string dir = withSeparator(lists_[list].workDir());
  std::vector<ListEntry> members;
  if (const auto found = content::readZipMembers(fs_, dir + archive.longName)) {
    for (const content::ZipMember& m : *found) {
      if (m.directory) continue;
      ListEntry e;
      e.kind = EntryKind::kArchiveMember;
      e.text = kMemberIndent + m.name;
      e.longName = m.name;
      e.shortName = m.name;
      e.fileKind = fileKindOfName(catalogue_.current(), m.name);
      e.archiveLong = archive.longName;
      e.archiveShort = archive.shortName;
      members.push_back(std::move(e));
    }
  }
  activeList_ = list;
  lists_[list].toggleMembers(index, members);
  return true;
}

Selection FileManager::pickMember(size_t list, const ListEntry& member) {
  const catalogue::GameInfoRecord& game = catalogue_.current();
  Selection s;
  s.list = list;
  s.directory = withSeparator(lists_[list].workDir());
  s.longName = member.archiveLong + "\\" + member.longName;
  s.shortName = s.longName;
  s.fileKind = member.fileKind;
  s.category = classify(member.longName);
  activeList_ = list;
  if (s.fileKind < 0) {
    s.status = PickStatus::kUnknownKind;
    return s;
  }
  if (game.get(gi::FileKindSetOnly, size_t(s.fileKind)) != 0) {
    s.status = PickStatus::kSetOnly;
    return s;
  }
  const bool dosProgram = game.get(gi::WindowsModeOnly) == 0;
  const auto archive =
      selectedFilePath(fs_, s.directory, member.archiveLong, member.archiveShort, dosProgram);
  if (!archive || archive->size() + 1 + member.longName.size() > kSelectedFileMax) {
    s.status = PickStatus::kPathTooLong;
    return s;
  }
  s.path = *archive + "\\" + member.longName;
  catalogue_.gameData().set(gd::SelectedFile, s.path);
  catalogue_.gameData().set(gd::SelectedFileTemplate,
                            game.get(gi::FileKindLoadCommand, size_t(s.fileKind)));
  s.status = PickStatus::kPicked;
  return s;
}

Selection FileManager::pick(size_t list, std::string directory, const std::string& longName,
                            const std::string& shortName, int kind) {
  const catalogue::GameInfoRecord& game = catalogue_.current();
  Selection s;
  s.list = list;
  s.directory = std::move(directory);
  s.longName = longName;
  s.shortName = shortName;
  s.fileKind = kind;
  s.category = classify(longName);
  s.levelFile = levelFileBeside(game, fs_, s.directory, longName);

  readDescription(s.directory, longName);
  s.hasDescription = !description_.empty();
  readContentNames(s.directory + longName, s.category);
  s.hasContentNames = contentNames_.has_value();
  if ((s.hasDescription || s.hasContentNames) && settings_.autoTextTab())
    currentTab_ = kFileTextDescTab;

  if (kind < 0 || static_cast<size_t>(kind) >= kFileKinds) return s;
  if (game.get(gi::FileKindSetOnly, kind) != 0) {
    s.status = PickStatus::kSetOnly;
    return s;
  }
  const bool dosProgram = game.get(gi::WindowsModeOnly) == 0;
  auto path = selectedFilePath(fs_, s.directory, longName, shortName, dosProgram);
  if (!path) {
    s.status = PickStatus::kPathTooLong;
    return s;
  }
  s.path = *path;
  catalogue_.gameData().set(gd::SelectedFile, s.path);
  catalogue_.gameData().set(gd::SelectedFileTemplate, game.get(gi::FileKindLoadCommand, kind));
  s.status = PickStatus::kPicked;
  return s;
}

// A picked file's category is the kind of content the reader takes.
static_assert(int(FileCategory::kGameCon) == int(content::ContentKind::kGameCon));
static_assert(int(FileCategory::kGroup) == int(content::ContentKind::kGroup));
static_assert(int(FileCategory::kUserCon) == int(content::ContentKind::kUserCon));
static_assert(int(FileCategory::kBloodIni) == int(content::ContentKind::kBloodIni));
static_assert(int(FileCategory::kWad) == int(content::ContentKind::kWad));
static_assert(int(FileCategory::kZip) == int(content::ContentKind::kZip));
static_assert(int(FileCategory::kPak) == int(content::ContentKind::kPak));
static_assert(int(FileCategory::kLevel) == int(content::ContentKind::kLevelList));

void FileManager::readContentNames(const std::string& path, FileCategory category) {
  contentNames_.reset();
  if (category == FileCategory::kNone) return;
  content::ContentOptions options;
  options.hexen = catalogue_.current().get(gi::GameKind) == catalogue::kKindHexen;
  contentNames_ =
      content::readContentNames(fs_, path, content::ContentKind(int(category)), options);
}

void FileManager::readDescription(const std::string& directory, const std::string& longName) {
  description_.clear();
  const std::string path = directory + baseName(longName) + ".txt";
  const auto found = fs_.stat(path);
  if (!found || found->isDirectory()) return;
  auto file = fs_.open(path, platform::OpenMode::kRead);
  if (!file) return;
  description_.resize(kDescriptionMax);
  description_.resize(file->read(description_.data(), description_.size()));
}

std::string FileManager::longNameDirectory() const {
  const std::string& dir = lists_[kLongDirList].workDir();
  return dir.empty() ? std::string(kDefaultDirectory) : withSeparator(dir);
}

std::string FileManager::currentDirectory() const {
  const std::string& dir = lists_[activeList_].workDir();
  return dir.empty() ? std::string(kDefaultDirectory) : withSeparator(dir);
}

std::optional<size_t> FileManager::entryOfSelectedFile(size_t list) const {
  if (list >= kFileLists) return std::nullopt;
  const std::string selected = catalogue_.gameData().get(gd::SelectedFile);
  const std::string dir = platform::dos::directoryOf(selected);
  if (dir.empty()) return std::nullopt;
  const std::string name = platform::dos::fileNameOf(selected);
  const std::string workDir = withSeparator(lists_[list].workDir());
  // The pick may have stored the 8.3 form of the directory.
  const std::string shortDir = withSeparator(fs_.shortPathName(workDir).value_or(workDir));
  if (!platform::dos::equalsIgnoreCase(dir, workDir) &&
      !platform::dos::equalsIgnoreCase(dir, shortDir))
    return std::nullopt;
  const auto& entries = lists_[list].entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].kind != EntryKind::kFile) continue;
    if (platform::dos::equalsIgnoreCase(entries[i].longName, name) ||
        platform::dos::equalsIgnoreCase(entries[i].shortName, name))
      return i;
  }
  return std::nullopt;
}

void FileManager::chooseTab(size_t tab) {
  if (tab < kTabCount) currentTab_ = tab;
}

void FileManager::refreshFavourites() {
  favourites_.clear();
  if (favouritesSource_ && !settings_.disabled()) favourites_ = favouritesSource_();
}

Selection FileManager::selectFavourite(size_t index) {
  if (settings_.disabled() || index >= favourites_.size()) return {};
  return selectPath(favourites_[index].path);
}

Selection FileManager::selectPath(const std::string& path) {
  if (settings_.disabled()) return {};
  const auto found = fs_.stat(path);
  Selection gone;
  gone.status = PickStatus::kUnknownKind;
  if (platform::dos::directoryOf(path).empty() || !found || found->isDirectory()) return gone;
  const std::string longName =
      found->longName.empty() ? platform::dos::fileNameOf(path) : found->longName;
  const int kind = fileKindOfName(catalogue_.current(), longName);
  if (kind < 0) return gone;
  return pick(activeList_, platform::dos::directoryOf(path), longName, found->shortName, kind);
}

void FileManager::toggleDisabled() {
  settings_.toggleDisabled();
  refreshForGame();
}

}  // namespace files
