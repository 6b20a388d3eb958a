// wx takes item ids below 32767 (and keeps 4999-5999 for its own), while the program's command
// ids run from 32771 to 59393. Menu items, tools and buttons carry the command id less this
// offset; everything past the widgets works with the command ids themselves.
#pragma once

namespace gui {

inline constexpr int kWxIdOffset = 30000;

constexpr int wxIdOf(int command) {
  return command - kWxIdOffset;
}
constexpr int commandOf(int wxId) {
  return wxId + kWxIdOffset;
}

}  // namespace gui
