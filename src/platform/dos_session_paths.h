// Paths as a DOS session reaches them. Our drive map has a Z: for the whole host, but DOSBox
// keeps Z: for its own programs, so in a session the folder of our Z: is mounted under a free
// letter instead, and every path handed to the session moves to that letter. Each component is
// given as its 8.3 alias, because DOS programs take nothing else.
#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace platform {

// The letter our Z: has in a DOS session: the last of D: to Y: that the drive map leaves free;
// nothing when all are taken.
std::optional<char> sessionLetterForZ(const FileSystem& fs);

// An existing `path` (file or directory, trailing "\" kept) as a DOS session reaches it, e.g.
// "Z:\home\ann\Games\Duke Nukem 3D\" -> "Y:\HOME\ANN\GAMES\DUKENU~1\". Nothing when the path
// does not exist or Z: has no free letter.
std::optional<std::string> dosSessionPath(const FileSystem& fs, const std::string& path);

// `text` (a command word, a batch line) with every "Z:\" moved to the session letter of Z:.
std::string onSessionDrives(const FileSystem& fs, const std::string& text);

}  // namespace platform
