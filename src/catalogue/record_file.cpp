#include "catalogue/record_file.h"

#include <algorithm>
#include <vector>

namespace catalogue {

bool writeAtOffset(platform::FileSystem& fs, const std::string& path, uint64_t offset,
                   std::span<const uint8_t> bytes, bool create, Gap gap) {
  std::vector<uint8_t> file;
  if (auto existing = fs.readWhole(path)) {
    file = std::move(*existing);
  } else if (!create || fs.exists(path)) {
    return false;
  }
  // A record written back unchanged (the game record at every close) costs no rewrite of the
  // whole file.
  if (file.size() >= offset + bytes.size() &&
      std::equal(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset)))
    return true;
  if (gap == Gap::kRecordCopies && file.size() < offset && !bytes.empty()) {
    uint64_t copies = (offset - file.size()) / bytes.size();
    for (uint64_t i = 0; i < copies; ++i) file.insert(file.end(), bytes.begin(), bytes.end());
  }
  if (file.size() < offset + bytes.size()) file.resize(offset + bytes.size(), 0);
  std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
  return fs.replaceWhole(path, file);
}

bool readAtOffset(platform::FileSystem& fs, const std::string& path, uint64_t offset,
                  std::span<uint8_t> out) {
  std::fill(out.begin(), out.end(), 0);
  auto handle = fs.open(path, platform::OpenMode::kRead);
  if (!handle) return false;
  if (handle->seek(offset)) handle->read(out.data(), out.size());
  return true;
}

}  // namespace catalogue
