// The main window without its widgets: start-up and shutdown of the frame and the view, the
// routing of every command id to what carries it out, the menu states and the mode switch. The
// wx frame and view implement MainWindowHost and pass every command id here.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/default_files.h"
#include "app/lan_coordination.h"
#include "app/launch_selections.h"
#include "app/menu_state.h"
#include "app/toolbar_layout.h"
#include "app/window_geometry.h"
#include "catalogue/catalogue.h"
#include "content/con_editor.h"
#include "content/content_tools.h"
#include "content/rts_editor.h"
#include "content/weapon_order.h"
#include "files/file_manager.h"
#include "files/file_manager_settings.h"
#include "files/name_dialog.h"
#include "input/joystick_control.h"
#include "input/joystick_settings_dialog.h"
#include "launch/launch_pipeline.h"
#include "launch/launch_state.h"
#include "launch/unzip_profile.h"
#include "multiplayer/auto_launch_options_dialog.h"
#include "multiplayer/coordination.h"
#include "multiplayer/hit_point_database.h"
#include "multiplayer/multiplayer_selections.h"
#include "multiplayer/new_number_dialog.h"
#include "multiplayer/number_lists.h"
#include "multiplayer/other_options_dialog.h"
#include "platform/network.h"

namespace app {

inline constexpr const char* kModeTextSingle = "Press This Button For MultiPlayer Mode";
inline constexpr const char* kModeTextMulti = "FOR SINGLE-PLAYER MODE PRESS THIS BUTTON";
inline constexpr const char* kExpertWarning =
    "Warning: This setting will remove all prompts from the copy, move, and delete functions";
// What the status bar says when the multiplayer selections ask for the coordination of a
// network start, which this version does not carry out.
inline constexpr const char* kNoRtsSelected =
    "No RTS file is selected.  To edit one, select it in the file list.";
inline constexpr const char* kNoCoordinationStatus =
    "Auto-launch: starting a game together with other copies over the network is not available "
    "in this version.";
inline constexpr const char* kNoGameDefinedAfterDialog =
    "You did not define a game.  You must define a game to continue.";

// What the window itself does for the logic.
class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  virtual WindowRect windowRect() const = 0;
  virtual void moveWindow(const WindowRect& rect) = 0;
  // Everything the main panel shows of the current game: file lists, mode button, the launch
  // selections.
  virtual void refreshView() = 0;
  // The file lists only (after a file manager setting changed).
  virtual void refreshFileManager() = 0;
  // The file lists go back to the game's own directory.
  virtual void resetFileLists() = 0;
  // The mode button shows `text`; the multiplayer controls follow the mode.
  virtual void showMode(const std::string& text) = 0;
  // A text in the status bar's message pane.
  virtual void showStatus(const std::string& /*text*/) {}
  // The multiplayer dialogs, shown modally: true when the user pressed OK. The logic stores
  // the dialog's values then.
  virtual bool runOtherOptionsDialog(multiplayer::OtherOptionsDialog& /*dialog*/) { return false; }
  virtual bool runAutoLaunchOptionsDialog(multiplayer::AutoLaunchOptionsDialog& /*dialog*/) {
    return false;
  }
  virtual bool runNewNumberDialog(multiplayer::NewNumberDialog& /*dialog*/) { return false; }
  // "Favorite files list": the favourites tab, filled again and in front.
  virtual void showFavourites() {}
  // Picks the file (a full DOS path) for Run as a pick in a file list would; false when no
  // list can take it.
  virtual bool pickFileForLaunch(const std::string& /*path*/) { return false; }
  // The directory of the file list last clicked; empty: the game's own directory.
  virtual std::string currentListDirectory() const { return {}; }
  // "ConEditor" until Finish or Cancel; "Weapons Option" until OK or Cancel.
  virtual void runConEditor(content::ConEditor& /*editor*/) {}
  virtual void runWeaponOrderDialog(content::WeaponOrder& /*order*/) {}
  // "RTS Editor": true for Finish, false for Cancel.
  virtual bool runRtsEditor(content::RtsEditor& /*editor*/) { return false; }
  virtual void applyToolbarLayout(const ToolbarLayout& layout) = 0;
  virtual bool toolbarShown() const = 0;
  virtual void showToolbar(bool shown) = 0;
  virtual bool statusBarShown() const = 0;
  virtual void showStatusBar(bool shown) = 0;
  virtual void closeMainWindow() = 0;
  // The drive search of a first start or a reset may run between these two calls.
  virtual void beginDriveSearch() {}
  virtual void endDriveSearch() {}
  // The game location dialog; it commits the current slot into the catalogue.
  virtual int runGameLocationDialog(int advancedSetup) = 0;
  virtual void runLaunchOptionsDialog() = 0;
  // The sound/video/memory or demo/spawn/misc options, by the command id that asked.
  virtual void runSingleOptionsDialog(int id) = 0;
  // The Drives dialog; true when a drive was changed.
  virtual bool runDrivesDialog() = 0;
  virtual void showAbout() = 0;
  // The read-only "Default Files and Directories" box.
  virtual void showDefaultFiles(const std::vector<DefaultFileRow>& rows) = 0;
  // The file manager the window shows, for the file operations; none: they do nothing.
  virtual files::FileManager* fileManager() { return nullptr; }
  // "Rename" and "Create New Directory", shown modally: true when the user pressed OK.
  virtual bool runNameDialog(files::NameDialog& /*dialog*/) { return false; }
  // "UnZip Profile", shown modally: true when the user pressed OK.
  virtual bool runUnzipProfileDialog(launch::UnzipProfileDialog& /*dialog*/) { return false; }
  // The main panel's list selections go into the settings record.
  virtual void storeListSelections() {}
  // "Joystick Quillfen95 Settings", shown modally; its buttons act on `dialog` as pressed.
  virtual void runJoystickSettingsDialog(input::JoystickSettingsDialog& /*dialog*/) {}
};

