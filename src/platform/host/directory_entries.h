#pragma once
// The entries of an open host directory, read straight from the kernel in large blocks: no
// DIR stream to set up and tear down for each directory, which is most of the cost when a
// search reads hundreds of small ones.

#include <dirent.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace platform {

// Calls `visit(name, d_type)` for each entry of the directory open as `fd`, from where its
// reading stands (the start, for a descriptor just opened), "." and ".." left out. The
// descriptor stays open. False when the directory could not be read to its end; the entries
// visited before that were visited.
template <class Visit>
bool forEachDirectoryEntry(int fd, Visit&& visit) {
  alignas(dirent64) char block[32768];
  for (;;) {
    const ssize_t filled = ::getdents64(fd, block, sizeof block);
    if (filled < 0) return false;
    if (filled == 0) return true;
    for (size_t at = 0; at < size_t(filled);) {
      // The fields are read by their offsets: the kernel's records are not C++ objects.
      uint16_t length = 0;
      std::memcpy(&length, block + at + offsetof(dirent64, d_reclen), sizeof length);
      const size_t nameAt = at + offsetof(dirent64, d_name);
      if (length == 0 || at + length > size_t(filled) || nameAt >= at + length) return false;
      const unsigned char type = static_cast<unsigned char>(block[at + offsetof(dirent64, d_type)]);
      const std::string_view name(block + nameAt, ::strnlen(block + nameAt, at + length - nameAt));
      if (name != "." && name != "..") visit(name, type);
      at += length;
    }
  }
}

}  // namespace platform
