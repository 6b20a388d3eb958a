// The main window's start-up, shutdown and command routing over fakes.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/command_ids.h"
#include "app/help_files.h"
#include "catalogue/catalogue_files.h"
#include "main_window_fixture.h"
#include "platform/dos_path.h"

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;
using platform::FakeProcesses;

class RoutingTest : public apptest::MainWindowTest {
 protected:
  RoutingTest() { putDuke(); }
  std::vector<std::string> commands() const { return processes.commandTexts(); }
  size_t sessions() const {
    size_t n = 0;
    for (const FakeProcesses::Call& call : processes.calls())
      n += call.kind == FakeProcesses::Kind::kPifWait;
    return n;
  }
};

TEST_F(RoutingTest, AFirstStartSearchesTheDrivesAndShowsTheFoundGame) {
  app::MainWindow& w = startWindow();
  EXPECT_EQ(cat->currentSlot(), 0);
  EXPECT_EQ(cat->current().get(gi::GameDir), "D:\\games\\Duke3d\\");
  EXPECT_EQ(host.searchesBegun, 1);
  EXPECT_EQ(host.searchesEnded, 1);
  EXPECT_GE(host.refreshes, 1);
  EXPECT_EQ(w.modeButtonText(), "Press This Button For MultiPlayer Mode");
}

TEST_F(RoutingTest, WithoutAGameTheWindowStillOpensInTheStartupDirectory) {
  fs.deleteFile(std::string(kDukeDir) + "DUKE3D.EXE");
  app::MainWindow& w = makeWindow({false, false});  // no dialog to define a game with
  w.createFrame();
  EXPECT_FALSE(w.createView());
  EXPECT_EQ(cat->currentSlot(), catalogue::kNoSlotSelected);
  EXPECT_EQ(fs.currentDirectory(), kStartup);
  EXPECT_GE(host.refreshes, 1);
  // With no game there is nothing to run.
  EXPECT_FALSE(w.isEnabled(app::kCmdRun));
  EXPECT_FALSE(w.isEnabled(app::kCmdPlay));
  EXPECT_FALSE(w.execute(app::kCmdRun));
  w.closeView();  // nothing to configure, nothing breaks
}

TEST_F(RoutingTest, EveryStartIsInSinglePlayerMode) {
  {
    app::MainWindow& w = startWindow();
    w.execute(app::kCmdModeSwitch);
    ASSERT_TRUE(w.multiplayerMode());
    w.closeView();
  }
  app::MainWindow& again = startWindow();
  EXPECT_FALSE(again.multiplayerMode());
}

TEST_F(RoutingTest, TheModeSwitchTogglesTheButtonText) {
  app::MainWindow& w = startWindow();
  w.execute(app::kCmdModeSwitch);
  EXPECT_EQ(host.modeText, "FOR SINGLE-PLAYER MODE PRESS THIS BUTTON");
  EXPECT_EQ(cat->univ().get(ui::MultiplayerMode), 1);
  w.execute(app::kCmdModeSwitch);
  EXPECT_EQ(host.modeText, "Press This Button For MultiPlayer Mode");
  EXPECT_EQ(cat->univ().get(ui::MultiplayerMode), 0);
}

TEST_F(RoutingTest, LeavingMultiplayerModeClosesTheCoordinationEndpoint) {
  struct Endpoint : multiplayer::Coordination {
    bool exists() const override { return isOpen; }
    void create() override { isOpen = true; }
    void destroy() override {
      isOpen = false;
      ++closes;
    }
    bool isOpen = false;
    int closes = 0;
  } endpoint;
  app::MainWindow& w = startWindow();
  w.setCoordination(&endpoint);
  w.execute(app::kCmdModeSwitch);
  w.multiplayerSelections().setAutoLaunch(true);
  EXPECT_TRUE(endpoint.exists());
  const int refreshes = host.refreshes;
  w.execute(app::kCmdModeSwitch);
  EXPECT_FALSE(endpoint.exists());
  EXPECT_EQ(endpoint.closes, 1);
  EXPECT_GT(host.refreshes, refreshes);  // the layout is redone
}

TEST_F(RoutingTest, WithoutACoordinationEndpointTheStatusBarSaysSo) {
  app::MainWindow& w = startWindow();
  w.execute(app::kCmdModeSwitch);
  w.multiplayerSelections().setAutoLaunch(true);
  EXPECT_EQ(host.status, app::kNoCoordinationStatus);
}

