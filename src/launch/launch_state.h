// The state of one launch, kept by the main view while the launch runs, and the program-wide
// values a launch consumes.
#pragma once

#include <string>
#include <vector>

#include "catalogue/launch_link.h"
#include "catalogue/run_with.h"
#include "launch/option_line.h"

namespace launch {

// Error codes of the configuration pass.
using catalogue::kErrorFileOpen;               // a configuration file could not be opened or made
inline constexpr int kErrorDataNotSaved = 17;  // the game data record could not be saved
inline constexpr int kErrorKeyNotFound = 25;   // a key was not found (noted by the scanner)

struct LaunchState {
  std::string SelectedDir;  // directory of the file the user picked, ends in "\"
  std::string LaunchDir;    // directory the game runs in and the generated files go to
  std::string ProgramDir;   // the program's start-up directory (shipped files, records)
  CommandArgs Args;
  int OptionStart = 0;  // first option line the command-line pass reads (60: none)
  bool EditorLaunch = false;
  int EditorKind = 0;  // file kind whose edit program is the editor
  bool SpaceOrbActive = false;
  std::string SpaceOrbBatch;
  std::string EditedMap;
  std::string EditSource;
  // The window's current map directory, empty when none is set.
  std::string CurrentMapDir;
  // The last file the configuration pass copied into place for this launch.
  std::string CopiedFile;
  bool FileCopied = false;
  // From the CON conversion of a Duke Nukem 3D 1.4/1.5 launch: arguments for the game's command
  // line, and the full path the picked file is loaded by when the launch is to run a converted
  // twin of it (empty: the picked file itself).
  std::vector<std::string> ConArguments;
  std::string ConLaunchFile;
  // Where the picked file was put for the game to load it (its copy in the game's map
  // directory or scratch directory); empty when it stays where it is.
  std::string PlacedFile;
  // What the game runs with (its definition's "Run with"): a native program of this machine
  // when `native` is set, else a DOS session (or Wine for a Windows-only game).
  catalogue::RunWith NativeRun;
};

// Program-wide values that a launch reads once.
struct LaunchSession {
  std::string PendingSavedGame;  // set by a saved-game menu item, used by one build
  bool LevelPicked = false;      // the content list picked a line naming episode and level
};

}  // namespace launch
