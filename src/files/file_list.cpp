#include "files/file_list.h"

#include <algorithm>

#include "files/directory_navigation.h"
#include "platform/dos_path.h"

namespace files {

namespace {

bool byNameIgnoringCase(const platform::FindData& a, const platform::FindData& b) {
  const std::string ua = platform::dos::toUpper(a.longName);
  const std::string ub = platform::dos::toUpper(b.longName);
  return ua != ub ? ua < ub : a.longName < b.longName;
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
    std::sort(found.begin(), found.end(), byNameIgnoringCase);
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
    std::sort(found.begin(), found.end(), byNameIgnoringCase);
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
