// Walking the directory tree from the entries of a file list: "[..]" is the parent directory,
// "[NAME]" a sub-directory and "[-D-]" drive D:.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace files {

inline constexpr std::string_view kParentEntry = "[..]";
// The directory a list is in when it has none.
inline constexpr std::string_view kDefaultDirectory = "C:\\";

std::string directoryEntry(std::string_view name);  // "[" + name + "]"
std::string driveEntry(char letter);                // "[-" + letter + "-]"

// Entries beginning with "[" are directories or drives, everything else is a file.
bool isDirectoryEntry(std::string_view entry);

// The directory a double-click on `entry` leads to from `current` (a path ending in "\"; an
// empty one counts as "C:\"), or nothing when the entry is not a directory or drive or the
// result is no drive path. The parent of a root is no directory.
std::optional<std::string> navigate(std::string_view current, std::string_view entry);

}  // namespace files
