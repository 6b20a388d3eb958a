// The members of a ZIP archive, from its central directory: what the file manager lists under
// an archive and what a pick inside it names. The archive is outside bytes: every count, offset
// and length is checked against the file before it is used.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace content {

struct ZipMember {
  std::string name;  // as the archive stores it, "/" between folders ("maps/city.map")
  uint32_t size = 0;
  bool directory = false;  // a folder entry ("maps/")
};

inline constexpr size_t kMaxZipMembers = 4096;
inline constexpr size_t kMaxZipName = 255;

// The members named in `tail`, the last bytes of an archive that is `fileSize` bytes long (the
// whole archive, or at least its central directory and end record). Nothing when the bytes
// hold no end record or a directory that does not fit; names that hold a NUL, or are longer
// than kMaxZipName, are left out, and at most kMaxZipMembers are read.
std::optional<std::vector<ZipMember>> zipMembersOf(std::span<const uint8_t> tail,
                                                   uint64_t fileSize);

// The same for the archive at `path` (a DOS path): only its end is read.
std::optional<std::vector<ZipMember>> readZipMembers(platform::FileSystem& fs,
                                                     const std::string& path);

// A member's name as a file can have it: the part after its last "/" or "\"; empty for a folder
// entry, "." or "..".
std::string zipMemberFileName(const std::string& member);

}  // namespace content
