#include "platform/file_system.h"

#include "platform/dos_path.h"

namespace platform {

std::optional<std::vector<uint8_t>> FileSystem::readWhole(const std::string& path) {
  try {
    auto file = open(path, OpenMode::kRead);
    if (!file) return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(file->length()));
    size_t got = bytes.empty() ? 0 : file->read(bytes.data(), bytes.size());
    bytes.resize(got);
    // The file may have grown since its length was taken.
    uint8_t chunk[4096];
    while (size_t more = file->read(chunk, sizeof chunk))
      bytes.insert(bytes.end(), chunk, chunk + more);
    return bytes;
  } catch (...) {
    return std::nullopt;
  }
}

namespace {

std::string withoutTrailingSeparator(std::string path) {
  // "C:\" keeps its separator: it is the root, not a directory name with one after it.
  while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

}  // namespace

bool FileSystem::samePath(const std::string& a, const std::string& b) const {
  const std::string plainA = withoutTrailingSeparator(a);
  const std::string plainB = withoutTrailingSeparator(b);
  if (dos::equalsIgnoreCase(plainA, plainB)) return true;
  auto longA = longPathName(plainA);
  auto longB = longPathName(plainB);
  return longA && longB &&
         dos::equalsIgnoreCase(withoutTrailingSeparator(*longA), withoutTrailingSeparator(*longB));
}

}  // namespace platform
