#include "app/main_window.h"

#include "app/command_ids.h"
#include "app/exit_config_pass.h"
#include "app/help_files.h"
#include "app/launch_names.h"
#include "catalogue/catalogue_files.h"
#include "catalogue/game_types.h"
#include "files/file_operations.h"
#include "input/space_orb_check.h"
#include "launch/saved_game.h"
#include "multiplayer/network_check.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace app {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

namespace {

constexpr const char* kSaveFailed =
    "Could not save %s.\n\nThe program goes on with what it has in memory and saves it again "
    "at the next save.";

std::string saveFailedText(const std::string& what) {
  std::string text = kSaveFailed;
  text.replace(text.find("%s"), 2, what);
  return text;
}

}  // namespace

MainWindow::MainWindow(launch::LaunchServices services, catalogue::Catalogue& cat,
                       launch::LaunchSession& session, FeatureSet features, MainWindowHost& host)
    : services_(services), cat_(cat), session_(session), features_(features), host_(host) {
  cat_.setMainViewRefresher(this);
}

void MainWindow::createFrame() {
  layout_ = readToolbarLayout(services_.fs);
}

void MainWindow::destroyFrame() {
  // The file is opened by its bare name; a launch leaves the game directory current, and the
  // next start reads the file from the start-up directory.
  services_.fs.setCurrentDirectory(cat_.startupDirectory());
  if (!writeToolbarLayout(services_.fs, layout_)) {
    const std::string why = services_.fs.lastErrorText();
    services_.prompter.tell(saveFailedText(cat_.startupDirectory() + kToolbarLayoutFile +
                                           (why.empty() ? "" : ": " + why)));
  }
}

void MainWindow::reportSaveError() {
  const std::string failed = cat_.takeSaveError();
  if (!failed.empty()) services_.prompter.tell(saveFailedText(failed));
}

void MainWindow::toolbarDocked(bool mainBar, int32_t side) {
  if (!isDockSide(side)) return;
  (mainBar ? layout_.mainBarDock : layout_.selectGameBarDock) = side;
}

void MainWindow::resetDataFiles() {
  host_.beginDriveSearch();
  cat_.ResetAllDataFiles();
  host_.endDriveSearch();
  reportSaveError();
  host_.refreshView();
}

void MainWindow::setJoystick(platform::Joystick& joystick, platform::Pointer& pointer) {
  joystick_ =
      std::make_unique<input::JoystickControl>(joystick, pointer, services_.prompter, cat_.univ());
}

void MainWindow::pollJoystick() {
  if (joystick_) joystick_->JoystickPoll();
}

void MainWindow::joystickCommand(int id) {
  if (id != kCmdJoystickSettings) {
    if (!joystick_) {
      services_.prompter.tell(input::kJoystickStartFailed);
      return;
    }
    if (id == kCmdJoystickToggle) {
      joystick_->JoystickToggle();
      return;
    }
    // The menu item switches control on when it is off, and shows the settings when it is on.
    if (!joystick_->JoystickMenu()) return;
  }
  input::JoystickSettingsDialog dialog(cat_.univ(), services_.prompter);
  host_.runJoystickSettingsDialog(dialog);
}

bool MainWindow::createView() {
  if (joystick_) joystick_->CaptureCentre();
  host_.beginDriveSearch();
  services_.fs.setCurrentDirectory(cat_.startupDirectory());
  const bool loaded = cat_.LoadCatalogue();
  host_.endDriveSearch();
  reportSaveError();
  // Every run starts in single-player mode.
  cat_.univ().set(ui::MultiplayerMode, 0);
  setUpMultiplayer();
  if (network_)
    multiplayer::checkCoordinationAtStart(cat_.univ(), *network_, services_.prompter,
                                          *coordination_);
  shrunk_ = false;
  host_.refreshView();
  return loaded;
}

void MainWindow::initialUpdate() {
  const WindowRect rect = storedWindowRect(cat_.univ());
  if (isUsableWindowRect(rect)) host_.moveWindow(rect);
  if (joystick_) joystick_->JoystickStart();
}

void MainWindow::saveBeforeHandOff() {
  storeWindowRect(cat_.univ(), host_.windowRect());
  host_.storeListSelections();
  cat_.SaveCatalogue();
  reportSaveError();
}