TEST_F(RoutingTest, ACommandThatIsNotBuiltDoesNothing) {
  app::MainWindow& w = startWindow();
  const size_t boxes = prompter.boxes().size();
  for (int id : {app::kCmdCheatCodes, app::kCmdWhatAreFaqs, 4711}) {
    EXPECT_FALSE(w.isEnabled(id)) << id;
    EXPECT_FALSE(w.execute(id)) << id;
  }
  EXPECT_EQ(prompter.boxes().size(), boxes);
  EXPECT_TRUE(processes.calls().empty());
  EXPECT_EQ(host.closes, 0);
}

TEST_F(RoutingTest, DialogCommandsNeedTheDialogs) {
  app::MainWindow& bare = startWindow({false, false});
  EXPECT_FALSE(bare.execute(app::kCmdDefineGame));
  EXPECT_FALSE(bare.execute(app::kCmdLaunchOptions));
  EXPECT_TRUE(host.dialogAdvancedSetup.empty());

  app::MainWindow& full = startWindow({true, true});
  EXPECT_TRUE(full.execute(app::kCmdToolLaunchOptions));
  EXPECT_EQ(host.launchOptionDialogs, 1);
  full.execute(app::kCmdToolSoundVideoOptions);
  full.execute(app::kCmdDemoSpawnOptions);
  EXPECT_EQ(host.optionDialogs, (std::vector<int>{32914, 32787}));
}

TEST_F(RoutingTest, DrivesDialogRefreshesTheFileListsOnlyAfterAChange) {
  app::MainWindow& bare = startWindow({false, false});
  EXPECT_FALSE(bare.execute(app::kCmdDrives));
  EXPECT_EQ(host.drivesDialogs, 0);

  app::MainWindow& full = startWindow({true, true});
  EXPECT_TRUE(full.isEnabled(app::kCmdDrives));
  const int refreshes = host.fileListRefreshes;
  EXPECT_TRUE(full.execute(app::kCmdDrives));
  EXPECT_EQ(host.drivesDialogs, 1);
  EXPECT_EQ(host.fileListRefreshes, refreshes);
  host.drivesChanged = true;
  full.execute(app::kCmdDrives);
  EXPECT_EQ(host.fileListRefreshes, refreshes + 1);
}

TEST_F(RoutingTest, PickingAnUndefinedGameTellsSoAndKeepsTheCurrentOne) {
  app::MainWindow& w = startWindow();
  const int refreshes = host.refreshes;
  w.execute(app::kCmdGamePickFirst + 7);
  EXPECT_EQ(prompter.texts().back(),
            "Game Selected is not defined.  See Define Game or GamePick for more information");
  EXPECT_EQ(cat->currentSlot(), 0);
  EXPECT_EQ(host.refreshes, refreshes);
}

TEST_F(RoutingTest, PickingADefinedGameSwitchesAndRefreshes) {
  fs.putFile("D:\\GAMES\\Quake\\QUAKE.EXE", "MZ");
  app::MainWindow& w = startWindow();
  const int refreshes = host.refreshes;
  w.execute(app::kCmdGamePickFirst + 5);
  EXPECT_EQ(cat->currentSlot(), 5);
  EXPECT_EQ(cat->current().get(gi::GameName), "Quake");
  EXPECT_EQ(host.refreshes, refreshes + 1);
}

TEST_F(RoutingTest, LaunchSelectionsSurviveSwitchingToAnotherGameAndBack) {
  fs.putFile("D:\\GAMES\\Quake\\QUAKE.EXE", "MZ");
  app::MainWindow& w = startWindow();
  cat->gameData().set(gd::SkillIndex, 2);
  cat->gameData().set(gd::GodMode, 1);
  w.execute(app::kCmdGamePickFirst + 5);
  EXPECT_EQ(cat->gameData().get(gd::SkillIndex), 0);
  w.execute(app::kCmdGamePickFirst);
  EXPECT_EQ(cat->gameData().get(gd::SkillIndex), 2);
  EXPECT_EQ(cat->gameData().get(gd::GodMode), 1);
}

