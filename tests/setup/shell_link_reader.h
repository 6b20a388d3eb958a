// A strict reader of Windows shell link files for the tests: checks every size and offset of
// the header, the target ID list, LinkInfo, StringData and the extra data blocks, and that the
// padding of a fixed-size field holds only NULs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct ShellLink {
  uint32_t flags = 0;
  std::vector<std::string> items;  // "My Computer", then the drive, folder and file names
  std::string localBasePath;
  std::string commonPathSuffix;
  std::string workingDirectory;
  std::string target() const { return localBasePath + commonPathSuffix; }
  // The ID list as a path: the names after "My Computer" joined by "\".
  std::string itemPath() const;
};

// Throws std::runtime_error naming what is wrong.
ShellLink parseShellLink(const std::vector<uint8_t>& bytes);

}  // namespace testsupport