void MainWindow::closeView() {
  saveBeforeHandOff();
  runExitConfigurationPass(services_, cat_, session_);
}

bool MainWindow::multiplayerMode() const {
  return cat_.univ().get(ui::MultiplayerMode) != 0;
}

std::string MainWindow::modeButtonText() const {
  return multiplayerMode() ? kModeTextMulti : kModeTextSingle;
}

void MainWindow::refreshAfterGamePick() {
  setUpMultiplayer();
  host_.refreshView();
}

multiplayer::MultiplayerSelections MainWindow::multiplayerSelections() {
  return multiplayer::MultiplayerSelections(cat_.univ(), cat_.current(), cat_.gameData(),
                                            services_.prompter, *coordination_);
}

void MainWindow::setUpMultiplayer() {
  multiplayerSelections().setUp();
}

void MainWindow::refreshView() {
  host_.refreshView();
}

std::vector<files::Favourite> MainWindow::favourites() const {
  std::vector<files::Favourite> lines;
  if (favouritesSource_)
    for (multiplayer::HitPointFavourite& f : favouritesSource_())
      lines.push_back({std::move(f.line), std::move(f.path)});
  return lines;
}

void MainWindow::otherMultiplayerOptions() {
  multiplayer::OtherOptionsDialog dialog(cat_.univ(), cat_.current(), cat_.gameData(),
                                         services_.prompter);
  if (host_.runOtherOptionsDialog(dialog)) dialog.ok();
  host_.refreshView();
}

multiplayer::NumberLists MainWindow::numberLists() {
  return multiplayer::NumberLists(cat_.univ(), services_.prompter);
}

void MainWindow::chooseNumber(int index) {
  numberLists().select(index);
}

void MainWindow::typeNumber(const std::string& text) {
  multiplayer::NumberLists lists = numberLists();
  if (std::optional<multiplayer::NewNumberDialog> dialog = lists.typed(text))
    lists.finishNewNumber(*dialog, host_.runNewNumberDialog(*dialog));
  host_.refreshView();
}

void MainWindow::numberCommand(int id) {
  multiplayer::NumberLists lists = numberLists();
  if (id == kCmdDeleteNumber) {
    lists.deleteSelected();
  } else if (id == kCmdAddNumber) {
    multiplayer::NewNumberDialog dialog(lists.current());
    lists.finishNewNumber(dialog, host_.runNewNumberDialog(dialog));
  } else if (std::optional<multiplayer::NewNumberDialog> dialog = lists.editSelected()) {
    lists.finishEdit(*dialog, host_.runNewNumberDialog(*dialog));
  }
}

bool MainWindow::isEnabled(int id) const {
  if (!commandBuilt(id, features_)) return false;
  // Nothing to run until a game is defined and selected.
  const bool gameSelected =
      catalogue::isSelectableSlot(cat_.currentSlot()) && !cat_.current().get(gi::GameDir).empty();
  if (id == kCmdRun || id == kCmdPlay) return gameSelected;
  if (id >= kCmdSavedGameFirst && id <= kCmdSavedGameLast)
    return gameSelected && !cat_.current().get(gi::RunSavedGameCommand).empty();
  if (id >= kCmdGamePickFirst && id <= kCmdGamePickLast) {
    const size_t slot = size_t(id - kCmdGamePickFirst);
    return slot >= gamePicks_.size() || gamePicks_[slot].enabled;
  }
  if (id == kCmdDeleteNumber || id == kCmdEditNumber)
    return multiplayer::NumberLists::hasSelection(cat_.univ());
  const int help = helpFileIndex(id);
  if (help >= 0) return !cat_.current().get(gi::HelpFile, size_t(help)).empty();
  return true;
}

bool MainWindow::isChecked(int id) const {
  if (id >= kCmdGamePickFirst && id <= kCmdGamePickLast) {
    const size_t slot = size_t(id - kCmdGamePickFirst);
    return slot < gamePicks_.size() && gamePicks_[slot].checked;
  }
  if (const auto dock = dockCommand(id))
    return (dock->mainBar ? layout_.mainBarDock : layout_.selectGameBarDock) == dock->side;
  const FileManagerChecks checks = fileManagerChecks(cat_.univ());
  switch (id) {
    case kCmdViewToolbar:
      return host_.toolbarShown();
    case kCmdViewStatusBar:
      return host_.statusBarShown();
    case kCmdSelectGameBar:
      return layout_.selectGameBarVisible != 0;
    case kCmdDisableFileManager:
      return checks.disabled;
    case kCmdExpertMode:
      return checks.expert;
    case kCmdAutoTextTab:
      return checks.autoTextTab;
    case kCmdManualTextTab:
      return checks.manualTextTab;
    default:
      return false;
  }
}

