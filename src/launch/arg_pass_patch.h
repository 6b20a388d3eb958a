// Places the argument helper "arg_pass.com" in the launch directory and writes into it the
// directory to change to and the program to run.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/prompter.h"

namespace launch {

inline constexpr const char* kArgPassName = "arg_pass.com";
inline constexpr size_t kArgPassSize = 12683;
// Bytes after each of the two path markers of our helper, NUL included.
inline constexpr size_t kArgPassPathRoom = 128;

// `programDir` and `launchDir` end in "\". `selectedDir` ends in "\" too; the helper gets it
// without that last character. Shows the failure messages itself; false abandons the launch.
bool patchArgPass(platform::FileSystem& fs, platform::Prompter& prompter,
                  const std::string& programDir, const std::string& launchDir,
                  const std::string& selectedDir, const std::string& programPath);

}  // namespace launch
