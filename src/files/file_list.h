// One of the file manager's lists: a working directory, the masks of its file kinds and the
// entries it shows. Directories and drives come first ("[..]", the sub-directories by name,
// then the drives C: to Z:), then for each mask in order the matching files by name; a file
// two masks match is listed twice.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_masks.h"
#include "platform/file_system.h"

namespace files {

enum class EntryKind { kParent, kDirectory, kDrive, kFile, kArchiveMember };

struct ListEntry {
  EntryKind kind = EntryKind::kFile;
  std::string text;       // what the list box shows
  std::string longName;   // directories and files: the name as stored
  std::string shortName;  // files: the 8.3 name, or the long one when the file has none
  int fileKind = -1;      // files: the kind whose mask listed it
  char drive = 0;         // drives: the letter
  // Archive members, listed under their archive: the archive's names (longName is the
  // member's name in the archive).
  std::string archiveLong;
  std::string archiveShort;
};

// What a member of an archive shows under it.
inline constexpr const char* kMemberIndent = "    ";

// The entry of a found file. A file the file system reports no 8.3 name for goes by its long
// name in both modes.
ListEntry fileEntry(const platform::FindData& found, bool longNames, int kind);
ListEntry fileEntry(std::string_view longName, std::string_view shortName, bool longNames,
                    int kind);

class FileList {
 public:
  // `longNames` chooses which name the list shows, for files and directories alike.
  explicit FileList(bool longNames = false) : longNames_(longNames) {}

  const std::string& workDir() const { return workDir_; }
  void setWorkDir(std::string dir) { workDir_ = std::move(dir); }
  const std::vector<KindMask>& masks() const { return masks_; }
  void setMasks(std::vector<KindMask> masks) { masks_ = std::move(masks); }
  bool longNames() const { return longNames_; }

  // Lists the working directory again. A list without working directory or masks stays empty,
  // so a game with no kinds for it never shows the previous game's files. A working directory
  // that is gone still lists the drives, the way out of it.
  void refresh(const platform::FileSystem& fs);
  // The same from one search of the working directory made for several lists: this list's
  // masks are its patterns from `firstPattern` on, in order (see patterns()).
  void refresh(const platform::FileSystem& fs,
               const std::optional<platform::DirectorySearch>& search, size_t firstPattern,
               const std::vector<char>& drives);
  // What to search the working directory for: one pattern per mask.
  std::vector<std::string> patterns() const;
  void clear() { entries_.clear(); }

  const std::vector<ListEntry>& entries() const { return entries_; }
  const ListEntry* entry(size_t index) const {
    return index < entries_.size() ? &entries_[index] : nullptr;
  }
  std::vector<std::string> texts() const;
  // The archive at `index` shown open: its members listed under it (true), or closed again
  // when they were (false).
  bool toggleMembers(size_t index, const std::vector<ListEntry>& members);

 private:
  void listFilesOfMask(const platform::FileSystem& fs, const std::string& mask, int kind);

  std::string workDir_;
  std::vector<KindMask> masks_;
  bool longNames_;
  std::vector<ListEntry> entries_;
};

}  // namespace files