class MainWindow : public catalogue::MainViewRefresher {
 public:
  MainWindow(launch::LaunchServices services, catalogue::Catalogue& cat,
             launch::LaunchSession& session, FeatureSet features, MainWindowHost& host);

  // Frame creation: the layout defaults, then "ToolBar.dat" over them.
  void createFrame();
  // Frame destruction: the layout goes to "ToolBar.dat" in the start-up directory.
  void destroyFrame();
  const ToolbarLayout& toolbarLayout() const { return layout_; }
  // The user moved a toolbar to another side.
  void toolbarDocked(bool mainBar, int32_t side);

  // View creation: loads the catalogue (a first start searches the drives) and shows it.
  // Returns what the load returned; the window opens either way.
  bool createView();
  // Moves the window to the stored rectangle when there is one.
  void initialUpdate();
  // The view goes away with the program: save, then the current game's configuration pass.
  void closeView();
  // The window rectangle, the list selections and the catalogue are saved.
  void saveBeforeHandOff();

  bool isEnabled(int id) const;
  bool isChecked(int id) const;
  // Carries out a command; false when the id is unknown or its feature is not built.
  bool execute(int id);

  bool multiplayerMode() const;
  std::string modeButtonText() const;
  bool shrunk() const { return shrunk_; }

  // Pop-up preparation.
  std::vector<MenuItem> savedGameMenu() const;
  std::vector<MenuItem> helpFileMenu() const;
  // Read from the game file; the game-pick states it returns are also what isEnabled and
  // isChecked report until the next call.
  std::vector<MenuItem> gameMenu();
  EditToolsState editToolsMenu() const;
  FileManagerChecks fileManagerMenu() const;

  LaunchSelectionView launchSelections() const;
  // The current game's multiplayer selections; after a change through them, refreshView().
  multiplayer::MultiplayerSelections multiplayerSelections();
  multiplayer::MultiplayerView multiplayerView() { return multiplayerSelections().view(); }
  // The endpoint the selections open and close (none given: one that only says in the status
  // bar that it is not available), and the network layer the view's set-up checks.
  void setCoordination(multiplayer::Coordination* coordination) { coordination_ = coordination; }
  // Network starts with other copies, their dialogs shown by `dialogs`; needs the network
  // layer (setNetwork) first.
  void enableLanStart(LanDialogHost& dialogs);
  // The idle listener's turn (about every 100 ms): true when it led to a launch.
  bool listenForServers();
  void setNetwork(platform::Network* network) { network_ = network; }
  // The joystick that may drive the pointer; none: the joystick commands say it cannot start.
  // Both outlive the window.
  void setJoystick(platform::Joystick& joystick, platform::Pointer& pointer);
  // The window's 100 ms joystick timer.
  void pollJoystick();
  bool joystickRunning() const { return joystick_ && joystick_->running(); }
  // Where "Auto DeathMatch Launch Options" keeps the IPX network's server; none: its box is
  // greyed.
  void setIpxServerChoice(multiplayer::IpxServerChoice* choice) { ipxServerChoice_ = choice; }
  // "Auto DeathMatch Launch Options" (also the coordination dialogs' "Options").
  void autoLaunchOptions();
  // The view after a change of the multiplayer selections: the layout is redone.
  void refreshView();
  // What a launch does with each file it starts: the program counts it (a text naming the file
  // and the reason when that failed, shown in the status bar).
  using LaunchCounter =
      std::function<std::string(const std::string& file, const std::string& args)>;
  void setLaunchCounter(LaunchCounter counter) { launchCounter_ = std::move(counter); }
  // The files launched most with the current game, for the favourites tab.
  using FavouritesSource = std::function<std::vector<multiplayer::HitPointFavourite>()>;
  void setFavouritesSource(FavouritesSource source) { favouritesSource_ = std::move(source); }
  std::vector<files::Favourite> favourites() const;
  // "Other MultiPlayer Options" from the main panel's button.
  void otherMultiplayerOptions();
  // The phone or InterNet list of the number box, as the communication type has it.
  multiplayer::NumberLists numberLists();
  void chooseNumber(int index);
  // Text typed into the number box: selects a name, or asks for a new entry.
  void typeNumber(const std::string& text);
  catalogue::Catalogue& catalogue() { return cat_; }
  const FeatureSet& features() const { return features_; }