bool MainWindow::execute(int id) {
  if (!isEnabled(id)) return false;
  const std::optional<CommandInfo> command = findCommand(id);
  switch (command->feature) {
    case Feature::kLaunch:
      runLaunch();
      return true;
    case Feature::kSavedGameLaunch:
      if (launch::prepareSavedGameLaunch(id - kCmdSavedGameFirst + 1, cat_.current(),
                                         cat_.gameData(), session_, services_.prompter))
        runLaunch();
      return true;
    case Feature::kGamePick:
      if (id >= kCmdGamePickFirst && id <= kCmdGamePickLast) {
        pickGame(id - kCmdGamePickFirst);
      } else if (const auto button = findSelectGameButton(id)) {
        int slot = button->slot;
        if (button->elseSlot >= 0 &&
            !isDefinedGame(readGameFileRecord(services_.fs, cat_.gameInfoPath(), slot)))
          slot = button->elseSlot;
        pickGame(slot);
      }
      return true;
    case Feature::kDefineGame:
      defineGame();
      return true;
    case Feature::kResetDataFiles:
      resetDataFiles();
      return true;
    case Feature::kExit:
      host_.closeMainWindow();
      return true;
    case Feature::kShrink:
      shrink();
      return true;
    case Feature::kModeSwitch:
      switchMode();
      return true;
    case Feature::kHelpFiles:
      openHelpFile(helpFileIndex(id));
      return true;
    case Feature::kFileManagerSwitch:
      if (id == kCmdExpertMode) {
        // Only switching it on warns; switching it off says nothing.
        if (!fileManagerSettings().expertMode()) services_.prompter.tell(kExpertWarning);
        fileManagerSettings().toggleExpertMode();
      } else {
        fileManagerSettings().toggleDisabled();
      }
      host_.refreshFileManager();
      return true;
    case Feature::kTextTabMode:
      fileManagerSettings().setAutoTextTab(id == kCmdAutoTextTab);
      host_.refreshFileManager();
      return true;
    case Feature::kFileListHome:
      host_.resetFileLists();
      return true;
    case Feature::kBars:
      if (const auto side = dockCommand(id)) {
        dock(side->mainBar, side->side);
      } else if (id == kCmdSelectGameBar) {
        layout_.selectGameBarVisible = layout_.selectGameBarVisible ? 0 : 1;
        host_.applyToolbarLayout(layout_);
      } else if (id == kCmdViewToolbar) {
        host_.showToolbar(!host_.toolbarShown());
      } else if (id == kCmdViewStatusBar) {
        host_.showStatusBar(!host_.statusBarShown());
      }
      return true;
    case Feature::kSpaceOrbCheck:
      input::SpaceOrbCheck(services_.fs, services_.prompter, cat_.univ(), /*interactive=*/true);
      return true;
    case Feature::kAbout:
      host_.showAbout();
      return true;
    case Feature::kDefaultFiles:
      host_.showDefaultFiles(defaultFileRows(cat_.current(), cat_.gameData()));
      return true;
    case Feature::kLaunchOptions:
      host_.runLaunchOptionsDialog();
      host_.refreshView();
      return true;
    case Feature::kSingleOptions:
      host_.runSingleOptionsDialog(id);
      host_.refreshView();
      return true;
    case Feature::kAutoDeathMatch:
      autoLaunchOptions();
      return true;
    case Feature::kNumberList:
      numberCommand(id);
      host_.refreshView();
      return true;
    case Feature::kFavorites:
      host_.showFavourites();
      return true;
    case Feature::kUserCon:
      editUserCon();
      return true;
    case Feature::kExtraction:
      extractFromGroupFile(id);
      return true;
    case Feature::kArtEditor:
      editArt(id == kCmdEditArtSelected);
      return true;
    case Feature::kRtsEditor:
      rtsCommand(id);
      return true;
    case Feature::kSetupPrograms: {
      // The setup program may change what the window keeps, so that is written first.
      saveBeforeHandOff();
      content::ContentTools tools(services_.fs, services_.processes, services_.prompter,
                                  cat_.current(), cat_.gameData());
      tools.startSetupProgram(id == kCmdRunEditorSetup);
      return true;
    }
    case Feature::kWeaponsOption:
      weaponsOption();
      return true;
    case Feature::kFileOperations:
      fileOperation(id);
      return true;
    case Feature::kMapEditor:
      mapEditorCommand(id);
      return true;
    case Feature::kTextViewing:
      viewText(id);
      return true;
    case Feature::kMapDirectories:
      mapDirectoryCommand(id);
      return true;
    case Feature::kUnzipProfile:
      unzipProfile();
      return true;
    case Feature::kJoystick:
      joystickCommand(id);
      return true;
    case Feature::kDrives:
      // The file lists show the drives.
      if (host_.runDrivesDialog()) host_.refreshFileManager();
      return true;
    default:
      return false;
  }
}

