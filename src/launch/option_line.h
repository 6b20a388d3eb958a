// The option lines of a launch: 60 templates with the user's values, built from the records
// and read by the command-line pass and the configuration pass.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace launch {

inline constexpr size_t kOptionLineCount = 60;

struct OptionLine {
  std::string Text;   // the template, e.g. "<cml>-map <var>"
  std::string Value;  // the user's value: a number, a word or a full path
  int32_t State = 0;  // 2: skip when Value is empty; set to 1 by every expansion
};

using OptionLines = std::array<OptionLine, kOptionLineCount>;

// Indexes of option lines with a fixed meaning that other steps look at.
inline constexpr size_t kLineExtraOptions = 0;
inline constexpr size_t kLineLaunchName = 22;
inline constexpr size_t kLineSelectedFile = 44;
inline constexpr size_t kLineModDirectory = 45;
inline constexpr size_t kLineSavedGamePick = 47;

// The command-line arguments of the launch in progress.
inline constexpr size_t kMaxCommandArgs = 10;
struct CommandArgs {
  std::vector<std::string> args;
  bool full() const { return args.size() >= kMaxCommandArgs; }
};

}  // namespace launch
