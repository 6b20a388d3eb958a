#include "platform/file_system.h"

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

}  // namespace platform
