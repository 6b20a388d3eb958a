// Opening the game's help and text files: "start" and the file, through the command
// interpreter.
#pragma once

#include <string>

#include "catalogue/game_info_record.h"

namespace app {

// The command for help file `index` (0-9): the file as it is when it is a full path (its
// second character is ":" or "\"), else under the game directory. Empty for an empty entry.
std::string helpFileCommand(const catalogue::GameInfoRecord& game, size_t index);
// The same for any file the game record names (the game's and the editor's help files).
std::string startFileCommand(const catalogue::GameInfoRecord& game, const std::string& file);

}  // namespace app