TEST_F(RoutingTest, SelectGameButtonTakesTheOtherSlotWhenTheFirstIsUndefined) {
  // Only the later Duke Nukem 3D is installed, and Quake.
  fs.putFile(std::string(kDukeDir) + "cdrom.ini", "");
  fs.putFile("D:\\GAMES\\Quake\\QUAKE.EXE", "MZ");
  app::MainWindow& w = startWindow();
  ASSERT_EQ(cat->currentSlot(), 1);
  w.execute(32954);  // Quake: its own slot is defined
  EXPECT_EQ(cat->currentSlot(), 5);
  w.execute(32955);  // Duke3D 1.3: not there, so the later version
  EXPECT_EQ(cat->currentSlot(), 1);
  for (const std::string& text : prompter.texts())
    EXPECT_EQ(text.find("not defined"), std::string::npos) << text;
  w.execute(32956);  // Blood has no other slot: not defined
  EXPECT_EQ(cat->currentSlot(), 1);
  EXPECT_NE(prompter.texts().back().find("not defined"), std::string::npos);
}

TEST_F(RoutingTest, SavedGameSlotsNeedTheGamesSwitch) {
  app::MainWindow& w = startWindow();
  cat->current().set(gi::RunSavedGameCommand, "");
  cat->current().set(gi::SavedGamePickCommand, "");
  EXPECT_FALSE(w.isEnabled(app::kCmdSavedGameFirst));
  EXPECT_FALSE(w.execute(app::kCmdSavedGameFirst));
  cat->current().set(gi::RunSavedGameCommand, "/l");
  ASSERT_TRUE(w.isEnabled(app::kCmdSavedGameFirst + 2));
  // No saved-game pick switch: told so, nothing started.
  w.execute(app::kCmdSavedGameFirst + 2);
  EXPECT_EQ(prompter.texts().back(), "No GamePick options set for running Saved games");
  EXPECT_EQ(sessions(), 0u);
}

TEST_F(RoutingTest, ASavedGameSlotLaunchesWithItsDigitOnce) {
  app::MainWindow& w = startWindow();
  cat->current().set(gi::RunSavedGameCommand, "/l");
  cat->current().set(gi::SavedGamePickCommand, "<cml>/l<var>");
  ASSERT_TRUE(w.execute(app::kCmdSavedGameFirst + 2));  // "Slot 3"
  ASSERT_EQ(sessions(), 1u);
  const std::vector<std::string>& args = processes.calls().front().args;
  EXPECT_NE(std::find(args.begin(), args.end(), "/l2"), args.end());
  EXPECT_TRUE(session().PendingSavedGame.empty());  // used by that one launch
}

TEST_F(RoutingTest, TheWeaponOrderMovedInItsFormIsWhatTheNextLaunchSends) {
  app::MainWindow& w = startWindow();
  ASSERT_TRUE(w.execute(app::kCmdWeaponsOption));
  EXPECT_EQ(prompter.texts().back(), content::WeaponOrder::kNoOptions);
  cat->current().set(gi::WeaponOrderCommand, "<cml>/w<var>", 0);
  host.onWeaponOrder = [](content::WeaponOrder& order) { order.moveDown(0); };
  ASSERT_TRUE(w.execute(app::kCmdWeaponsOption));
  EXPECT_EQ(cat->gameData().get(gd::WeaponOrder), "4357860291");
  ASSERT_TRUE(w.execute(app::kCmdPlay));
  ASSERT_EQ(sessions(), 1u);
  const std::vector<std::string>& args = processes.calls().front().args;
  EXPECT_NE(std::find(args.begin(), args.end(), "/w4"), args.end());
}

TEST_F(RoutingTest, EditUserConOpensThePickedConOrTheListDirectorysWithTheGamesFiles) {
  app::MainWindow& w = startWindow();
  fs.putFile(std::string(kDukeDir) + "GAME.CON", "include USER.CON\r\n");
  fs.putFile(std::string(kDukeDir) + "USER.CON", "definevolumename 0 STOCK\r\n");
  fs.makeDirectories("D:\\ADDON");
  host.listDirectory = "D:\\ADDON\\";
  std::string opened;
  host.onConEditor = [&](content::ConEditor& editor) {
    opened =
        editor.data().conDirectory + editor.data().userConName + " " + editor.data().volumeName[0];
  };
  const int refreshes = host.fileListRefreshes;
  ASSERT_TRUE(w.execute(app::kCmdEditUserCon));
  EXPECT_EQ(opened, "D:\\ADDON\\USER.CON STOCK");
  EXPECT_TRUE(fs.exists("D:\\ADDON\\GAME.CON"));
  EXPECT_EQ(host.fileListRefreshes, refreshes + 1);

  // A picked CON file is the one edited; nothing is copied.
  fs.putFile("D:\\OTHER\\XUSER.CON", "definevolumename 0 OTHER\r\n");
  cat->gameData().set(gd::SelectedFile, "D:\\OTHER\\XGAME.CON");
  ASSERT_TRUE(w.execute(app::kCmdEditUserCon));
  EXPECT_EQ(opened, "D:\\OTHER\\XUSER.CON OTHER");
  EXPECT_FALSE(fs.exists("D:\\OTHER\\GAME.CON"));
}

