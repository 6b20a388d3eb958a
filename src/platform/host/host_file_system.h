// The file system of this machine, seen through a Wine-style prefix: <prefix>/dosdevices/c:
// is a symbolic link to the host directory of drive C:, and so on for every letter.
#pragma once

#include <memory>
#include <string>

#include "platform/drive_map.h"
#include "platform/file_system.h"

namespace platform {

class DirectoryCache;

// Its drive map is the prefix's dosdevices folder: a mapping is a symbolic link named by the
// letter in lower case ("d:"), as Wine writes them.
class HostFileSystem : public FileSystem, public DriveMap {
 public:
  // Uses the prefix at `prefixDir`, creating drive_c/, dosdevices/c: -> ../drive_c and
  // dosdevices/z: -> / when the prefix has no dosdevices yet. Directory listings are kept in
  // `cache` (a new one when none is given), which copies of this object share.
  explicit HostFileSystem(std::string prefixDir, std::shared_ptr<DirectoryCache> cache = nullptr);

  // $QF95_PREFIX, else ~/.local/share/quillfen95.
  static std::string defaultPrefix();

  const std::string& prefix() const { return prefix_; }
  // The host path of a DOS path: existing components resolved case-insensitively and through
  // 8.3 aliases, missing ones kept as written. Nothing for a path through an unmapped drive.
  std::optional<std::string> hostPath(const std::string& dosPath) const override;
  // The DOS path of a host path: through the drive that contains it (the longest match,
  // C to Y before Z), else nothing.
  std::optional<std::string> dosPath(const std::string& hostPath) const override;

  std::vector<char> drives() const override;
  DriveMap* driveMap() override { return this; }
  std::vector<DriveMapping> mappings() const override;
  std::vector<FindData> find(const std::string& pattern) const override;
  std::optional<DirectorySearch> searchDirectory(
      const std::string& dir, const std::vector<std::string>& patterns) const override;
  std::optional<std::vector<ListedName>> listNames(const std::string& dir,
                                                   bool withFolders) const override;
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
  std::optional<std::string> shortPathName(const std::string& path) const override;
  std::optional<std::string> longPathName(const std::string& path) const override;
  bool replaceWhole(const std::string& path, const std::vector<uint8_t>& bytes) override;
  std::string lastErrorText() const override { return lastError_; }

  size_t removeStaleScratchFiles(const std::string& directory) override;

 protected:
  FolderKind folderKind(const std::string& hostFolder) const override;
  std::string storedFolder(const std::string& hostFolder) const override;
  std::string writeLink(char letter, const std::string& hostFolder) override;
  std::string dropLink(char letter) override;

 private:
  template <typename T>
  T failed(T result, const std::string& why) const {
    lastError_ = why;
    return result;
  }

  std::string prefix_;
  std::shared_ptr<DirectoryCache> cache_;
  mutable std::string lastError_;
};

}  // namespace platform
