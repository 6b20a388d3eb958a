// The file list of the built-in editors (CON and RTS): "[..]" wherever the list is below a
// drive's root, the sub-directories in brackets, then the files of the wanted extensions, each
// group sorted; a double click on a bracketed entry walks the list there.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace content {

// `dir` ends in "\"; `extensions` as ".map", any case.
std::vector<std::string> editorFileEntries(platform::FileSystem& fs, const std::string& dir,
                                           std::initializer_list<std::string_view> extensions);

// Where a double click on `entry` takes a list showing `dir`; nothing for a file entry.
std::optional<std::string> walkedDirectory(const std::string& dir, const std::string& entry);

}  // namespace content
