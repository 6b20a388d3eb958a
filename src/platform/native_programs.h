// What this machine has installed beside the DOS world: programs found on the program path and
// the files of the game data folders, for the first start's look for native ports.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

class NativePrograms {
 public:
  virtual ~NativePrograms() = default;
  // The path of the program `name` on this machine; nothing when it is not installed.
  virtual std::optional<std::string> findProgram(const std::string& name) const = 0;
  // The files directly in the game data folders, as paths of this machine: folder by folder in
  // the folders' order, each folder's names sorted.
  virtual std::vector<std::string> dataFiles() const = 0;
};

}  // namespace platform
