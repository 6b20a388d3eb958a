// What each defined game runs with: a DOS session (DOSBox, the default) or a native program
// of this machine with fixed arguments of its own. A setting of this machine, not of the
// records: kept per slot in "Quillfen.Run" in the program's directory, one section a slot:
//
//   [20]
//   RunWith=native
//   Program=/usr/games/chocolate-doom
//   Argument=-iwad
//   Argument=/usr/share/games/doom/freedoom2.wad
//
// One argument a line, so blanks in them stay; a slot without a section runs in DOSBox.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace catalogue {

struct RunWith {
  bool native = false;
  std::string program;                 // a path of this machine, or a name on its program path
  std::vector<std::string> arguments;  // put before the game's own switches

  bool operator==(const RunWith&) const = default;
};

class RunWithSettings {
 public:
  static constexpr const char* kFileName = "Quillfen.Run";

  // The settings of `programDir` (a DOS path); none when the file is missing or unreadable.
  static RunWithSettings load(platform::FileSystem& fs, const std::string& programDir);
  // False when the file could not be written.
  bool save(platform::FileSystem& fs, const std::string& programDir) const;

  RunWith get(int slot) const;
  // A DOSBox entry with no program is the default and takes no section; the program and
  // arguments of a DOSBox entry are kept for a switch back.
  void set(int slot, RunWith runWith);

  static RunWithSettings parse(const std::string& text);
  std::string text() const;

 private:
  std::map<int, RunWith> slots_;
};

// The arguments as one line to show and edit: separated by blanks, an argument with a blank,
// a double quote or a backslash in it (or an empty one) in double quotes, where a backslash
// before a double quote or a backslash stands for that character.
std::string joinArguments(const std::vector<std::string>& arguments);
// The line back into arguments, by the same rules. No shell reads it: nothing else is special.
std::vector<std::string> splitArguments(const std::string& line);

}  // namespace catalogue
