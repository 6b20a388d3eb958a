// The command ids of the main window's menus, toolbars and accelerators. They are fixed: saved
// layouts, the toolbars and the menus all refer to them.
#pragma once

namespace app {

// Launch.
inline constexpr int kCmdRun = 32828;
inline constexpr int kCmdPlay = 32902;
inline constexpr int kCmdSavedGameFirst = 32881;  // "Slot 1" ... "Slot 10"
inline constexpr int kCmdSavedGameLast = 32890;

// File operations (menu and toolbar).
inline constexpr int kCmdFileCopy = 32801;
inline constexpr int kCmdFileMove = 32793;
inline constexpr int kCmdFileDelete = 32794;
inline constexpr int kCmdFileRename = 32795;
inline constexpr int kCmdFileCreateDirectory = 32796;
inline constexpr int kCmdToolCopy = 32933;
inline constexpr int kCmdToolMove = 32934;
inline constexpr int kCmdToolDelete = 32935;
inline constexpr int kCmdToolRename = 32936;
inline constexpr int kCmdToolCreateDirectory = 32937;

// File manager settings.
inline constexpr int kCmdDisableFileManager = 32891;
inline constexpr int kCmdExpertMode = 32892;
inline constexpr int kCmdAutoTextTab = 32893;
inline constexpr int kCmdManualTextTab = 32895;
inline constexpr int kCmdFileListHome = 32985;
inline constexpr int kCmdFavorites = 32910;

inline constexpr int kCmdExit = 57665;
inline constexpr int kCmdAbout = 57664;

// Edit tools.
inline constexpr int kCmdEditSelectedMap = 32771;
inline constexpr int kCmdEditNewMap = 32772;
inline constexpr int kCmdUndoEdit = 32773;
inline constexpr int kCmdDeleteBackUp = 32774;
inline constexpr int kCmdEditArtSelected = 32775;
inline constexpr int kCmdEditArtGame = 32776;
inline constexpr int kCmdExtractMap = 32777;
inline constexpr int kCmdExtractArtAll = 32811;
inline constexpr int kCmdExtractRangeFirst = 32812;  // ids of this range no other command uses
inline constexpr int kCmdExtractRangeLast = 32842;
inline constexpr int kCmdExtractAnm = 32779;
inline constexpr int kCmdExtractDat = 32780;
inline constexpr int kCmdExtractMidi = 32781;
inline constexpr int kCmdExtractVocWav = 32782;
inline constexpr int kCmdExtractCon = 32783;
inline constexpr int kCmdEditRts = 32784;
inline constexpr int kCmdCreateRts = 32785;
inline constexpr int kCmdEditUserCon = 32920;
inline constexpr int kCmdFileEditor = 32804;
inline constexpr int kCmdRunGameSetup = 32813;
inline constexpr int kCmdRunEditorSetup = 32814;

// Bars.
inline constexpr int kCmdViewToolbar = 59392;
inline constexpr int kCmdViewStatusBar = 59393;
inline constexpr int kCmdSelectGameBar = 32976;
inline constexpr int kCmdToolbarTop = 32972;
inline constexpr int kCmdToolbarBottom = 32973;
inline constexpr int kCmdToolbarLeft = 32974;
inline constexpr int kCmdToolbarRight = 32975;
inline constexpr int kCmdSelectGameTop = 32977;
inline constexpr int kCmdSelectGameBottom = 32978;
inline constexpr int kCmdSelectGameLeft = 32979;
inline constexpr int kCmdSelectGameRight = 32980;

// Games.
inline constexpr int kCmdDefineGame = 32866;
inline constexpr int kCmdGamePickFirst = 32846;  // GamePick0 ... GamePick19
inline constexpr int kCmdGamePickLast = 32865;
inline constexpr int kCmdResetDataFiles = 32919;

// Option dialogs.
inline constexpr int kCmdSoundVideoOptions = 32880;
inline constexpr int kCmdToolSoundVideoOptions = 32914;
inline constexpr int kCmdDemoSpawnOptions = 32787;
inline constexpr int kCmdToolDemoSpawnOptions = 32917;
inline constexpr int kCmdLaunchOptions = 32788;
inline constexpr int kCmdToolLaunchOptions = 32916;
// The drive letters and their folders.
inline constexpr int kCmdDrives = 32995;

// Input devices.
inline constexpr int kCmdJoystickSettings = 32927;
inline constexpr int kCmdJoystickToggle = 32924;
inline constexpr int kCmdJoystickMenu = 32926;
inline constexpr int kCmdSpaceOrb = 32923;

inline constexpr int kCmdWeaponsOption = 32941;
inline constexpr int kCmdAutoDeathMatch = 32994;
inline constexpr int kCmdShrink = 32921;
inline constexpr int kCmdModeSwitch = 32903;
inline constexpr int kCmdDeleteNumber = 32911;
inline constexpr int kCmdAddNumber = 32912;
inline constexpr int kCmdEditNumber = 32913;
inline constexpr int kCmdDisplayText = 32918;
inline constexpr int kCmdUnzipProfile = 32939;
inline constexpr int kCmdOverrideMapDir = 32940;
inline constexpr int kCmdCheatCodes = 32988;
inline constexpr int kCmdTotalConversionDir = 32992;
inline constexpr int kCmdDisplayDefaultFiles = 32802;
inline constexpr int kCmdGameHelp = 32818;
inline constexpr int kCmdEditorHelp = 32819;

// Help and text files 1-10 of the game.
inline constexpr int kCmdHelpFiles[10] = {32823, 32824, 32825, 32826, 32827,
                                          32874, 32875, 32876, 32877, 32878};

// Items that carry no command.
inline constexpr int kCmdSoundSetup = 32869;
inline constexpr int kCmdModemSetup = 32870;
inline constexpr int kCmdWhatAreFaqs = 32879;
inline constexpr int kCmdContextMapEditorSelected = 32942;
inline constexpr int kCmdContextLaunchGame = 32943;
inline constexpr int kCmdContextMapEditorNew = 32944;
inline constexpr int kCmdContextHelp = 32945;

// Every id lies in this range.
inline constexpr int kCmdLowest = 32771;
inline constexpr int kCmdHighest = 59393;

}  // namespace app