  void refreshAfterGamePick() override;
  // After a click in a file list: a file of a kind that only sets a default file becomes the
  // default, and the game starts with it when the player wants.
  void filePicked(const files::Selection& selection);

 private:
  void runLaunch();
  void launchGame();
  void pickGame(int slot);
  void defineGame();
  void shrink();
  void switchMode();
  void openHelpFile(int index);
  files::FileManagerSettings fileManagerSettings() {
    return files::FileManagerSettings(cat_.univ());
  }
  void dock(bool mainBar, int32_t side);
  // A box naming the file and the reason when a write of the player's data failed.
  void reportSaveError();
  void resetDataFiles();

  // Stands in for the coordination of network starts: says so instead.
  class UnbuiltCoordination : public multiplayer::Coordination {
   public:
    explicit UnbuiltCoordination(MainWindowHost& host) : host_(host) {}
    bool exists() const override { return false; }
    void create() override { host_.showStatus(kNoCoordinationStatus); }
    void destroy() override {}

   private:
    MainWindowHost& host_;
  };
  void setUpMultiplayer();
  void numberCommand(int id);
  // "Edit &UserCon File": the picked CON file, else GAME.CON of the list's directory.
  void editUserCon();
  void weaponsOption();
  // The EditTools menu's extraction commands and the art editor.
  void extractFromGroupFile(int id);
  void editArt(bool inListDirectory);
  // "&Edit Selected RTS File" and "&Create New RTS File".
  void rtsCommand(int id);
  // Copy, move, delete, rename and create directory on the file manager's picks.
  void fileOperation(int id);
  // The map editor menu: the map editor on the picked map or a new one, the picked map's
  // backup put back or deleted, and the picked file in the editor of its file kind.
  void mapEditorCommand(int id);
  void editSelectedFile();
  void runRtsEditorOn(const std::string& dir, const std::string& name);
  // The list directory's text file, or the game's or the editor's help file.
  void viewText(int id);
  // "Set an override directory for map launching." and "Total Conversion Directory", on the
  // directory the file list shows.
  void mapDirectoryCommand(int id);
  // "Unzip Profile": the player's unzip program, kept when the dialog ends with OK.
  void unzipProfile();
  // Every game start of `pipeline` is counted for the favourites, and a launch that finds no
  // unzip program opens "UnZip Profile".
  void preparePipeline(launch::LaunchPipeline& pipeline);
  // After a launch: the window goes on, or ends when the launch handed the program over.
  void afterLaunch(launch::LaunchOutcome outcome);
  void joystickCommand(int id);

  launch::LaunchServices services_;
  catalogue::Catalogue& cat_;
  launch::LaunchSession& session_;
  FeatureSet features_;
  MainWindowHost& host_;
  ToolbarLayout layout_;
  bool shrunk_ = false;
  std::vector<MenuItem> gamePicks_;
  UnbuiltCoordination unbuiltCoordination_{host_};
  multiplayer::Coordination* coordination_ = &unbuiltCoordination_;
  platform::Network* network_ = nullptr;
  multiplayer::IpxServerChoice* ipxServerChoice_ = nullptr;
  std::unique_ptr<LanCoordination> lan_;
  std::unique_ptr<input::JoystickControl> joystick_;
  LaunchCounter launchCounter_;
  FavouritesSource favouritesSource_;
  // The drive of "?:\TC", found at the first use of the command in this run.
  char tcDrive_ = 0;
};

}  // namespace app