TEST_F(RoutingTest, ANewRtsFileIsTheGamesOwnCopiedIntoTheListDirectory) {
  app::MainWindow& w = startWindow();
  ASSERT_TRUE(w.execute(app::kCmdEditRts));  // nothing picked
  EXPECT_EQ(prompter.texts().back(), app::kNoRtsSelected);
  fs.putFile(std::string(kDukeDir) + "DUKE.RTS", std::string(200, 'r'));
  fs.makeDirectories("D:\\ADDON");
  host.listDirectory = "D:\\ADDON\\";
  ASSERT_TRUE(w.execute(app::kCmdCreateRts));
  EXPECT_EQ(fs.readWhole("D:\\ADDON\\new.rts"), fs.readWhole(std::string(kDukeDir) + "DUKE.RTS"));
  // The game's definition names no RTS tool: said, and the form stays closed.
  EXPECT_NE(prompter.texts().back().find("program is not in the Game directory"),
            std::string::npos);
  // No list directory: the game directory.
  host.listDirectory = "";
  ASSERT_TRUE(w.execute(app::kCmdCreateRts));
  EXPECT_EQ(fs.readWhole(std::string(kDukeDir) + "new.rts"),
            fs.readWhole(std::string(kDukeDir) + "DUKE.RTS"));
}

TEST_F(RoutingTest, RunStartsTheGameAndRefreshesAfterwards) {
  app::MainWindow& w = startWindow();
  const int refreshes = host.refreshes;
  ASSERT_TRUE(w.execute(app::kCmdPlay));
  EXPECT_EQ(sessions(), 1u);
  ASSERT_FALSE(processes.calls().empty());
  EXPECT_NE(processes.calls().front().program.find("dmpatch95.pif"), std::string::npos);
  EXPECT_EQ(host.refreshes, refreshes + 1);
  EXPECT_EQ(host.closes, 0);
}

TEST_F(RoutingTest, ALaunchThatHandsOverClosesTheWindow) {
  app::MainWindow& w = startWindow();
  cat->current().set(gi::DosModeOnly, 1);
  w.execute(app::kCmdRun);
  EXPECT_EQ(host.closes, 1);
}

TEST_F(RoutingTest, HelpFilesOpenThroughTheCommandInterpreter) {
  app::MainWindow& w = startWindow();
  cat->current().set(gi::HelpFile, "readme.txt", 0);
  cat->current().set(gi::HelpFile, "C:\\DOCS\\FAQ.TXT", 1);
  cat->current().set(gi::HelpFile, "\\NET\\HOWTO.TXT", 2);  // not a full path
  cat->current().set(gi::HelpFile, "", 3);
  w.execute(32823);
  w.execute(32824);
  w.execute(32825);
  EXPECT_FALSE(w.execute(32826));  // an empty entry does nothing
  EXPECT_EQ(commands(), (std::vector<std::string>{"start D:\\games\\Duke3d\\readme.txt",
                                                  "start C:\\DOCS\\FAQ.TXT",
                                                  "start D:\\games\\Duke3d\\\\NET\\HOWTO.TXT"}));
}

TEST(HelpFileCommand, FileNamesWithoutADriveOrRootGoUnderTheGameDirectory) {
  catalogue::GameInfoRecord game;
  game.set(gi::GameDir, "E:\\DOOM\\");
  game.set(gi::HelpFile, "ab:c.txt", 0);  // a ":" anywhere but second does not make it full
  game.set(gi::HelpFile, "\\\\SERVER\\FAQ.TXT", 2);
  EXPECT_EQ(app::helpFileCommand(game, 0), "start E:\\DOOM\\ab:c.txt");
  EXPECT_EQ(app::helpFileCommand(game, 2), "start \\\\SERVER\\FAQ.TXT");
  EXPECT_EQ(app::helpFileCommand(game, 1), "");
  EXPECT_EQ(app::helpFileCommand(game, 10), "");
}

