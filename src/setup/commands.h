// Command ids of setup's welcome window.
#pragma once

namespace setup {

inline constexpr int kCmdInstall = 1000;  // "&Install Quillfen95": the install dialog
inline constexpr int kCmdAbout = 1002;    // "&About Quillfen95": the lines of about.txt

}  // namespace setup
