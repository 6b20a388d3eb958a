// A first start: defaults installed, drives searched, files written; the next start loads.
#include "catalogue/catalogue_files.h"
#include "catalogue/default_univ_info.h"
#include "input/space_orb_check.h"
#include "support/catalogue_fixture.h"

namespace {

using namespace catalogue;
using testsupport::fileSize;

class FirstStartTest : public testsupport::CatalogueTest {};

TEST_F(FirstStartTest, DukeWithoutCdromIniIsTheRegisteredVersionInSlotZero) {
  fs.putFile("D:\\games\\DUKE3D\\DUKE3D.EXE", "MZ");
  Catalogue& c = makeCatalogue();
  ASSERT_TRUE(c.LoadCatalogue());

  EXPECT_EQ(c.currentSlot(), 0);
  EXPECT_TRUE(prompter.boxes().empty());
  GameInfoRecord duke = c.ReadGameRecord(0);
  EXPECT_EQ(duke.get(game_info::GameName), "Duke3D 1.3 Reg.");
  EXPECT_EQ(duke.get(game_info::GameDir), "D:\\games\\Duke3d\\");
  EXPECT_EQ(duke.get(game_info::ExecuteFile), "duke3d.exe");
  EXPECT_EQ(duke.get(game_info::Marker), kValidMarker);
  EXPECT_TRUE(c.ReadGameRecord(1).get(game_info::GameDir).empty());
  EXPECT_EQ(c.currentGameDirectory(), "D:\\games\\Duke3d\\");

  EXPECT_EQ(fileSize(fs, startupFile(kUnivInfoFile)), UnivInfoRecord::kSize);
  EXPECT_EQ(fileSize(fs, startupFile(kGameInfoFile)), 20 * GameInfoRecord::kSize);
  auto univ = UnivInfoRecord::fromBytes(*fs.readWhole(startupFile(kUnivInfoFile)));
  EXPECT_EQ(univ.get(univ_info::Marker1), kValidMarker);
  EXPECT_EQ(univ.get(univ_info::Marker2), kValidMarker);
  EXPECT_EQ(univ.get(univ_info::CurrentSlot), 0);
  EXPECT_EQ(univ.get(univ_info::FileManagerMode), 4);
  // The game data record of the found game was made in the start-up directory.
  EXPECT_EQ(fileSize(fs, gameDataPath(kStartup, 0)), GameDataRecord::kSize);
}

TEST_F(FirstStartTest, CdromIniMakesItTheLaterVersion) {
  fs.putFile("D:\\GAMES\\duke3d\\duke3d.exe", "MZ");
  fs.putFile("D:\\GAMES\\duke3d\\CDROM.INI", "");
  Catalogue& c = makeCatalogue();
  ASSERT_TRUE(c.LoadCatalogue());
  EXPECT_EQ(c.currentSlot(), 1);
  EXPECT_TRUE(c.ReadGameRecord(0).get(game_info::GameDir).empty());
  EXPECT_EQ(c.ReadGameRecord(1).get(game_info::GameName), "Duke3D 1.4 && 1.5");
}

TEST_F(FirstStartTest, DrivesAreSearchedBeforeParentsChangeAndTheFirstFoundIsCurrent) {
  fs.putFile("C:\\games\\Doom2\\DOOM2.EXE", "MZ");
  fs.putFile("D:\\Doom2\\doom2.exe", "MZ");  // the root of D: comes after every parent of C:
  fs.putFile("D:\\Quake\\quake.exe", "MZ");
  Catalogue& c = makeCatalogue();
  ASSERT_TRUE(c.LoadCatalogue());
  EXPECT_EQ(c.ReadGameRecord(7).get(game_info::GameDir), "C:\\games\\Doom2\\");
  EXPECT_EQ(c.ReadGameRecord(5).get(game_info::GameDir), "D:\\Quake\\");
  EXPECT_EQ(c.currentSlot(), 5);
}

TEST_F(FirstStartTest, ListedGameLandsInSlotTwenty) {
  fs.putFile("D:\\games\\MYGAME\\GO.EXE", "MZ");
  fs.putFile(
      startupFile(kGameListFile),
      "[Missing Game]\r\nExecuteFile = \"nothere.exe\"\r\nSearchDir = \"NOPE\"\r\n"
      "[My Game]\r\nExecuteFile = \"go.exe\"\r\nSearchDir = \"mygame\"\r\nGameType = \"1\"\r\n"
      "LoadSkillInstructions = \"/s<skill>\"\r\nCFGFile2=\"my.cfg\"\r\n");
  Catalogue& c = makeCatalogue();
  ASSERT_TRUE(c.LoadCatalogue());
  EXPECT_EQ(c.currentSlot(), 20);
  EXPECT_EQ(fileSize(fs, startupFile(kGameInfoFile)), 21 * GameInfoRecord::kSize);
  GameInfoRecord mine = c.ReadGameRecord(20);
  EXPECT_EQ(mine.get(game_info::GameName), "My Game");
  EXPECT_EQ(mine.get(game_info::GameDir), "D:\\games\\mygame\\");
  EXPECT_EQ(mine.get(game_info::ExecuteFile), "go.exe");
  EXPECT_EQ(mine.get(game_info::IpxExecuteFile), "go.exe");
  EXPECT_EQ(mine.get(game_info::GameKind), 2);  // started from factory record 1
  EXPECT_EQ(mine.get(game_info::SkillCommand), "/s<skill>");
  EXPECT_EQ(mine.get(game_info::ConfigFile, 1), "my.cfg");
}

TEST_F(FirstStartTest, NextStartLoadsWithoutSearchingAgain) {
  fs.putFile("D:\\games\\DUKE3D\\DUKE3D.EXE", "MZ");
  ASSERT_TRUE(makeCatalogue().LoadCatalogue());
  cat->univ().set(univ_info::CloseOnLaunch, 1);
  GameInfoRecord duke = cat->current();
  duke.set(game_info::SkillCommand, "/s<skill>");
  cat->current() = duke;
  ASSERT_TRUE(cat->SaveCatalogue());

  // A game installed since is not picked up: the search only runs on a first start.
  fs.putFile("D:\\Quake\\quake.exe", "MZ");
  Catalogue& again = makeCatalogue();
  ASSERT_TRUE(again.LoadCatalogue());
  EXPECT_EQ(again.currentSlot(), 0);
  EXPECT_EQ(again.univ().get(univ_info::CloseOnLaunch), 1);
  EXPECT_EQ(again.current().get(game_info::SkillCommand), "/s<skill>");
  EXPECT_TRUE(again.ReadGameRecord(5).get(game_info::GameDir).empty());
}

TEST_F(FirstStartTest, AnInvalidCurrentRecordRunsTheFirstStartAgain) {
  fs.putFile("D:\\games\\DUKE3D\\DUKE3D.EXE", "MZ");
  ASSERT_TRUE(makeCatalogue().LoadCatalogue());
  auto game = *fs.readWhole(startupFile(kGameInfoFile));
  game[12254] = 0;  // the high byte of slot 0's marker
  fs.putFile(startupFile(kGameInfoFile), game);
  fs.putFile("D:\\Quake\\quake.exe", "MZ");
  ASSERT_TRUE(makeCatalogue().LoadCatalogue());
  EXPECT_EQ(cat->ReadGameRecord(5).get(game_info::GameDir), "D:\\Quake\\");
}

class ScriptedLocationDialog : public GameLocationDialogRunner {
 public:
  explicit ScriptedLocationDialog(Catalogue& c) : cat(c) {}
  int runGameLocationDialog(int advancedSetup) override {
    seenAdvancedSetup.push_back(advancedSetup);
    if (runs++ < emptyRuns) return kNoSlotSelected;
    cat.SetGameLocation("D:\\MYGAME", 3, "MY.EXE");
    return 3;
  }
  Catalogue& cat;
  int emptyRuns = 0;
  int runs = 0;
  std::vector<int> seenAdvancedSetup;
};

TEST_F(FirstStartTest, NoGameFoundAsksTheUserToDefineOne) {
  Catalogue& c = makeCatalogue();
  ScriptedLocationDialog dialog(c);
  dialog.emptyRuns = 1;
  c.setGameLocationDialog(&dialog);
  prompter.script({platform::Answer::kOk, platform::Answer::kOk});
  ASSERT_TRUE(c.LoadCatalogue());
  ASSERT_EQ(prompter.texts().size(), 2u);
  EXPECT_EQ(prompter.texts()[0],
            "Quillfen95 has the ability to launch up to tweenty different games.  Please select "
            "the game(s) you which to launch and initialize.");
  EXPECT_EQ(prompter.texts()[1],
            "No Game defined.  In order to continue at least one game must be defined");
  EXPECT_EQ(dialog.seenAdvancedSetup, (std::vector<int>{1, 1}));
  EXPECT_EQ(c.currentSlot(), 3);
  EXPECT_EQ(c.current().get(game_info::GameDir), "D:\\MYGAME\\");
  EXPECT_EQ(c.current().get(game_info::IsDefined), 1);
}

TEST_F(FirstStartTest, DecliningToDefineAGameReturnsFalse) {
  Catalogue& c = makeCatalogue();
  ScriptedLocationDialog dialog(c);
  dialog.emptyRuns = 100;
  c.setGameLocationDialog(&dialog);
  prompter.script({platform::Answer::kOk, platform::Answer::kCancel});
  EXPECT_FALSE(c.LoadCatalogue());
  EXPECT_EQ(dialog.runs, 1);
  EXPECT_EQ(c.currentSlot(), kNoSlotSelected);
}

TEST_F(FirstStartTest, MissingFactoryDefinitionsAreReportedAndTheStartGoesOn) {
  fs.deleteFile(startupFile(kDefaultRecordsFile));
  fs.putFile("D:\\games\\DUKE3D\\DUKE3D.EXE", "MZ");
  Catalogue& c = makeCatalogue();
  EXPECT_TRUE(c.LoadCatalogue());
  ASSERT_FALSE(prompter.texts().empty());
  EXPECT_EQ(prompter.texts()[0], "Could not open \"Quillfen.Sig\" file for read");
  EXPECT_EQ(c.current().get(game_info::ExecuteFile), "duke3d.exe");
}

TEST_F(FirstStartTest, ResetKeepsTheUsersListsAndSearchesAgain) {
  fs.putFile("D:\\games\\DUKE3D\\DUKE3D.EXE", "MZ");
  Catalogue& c = makeCatalogue();
  ASSERT_TRUE(c.LoadCatalogue());
  c.univ().set(univ_info::PhoneNameList, "Bob", 0);
  c.univ().set(univ_info::PhoneNumberList, "555-0100", 0);
  c.univ().set(univ_info::PlayerNameList, "Zed", 0);
  c.univ().set(univ_info::CloseOnLaunch, 1);
  c.current().set(game_info::SkillCommand, "changed");

  prompter.script({platform::Answer::kNo});
  c.ResetAllDataFiles();
  EXPECT_EQ(c.current().get(game_info::SkillCommand), "changed");

  prompter.script({platform::Answer::kYes});
  c.ResetAllDataFiles();
  EXPECT_EQ(c.univ().get(univ_info::PhoneNameList, 0), "Bob");
  EXPECT_EQ(c.univ().get(univ_info::PhoneNumberList, 0), "555-0100");
  EXPECT_EQ(c.univ().get(univ_info::PlayerNameList, 0), "Zed");
  EXPECT_EQ(c.univ().get(univ_info::CloseOnLaunch), 0);
  EXPECT_EQ(c.currentSlot(), 0);
  const auto factory = GameInfoRecord::fromBytes(testsupport::builtFactoryDefinitions());
  EXPECT_EQ(c.current().get(game_info::SkillCommand), factory.get(game_info::SkillCommand));
  EXPECT_EQ(c.current().get(game_info::GameDir), "D:\\games\\Duke3d\\");
}

TEST_F(FirstStartTest, AliasedFoldersAreFoundThroughTheirLongNames) {
  // "PROGRA~1\" and "HEXENI~1\H2.exe" name folders by their 8.3 aliases.
  fs.putFile("D:\\Program Files\\Hexen II\\h2.exe", "MZ");
  // A usual place comes before a player's own folder.
  fs.putFile("E:\\Hexen\\h2.exe", "MZ");
  Catalogue& c = makeCatalogue();
  ASSERT_TRUE(c.LoadCatalogue());
  EXPECT_EQ(c.ReadGameRecord(18).get(game_info::GameDir), "D:\\PROGRA~1\\HEXENI~1\\");
  EXPECT_EQ(c.currentSlot(), 18);
}

TEST_F(FirstStartTest, AResetLeavesTheGamesDefinedAfterTheFactoryOnes) {
  fs.putFile("D:\\games\\DUKE3D\\DUKE3D.EXE", "MZ");
  Catalogue& c = makeCatalogue();
  ASSERT_TRUE(c.LoadCatalogue());
  GameInfoRecord own = c.ReadGameRecord(0);
  own.set(game_info::GameName, "My own game");
  ASSERT_TRUE(c.WriteGameRecord(22, own));

  prompter.script({platform::Answer::kYes});
  c.ResetAllDataFiles();
  EXPECT_EQ(c.ReadGameRecord(22).get(game_info::GameName), "My own game");
  EXPECT_EQ(c.ReadGameRecord(0).get(game_info::GameDir), "D:\\games\\Duke3d\\");
}

TEST_F(FirstStartTest, SilentSpaceOrbCheckRunsAtTheEnd) {
  fs.putFile("C:\\SPCWARE\\SOW95OFF.EXE", "MZ");
  fs.putFile("D:\\games\\DUKE3D\\DUKE3D.EXE", "MZ");
  Catalogue& c = makeCatalogue();
  c.setAfterSearch([&] { input::SpaceOrbCheck(fs, prompter, c.univ(), false); });
  ASSERT_TRUE(c.LoadCatalogue());
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"SpaceOrb found and loaded."});
  EXPECT_EQ(c.univ().get(univ_info::SpaceOrbOn), 1);
}

TEST(DefaultSettings, HoldTheFactoryListsAndSockets) {
  UnivInfoRecord univ = defaultUnivInfo();
  EXPECT_EQ(univ.get(univ_info::PhoneNameList, 0), "Enter Phone-Name Here");
  EXPECT_EQ(univ.get(univ_info::PhoneNumberList, 0), "Enter Number Here");
  EXPECT_EQ(univ.get(univ_info::UnzipProgram), "pkunzip.exe");
  const auto& b = univ.bytes();
  EXPECT_EQ(b[3430] | b[3431] << 8, 0x4455);
  EXPECT_EQ(b[3446] | b[3447] << 8, 0x99AA);
  for (size_t i = 0; i < 10; ++i) EXPECT_FALSE(univ.get(univ_info::PlayerNameList, i).empty());
  EXPECT_NE(univ.get(univ_info::Marker1), kValidMarker);
}

}  // namespace
