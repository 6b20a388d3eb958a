#include "catalogue/record_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace catalogue {
namespace {

// True when the file holds `bytes` at `offset` already. Compared a block at a time, so a record
// written back unchanged (the game record at every close) costs neither a rewrite nor a read
// of the whole file.
bool holdsAt(platform::FileSystem& fs, const std::string& path, uint64_t offset,
             std::span<const uint8_t> bytes) {
  auto handle = fs.open(path, platform::OpenMode::kRead);
  if (!handle || handle->length() < offset + bytes.size() || !handle->seek(offset)) return false;
  uint8_t block[4096];
  for (size_t done = 0; done < bytes.size();) {
    const size_t n = std::min(sizeof block, bytes.size() - done);
    if (handle->read(block, n) != n || std::memcmp(block, bytes.data() + done, n) != 0)
      return false;
    done += n;
  }
  return true;
}

}  // namespace

bool writeAtOffset(platform::FileSystem& fs, const std::string& path, uint64_t offset,
                   std::span<const uint8_t> bytes, bool create, Gap gap) {
  if (holdsAt(fs, path, offset, bytes)) return true;
  std::vector<uint8_t> file;
  if (auto existing = fs.readWhole(path)) {
    file = std::move(*existing);
  } else if (!create || fs.exists(path)) {
    return false;
  }
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
  auto handle = fs.open(path, platform::OpenMode::kRead);
  size_t got = 0;
  if (handle && handle->seek(offset)) got = handle->read(out.data(), out.size());
  // Only what the file did not hold is zeroed: a record image is a dozen kilobytes.
  if (got < out.size()) std::memset(out.data() + got, 0, out.size() - got);
  return handle != nullptr;
}

}  // namespace catalogue
