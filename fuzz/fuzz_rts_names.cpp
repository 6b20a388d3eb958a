// Any bytes as an RTS file: the ten sound names from its tail are at most 8 plain name
// characters each, never a path, and a file too short to hold them gives none.
//
// Input: the file. Seeds (fuzz/corpus/rts_names/): a file with two names, one of exactly 168
// bytes, one a byte short.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "content/rts_editor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto names = content::RtsEditor::soundNamesOf(std::span<const uint8_t>(data, size));
  if (size < content::RtsEditor::kNamesFromEnd) {
    if (names) std::abort();
    return 0;
  }
  if (!names) std::abort();
  for (const std::string& name : *names)
    if (name.size() > 8 || name.find('\\') != std::string::npos ||
        name.find('/') != std::string::npos || name.find("..") != std::string::npos)
      std::abort();
  return 0;
}
