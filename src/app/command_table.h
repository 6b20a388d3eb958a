// The routing table: every command id of the main window with its menu or toolbar text, its
// fly-by help and the feature that carries it out; and the set of features this build has.
#pragma once

#include <bitset>
#include <optional>
#include <span>
#include <string_view>

namespace app {

enum class Feature {
  kLaunch,           // Run, Play
  kSavedGameLaunch,  // "Slot 1" ... "Slot 10"
  kGamePick,         // GamePick0 ... GamePick19 and the select-game buttons
  kDefineGame,       // "Add/Modify Game": the game location dialog
  kResetDataFiles,   // "Reset Quillfen data files"
  kExit,
  kShrink,
  kModeSwitch,
  kHelpFiles,          // the game's help and text files 1-10
  kFileManagerSwitch,  // "Disable FileManager", expert mode
  kTextTabMode,        // automatic or manual text-tab selection
  kFileListHome,       // file lists back to the game directory
  kBars,               // show, hide and dock the toolbars and the status bar
  kSpaceOrbCheck,
  kAbout,
  kLaunchOptions,   // "Launch Options" dialog
  kSingleOptions,   // sound/video/memory and demo/spawn/misc dialogs
  kDrives,          // the Drives dialog
  kFileOperations,  // copy, move, delete, rename, create directory
  kFavorites,
  kMapEditor,
  kArtEditor,
  kExtraction,
  kRtsEditor,
  kUserCon,
  kWeaponsOption,
  kSetupPrograms,  // the game's and the editor's setup programs
  kJoystick,
  kAutoDeathMatch,
  kNumberList,      // phone and InterNet numbers
  kTextViewing,     // the list directory's text file, the game's and the editor's help
  kUnzipProfile,    // which unzip program opens archives
  kCheatCodes,      // the cheat code text of the game
  kMapDirectories,  // override map directory, total conversion directory
  kDefaultFiles,    // "Display Default Files"
  kNoHandler,       // items that carry no command at all
  kCount
};

class FeatureSet {
 public:
  FeatureSet() = default;
  void add(Feature f) { bits_.set(size_t(f)); }
  bool has(Feature f) const { return bits_.test(size_t(f)); }

 private:
  std::bitset<size_t(Feature::kCount)> bits_;
};

// What the program is built with: the dialogs library and the file manager panel are
// separate parts; everything else listed in builtFeatures() is always there.
struct BuildParts {
  bool dialogs = false;
  bool fileManager = false;
};
FeatureSet builtFeatures(BuildParts parts);

struct CommandInfo {
  int id;
  std::string_view text;  // menu or toolbar text, as shown
  std::string_view help;  // fly-by help in the status bar
  Feature feature;
};

// Every routed id, each once, in menu order within its group.
std::span<const CommandInfo> commandTable();
std::optional<CommandInfo> findCommand(int id);
// A command is usable when its feature is built; an unknown id never is.
bool commandBuilt(int id, const FeatureSet& features);

// The select-game toolbar: each button picks a built-in slot; `elseSlot` (when not -1) is
// picked instead when the first slot's record is not defined.
struct SelectGameButton {
  int id;
  std::string_view tip;
  int slot;
  int elseSlot;
};
std::span<const SelectGameButton> selectGameButtons();
std::optional<SelectGameButton> findSelectGameButton(int id);

// Index 0-9 of a help-file command, or -1.
int helpFileIndex(int id);

// The "&Extract" sub-items beyond the fixed ones, in menu order: the ids of the extraction
// range that no other command takes.
std::span<const int> extractionRangeIds();

}  // namespace app
