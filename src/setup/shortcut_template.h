// The prepared shortcut Quillfen.lnk before setup writes the install path into it: a Windows
// shell link to "quillfen95.exe" whose path fields are empty and padded to the sizes of
// shortcut_layout.h.
#pragma once

#include <cstdint>
#include <vector>

namespace setup::shortcut {

std::vector<uint8_t> makeTemplate();

}  // namespace setup::shortcut
