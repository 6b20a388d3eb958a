// Level files: a game can name a level file of its own (the sixth configuration file, used
// while LevelFileFlagA is set), and a picked file can have a level file beside it, its
// directory + base name + ".lev" (looked for while LevelFileFlagB is set). They describe the
// levels of what is launched; only their names are settled here.
#pragma once

#include <optional>
#include <string>

#include "catalogue/game_info_record.h"
#include "platform/file_system.h"

namespace files {

// The game's own level file when the game uses one and it exists. A name whose second
// character is ":" or that starts with "\" is a full path, anything else lies in GameDir.
std::optional<std::string> gameLevelFile(const catalogue::GameInfoRecord& game,
                                         const platform::FileSystem& fs);

// "<directory><base>.lev" of a picked file when the game looks for one and it exists.
std::optional<std::string> levelFileBeside(const catalogue::GameInfoRecord& game,
                                           const platform::FileSystem& fs,
                                           const std::string& directory,
                                           const std::string& fileName);

// The file name without its last extension ("MAP01.MAP" -> "MAP01").
std::string baseName(const std::string& fileName);

}  // namespace files
