// Whether a game supplies a command-line switch: the definitions leave a switch out by leaving
// its text empty or by commenting it out with "//", so every dialog and view that greys a
// control for a missing switch asks the same question.
#pragma once

#include <string_view>

namespace catalogue {

// A switch text the game supplies: not empty and not commented out with "//".
inline bool isPresentSwitch(std::string_view text) {
  return !text.empty() && !text.starts_with("//");
}

}  // namespace catalogue
