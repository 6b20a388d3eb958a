// An in-memory file system with the same DOS path rules as the host one (case-insensitive
// components, 8.3 aliases, wildcards), plus failure injection for tests.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/drive_map.h"
#include "platform/file_system.h"

namespace platform {

// Its drives are folders of a pretend machine: addDrive() gives a letter a folder of its own
// ("/fake/drive_d"); the drive map points letters at any folder made with putHostFile() or
// makeHostFolder().
class FakeFileSystem : public FileSystem, public DriveMap {
 public:
  FakeFileSystem();  // drive C: only, current directory C:\ .
  ~FakeFileSystem() override;

  void addDrive(char letter);
  // A file of the pretend machine, with every missing folder above it; host paths are
  // absolute, "/" separated and matched exactly.
  void putHostFile(const std::string& hostPath, const std::string& text = {});
  void makeHostFolder(const std::string& hostPath);
  // Number of mappings written or removed through the drive map.
  size_t driveChanges() const { return driveChanges_; }
  // Creates the file and every missing directory above it.
  void putFile(const std::string& path, std::vector<uint8_t> bytes = {});
  void putFile(const std::string& path, const std::string& text);
  void makeDirectories(const std::string& path);
  void setReadOnly(const std::string& path, bool readOnly);
  // Every open of this path (any mode) fails from now on.
  void failOpen(const std::string& path);
  // Every replaceWhole of this path fails from now on.
  void failReplace(const std::string& path);
  // Every copyFile to this path fails from now on (a full disk, a gone drive).
  void failCopy(const std::string& path);
  // The files moveToTrash took, as they were named, in order.
  const std::vector<std::string>& trashed() const { return trashed_; }
  // The time stamped on every file opened for writing from now on (seconds since 1970).
  void setNow(int64_t seconds);
  // Number of calls to find(), for tests that count directory searches.
  size_t findCalls() const { return findCalls_; }
  // Number of calls to searchDirectory().
  size_t searchCalls() const { return searchCalls_; }

  std::vector<char> drives() const override;
  DriveMap* driveMap() override { return this; }
  std::vector<DriveMapping> mappings() const override;
  std::vector<FindData> find(const std::string& pattern) const override;
  std::optional<DirectorySearch> searchDirectory(
      const std::string& dir, const std::vector<std::string>& patterns) const override;
  std::optional<FindData> stat(const std::string& path) const override;
  std::optional<int64_t> modificationTime(const std::string& path) const override;
  bool setModificationTime(const std::string& path, int64_t seconds) override;
  std::unique_ptr<FileHandle> open(const std::string& path, OpenMode mode) override;
  bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
  bool moveFile(const std::string& from, const std::string& to) override;
  bool deleteFile(const std::string& path) override;
  bool moveToTrash(const std::string& path) override;
  bool setAttributesNormal(const std::string& path) override;
  bool createDirectory(const std::string& path) override;
  bool removeDirectory(const std::string& path) override;
  std::string currentDirectory() const override;
  bool setCurrentDirectory(const std::string& path) override;
  std::string windowsDirectory() const override;
  // Through the pretend machine's folders: D:\Maps\x.wad is /fake/drive_d/Maps/x.wad.
  std::optional<std::string> hostPath(const std::string& dosPath) const override;
  std::optional<std::string> dosPath(const std::string& hostPath) const override;
  std::optional<std::string> shortPathName(const std::string& path) const override;
  std::optional<std::string> longPathName(const std::string& path) const override;
  bool replaceWhole(const std::string& path, const std::vector<uint8_t>& bytes) override;

 protected:
  FolderKind folderKind(const std::string& hostFolder) const override;
  std::string storedFolder(const std::string& hostFolder) const override;
  std::string writeLink(char letter, const std::string& hostFolder) override;
  std::string dropLink(char letter) override;

 private:
  struct Node;
  struct Impl;
  std::unique_ptr<Impl> impl_;
  mutable size_t findCalls_ = 0;
  mutable size_t searchCalls_ = 0;
  size_t driveChanges_ = 0;
  std::vector<std::string> trashed_;
};

}  // namespace platform
