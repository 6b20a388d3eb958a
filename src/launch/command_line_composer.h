// The command-line pass: the pieces of the option lines marked "<cml>" become the arguments of
// the game's command line, one piece one argument, at most ten in all.
#pragma once

#include <cstddef>

#include "launch/launch_state.h"
#include "launch/option_line.h"
#include "launch/placeholders.h"
#include "platform/file_system.h"

namespace launch {

// Most pieces one option line gives.
inline constexpr size_t kMaxPiecesPerLine = 10;

class CommandLineComposer {
 public:
  CommandLineComposer(platform::FileSystem& fs, LaunchRecords records, LaunchState& state);

  // Runs the pass over `lines` (the launch's own copy, whose values and states it updates) from
  // the launch's start index and appends to its arguments.
  void composeCommandLine(OptionLines& lines);
  void composeCommandLine(OptionLines& lines, size_t start);

 private:
  // False once the arguments are full and the pass must stop.
  bool composeLine(OptionLines& lines, size_t index, PlaceholderExpander& expander);
  void addGroupFile();

  platform::FileSystem& fs_;
  LaunchRecords records_;
  LaunchState& state_;
};

}  // namespace launch
