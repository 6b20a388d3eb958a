// The program's small settings files beside its records ("Quillfen.Map", "Quillfen.Zip"): one
// "Key=value" a line, CR LF line ends, written whole through the atomic replace.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace launch {

// The keys and values of the file at `path`; empty when it is missing or unreadable. A value
// is cut to `maxValue` characters.
std::map<std::string, std::string> readSettingsFile(platform::FileSystem& fs,
                                                    const std::string& path, size_t maxValue = 255);
bool writeSettingsFile(platform::FileSystem& fs, const std::string& path,
                       const std::vector<std::pair<std::string, std::string>>& values);

}  // namespace launch
