// "Run": from the current game's records and the user's choices to a running DOS session and
// back. Prepares the game directory, composes the command line, edits the configuration
// files, writes the PIF, starts it, waits and recovers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "launch/con_conversion.h"
#include "launch/launch_state.h"
#include "launch/pif.h"
#include "launch/selected_file_preparation.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/processes.h"
#include "platform/prompter.h"
#include "platform/registry.h"

namespace launch {

struct LaunchServices {
  platform::FileSystem& fs;
  platform::Processes& processes;
  platform::Registry& registry;
  platform::Prompter& prompter;
  platform::Clock& clock;
  // The CON step of a Duke Nukem 3D 1.4/1.5 launch; none: nothing is converted.
  ConConverter* conConverter = nullptr;
};

enum class LaunchOutcome {
  kAbandoned,   // nothing was started (the reason was shown)
  kReturned,    // the session ran (or failed to start) and the program goes on
  kHandedOver,  // the program handed itself over to the session: it ends now
};

inline constexpr const char* kPifName = "dmpatch95.pif";
inline constexpr const char* kBuildPifName = "dmpatch95ForBuild.pif";
inline constexpr uint64_t kShortSessionMs = 10000;

// Told of each game that started: the file the player picked and the command-line arguments as
// one text (the favourites count launches through it).
using LaunchRecorder = std::function<void(const std::string& file, const std::string& arguments)>;

class LaunchPipeline {
 public:
  LaunchPipeline(LaunchServices services, catalogue::Catalogue& catalogue, LaunchSession& session);

  void setConConverter(ConConverter* converter) { converter_ = converter; }
  // Called once for each game start that went through with a picked file; never for an editor
  // run or a start that failed.
  void setLaunchRecorder(LaunchRecorder recorder) { recorder_ = std::move(recorder); }
  // "UnZip Profile", for a launch of a file in an archive when no unzip program can be found.
  void setUnzipProfileEditor(SelectedFilePreparation::ProfileEditor editor) {
    unzipProfileEditor_ = std::move(editor);
  }

  // The launch state of a new launch of the current game: the selected directory is that of
  // the selected file (the game directory when none), the game runs in its game directory.
  LaunchState newLaunchState() const;

  LaunchOutcome launchGame(LaunchState& state);
  // Places and patches the argument helper and the SpaceOrb files; false abandons the launch.
  bool prepareHelpers(LaunchState& state);
  // Starts the edit program of file kind `kind` on `file` (a bare name in the game directory or
  // a full path), its arguments made from the template `arguments` with the file as the value.
  // `editedMap` is the file the player picked, when the editor works on a copy of it.
  LaunchOutcome launchEditor(LaunchState& state, int kind, const std::string& file,
                             const std::string& arguments, const std::string& editedMap);
  // Starts the map editor "Build.exe" of the launch directory, on `map` when it is not empty.
  LaunchOutcome launchMapEditor(LaunchState& state, const std::string& map);

 private:
  struct Start {
    std::string pifPath;
    std::vector<std::string> args;
  };
  // What the PIF starts and where.
  struct SessionPlan {
    std::string program;
    std::string workDir;           // "D:\GAMES\DUKE3D", without the trailing "\"
    std::string pifDir;            // ends in "\"
    bool editorElsewhere = false;  // an editor in a directory of its own: the session runs there
  };
  LaunchOutcome runOnce(LaunchState& state);
  LaunchOutcome runSteps(LaunchState& state);
  // A game that runs as a native program of this machine: the same option lines and command
  // line with every path in this machine's spelling, the configuration files edited, then the
  // program started with its fixed arguments and the game's and waited for. No PIF, no helper,
  // no batch file.
  LaunchOutcome runNative(LaunchState& state);
  // The option lines of this launch, with the picked file as the game is to load it.
  OptionLines launchOptionLines(const LaunchState& state);
  // The command-line pass over its own copy of `lines`, after the CON step's arguments.
  void composeArguments(LaunchState& state, const OptionLines& lines);
  // The values that are paths as this machine spells them, a blank in them kept from the
  // split into arguments; false (after telling the player) when one cannot be.
  bool valuesOnHost(OptionLines& lines, const std::string& program);
  // The arguments of the composed pieces: each piece split at its blanks, each path in this
  // machine's spelling.
  std::vector<std::string> nativeArguments(const LaunchState& state) const;
  // The definition's "Run with" of the current game.
  catalogue::RunWith runWith() const;
  bool prepareContent(LaunchState& state);
  // The picked file where the game loads it; false: the player abandoned the launch.
  bool placeSelectedFile(LaunchState& state);
  // A file given to a DOS game by its bare name, picked outside the directory the game runs
  // in, is copied there (when no file of its name is) and the game gets the copy's 8.3 name.
  void placeBesideGame(LaunchState& state, const std::string& selected);
  bool composeCommandLine(LaunchState& state, const OptionLines& lines, std::string& dosCommand);
  SessionPlan planSession(const LaunchState& state) const;
  bool writeAnswerFile(const LaunchState& state, SessionPlan& plan);
  void writeConfigurationFiles(LaunchState& state, OptionLines& lines,
                               const std::string& startSelectedDir);
  bool startsThroughCommProgram(const LaunchState& state) const;
  LaunchOutcome start(LaunchState& state, const Start& pif, const std::string& dosCommand);
  LaunchOutcome handOver(const LaunchState& state, const Start& pif);
  void recordLaunch(const LaunchState& state, const Start& pif);
  void askPauseOption();
  bool writeKeysFile(const std::string& launchDir);
  // False, after telling the player which name and character, when a path the DOS program is
  // to get holds a character DOS does not allow in names.
  bool namesFitDos(const LaunchState& state);
  bool writeText(const std::string& path, const std::string& text);
  PifOptions pifOptions(bool editor) const;
  std::string commProgram() const;
  bool multiplayer() const;
  bool closeOnLaunch() const;
  bool playsOverIpx() const;

  LaunchServices services_;
  catalogue::Catalogue& catalogue_;
  LaunchSession& session_;
  NoConConverter noConverter_;
  ConConverter* converter_;
  LaunchRecorder recorder_;
  SelectedFilePreparation::ProfileEditor unzipProfileEditor_;
};

}  // namespace launch
