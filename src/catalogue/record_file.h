// Whole-file writes of record files. A record written into the middle of a file replaces the
// file whole (read, patch, atomic replace), so a crash never leaves a torn record file.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/file_system.h"

namespace catalogue {

// How a file shorter than the write position is extended before the write.
enum class Gap {
  kZeros,         // zero bytes up to the position
  kRecordCopies,  // whole copies of the written record first, then zeros
};

// Writes `bytes` at `offset` of the existing file `path`. With `create`, a missing file is
// made. Fails (false) when the file cannot be read or replaced.
bool writeAtOffset(platform::FileSystem& fs, const std::string& path, uint64_t offset,
                   std::span<const uint8_t> bytes, bool create, Gap gap);

// Reads up to `size` bytes at `offset`; the rest of the result is zero. False when the file
// cannot be opened.
bool readAtOffset(platform::FileSystem& fs, const std::string& path, uint64_t offset,
                  std::span<uint8_t> out);

}  // namespace catalogue
