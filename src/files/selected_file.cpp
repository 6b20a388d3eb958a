#include "files/selected_file.h"

#include "platform/dos_path.h"

namespace files {

namespace {

std::string withSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  return dir;
}

std::optional<std::string> fitting(std::optional<std::string> path) {
  if (path && path->size() <= kSelectedFileMax) return path;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> selectedFilePath(const platform::FileSystem& fs,
                                            const std::string& directory,
                                            const std::string& longName,
                                            const std::string& shortName, bool dosProgram) {
  const std::string dir = withSeparator(directory);
  if (!dosProgram) {
    if (auto path = fitting(dir + longName)) return path;
    return fitting(fs.shortPathName(dir + longName));
  }
  std::string dosDir = dir;
  if (auto shortDir = fs.shortPathName(dir);
      shortDir && !platform::dos::equalsIgnoreCase(withSeparator(*shortDir), dir)) {
    dosDir = withSeparator(*shortDir);
  }
  std::string name = shortName;
  if (name.empty() || name == longName) {
    // No alias reported: take the one the file system gives the whole path.
    if (auto full = fs.shortPathName(dir + longName)) {
      name = platform::dos::fileNameOf(*full);
    } else {
      name = longName;
    }
  }
  return fitting(dosDir + name);
}

}  // namespace files
