// The native programs of this machine: a program path and game data folders, both given so
// tests can point them elsewhere.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/native_programs.h"

namespace platform {

class HostNativePrograms : public NativePrograms {
 public:
  // Where the ports keep their game data on Debian, in the order they look there themselves.
  static const std::vector<std::string>& defaultDataFolders();

  // `programPath` is a ":"-separated list of folders.
  HostNativePrograms(std::string programPath, std::vector<std::string> dataFolders);

  // $QF95_NATIVE_PATH, else $PATH with /usr/games after it (Debian's games are there, often
  // outside a desktop's PATH); $QF95_NATIVE_DATA (":"-separated), else the default folders.
  using Lookup = std::function<const char*(const char*)>;
  static HostNativePrograms fromEnvironment(const Lookup& lookup);
  static HostNativePrograms fromEnvironment();

  std::optional<std::string> findProgram(const std::string& name) const override;
  std::vector<std::string> dataFiles() const override;

  const std::string& programPath() const { return programPath_; }
  const std::vector<std::string>& dataFolders() const { return dataFolders_; }

 private:
  std::string programPath_;
  std::vector<std::string> dataFolders_;
};

}  // namespace platform
