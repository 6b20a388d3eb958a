#include "files/file_list.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "files/directory_navigation.h"
#include "platform/dos_path.h"

namespace files {

namespace {

// By long name in any case, then exactly; each name is upper-cased once, not at every
// comparison (a list may hold thousands of files).
void sortByNameIgnoringCase(std::vector<platform::FindData>& found) {
  std::vector<std::pair<std::string, size_t>> keys;
  keys.reserve(found.size());
  for (size_t i = 0; i < found.size(); ++i)
    keys.emplace_back(platform::dos::toUpper(found[i].longName), i);
  std::sort(keys.begin(), keys.end(), [&found](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first
                              : found[a.second].longName < found[b.second].longName;
  });
  std::vector<platform::FindData> sorted;
  sorted.reserve(found.size());
  for (const auto& key : keys) sorted.push_back(std::move(found[key.second]));
  found = std::move(sorted);
}

ListEntry makeEntry(EntryKind kind, std::string text, std::string longName = {},
                    std::string shortName = {}) {
  ListEntry e;
  e.kind = kind;
  e.text = std::move(text);
  e.longName = std::move(longName);
  e.shortName = std::move(shortName);
  return e;
}

std::string withSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  return dir;
}

}  // namespace

ListEntry fileEntry(std::string_view longName, std::string_view shortName, bool longNames,
                    int kind) {
  const std::string_view alias = shortName.empty() ? longName : shortName;
  ListEntry file = makeEntry(EntryKind::kFile, std::string(longNames ? longName : alias),
                             std::string(longName), std::string(alias));
  file.fileKind = kind;
  return file;
}

ListEntry fileEntry(const platform::FindData& found, bool longNames, int kind) {
  return fileEntry(found.longName, found.shortName, longNames, kind);
}

void FileList::refresh(const platform::FileSystem& fs) {
  if (workDir_.empty() || masks_.empty()) {
    entries_.clear();
    return;
  }
  refresh(fs, fs.searchDirectory(withSeparator(workDir_), patterns()), 0, fs.drives());
}

std::vector<std::string> FileList::patterns() const {
  std::vector<std::string> out;
  out.reserve(masks_.size());
  for (const KindMask& mask : masks_) out.push_back(mask.mask);
  return out;
}

void FileList::refresh(const platform::FileSystem& fs,
                       const std::optional<platform::DirectorySearch>& search, size_t firstPattern,
                       const std::vector<char>& drives) {
  entries_.clear();
  if (workDir_.empty() || masks_.empty()) return;
  const std::string dir = withSeparator(workDir_);
  const bool root = dir.size() == 3 && dir[1] == ':';
  if (search && !root) entries_.push_back(makeEntry(EntryKind::kParent, std::string(kParentEntry)));
  if (search) {
    for (const platform::DirectoryEntry& f : search->entries) {
      if (!f.isDirectory() || (f.attributes & platform::kAttrHidden) != 0) continue;
      const std::string_view shown = longNames_ || f.shortName.empty() ? f.longName : f.shortName;
      entries_.push_back(makeEntry(EntryKind::kDirectory, directoryEntry(shown),
                                   std::string(f.longName),
                                   std::string(f.shortName.empty() ? f.longName : f.shortName)));
    }
  }
  for (char letter : drives) {
    ListEntry drive = makeEntry(EntryKind::kDrive, driveEntry(letter));
    drive.drive = letter;
    entries_.push_back(std::move(drive));
  }

  for (size_t m = 0; m < masks_.size(); ++m) {
    const KindMask& mask = masks_[m];
    // A mask reaching into another directory ("MAPS\*.MAP") is no name of this one: it is
    // looked up on its own.
    if (mask.mask.find_first_of("\\/") != std::string::npos) {
      listFilesOfMask(fs, mask.mask, mask.kind);
      continue;
    }
    if (!search || firstPattern + m >= search->matches.size()) continue;
    for (uint32_t at : search->matches[firstPattern + m]) {
      const platform::DirectoryEntry& f = search->entries[at];
      if (!f.isDirectory())
        entries_.push_back(fileEntry(f.longName, f.shortName, longNames_, mask.kind));
    }
  }
}

void FileList::listFilesOfMask(const platform::FileSystem& fs, const std::string& mask, int kind) {
  std::vector<platform::FindData> found = fs.find(withSeparator(workDir_) + mask);
  std::erase_if(found, [](const platform::FindData& f) { return f.isDirectory(); });
  sortByNameIgnoringCase(found);
  for (const platform::FindData& f : found) entries_.push_back(fileEntry(f, longNames_, kind));
}

std::vector<std::string> FileList::texts() const {
  std::vector<std::string> out;
  out.reserve(entries_.size());
  for (const ListEntry& e : entries_) out.push_back(e.text);
  return out;
}

bool FileList::toggleMembers(size_t index, const std::vector<ListEntry>& members) {
  if (index >= entries_.size()) return false;
  const auto first = entries_.begin() + std::ptrdiff_t(index) + 1;
  auto last = first;
  while (last != entries_.end() && last->kind == EntryKind::kArchiveMember) ++last;
  if (last != first) {
    entries_.erase(first, last);
    return false;
  }
  entries_.insert(first, members.begin(), members.end());
  return true;
}

}  // namespace files