void MainWindow::editUserCon() {
  const std::string selected = cat_.gameData().get(gd::SelectedFile);
  const std::string gameDir = platform::dos::withTrailingSeparator(cat_.current().get(gi::GameDir));
  std::string dir = platform::dos::directoryOf(selected);
  std::string name = platform::dos::fileNameOf(selected);
  if (!platform::dos::endsWithIgnoreCase(name, ".CON")) {
    // None picked: the add-on of the list's directory, given the game's own files first.
    dir = platform::dos::withTrailingSeparator(host_.currentListDirectory());
    if (dir.empty() || dir == "\\") dir = gameDir;
    name = "GAME.CON";
    for (const char* file : {"GAME.CON", "USER.CON"})
      if (!services_.fs.exists(dir + file)) services_.fs.copyFile(gameDir + file, dir + file, true);
  }
  content::ConEditor editor(services_.fs, services_.prompter, name, dir,
                            cat_.current().get(gi::GameKind) == catalogue::kKindDukeAtomic);
  host_.runConEditor(editor);
  host_.refreshFileManager();
}

void MainWindow::extractFromGroupFile(int id) {
  std::vector<std::string> patterns;
  switch (id) {
    case kCmdExtractMap:
      patterns = {"*.MAP"};
      break;
    case kCmdExtractArtAll:
      patterns = {"*.ART"};
      break;
    case kCmdExtractAnm:
      patterns = {"*.ANM"};
      break;
    case kCmdExtractDat:
      patterns = {"*.Dat"};
      break;
    case kCmdExtractMidi:
      patterns = {"*.Mid"};
      break;
    case kCmdExtractVocWav:
      patterns = {"*.Voc", "*.wav"};
      break;
    case kCmdExtractCon:
      patterns = {"*.CON"};
      break;
    default: {
      // One art file of the range: "Tiles005.Art" extracts "Tiles005.ART".
      const auto command = findCommand(id);
      if (!command) return;
      const std::string label(command->text);
      patterns = {label.substr(0, label.find('.')) + ".ART"};
    }
  }
  content::ContentTools tools(services_.fs, services_.processes, services_.prompter, cat_.current(),
                              cat_.gameData());
  if (tools.extract(patterns, cat_.gameData().get(gd::SelectedFile), host_.currentListDirectory()))
    host_.refreshFileManager();
}

void MainWindow::editArt(bool inListDirectory) {
  content::ContentTools tools(services_.fs, services_.processes, services_.prompter, cat_.current(),
                              cat_.gameData());
  tools.editArt(inListDirectory ? host_.currentListDirectory() : tools.gameDirectory());
  host_.refreshFileManager();
}

void MainWindow::rtsCommand(int id) {
  const std::string gameDir = platform::dos::withTrailingSeparator(cat_.current().get(gi::GameDir));
  std::string dir, name;
  if (id == kCmdEditRts) {
    const std::string selected = cat_.gameData().get(gd::SelectedFile);
    if (!platform::dos::endsWithIgnoreCase(selected, ".RTS")) {
      services_.prompter.tell(kNoRtsSelected);
      return;
    }
    dir = platform::dos::directoryOf(selected);
    name = platform::dos::fileNameOf(selected);
  } else {
    // A copy of the game's own RTS file to start from, in the list's directory.
    dir = platform::dos::withTrailingSeparator(host_.currentListDirectory());
    if (dir.empty() || dir == "\\") dir = gameDir;
    name = "new.rts";
    std::string stock = cat_.gameData().get(gd::ConfigFileCopy, 3);
    if (stock.empty())
      for (const platform::FindData& found : services_.fs.find(gameDir + "*.RTS"))
        if (!found.isDirectory()) {
          stock = found.shortName;
          break;
        }
    services_.fs.copyFile(gameDir + stock, dir + name, /*failIfExists=*/false);
  }
  runRtsEditorOn(dir, name);
  host_.refreshFileManager();
}

