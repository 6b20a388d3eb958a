// The drive search of a first start runs on the user-interface thread and may take a while
// on large drives. This file system passes every call through and, while a search may be
// running long enough to notice, shows a progress dialog that pulses as directories are
// looked at.
#pragma once

#include <chrono>
#include <memory>

#include "platform/file_system.h"

class wxProgressDialog;
class wxWindow;

namespace gui {

class SearchProgressFileSystem : public platform::FileSystem {
 public:
  explicit SearchProgressFileSystem(platform::FileSystem& inner);
  ~SearchProgressFileSystem() override;

  // From now on directory searches pulse a progress dialog over `parent` (made once a search
  // has gone on for a moment, so a plain load or a quick search shows nothing).
  void arm(wxWindow* parent);
  // The search is over: the dialog goes.
  void disarm();

  std::vector<char> drives() const override { return inner_.drives(); }
  platform::DriveMap* driveMap() override { return inner_.driveMap(); }
  std::vector<platform::FindData> find(const std::string& pattern) const override;
  std::optional<platform::FindData> stat(const std::string& path) const override;
  std::optional<platform::DirectorySearch> searchDirectory(
      const std::string& dir, const std::vector<std::string>& patterns) const override {
    return inner_.searchDirectory(dir, patterns);
  }
  std::unique_ptr<platform::FileHandle> open(const std::string& path,
                                             platform::OpenMode mode) override {
    return inner_.open(path, mode);
  }
  bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override {
    return inner_.copyFile(from, to, failIfExists);
  }
  bool moveFile(const std::string& from, const std::string& to) override {
    return inner_.moveFile(from, to);
  }
  bool deleteFile(const std::string& path) override { return inner_.deleteFile(path); }
  bool setAttributesNormal(const std::string& path) override {
    return inner_.setAttributesNormal(path);
  }
  bool createDirectory(const std::string& path) override { return inner_.createDirectory(path); }
  bool removeDirectory(const std::string& path) override { return inner_.removeDirectory(path); }
  std::string currentDirectory() const override { return inner_.currentDirectory(); }
  bool setCurrentDirectory(const std::string& path) override {
    return inner_.setCurrentDirectory(path);
  }
  std::string windowsDirectory() const override { return inner_.windowsDirectory(); }
  std::optional<std::string> hostPath(const std::string& dosPath) const override {
    return inner_.hostPath(dosPath);
  }
  std::optional<std::string> dosPath(const std::string& hostPath) const override {
    return inner_.dosPath(hostPath);
  }
  std::optional<std::string> shortPathName(const std::string& path) const override {
    return inner_.shortPathName(path);
  }
  std::optional<std::string> longPathName(const std::string& path) const override {
    return inner_.longPathName(path);
  }
  bool replaceWhole(const std::string& path, const std::vector<uint8_t>& bytes) override {
    return inner_.replaceWhole(path, bytes);
  }
  std::optional<std::vector<platform::ListedName>> listNames(const std::string& dir,
                                                             bool withFolders) const override {
    pulse(dir);
    return inner_.listNames(dir, withFolders);
  }
  std::optional<int64_t> modificationTime(const std::string& path) const override {
    return inner_.modificationTime(path);
  }
  bool setModificationTime(const std::string& path, int64_t seconds) override {
    return inner_.setModificationTime(path, seconds);
  }
  size_t removeStaleScratchFiles(const std::string& directory) override {
    return inner_.removeStaleScratchFiles(directory);
  }
  std::string lastErrorText() const override { return inner_.lastErrorText(); }

 private:
  void pulse(const std::string& path) const;

  platform::FileSystem& inner_;
  wxWindow* parent_ = nullptr;
  bool armed_ = false;
  mutable std::unique_ptr<wxProgressDialog> dialog_;
  std::chrono::steady_clock::time_point armedAt_;
  mutable std::chrono::steady_clock::time_point lastPulse_;
};

}  // namespace gui