TEST_F(RoutingTest, ExpertModeWarnsAndToggles) {
  app::MainWindow& w = startWindow();
  w.execute(app::kCmdExpertMode);
  EXPECT_EQ(prompter.texts().back(),
            "Warning: This setting will remove all prompts from the copy, move, and delete "
            "functions");
  EXPECT_TRUE(w.isChecked(app::kCmdExpertMode));
  w.execute(app::kCmdExpertMode);
  EXPECT_FALSE(w.isChecked(app::kCmdExpertMode));
  EXPECT_EQ(host.fileListRefreshes, 2);
}

TEST_F(RoutingTest, FileManagerSettingsToggle) {
  app::MainWindow& w = startWindow();
  w.execute(app::kCmdDisableFileManager);
  EXPECT_EQ(cat->univ().get(ui::DisableFileManager), 1);
  EXPECT_TRUE(w.isChecked(app::kCmdDisableFileManager));
  w.execute(app::kCmdAutoTextTab);
  EXPECT_TRUE(w.isChecked(app::kCmdAutoTextTab));
  EXPECT_FALSE(w.isChecked(app::kCmdManualTextTab));
  w.execute(app::kCmdManualTextTab);
  EXPECT_FALSE(w.isChecked(app::kCmdAutoTextTab));
  EXPECT_TRUE(w.isChecked(app::kCmdManualTextTab));
  EXPECT_EQ(cat->univ().get(ui::AutoTextTab), 0);
  w.execute(app::kCmdFileListHome);
  EXPECT_EQ(host.fileListResets, 1);
}

TEST_F(RoutingTest, BarsShowAndHide) {
  app::MainWindow& w = startWindow();
  w.execute(app::kCmdViewToolbar);
  EXPECT_FALSE(host.toolbar);
  EXPECT_FALSE(w.isChecked(app::kCmdViewToolbar));
  w.execute(app::kCmdViewStatusBar);
  EXPECT_FALSE(host.statusBar);
  w.execute(app::kCmdViewStatusBar);
  EXPECT_TRUE(w.isChecked(app::kCmdViewStatusBar));
}

TEST_F(RoutingTest, DefineGameSavesFirstAndRepeatsUntilAGameIsChosen) {
  app::MainWindow& w = startWindow();
  host.rect = {5, 6, 700, 500};
  int runs = 0;
  host.onLocationDialog = [&] {
    // The first run leaves no game selected; the second defines one.
    ++runs;
    const int slot = runs == 1 ? catalogue::kNoSlotSelected : 0;
    cat->univ().set(ui::CurrentSlot, slot);
    return slot;
  };
  cat->univ().set(ui::AdvancedSetup, 0);
  w.execute(app::kCmdDefineGame);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(host.dialogAdvancedSetup, (std::vector<int>{0, 0}));
  EXPECT_EQ(prompter.texts().back(),
            "You did not define a game.  You must define a game to continue.");
  EXPECT_EQ(cat->currentSlot(), 0);
  // The window rectangle went to the settings file before the dialog ran.
  auto saved = fs.readWhole(startupFile(catalogue::kUnivInfoFile));
  ASSERT_TRUE(saved);
  EXPECT_EQ(catalogue::image::readInt(*saved, 7249), 5);
}

TEST_F(RoutingTest, SetupProgramsAreStartedAfterASave) {
  app::MainWindow& w = startWindow();
  host.rect = {7, 8, 700, 500};
  cat->current().set(gi::EditorSetupProgram, "bsetup.exe");
  fs.putFile(std::string(kDukeDir) + "BSETUP.EXE", "MZ");
  ASSERT_TRUE(w.execute(app::kCmdRunEditorSetup));
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_EQ(processes.calls()[0].kind, platform::FakeProcesses::Kind::kDosStart);
  EXPECT_TRUE(platform::dos::equalsIgnoreCase(processes.calls()[0].program,
                                              std::string(kDukeDir) + "bsetup.exe"));
  auto saved = fs.readWhole(startupFile(catalogue::kUnivInfoFile));
  ASSERT_TRUE(saved);
  EXPECT_EQ(catalogue::image::readInt(*saved, 7249), 7);
  EXPECT_EQ(host.closes, 0);
}

