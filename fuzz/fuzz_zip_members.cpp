// Any bytes as the end of a ZIP archive: the members the file manager lists are at most
// kMaxZipMembers, each a name of 1 to kMaxZipName bytes without a NUL, and the file name taken
// from one is never a path, "." or "..". The input is read both as the whole archive and as
// the tail of a longer one.
//
// Input: the archive. Seeds (fuzz/corpus/zip_members/): archives made by Info-ZIP zip (a map in
// a folder, two files with a comment), and an empty archive.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "content/zip_members.h"

namespace {

void check(const std::optional<std::vector<content::ZipMember>>& members) {
  if (!members) return;
  if (members->size() > content::kMaxZipMembers) std::abort();
  for (const content::ZipMember& m : *members) {
    if (m.name.empty() || m.name.size() > content::kMaxZipName) std::abort();
    if (m.name.find('\0') != std::string::npos) std::abort();
    const std::string file = content::zipMemberFileName(m.name);
    if (file.find_first_of("/\\") != std::string::npos || file == "." || file == "..") std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  check(content::zipMembersOf(bytes, size));
  check(content::zipMembersOf(bytes, uint64_t(size) + 4096));
  return 0;
}