void MainWindow::runRtsEditorOn(const std::string& dir, const std::string& name) {
  content::RtsEditor editor(services_.fs, services_.processes, services_.prompter, cat_.current(),
                            dir, name);
  if (editor.failed()) return;
  if (host_.runRtsEditor(editor))
    editor.finish();
  else
    editor.cancel();
}

void MainWindow::fileOperation(int id) {
  files::FileManager* fm = host_.fileManager();
  if (!fm || fm->disabled()) return;
  files::FileOperations ops(services_.fs, services_.prompter, fileManagerSettings().expertMode());
  const std::string source = fm->leftListFile();
  switch (id) {
    case kCmdFileCopy:
    case kCmdToolCopy:
      ops.copy(source, fm->longNameDirectory());
      break;
    case kCmdFileMove:
    case kCmdToolMove:
      ops.move(source, fm->longNameDirectory());
      break;
    case kCmdFileDelete:
    case kCmdToolDelete:
      ops.deleteWithCompanions(source);
      break;
    case kCmdFileRename:
    case kCmdToolRename: {
      if (!ops.hasSource(source)) break;
      files::NameDialog dialog(files::NameDialog::kRenameTitle,
                               files::renameParts(platform::dos::fileNameOf(source)).stem);
      if (host_.runNameDialog(dialog)) ops.renameFile(source, dialog.name());
      break;
    }
    default: {
      files::NameDialog dialog(files::NameDialog::kCreateDirectoryTitle, "");
      if (host_.runNameDialog(dialog)) ops.createDirectory(fm->currentDirectory(), dialog.name());
    }
  }
  host_.refreshFileManager();
}

void MainWindow::weaponsOption() {
  if (!content::WeaponOrder::available(cat_.current())) {
    services_.prompter.tell(content::WeaponOrder::kNoOptions);
    return;
  }
  content::WeaponOrder order(cat_.gameData());
  host_.runWeaponOrderDialog(order);
  host_.refreshView();
}

void MainWindow::autoLaunchOptions() {
  multiplayer::AutoLaunchOptionsDialog dialog(cat_.univ(), ipxServerChoice_);
  if (!host_.runAutoLaunchOptionsDialog(dialog) || dialog.ok()) return;
  services_.prompter.ask(multiplayer::AutoLaunchOptionsDialog::kIpxServer,
                         "The IPX network's server was not changed: " + dialog.ipxServerError(),
                         platform::Buttons::kOk);
}

void MainWindow::enableLanStart(LanDialogHost& dialogs) {
  if (!network_) return;
  lan_ = std::make_unique<LanCoordination>(
      lan::LanServices{*network_, services_.fs, services_.clock, services_.prompter}, cat_, dialogs,
      [this] { autoLaunchOptions(); });
  coordination_ = lan_.get();
  setUpMultiplayer();
}

bool MainWindow::listenForServers() {
  if (!lan_ || !multiplayerMode()) return false;
  const std::optional<lan::ClientLaunch> launch = lan_->listen();
  if (!launch) return false;
  // The server's game and settings are this copy's now.
  host_.refreshView();
  if (launch->hasLaunchFile) {
    if (!host_.pickFileForLaunch(launch->launchDir + launch->launchFile)) return false;
  } else {
    cat_.gameData().set(gd::SelectedFile, "");
    cat_.gameData().set(gd::SelectedFileTemplate, "");
  }
  runLaunch();
  return true;
}

void MainWindow::runLaunch() {
  // A network start: the server's search or the wait for the server's start comes first.
  const bool coordinated = lan_ && lan_->exists() && multiplayerMode();
  if (coordinated) {
    const std::string file = cat_.gameData().get(gd::SelectedFile);
    if (!lan_->beforeLaunch(platform::dos::fileNameOf(file), platform::dos::directoryOf(file))) {
      host_.refreshView();
      return;
    }
  }
  launchGame();
  if (coordinated) lan_->afterLaunch();
}