TEST_F(RoutingTest, ClosingSavesTheCatalogueAndTheGamesSelections) {
  app::MainWindow& w = startWindow();
  cat->gameData().set(gd::LevelIndex, 4);
  cat->univ().set(ui::FileManagerExpertMode, 1);
  w.closeView();
  auto univ = fs.readWhole(startupFile(catalogue::kUnivInfoFile));
  ASSERT_TRUE(univ);
  EXPECT_EQ(catalogue::image::readInt(*univ, 7152), 1);
  auto data = fs.readWhole(catalogue::gameDataPath(kStartup, 0));
  ASSERT_TRUE(data);
  ASSERT_EQ(data->size(), catalogue::GameDataRecord::kSize);
  EXPECT_EQ((*data)[4295], 4);
}

TEST_F(RoutingTest, AFailedSaveAtExitIsShownAndTheOldFileKept) {
  app::MainWindow& w = startWindow();
  fs.failReplace(startupFile(catalogue::kUnivInfoFile));
  cat->univ().set(ui::FileManagerExpertMode, 1);
  w.closeView();
  ASSERT_FALSE(prompter.texts().empty());
  EXPECT_EQ(
      prompter.texts().back().rfind("Could not save " + startupFile(catalogue::kUnivInfoFile), 0),
      0u)
      << prompter.texts().back();
  auto univ = fs.readWhole(startupFile(catalogue::kUnivInfoFile));
  ASSERT_TRUE(univ);
  EXPECT_EQ(catalogue::image::readInt(*univ, 7152), 0) << "the old file is whole";
}

TEST_F(RoutingTest, SpaceOrbCheckAsksFirst) {
  app::MainWindow& w = startWindow();
  prompter.script({platform::Answer::kNo});
  w.execute(app::kCmdSpaceOrb);
  ASSERT_FALSE(prompter.boxes().empty());
  EXPECT_EQ(prompter.boxes().back().buttons, platform::Buttons::kYesNo);
}

TEST_F(RoutingTest, ExitAndAboutGoToTheWindow) {
  app::MainWindow& w = startWindow();
  w.execute(app::kCmdAbout);
  w.execute(app::kCmdExit);
  EXPECT_EQ(host.abouts, 1);
  EXPECT_EQ(host.closes, 1);
}

TEST_F(RoutingTest, DefaultFilesShowTheConfigurationFilesAndTheOverrideDirectory) {
  app::MainWindow& w = startWindow();
  ASSERT_TRUE(app::commandBuilt(app::kCmdDisplayDefaultFiles, app::builtFeatures({false, false})));
  cat->gameData().set(gd::ConfigFileName, "DUKE3D.CFG", 0);
  cat->gameData().set(gd::ConfigFileDir, "D:\\GAMES\\DUKE3D\\", 0);
  cat->gameData().set(gd::ConfigFileDir, "D:\\ORPHAN\\", 2);  // a directory without a file
  cat->current().set(catalogue::game_info::OverrideMapDir, "MYMAPS");
  w.execute(app::kCmdDisplayDefaultFiles);
  ASSERT_EQ(host.defaultFiles.size(), 6u);
  EXPECT_EQ(host.defaultFiles[0].label, "CFG/Data1");
  EXPECT_EQ(host.defaultFiles[0].value, "D:\\GAMES\\DUKE3D\\DUKE3D.CFG");
  EXPECT_EQ(host.defaultFiles[2].label, "CFG/Data3");
  EXPECT_EQ(host.defaultFiles[2].value, "");
  EXPECT_EQ(host.defaultFiles[5].label, "Override Dir");
  EXPECT_EQ(host.defaultFiles[5].value, "MYMAPS");
}

TEST_F(RoutingTest, ResetRunsTheSearchAgainBehindTheProgressIndicator) {
  app::MainWindow& w = startWindow();
  prompter.script({platform::Answer::kYes});
  w.execute(app::kCmdResetDataFiles);
  EXPECT_EQ(host.searchesBegun, 2);
  EXPECT_EQ(host.searchesEnded, 2);
  EXPECT_EQ(cat->currentSlot(), 0);
}

}  // namespace
