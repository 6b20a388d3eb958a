// Gives the add-on files of a Duke Nukem 3D add-on directory the names the game loads: art
// files end in ".ART", script files in ".CON".
#pragma once

#include <string>

#include "platform/file_system.h"

namespace launch {

// `selectedDir` ends in "\".
void renameAddOnContent(platform::FileSystem& fs, const std::string& selectedDir);

}  // namespace launch
