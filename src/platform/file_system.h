// Files and directories as the program sees them: DOS paths ("D:\GAMES\DUKE3D\") over the
// drive map. Every call reports failure through its return value and never throws.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dos_path.h"

namespace platform {

class DriveMap;

// DOS/Windows file attribute bits, as FindFirstFileA reports them.
enum Attribute : uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  kAttrNormal = 0x80,
};

// One entry of a directory listing.
struct FindData {
  std::string longName;   // the name as stored
  std::string shortName;  // the 8.3 alias (equal to the upper-cased name when it already fits)
  uint32_t attributes = 0;
  uint64_t size = 0;
  bool isDirectory() const { return (attributes & kAttrDirectory) != 0; }
};

// One entry of a directory search: what a list of names needs, all of which a directory's
// listing tells without a look at each entry. The names are those of the search's listing.
struct DirectoryEntry {
  std::string_view longName;
  std::string_view shortName;
  uint32_t attributes = 0;  // kAttrDirectory and kAttrHidden only
  bool isDirectory() const { return (attributes & kAttrDirectory) != 0; }
};

// A whole directory read once for several patterns.
struct DirectorySearch {
  // Every sub-directory and every other entry at least one pattern matches, by name ignoring
  // case and names equal in any case by their bytes.
  std::vector<DirectoryEntry> entries;
  // One per pattern: the positions in `entries` of what it matches, in that order.
  std::vector<std::vector<uint32_t>> matches;
  // What the entries' names are kept in, shared by every copy of the search (a big directory
  // is not copied name by name for each search of it).
  std::shared_ptr<const void> names;
};

// A name as a directory's listing gives it.
struct ListedName {
  std::string name;
  bool isDirectory = false;
  std::vector<ListedName> inside;  // only when asked for
};

enum class OpenMode {
  kRead,            // existing file, read only
  kReadWrite,       // existing file, read and write, never created
  kCreateTruncate,  // write, created or truncated to zero
  kCreateKeep,      // read and write, created when missing, length kept
};

// An open file. Positions and lengths are in bytes.
class FileHandle {
 public:
  virtual ~FileHandle() = default;
  // Reads up to `count` bytes at the current position; returns how many were read.
  virtual size_t read(void* buffer, size_t count) = 0;
  // Writes `count` bytes at the current position; returns how many were written.
  virtual size_t write(const void* buffer, size_t count) = 0;
  virtual bool seek(uint64_t position) = 0;
  virtual uint64_t position() const = 0;
  virtual uint64_t length() const = 0;
  // Cuts or extends the file to `length` bytes.
  virtual bool truncate(uint64_t length) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Drive letters mapped to a directory, upper case, in order C to Z.
  virtual std::vector<char> drives() const = 0;
  // Where the player's drive letters can be changed; nothing for a file system whose drives
  // are fixed. A change is seen by every call here at once.
  virtual DriveMap* driveMap() { return nullptr; }

  // FindFirstFileA/FindNextFileA: the entries of one directory whose names (long or short)
  // match the DOS wildcard pattern in the last component of `pattern`. A last component
  // without wildcards finds that one entry. Empty when nothing matches or the directory
  // does not exist. "." and ".." are never listed.
  virtual std::vector<FindData> find(const std::string& pattern) const = 0;

  // The directory `dir` read once for all of `patterns`, each matching what find() finds for
  // `dir` + pattern (long or short name; one without wildcards names one entry). A pattern that
  // is no name inside `dir` ("MAPS\*.MAP", "..") matches nothing. Nothing when `dir` is not an
  // existing directory; an empty search for one that cannot be read.
  virtual std::optional<DirectorySearch> searchDirectory(
      const std::string& dir, const std::vector<std::string>& patterns) const = 0;

  // The long names in `dir` as the host lists them, with whether each is a directory: no alias
  // worked out, no order, no look at an entry the listing types (for a search that tests names
  // and needs no more). With `withFolders`, each directory's `inside` holds its own names the
  // same way. Nothing when `dir` is not an existing directory.
  virtual std::optional<std::vector<ListedName>> listNames(const std::string& dir,
                                                           bool withFolders = false) const {
    auto search = searchDirectory(dir, {"*.*"});
    if (!search) return std::nullopt;
    std::vector<ListedName> names;
    for (const DirectoryEntry& entry : search->entries) {
      names.push_back({std::string(entry.longName), entry.isDirectory(), {}});
      if (withFolders && entry.isDirectory())
        names.back().inside = listNames(dos::withTrailingSeparator(dir) + names.back().name)
                                  .value_or(std::vector<ListedName>{});
    }
    return names;
  }

