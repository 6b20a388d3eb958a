// The main window without its widgets: start-up and shutdown of the frame and the view, the
// routing of every command id to what carries it out, the menu states and the mode switch. The
// wx frame and view implement MainWindowHost and pass every command id here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/default_files.h"
#include "app/launch_selections.h"
#include "app/menu_state.h"
#include "app/toolbar_layout.h"
#include "app/window_geometry.h"
#include "catalogue/catalogue.h"
#include "files/file_manager_settings.h"
#include "launch/launch_pipeline.h"
#include "launch/launch_state.h"

namespace app {

inline constexpr const char* kModeTextSingle = "Press This Button For MultiPlayer Mode";
inline constexpr const char* kModeTextMulti = "FOR SINGLE-PLAYER MODE PRESS THIS BUTTON";
inline constexpr const char* kExpertWarning =
    "Warning: This setting will remove all prompts from the copy, move, and delete functions";
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
  // The main panel's list selections go into the settings record.
  virtual void storeListSelections() {}
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
  catalogue::Catalogue& catalogue() { return cat_; }
  const FeatureSet& features() const { return features_; }

  void refreshAfterGamePick() override;

 private:
  void runLaunch();
  void pickGame(int slot);
  void defineGame();
  void shrink();
  void switchMode();
  void openHelpFile(int index);
  files::FileManagerSettings fileManagerSettings() { return files::FileManagerSettings(cat_.univ()); }
  void dock(bool mainBar, int32_t side);
  // A box naming the file and the reason when a write of the player's data failed.
  void reportSaveError();
  void resetDataFiles();

  launch::LaunchServices services_;
  catalogue::Catalogue& cat_;
  launch::LaunchSession& session_;
  FeatureSet features_;
  MainWindowHost& host_;
  ToolbarLayout layout_;
  bool shrunk_ = false;
  std::vector<MenuItem> gamePicks_;
};

}  // namespace app
