// The main frame: menus, the two toolbars, the status bar and the main panel in the middle.
// Every command id goes to app::MainWindow, which decides; the frame carries out what the
// logic asks of a window.
#pragma once

#include <wx/aui/aui.h>
#include <wx/docview.h>
#include <wx/timer.h>

#include <memory>

#include "app/lan_coordination.h"
#include "app/main_window.h"
#include "gui/app/wx_pointer.h"
#include "gui/dialogs/dialog_paths.h"
#include "platform/host/host_processes.h"

namespace gui {
class MainPanel;
class SearchProgressFileSystem;
}  // namespace gui

class CMainFrame : public wxDocParentFrame,
                   public app::MainWindowHost,
                   public app::LanDialogHost,
                   public platform::SessionWatcher {
 public:
  struct Services {
    launch::LaunchServices launch;
    catalogue::Catalogue& cat;
    launch::LaunchSession& session;
    gui::SearchProgressFileSystem& progress;
    // For the file choosers of the dialogs; empty without a drive map.
    const gui::dialogs::PathBridge& paths;
  };

  CMainFrame(wxDocManager* manager, Services services, app::FeatureSet features);
  ~CMainFrame() override;

  app::MainWindow& window() { return window_; }
  // The view was made: the main panel goes in the middle and the catalogue is loaded.
  void attachView();
  // After the frame is shown: the stored window rectangle.
  void initialUpdate();
  // The view goes with the program.
  void viewClosing();
  // The title names the current game.
  void refreshTitle();

  // app::MainWindowHost
  app::WindowRect windowRect() const override;
  void moveWindow(const app::WindowRect& rect) override;
  void refreshView() override;
  void refreshFileManager() override;
  void resetFileLists() override;
  void showMode(const std::string& text) override;
  void showStatus(const std::string& text) override;
  void showFavourites() override;
  void applyToolbarLayout(const app::ToolbarLayout& layout) override;
  bool toolbarShown() const override;
  void showToolbar(bool shown) override;
  bool statusBarShown() const override;
  void showStatusBar(bool shown) override;
  void closeMainWindow() override;
  void beginDriveSearch() override;
  void endDriveSearch() override;
  int runGameLocationDialog(int advancedSetup) override;
  void runLaunchOptionsDialog() override;
  void runSingleOptionsDialog(int id) override;
  bool runDrivesDialog() override;
  bool runOtherOptionsDialog(multiplayer::OtherOptionsDialog& dialog) override;
  bool runAutoLaunchOptionsDialog(multiplayer::AutoLaunchOptionsDialog& dialog) override;
  bool runNewNumberDialog(multiplayer::NewNumberDialog& dialog) override;
  files::FileManager* fileManager() override;
  bool runNameDialog(files::NameDialog& dialog) override;
  bool runUnzipProfileDialog(launch::UnzipProfileDialog& dialog) override;
  std::string currentListDirectory() const override;
  void runConEditor(content::ConEditor& editor) override;
  void runWeaponOrderDialog(content::WeaponOrder& order) override;
  bool runRtsEditor(content::RtsEditor& editor) override;
  void showAbout() override;
  void showDefaultFiles(const std::vector<app::DefaultFileRow>& rows) override;
  void runJoystickSettingsDialog(input::JoystickSettingsDialog& dialog) override;

  // app::LanDialogHost
  void runServerDialog(lan::ServerDialog& dialog) override;
  void runClientDialog(lan::ClientDialog& dialog) override;
  void runDownloadDialog(lan::DownloadDialog& dialog) override;
  // Network starts: the window listens for servers while it is idle.
  void enableLanStart();
  // The joystick drives the pointer (when it is there and the player has it on) from the
  // view's initial update on; before the view is made.
  void enableJoystick(platform::Joystick& joystick);
  // A command, the idle listener or a game session is running: the frame must not go now.
  bool busy() const { return commandsRunning_ > 0 || listening_ || waitingForGame_ != nullptr; }

  // platform::SessionWatcher: while a game runs the window keeps drawing and says so, and
  // takes no input (the records are the launch's until it returns).
  void sessionStarted(const std::string& program) override;
  void sessionRunning() override;
  void sessionEnded() override;

 private:
  void onCommand(wxCommandEvent& event);
  void onUpdateUi(wxUpdateUIEvent& event);
  void onMenuOpen(wxMenuEvent& event);
  void onClose(wxCloseEvent& event);
  void onIndicatorTimer(wxTimerEvent& event);
  void onListenTimer(wxTimerEvent& event);
  void onJoystickTimer(wxTimerEvent& event);
  void bindFlyByHelp(wxAuiToolBar* bar);

  Services services_;
  wxAuiManager aui_;
  wxAuiToolBar* mainBar_ = nullptr;
  wxAuiToolBar* selectBar_ = nullptr;
  gui::MainPanel* panel_ = nullptr;
  wxTimer indicators_;
  // The idle listener's beat; it stays quiet while a dialog, a launch or a game has the window.
  wxTimer listener_;
  bool listening_ = false;
  // The joystick's beat; it keeps going while control is off, and the poll does nothing then.
  wxTimer joystickTimer_;
  gui::WxPointer pointer_;
  bool polling_ = false;
  int commandsRunning_ = 0;
  std::unique_ptr<wxWindowDisabler> waitingForGame_;
  app::MainWindow window_;
  // Offered by a first start that finds no game.
  std::unique_ptr<catalogue::GameFolderChooser> folderChooser_;
  bool closing_ = false;
};