void MainWindow::launchGame() {
  launch::LaunchPipeline pipeline(services_, cat_, session_);
  preparePipeline(pipeline);
  launch::LaunchState state = pipeline.newLaunchState();
  afterLaunch(pipeline.launchGame(state));
}

void MainWindow::preparePipeline(launch::LaunchPipeline& pipeline) {
  pipeline.setUnzipProfileEditor(
      [this](launch::UnzipProfileDialog& dialog) { return host_.runUnzipProfileDialog(dialog); });
  if (!launchCounter_) return;
  pipeline.setLaunchRecorder([this](const std::string& file, const std::string& args) {
    const std::string failure = launchCounter_(file, args);
    if (!failure.empty()) host_.showStatus("The launch was not counted: " + failure);
  });
}

void MainWindow::afterLaunch(launch::LaunchOutcome outcome) {
  if (outcome == launch::LaunchOutcome::kHandedOver) {
    host_.closeMainWindow();
    return;
  }
  host_.refreshView();
}

void MainWindow::pickGame(int slot) {
  // The launch selections of the game being left are kept for its next pick.
  cat_.SaveGameData();
  cat_.SelectGame(slot);
  reportSaveError();
}

void MainWindow::defineGame() {
  saveBeforeHandOff();
  // The launch selections of the game being left are kept, as a game pick keeps them.
  cat_.SaveGameData();
  const int advanced = cat_.univ().get(ui::AdvancedSetup);
  host_.runGameLocationDialog(advanced);
  while (cat_.currentSlot() == catalogue::kNoSlotSelected) {
    services_.prompter.tell(kNoGameDefinedAfterDialog);
    host_.runGameLocationDialog(advanced);
  }
  cat_.SelectGame(cat_.currentSlot());
  reportSaveError();
}

void MainWindow::shrink() {
  if (shrunk_) return;
  const WindowRect rect = storedWindowRect(cat_.univ());
  if (!isUsableWindowRect(rect)) return;
  const WindowRect smaller = shrunkWindowRect(rect);
  storeWindowRect(cat_.univ(), smaller);
  host_.moveWindow(smaller);
  shrunk_ = true;
}

void MainWindow::switchMode() {
  multiplayerSelections().toggleMode();
  host_.showMode(modeButtonText());
  host_.refreshView();
}

void MainWindow::openHelpFile(int index) {
  if (index < 0) return;
  const std::string command = helpFileCommand(cat_.current(), size_t(index));
  if (!command.empty()) services_.processes.runCommand(command);
}

void MainWindow::dock(bool mainBar, int32_t side) {
  (mainBar ? layout_.mainBarDock : layout_.selectGameBarDock) = side;
  host_.applyToolbarLayout(layout_);
}

std::vector<MenuItem> MainWindow::savedGameMenu() const {
  std::vector<MenuItem> items = savedGameItems(cat_.current());
  for (MenuItem& item : items) item.enabled = item.enabled && commandBuilt(item.id, features_);
  return items;
}

std::vector<MenuItem> MainWindow::helpFileMenu() const {
  std::vector<MenuItem> items = helpFileItems(cat_.current());
  for (MenuItem& item : items) item.enabled = item.enabled && commandBuilt(item.id, features_);
  return items;
}

std::vector<MenuItem> MainWindow::gameMenu() {
  std::vector<MenuItem> items = gameItems(services_.fs, cat_.gameInfoPath(), cat_.currentSlot());
  if (!items.empty()) gamePicks_ = items;
  return items;
}

EditToolsState MainWindow::editToolsMenu() const {
  return editToolsState(cat_.current());
}

FileManagerChecks MainWindow::fileManagerMenu() const {
  return fileManagerChecks(cat_.univ());
}

LaunchSelectionView MainWindow::launchSelections() const {
  LaunchSelectionView view = describeLaunchSelections(cat_.current(), cat_.gameData());
  if (const auto names = launchContentNames(cat_.current(), cat_.gameData(), services_.fs))
    nameLaunchChoices(view, cat_.current(), *names);
  return view;
}

}  // namespace app
