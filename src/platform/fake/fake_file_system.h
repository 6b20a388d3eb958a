// An in-memory file system with the same DOS path rules as the host one (case-insensitive
// components, 8.3 aliases, wildcards), plus failure injection for tests.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace platform {

class FakeFileSystem : public FileSystem {
 public:
  FakeFileSystem();  // drive C: only, current directory C:\ .
  ~FakeFileSystem() override;

  void addDrive(char letter);
  // Creates the file and every missing directory above it.
  void putFile(const std::string& path, const std::vector<uint8_t>& bytes = {});
  void putFile(const std::string& path, const std::string& text);
  void makeDirectories(const std::string& path);
  void setReadOnly(const std::string& path, bool readOnly);
  // Every open of this path (any mode) fails from now on.
  void failOpen(const std::string& path);
  // Every replaceWhole of this path fails from now on.
  void failReplace(const std::string& path);
  // Number of calls to find(), for tests that count directory searches.
  size_t findCalls() const { return findCalls_; }

  std::vector<char> drives() const override;
  std::vector<FindData> find(const std::string& pattern) const override;
  std::optional<FindData> stat(const std::string& path) const override;
  std::unique_ptr<FileHandle> open(const std::string& path, OpenMode mode) override;
  bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
  bool moveFile(const std::string& from, const std::string& to) override;
  bool deleteFile(const std::string& path) override;
  bool setAttributesNormal(const std::string& path) override;
  bool createDirectory(const std::string& path) override;
  bool removeDirectory(const std::string& path) override;
  std::string currentDirectory() const override;
  bool setCurrentDirectory(const std::string& path) override;
  std::string windowsDirectory() const override;
  std::optional<std::string> shortPathName(const std::string& path) const override;
  std::optional<std::string> longPathName(const std::string& path) const override;
  bool replaceWhole(const std::string& path, const std::vector<uint8_t>& bytes) override;

 private:
  struct Node;
  struct Impl;
  std::unique_ptr<Impl> impl_;
  mutable size_t findCalls_ = 0;
};

}  // namespace platform
