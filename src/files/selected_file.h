// The path a picked file is remembered by (the game data record's SelectedFile, at most 50
// characters), which templates such as "<cml>-file <var>" put on the game's command line.
//
// For a DOS game the path has to be one DOS can read: the file goes by its 8.3 name, and the
// directory keeps its spelling when it already is a DOS path (so it still equals the game
// directory it came from, which the launch compares as text) and becomes its 8.3 path
// otherwise. A Windows game gets the long path, and the 8.3 path only when the long one does
// not fit. A path that fits in no form gives nothing: a cut path would name another file.
#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace files {

inline constexpr size_t kSelectedFileMax = 50;

std::optional<std::string> selectedFilePath(const platform::FileSystem& fs,
                                            const std::string& directory,
                                            const std::string& longName,
                                            const std::string& shortName, bool dosProgram);

}  // namespace files
