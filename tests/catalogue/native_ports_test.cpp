// The first start's look for native ports: each port found with its game data becomes a game
// in the next free slot from 20, from the built-in definition of its game, run with the port.

#include "catalogue/run_with.h"
#include "support/catalogue_fixture.h"

namespace {

using namespace catalogue;

class NativePortsTest : public testsupport::CatalogueTest {
 protected:
  NativePortsTest() {
    // The whole machine as Z:, as a new prefix has it.
    EXPECT_EQ(fs.driveMap()->mapDrive('Z', "/"), "");
    fs.putHostFile("/usr/share/games/doom/freedoom1.wad", "IWAD");
    fs.putHostFile("/usr/share/games/doom/freedoom2.wad", "IWAD");
    fs.putHostFile("/usr/share/games/heretic/HERETIC.WAD", "IWAD");
    native().addProgram("chocolate-doom", "/usr/games/chocolate-doom");
  }
  platform::FakeNativePrograms& native() { return machine.fakeNativePrograms; }
  void dataFiles(std::initializer_list<const char*> files) {
    for (const char* file : files) native().addDataFile(file);
  }
};

TEST_F(NativePortsTest, FreedoomIsDefinedFromTheDoomRecordsAndRunsWithThePort) {
  dataFiles({"/usr/share/games/doom/freedoom1.wad", "/usr/share/games/doom/freedoom2.wad",
             "/usr/share/games/heretic/HERETIC.WAD"});
  ASSERT_TRUE(makeCatalogue().LoadCatalogue());
  // No DOS game anywhere: the first game found is the one selected.
  EXPECT_EQ(cat->currentSlot(), 20);
  EXPECT_TRUE(prompter.boxes().empty());

  // Phase 2 first: the port's main game.
  const GameInfoRecord phase2 = cat->ReadGameRecord(20);
  EXPECT_EQ(phase2.get(game_info::GameName), "Freedoom: Phase 2");
  EXPECT_EQ(phase2.get(game_info::GameDir), "Z:\\usr\\share\\games\\doom\\");
  EXPECT_EQ(phase2.get(game_info::ExecuteFile), "FREEDO~2.WAD");  // the field takes 8.3 names
  EXPECT_EQ(phase2.get(game_info::IsDefined), 1);
  EXPECT_EQ(phase2.get(game_info::GameKind), 8);  // Doom II's
  EXPECT_EQ(phase2.get(game_info::LevelCommand), "<cml>-warp <var>");
  EXPECT_EQ(phase2.get(game_info::FileKindLoadCommand, 0), "<cml>-file <var>");
  EXPECT_EQ(cat->runWith(20), (RunWith{true,
                                       "/usr/games/chocolate-doom",
                                       {"-iwad", "/usr/share/games/doom/freedoom2.wad"}}));

  const GameInfoRecord phase1 = cat->ReadGameRecord(21);
  EXPECT_EQ(phase1.get(game_info::GameName), "Freedoom: Phase 1");
  EXPECT_EQ(phase1.get(game_info::GameKind), 9);  // Doom I's
  EXPECT_EQ(cat->runWith(21).arguments.back(), "/usr/share/games/doom/freedoom1.wad");

  // Heretic's data is there, its port is not.
  EXPECT_EQ(cat->ReadGameRecord(22), GameInfoRecord());
  EXPECT_EQ(cat->runWith(22), RunWith{});
  // The built-in games run in DOSBox.
  EXPECT_EQ(cat->runWith(7), RunWith{});
}

TEST_F(NativePortsTest, PortsComeAfterTheListedGamesAndADosGameStaysSelected) {
  fs.putFile("D:\\Doom2\\doom2.exe", "MZ");
  fs.putFile("D:\\TWO\\two.exe", "MZ");
  fs.putFile(startupFile(kGameListFile), "[Two]\nExecuteFile=\"two.exe\"\nSearchDir=\"TWO\"\n");
  native().addProgram("chocolate-heretic", "/usr/games/chocolate-heretic");
  // A copy of the data elsewhere (first) and a file no game is.
  fs.putHostFile("/opt/wads/freedoom2.wad", "IWAD");
  fs.putHostFile("/opt/wads/readme.txt", "");
  dataFiles({"/opt/wads/freedoom2.wad", "/opt/wads/readme.txt",
             "/usr/share/games/doom/freedoom2.wad", "/usr/share/games/heretic/HERETIC.WAD"});
  ASSERT_TRUE(makeCatalogue().LoadCatalogue());

  EXPECT_EQ(cat->currentSlot(), 7);
  EXPECT_EQ(cat->ReadGameRecord(20).get(game_info::GameName), "Two");
  EXPECT_EQ(cat->runWith(20), RunWith{});
  EXPECT_EQ(cat->ReadGameRecord(21).get(game_info::GameName), "Freedoom: Phase 2");
  EXPECT_EQ(cat->ReadGameRecord(21).get(game_info::GameDir), "Z:\\opt\\wads\\");
  EXPECT_EQ(cat->ReadGameRecord(22).get(game_info::GameName), "Heretic");
  EXPECT_EQ(cat->ReadGameRecord(22).get(game_info::ExecuteFile), "HERETIC.WAD");
  EXPECT_EQ(cat->runWith(22).program, "/usr/games/chocolate-heretic");
  EXPECT_EQ(cat->ReadGameRecord(23), GameInfoRecord());
}

TEST_F(NativePortsTest, AResetFindsAGameInItsSlotAgainAndLeavesAPlayersGameAlone) {
  dataFiles({"/usr/share/games/doom/freedoom2.wad"});
  ASSERT_TRUE(makeCatalogue().LoadCatalogue());
  ASSERT_EQ(cat->ReadGameRecord(20).get(game_info::GameName), "Freedoom: Phase 2");
  GameInfoRecord own;
  own.set(game_info::GameName, "My Game");
  own.set(game_info::GameDir, "D:\\MINE\\");
  own.set(game_info::IsDefined, 1);
  own.set(game_info::Marker, kValidMarker);
  ASSERT_TRUE(cat->WriteGameRecord(21, own));

  dataFiles({"/usr/share/games/doom/freedoom1.wad"});
  cat->ResetAllDataFiles();
  EXPECT_EQ(cat->ReadGameRecord(20).get(game_info::GameName), "Freedoom: Phase 2");
  EXPECT_EQ(cat->ReadGameRecord(21).get(game_info::GameName), "My Game");
  EXPECT_EQ(cat->runWith(21), RunWith{});
  EXPECT_EQ(cat->ReadGameRecord(22).get(game_info::GameName), "Freedoom: Phase 1");
  EXPECT_TRUE(cat->runWith(22).native);
  EXPECT_EQ(cat->ReadGameRecord(23), GameInfoRecord());
}

TEST_F(NativePortsTest, DataNoDriveReachesIsNotDefinedAndAResetForgetsTheBuiltInChoices) {
  ASSERT_EQ(fs.driveMap()->changeDrive('Z', "/usr/share/games/heretic"), "");
  dataFiles({"/usr/share/games/doom/freedoom2.wad"});
  makeCatalogue().LoadCatalogue();
  EXPECT_EQ(cat->ReadGameRecord(20), GameInfoRecord());

  // A player's choice for a built-in slot goes with the slot's reset.
  fs.putFile("D:\\Doom2\\doom2.exe", "MZ");
  ASSERT_TRUE(cat->setRunWith(7, RunWith{true, "/usr/games/chocolate-doom", {}}));
  cat->ResetAllDataFiles();
  EXPECT_EQ(cat->runWith(7), RunWith{});
}

}  // namespace
