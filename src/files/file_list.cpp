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

ListEntry fileEntry(const platform::FindData& found, bool longNames, int kind) {
  const std::string& shortName = found.shortName.empty() ? found.longName : found.shortName;
  ListEntry file = makeEntry(EntryKind::kFile, longNames ? found.longName : shortName,
                             found.longName, shortName);
  file.fileKind = kind;
  return file;
}

void FileList::refresh(const platform::FileSystem& fs) {
  entries_.clear();
  if (workDir_.empty() || masks_.empty()) return;
  listDirectories(fs);
  listFiles(fs);
}

void FileList::listDirectories(const platform::FileSystem& fs) {
  const std::string dir = withSeparator(workDir_);
  const auto here = fs.stat(dir);
  const bool exists = here && here->isDirectory();
  const bool root = dir.size() == 3 && dir[1] == ':';
  if (exists && !root) entries_.push_back(makeEntry(EntryKind::kParent, std::string(kParentEntry)));

  if (exists) {
    std::vector<platform::FindData> found = fs.find(dir + "*.*");
    std::erase_if(found, [](const platform::FindData& f) {
      return !f.isDirectory() || (f.attributes & platform::kAttrHidden) != 0;
    });
    sortByNameIgnoringCase(found);
    for (const platform::FindData& f : found) {
      const std::string& shown = longNames_ || f.shortName.empty() ? f.longName : f.shortName;
      entries_.push_back(makeEntry(EntryKind::kDirectory, directoryEntry(shown), f.longName,
                                   f.shortName.empty() ? f.longName : f.shortName));
    }
  }
  for (char letter : fs.drives()) {
    ListEntry drive = makeEntry(EntryKind::kDrive, driveEntry(letter));
    drive.drive = letter;
    entries_.push_back(std::move(drive));
  }
}

void FileList::listFiles(const platform::FileSystem& fs) {
  const std::string dir = withSeparator(workDir_);
  for (const KindMask& mask : masks_) {
    std::vector<platform::FindData> found = fs.find(dir + mask.mask);
    std::erase_if(found, [](const platform::FindData& f) { return f.isDirectory(); });
    sortByNameIgnoringCase(found);
    for (const platform::FindData& f : found)
      entries_.push_back(fileEntry(f, longNames_, mask.kind));
  }
}

std::vector<std::string> FileList::texts() const {
  std::vector<std::string> out;
  out.reserve(entries_.size());
  for (const ListEntry& e : entries_) out.push_back(e.text);
  return out;
}

}  // namespace files
