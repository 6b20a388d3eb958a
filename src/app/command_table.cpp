#include "app/command_table.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/command_ids.h"

namespace app {

namespace {

using F = Feature;

constexpr std::array<std::string_view, 16> kTileLabels{
    "Tiles000.Art", "Tiles001.Art", "Tiles002.Art", "Tiles003.Art", "Tiles004.Art", "Tiles005.Art",
    "Tiles006.Art", "Tiles007.Art", "Tiles008.Art", "Tiles009.Art", "Tiles010.Art", "Tiles011.Art",
    "Tiles012.Art", "Tiles013.Art", "Tiles014.Art", "Tiles015.Art"};

constexpr std::array<std::string_view, 20> kGamePickLabels{
    "GamePick0",  "GamePick1",  "GamePick2",  "GamePick3",  "GamePick4",
    "GamePick5",  "GamePick6",  "GamePick7",  "GamePick8",  "GamePick9",
    "GamePick10", "GamePick11", "GamePick12", "GamePick13", "GamePick14",
    "GamePick15", "GamePick16", "GamePick17", "GamePick18", "GamePick19"};

constexpr std::array<std::string_view, 10> kSlotLabels{"Slot 1", "Slot 2", "Slot 3", "Slot 4",
                                                       "Slot 5", "Slot 6", "Slot 7", "Slot 8",
                                                       "Slot 9", "Slot 10"};

constexpr std::array<std::string_view, 10> kHelpLabels{
    "Help File 1", "Help File 2", "Help File 3", "Help File 4", "Help File 5",
    "Help File 6", "Help File 7", "Help File 8", "Help File 9", "Help File 10"};

constexpr SelectGameButton kSelectGameButtons[] = {
    {32955, "Duke3D 1.3", 0, 1},
    {32970, "Duke3D 1.4&1.5", 1, 0},
    {32966, "Redneck Rampage", 2, -1},
    {32956, "Blood", 3, -1},
    {32957, "Shadow Warrior", 4, -1},
    {32954, "Quake", 5, 15},
    {32952, "Descent", 6, -1},
    {32958, "Doom2", 7, -1},
    {32959, "Doom", 8, 16},
    {32968, "Hexen", 10, -1},
    {32984, "Strife", 11, -1},
    {32953, "Quake2", 17, -1},
    {32969, "Hexen2", 18, -1},
};

// The fixed rows; the generated ones (slots, game picks, help files, extraction) are added by
// buildTable().
constexpr CommandInfo kFixedRows[] = {
    {kCmdRun, "&Run", "Launch the current game with the selected file", F::kLaunch},
    {kCmdPlay, "Run game with selected parameters", "Run game with selected parameters",
     F::kLaunch},

    {kCmdFileCopy, "&Copy", "Copy the selected file", F::kFileOperations},
    {kCmdFileMove, "&Move", "Move the selected file", F::kFileOperations},
    {kCmdFileDelete, "Delete", "Delete the selected file", F::kFileOperations},
    {kCmdFileRename, "Re&name", "Rename the selected file", F::kFileOperations},
    {kCmdFileCreateDirectory, "Create&Directory", "Create a directory", F::kFileOperations},
    {kCmdToolCopy, "Copy", "Copy the selected file", F::kFileOperations},
    {kCmdToolMove, "Move", "Move the selected file", F::kFileOperations},
    {kCmdToolDelete, "Delete", "Delete the selected file", F::kFileOperations},
    {kCmdToolRename, "Rename", "Rename the selected file", F::kFileOperations},
    {kCmdToolCreateDirectory, "Create Directory", "Create a directory", F::kFileOperations},

    {kCmdDisableFileManager, "&Disable FileManager", "Turn the file manager off or on",
     F::kFileManagerSwitch},
    {kCmdExpertMode, "&Set FileManager at Expert Mode",
     "Copy, move and delete without asking first", F::kFileManagerSwitch},
    {kCmdAutoTextTab, "Set AUTO-TEXT-TAB selection", "Choose the text tab automatically",
     F::kTextTabMode},
    {kCmdManualTextTab, "Manual TEXT-TAB selection", "Choose the text tab by hand",
     F::kTextTabMode},

    {kCmdExit, "E&xit", "Quit the program", F::kExit},

    {kCmdEditSelectedMap, "&Edit Selected Map", "Open the selected map in the map editor",
     F::kMapEditor},
    {kCmdEditNewMap, "Edit &New Map", "Start the map editor on a new map", F::kMapEditor},
    {kCmdUndoEdit, "&Undo Edit", "Put the map back from its backup", F::kMapEditor},
    {kCmdDeleteBackUp, "&Delete BackUp File", "Delete the map's backup", F::kMapEditor},
    {kCmdFileEditor, "Launch file editor with selected map",
     "Open the selected file in its kind's editor", F::kMapEditor},
    {kCmdEditArtSelected, "EditArt in &Selected Directory",
     "Run the art editor in the list directory", F::kArtEditor},
    {kCmdEditArtGame, "EditArt in &Duke3D Directory", "Run the art editor in the game directory",
     F::kArtEditor},
    {kCmdExtractMap, "&Map", "Extract the maps from the group file", F::kExtraction},
    {kCmdExtractArtAll, "&All", "Extract every art file from the group file", F::kExtraction},
    {kCmdExtractAnm, "A&nm", "Extract the animations from the group file", F::kExtraction},
    {kCmdExtractDat, "&Dat", "Extract the data files from the group file", F::kExtraction},
    {kCmdExtractMidi, "M&idi", "Extract the music from the group file", F::kExtraction},
    {kCmdExtractVocWav, "&Voc/Wav", "Extract the sounds from the group file", F::kExtraction},
    {kCmdExtractCon, "&Con", "Extract the CON scripts from the group file", F::kExtraction},
    {kCmdEditRts, "&Edit Selected RTS File", "Edit the selected RTS file", F::kRtsEditor},
    {kCmdCreateRts, "&Create New RTS File", "Make a new RTS file and edit it", F::kRtsEditor},
    {kCmdEditUserCon, "Edit &UserCon File", "Edit the game's USER.CON", F::kUserCon},
    {kCmdRunGameSetup, "&Run Game Setup.exe", "Run the game's setup program", F::kSetupPrograms},
    {kCmdRunEditorSetup, "Run &Editor/Build Setup", "Run the editor's setup program",
     F::kSetupPrograms},

    {kCmdViewToolbar, "&Toolbar", "Show or hide the toolbar", F::kBars},
    {kCmdViewStatusBar, "&Status Bar", "Show or hide the status bar", F::kBars},
    {kCmdSelectGameBar, "Select&Game Toolbar", "Show or hide the select-game toolbar", F::kBars},
    {kCmdToolbarTop, "Toolbar &Top", "Dock the toolbar at the top", F::kBars},
    {kCmdToolbarBottom, "&Bottom", "Dock the toolbar at the bottom", F::kBars},
    {kCmdToolbarLeft, "&Left", "Dock the toolbar on the left", F::kBars},
    {kCmdToolbarRight, "&Right", "Dock the toolbar on the right", F::kBars},
    {kCmdSelectGameTop, "SelectGame &Top", "Dock the select-game toolbar at the top", F::kBars},
    {kCmdSelectGameBottom, "&Bottom", "Dock the select-game toolbar at the bottom", F::kBars},
    {kCmdSelectGameLeft, "&Left", "Dock the select-game toolbar on the left", F::kBars},
    {kCmdSelectGameRight, "&Right", "Dock the select-game toolbar on the right", F::kBars},

    {kCmdDefineGame, "Add/Modify Game", "Tell the program where your games are", F::kDefineGame},
    {kCmdFileListHome, "Reset to Selected Game Home Directory",
     "Show the game directory in the file lists", F::kFileListHome},
    {kCmdSoundVideoOptions, "&Sound/Video/Memory Options", "Sound, video and memory options",
     F::kSingleOptions},
    {kCmdToolSoundVideoOptions, "&Sound/Video/Memory Options", "Sound, video and memory options",
     F::kSingleOptions},
    {kCmdDemoSpawnOptions, "&Demo/Spawn/Misc Options", "Demo, respawn and other options",
     F::kSingleOptions},
    {kCmdToolDemoSpawnOptions, "&Demo/Spawn/Misc Options", "Demo, respawn and other options",
     F::kSingleOptions},
    {kCmdLaunchOptions, "&Launch Options", "How the program starts the games", F::kLaunchOptions},
    {kCmdToolLaunchOptions, "&Launch Options", "How the program starts the games",
     F::kLaunchOptions},
    {kCmdDrives, "&Drives...", "The drive letters and the folders they stand for", F::kDrives},

    {kCmdJoystickSettings, "JoyStick Settings", "Joystick speeds", F::kJoystick},
    {kCmdJoystickToggle, "JoyStick On/Off", "Turn joystick control on or off", F::kJoystick},
    {kCmdJoystickMenu, "Toggle JoyStick Mouse Movement", "Joystick control of the pointer",
     F::kJoystick},
    {kCmdSpaceOrb, "Toggle SpaceOrb", "Look for the SpaceOrb software", F::kSpaceOrbCheck},
    {kCmdWeaponsOption, "Weapons Option", "The weapon order of the game", F::kWeaponsOption},
    {kCmdAutoDeathMatch, "Auto DeathMatch Option", "Options of the automatic network launch",
     F::kAutoDeathMatch},
    {kCmdShrink, "Shrink", "Make the window smaller", F::kShrink},
    {kCmdModeSwitch, "Multiplayer switch", "Switch between single-player and multiplayer mode",
     F::kModeSwitch},
    {kCmdFavorites, "Favorite files list", "Show the favourite files", F::kFavorites},
    {kCmdDeleteNumber, "Delete phone/internet number", "Delete the selected number",
     F::kNumberList},
    {kCmdAddNumber, "Add phone/internet number", "Add a number to the list", F::kNumberList},
    {kCmdEditNumber, "Edit phone/internet number", "Edit the selected number", F::kNumberList},
    {kCmdDisplayText, "Display text for selected file.", "Display text for selected file.",
     F::kTextViewing},
    {kCmdResetDataFiles, "Reset Quillfen data files",
     "Install the factory game definitions and search the drives again", F::kResetDataFiles},
    {kCmdUnzipProfile, "Unzip Profile", "Which unzip program opens archives", F::kUnzipProfile},
    {kCmdOverrideMapDir, "Set an override directory for map launching.",
     "Set an override directory for map launching.", F::kMapDirectories},
    {kCmdCheatCodes, "Cheat codes for selected game", "Cheat codes for selected game",
     F::kCheatCodes},
    {kCmdTotalConversionDir, "Total Conversion Directory", "Total Conversion Directory",
     F::kMapDirectories},
    {kCmdDisplayDefaultFiles, "Display Default Files",
     "Show the game's configuration files and directories", F::kDefaultFiles},
    {kCmdGameHelp, "&GameHelp", "Open the game's help file", F::kTextViewing},
    {kCmdEditorHelp, "&EditorHelp", "Open the editor's help file", F::kTextViewing},
    {kCmdAbout, "&About 3DQuillfen95...", "Program information and version", F::kAbout},

    {kCmdSoundSetup, "Sound Setup", "", F::kNoHandler},
    {kCmdModemSetup, "Modem Setup", "", F::kNoHandler},
    {kCmdWhatAreFaqs, "What are FAQs", "", F::kNoHandler},
    {kCmdContextMapEditorSelected, "Launch Map Editor With Selected Map", "", F::kNoHandler},
    {kCmdContextLaunchGame, "Launch Game", "", F::kNoHandler},
    {kCmdContextMapEditorNew, "Launch Map Editor With New Map", "", F::kNoHandler},
    {kCmdContextHelp, "Help", "", F::kNoHandler},
};

struct Table {
  std::vector<CommandInfo> rows;
  std::vector<int> extractionIds;
};

const Table& table() {
  static const Table built = [] {
    Table t;
    t.rows.assign(std::begin(kFixedRows), std::end(kFixedRows));
    for (int i = 0; i < 10; ++i)
      t.rows.push_back({kCmdSavedGameFirst + i, kSlotLabels[size_t(i)],
                        "Run the game with this saved game", F::kSavedGameLaunch});
    for (int i = 0; i < 20; ++i)
      t.rows.push_back(
          {kCmdGamePickFirst + i, kGamePickLabels[size_t(i)], "Select this game", F::kGamePick});
    for (const SelectGameButton& b : kSelectGameButtons)
      t.rows.push_back({b.id, b.tip, b.tip, F::kGamePick});
    for (int i = 0; i < 10; ++i)
      t.rows.push_back(
          {kCmdHelpFiles[i], kHelpLabels[size_t(i)], "Open this help or text file", F::kHelpFiles});
    // The rest of the extraction range: whatever no row above claims.
    size_t tile = 0;
    for (int id = kCmdExtractRangeFirst; id <= kCmdExtractRangeLast; ++id) {
      const bool taken = std::any_of(t.rows.begin(), t.rows.end(),
                                     [id](const CommandInfo& c) { return c.id == id; });
      if (taken) continue;
      t.extractionIds.push_back(id);
      const std::string_view label = tile < kTileLabels.size() ? kTileLabels[tile] : "Extract";
      ++tile;
      t.rows.push_back({id, label, "Extract these files from the group file", F::kExtraction});
    }
    return t;
  }();
  return built;
}

}  // namespace

FeatureSet builtFeatures(BuildParts parts) {
  FeatureSet set;
  for (Feature f : {F::kLaunch, F::kSavedGameLaunch, F::kGamePick, F::kResetDataFiles, F::kExit,
                    F::kShrink, F::kModeSwitch, F::kHelpFiles, F::kFileManagerSwitch, F::kBars,
                    F::kSpaceOrbCheck, F::kAbout, F::kDefaultFiles, F::kExtraction, F::kArtEditor,
                    F::kTextViewing, F::kSetupPrograms})
    set.add(f);
  if (parts.dialogs) {
    set.add(F::kDefineGame);
    set.add(F::kLaunchOptions);
    set.add(F::kSingleOptions);
    set.add(F::kDrives);
    set.add(F::kAutoDeathMatch);
    set.add(F::kNumberList);
    set.add(F::kUserCon);
    set.add(F::kWeaponsOption);
    set.add(F::kRtsEditor);
    // The map editor's commands open the built-in editors' dialogs too.
    set.add(F::kMapEditor);
    set.add(F::kUnzipProfile);
    // The settings dialog is one of the dialogs.
    set.add(F::kJoystick);
  }
  if (parts.fileManager) {
    set.add(F::kTextTabMode);
    set.add(F::kFileListHome);
    set.add(F::kFavorites);
    set.add(F::kFileOperations);
    set.add(F::kMapDirectories);
  }
  return set;
}

std::span<const CommandInfo> commandTable() {
  return table().rows;
}

std::optional<CommandInfo> findCommand(int id) {
  for (const CommandInfo& c : table().rows)
    if (c.id == id) return c;
  return std::nullopt;
}

bool commandBuilt(int id, const FeatureSet& features) {
  const std::optional<CommandInfo> command = findCommand(id);
  return command && command->feature != F::kNoHandler && features.has(command->feature);
}

std::span<const SelectGameButton> selectGameButtons() {
  return kSelectGameButtons;
}

std::optional<SelectGameButton> findSelectGameButton(int id) {
  for (const SelectGameButton& b : kSelectGameButtons)
    if (b.id == id) return b;
  return std::nullopt;
}

int helpFileIndex(int id) {
  for (int i = 0; i < 10; ++i)
    if (kCmdHelpFiles[i] == id) return i;
  return -1;
}

std::span<const int> extractionRangeIds() {
  return table().extractionIds;
}

}  // namespace app