  // Attributes of one existing entry, or nothing when it does not exist.
  virtual std::optional<FindData> stat(const std::string& path) const = 0;
  // When an existing file last changed, in seconds since 1970; nothing when it does not exist
  // or the file system cannot tell (a copy of a map is only the same map with the same time).
  virtual std::optional<int64_t> modificationTime(const std::string& path) const {
    (void)path;
    return std::nullopt;
  }
  // Stamps an existing file as last changed at `seconds` since 1970.
  virtual bool setModificationTime(const std::string& path, int64_t seconds) {
    (void)path;
    (void)seconds;
    return false;
  }

  virtual std::unique_ptr<FileHandle> open(const std::string& path, OpenMode mode) = 0;

  // CopyFileA: fails when `failIfExists` is set and the target exists.
  virtual bool copyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
  // MoveFileA: fails when the target exists.
  virtual bool moveFile(const std::string& from, const std::string& to) = 0;
  virtual bool deleteFile(const std::string& path) = 0;
  // Deletes a file the player asked to delete: into the desktop's trash, where it can be had
  // back, when the trash is on the same file system as the file; otherwise for good.
  virtual bool moveToTrash(const std::string& path) { return deleteFile(path); }
  // SetFileAttributesA(FILE_ATTRIBUTE_NORMAL): the file becomes writable.
  virtual bool setAttributesNormal(const std::string& path) = 0;
  virtual bool createDirectory(const std::string& path) = 0;
  // Removes an empty directory.
  virtual bool removeDirectory(const std::string& path) = 0;

  // The current directory as a DOS path ending in "\".
  virtual std::string currentDirectory() const = 0;
  virtual bool setCurrentDirectory(const std::string& path) = 0;
  // GetWindowsDirectoryA: "C:\WINDOWS" (no trailing "\").
  virtual std::string windowsDirectory() const = 0;
  // GetShortPathNameA: the path of an existing entry with every component as its 8.3 alias.
  virtual std::optional<std::string> shortPathName(const std::string& path) const = 0;
  // The full DOS path with every component spelled as stored (case and long names).
  virtual std::optional<std::string> longPathName(const std::string& path) const = 0;

  // The path of this machine a DOS path names, for a program of the machine that takes its own
  // paths (a native port): long names, "/" separated. Nothing when no drive reaches it, or for
  // a file system with no machine under it.
  virtual std::optional<std::string> hostPath(const std::string& dosPath) const {
    (void)dosPath;
    return std::nullopt;
  }
  // The DOS path of a path of this machine, through the drive that holds it; nothing when none
  // does.
  virtual std::optional<std::string> dosPath(const std::string& hostPath) const {
    (void)hostPath;
    return std::nullopt;
  }

  // Replaces the whole file: the new content goes to a temporary file beside it which is
  // then renamed over the old one, so a crash never leaves a torn file.
  virtual bool replaceWhole(const std::string& path, const std::vector<uint8_t>& bytes) = 0;

  // True when `a` and `b` name the same entry, whichever spelling each has (long names or 8.3
  // aliases, any case, with or without a trailing "\"). Paths that do not exist are compared
  // as text, ignoring case.
  bool samePath(const std::string& a, const std::string& b) const;

  // Removes the scratch files a whole-file replace left in `directory` when its run was killed
  // mid-save: only names of our own pattern, written by processes that no longer run, before
  // this one started. Returns how many went.
  virtual size_t removeStaleScratchFiles(const std::string& directory) {
    (void)directory;
    return 0;
  }

  // Why the last failed open, write or replace failed, in words for the player ("No space left
  // on device", "is a directory", ...); empty when nothing says.
  virtual std::string lastErrorText() const { return {}; }

  // Convenience: the whole content of an existing file.
  std::optional<std::vector<uint8_t>> readWhole(const std::string& path);
  bool exists(const std::string& path) const { return stat(path).has_value(); }
};

}  // namespace platform
