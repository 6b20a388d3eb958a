// A main window over fakes: the catalogue machine of the catalogue tests, fake processes,
// registry and clock, and a host that records what the window was asked to do.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_registry.h"
#include "support/catalogue_fixture.h"

namespace apptest {

class RecordingHost : public app::MainWindowHost {
 public:
  app::WindowRect windowRect() const override { return rect; }
  void moveWindow(const app::WindowRect& r) override {
    rect = r;
    moves.push_back(r);
  }
  void refreshView() override { ++refreshes; }
  void refreshFileManager() override { ++fileListRefreshes; }
  void resetFileLists() override { ++fileListResets; }
  void showMode(const std::string& text) override { modeText = text; }
  void showStatus(const std::string& text) override { status = text; }
  void applyToolbarLayout(const app::ToolbarLayout& layout) override { applied.push_back(layout); }
  bool toolbarShown() const override { return toolbar; }
  void showToolbar(bool shown) override { toolbar = shown; }
  bool statusBarShown() const override { return statusBar; }
  void showStatusBar(bool shown) override { statusBar = shown; }
  void closeMainWindow() override { ++closes; }
  void beginDriveSearch() override { ++searchesBegun; }
  void endDriveSearch() override { ++searchesEnded; }
  int runGameLocationDialog(int advancedSetup) override {
    dialogAdvancedSetup.push_back(advancedSetup);
    return onLocationDialog ? onLocationDialog() : 14999;
  }
  void runLaunchOptionsDialog() override { ++launchOptionDialogs; }
  void runSingleOptionsDialog(int id) override { optionDialogs.push_back(id); }
  bool runDrivesDialog() override {
    ++drivesDialogs;
    return drivesChanged;
  }
  void showAbout() override { ++abouts; }
  std::string currentListDirectory() const override { return listDirectory; }
  void runConEditor(content::ConEditor& editor) override {
    if (onConEditor) onConEditor(editor);
  }
  void runWeaponOrderDialog(content::WeaponOrder& order) override {
    if (onWeaponOrder) onWeaponOrder(order);
  }
  void showDefaultFiles(const std::vector<app::DefaultFileRow>& rows) override {
    defaultFiles = rows;
  }
  files::FileManager* fileManager() override { return files; }
  bool runNameDialog(files::NameDialog& dialog) override {
    nameDialogs.push_back(dialog.title() + ": " + dialog.name());
    return onNameDialog ? onNameDialog(dialog) : false;
  }
  void runJoystickSettingsDialog(input::JoystickSettingsDialog& dialog) override {
    ++joystickSettings;
    if (onJoystickSettings) onJoystickSettings(dialog);
  }

  app::WindowRect rect{10, 20, 810, 620};
  std::vector<app::WindowRect> moves;
  int refreshes = 0;
  int fileListRefreshes = 0;
  int fileListResets = 0;
  std::string modeText;
  std::vector<app::ToolbarLayout> applied;
  bool toolbar = true;
  bool statusBar = true;
  int closes = 0;
  int searchesBegun = 0;
  int searchesEnded = 0;
  std::vector<int> dialogAdvancedSetup;
  std::function<int()> onLocationDialog;
  int launchOptionDialogs = 0;
  std::vector<int> optionDialogs;
  int drivesDialogs = 0;
  bool drivesChanged = false;
  int abouts = 0;
  std::string status;
  std::vector<app::DefaultFileRow> defaultFiles;
  std::string listDirectory;
  std::function<void(content::ConEditor&)> onConEditor;
  std::function<void(content::WeaponOrder&)> onWeaponOrder;
  files::FileManager* files = nullptr;
  std::vector<std::string> nameDialogs;  // "title: offered name"
  std::function<bool(files::NameDialog&)> onNameDialog;
  int joystickSettings = 0;
  std::function<void(input::JoystickSettingsDialog&)> onJoystickSettings;
};

class MainWindowTest : public testsupport::CatalogueTest {
 protected:
  static constexpr const char* kDukeDir = "D:\\GAMES\\DUKE3D\\";

  // A machine with Duke Nukem 3D 1.3 on drive D:.
  void putDuke() { fs.putFile(std::string(kDukeDir) + "DUKE3D.EXE", "MZ"); }

  app::MainWindow& makeWindow(app::BuildParts parts = {true, true}) {
    window.reset();
    makeCatalogue();
    window = std::make_unique<app::MainWindow>(program->launchServices(), *cat, program->session(),
                                               app::builtFeatures(parts), host);
    return *window;
  }
  launch::LaunchSession& session() { return program->session(); }

  // The window of a started program: frame, view and initial update.
  app::MainWindow& startWindow(app::BuildParts parts = {true, true}) {
    app::MainWindow& w = makeWindow(parts);
    w.createFrame();
    w.createView();
    w.initialUpdate();
    return w;
  }

  platform::FakeProcesses& processes = machine.fakeProcesses;
  platform::FakeRegistry& registry = machine.fakeRegistry;
  platform::FakeClock& clock = machine.fakeClock;
  RecordingHost host;
  std::unique_ptr<app::MainWindow> window;
};

}  // namespace apptest
