// Reading, writing, switching, defining and moving slots, and the game data record.
#include "support/catalogue_fixture.h"

namespace {

using namespace catalogue;
using testsupport::fileSize;

class CatalogueSlotsTest : public testsupport::CatalogueTest {
 protected:
  // A catalogue after a first start that found Duke Nukem 3D in slot 0.
  Catalogue& started() {
    fs.putFile("D:\\games\\DUKE3D\\DUKE3D.EXE", "MZ");
    Catalogue& c = makeCatalogue();
    EXPECT_TRUE(c.LoadCatalogue());
    return c;
  }
  GameInfoRecord named(const std::string& name, const std::string& dir) {
    GameInfoRecord r;
    r.set(game_info::GameName, name);
    r.set(game_info::GameDir, dir);
    r.set(game_info::IsDefined, 1);
    return r;
  }
};

TEST_F(CatalogueSlotsTest, SlotBeyondTheEndReadsAsEmptyAndWritingPadsWithCopies) {
  Catalogue& c = started();
  EXPECT_EQ(c.ReadGameRecord(25), GameInfoRecord());
  GameInfoRecord mine = named("Mine", "E:\\MINE\\");
  c.WriteGameRecord(25, mine);
  EXPECT_EQ(fileSize(fs, c.gameInfoPath()), 26 * GameInfoRecord::kSize);
  for (int slot = 20; slot <= 25; ++slot) EXPECT_EQ(c.ReadGameRecord(slot), mine) << slot;
  EXPECT_EQ(c.ReadGameRecord(0).get(game_info::ExecuteFile), "duke3d.exe");
}

TEST_F(CatalogueSlotsTest, OutOfRangeSlotsNeverTouchTheFile) {
  Catalogue& c = started();
  const size_t before = fileSize(fs, c.gameInfoPath());
  c.WriteGameRecord(kNoSlotSelected, named("x", "C:\\X\\"));
  c.WriteGameRecord(-1, named("x", "C:\\X\\"));
  EXPECT_EQ(fileSize(fs, c.gameInfoPath()), before);
  EXPECT_EQ(c.ReadGameRecord(-5), GameInfoRecord());
  EXPECT_EQ(c.ReadGameRecord(kNoSlotSelected), GameInfoRecord());
}

TEST_F(CatalogueSlotsTest, WritingWithoutAGameFileIsSilentlySkipped) {
  Catalogue& c = makeCatalogue();
  c.WriteGameRecord(2, named("x", "C:\\X\\"));
  EXPECT_FALSE(fs.exists(c.gameInfoPath()));
  EXPECT_EQ(c.ReadGameRecord(2), GameInfoRecord());
}

TEST_F(CatalogueSlotsTest, SwitchingWritesTheCurrentRecordBack) {
  Catalogue& c = started();
  c.current().set(game_info::SkillCommand, "/s<skill>");
  GameInfoRecord other = c.SwitchCurrentSlot(7);
  EXPECT_EQ(c.currentSlot(), 7);
  EXPECT_EQ(other.get(game_info::GameName), "");  // Doom II was not found: empty record
  EXPECT_EQ(c.ReadGameRecord(0).get(game_info::SkillCommand), "/s<skill>");
}

TEST_F(CatalogueSlotsTest, SelectingAnUndefinedGameOnlyTellsSo) {
  Catalogue& c = started();
  c.SelectGame(7);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"Game Selected is not defined.  See Define Game or GamePick "
                                     "for more information"});
  EXPECT_EQ(c.currentSlot(), 0);
}

TEST_F(CatalogueSlotsTest, SelectingADefinedGameSwitchesAndRefreshesTheView) {
  struct Counter : MainViewRefresher {
    void refreshAfterGamePick() override { ++count; }
    int count = 0;
  } refresher;
  fs.putFile("D:\\Quake\\QUAKE.EXE", "MZ");
  Catalogue& c = started();
  c.setMainViewRefresher(&refresher);
  c.SelectGame(5);
  EXPECT_EQ(c.currentSlot(), 5);
  EXPECT_EQ(c.currentGameDirectory(), "D:\\Quake\\");
  EXPECT_EQ(refresher.count, 1);
  EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(CatalogueSlotsTest, DefiningANeverConfiguredSlotStartsFromTheGenericDefinition) {
  Catalogue& c = started();
  c.SetGameLocation("C:\\GAMES\\MYGAME", 19, "GO.EXE");
  GameInfoRecord r = c.ReadGameRecord(19);
  EXPECT_EQ(r.get(game_info::GameDir), "C:\\GAMES\\MYGAME\\");
  EXPECT_EQ(r.get(game_info::GameName), "MYGAME");
  EXPECT_EQ(r.get(game_info::ExecuteFile), "GO.EXE");
  EXPECT_EQ(r.get(game_info::InternetServerExecuteFile), "GO.EXE");
  EXPECT_EQ(r.get(game_info::IsDefined), 1);
  EXPECT_EQ(c.currentSlot(), 19);
  EXPECT_EQ(c.currentGameDirectory(), "C:\\GAMES\\MYGAME\\");
}

TEST_F(CatalogueSlotsTest, DefiningABuiltInSlotKeepsItsDefinitionAndName) {
  Catalogue& c = started();
  c.SetGameLocation("E:\\Q1\\", 5, "other.exe");
  GameInfoRecord r = c.ReadGameRecord(5);
  EXPECT_EQ(r.get(game_info::GameName), "Quake");
  EXPECT_EQ(r.get(game_info::GameDir), "E:\\Q1\\");
  EXPECT_EQ(r.get(game_info::ExecuteFile), "quake.exe");  // configured: the definition stays
  EXPECT_EQ(r.get(game_info::IsDefined), 1);
}

TEST_F(CatalogueSlotsTest, MovingAGameRemakesItsGameDataForTheNewDirectory) {
  Catalogue& c = started();
  c.current().set(game_info::ConfigFile, "duke3d.cfg", 0);
  c.current().set(game_info::ConfigFile, "sub\\game.ini", 1);
  c.WriteGameRecord(0, c.current());
  ASSERT_EQ(c.LoadGameData(), kGameDataLoaded);
  const std::string dataFile = gameDataPath(kStartup, 0);
  ASSERT_TRUE(fs.exists(dataFile));

  c.SetGameLocation("E:\\DUKE", 0, "duke3d.exe");
  EXPECT_FALSE(fs.exists(dataFile));
  c.ReadGameRecord(0);  // a defined record reloads the game data
  ASSERT_TRUE(fs.exists(dataFile));
  auto data = GameDataRecord::fromBytes(*fs.readWhole(dataFile));
  EXPECT_EQ(data.get(game_data::OwnerGameDir), "E:\\DUKE\\");
  EXPECT_EQ(data.get(game_data::ConfigFileName, 0), "duke3d.cfg");
  EXPECT_EQ(data.get(game_data::ConfigFileDir, 0), "E:\\DUKE\\");
  EXPECT_EQ(data.get(game_data::ConfigFileName, 1), "game.ini");
  EXPECT_EQ(data.get(game_data::ConfigFileDir, 1), "E:\\DUKE\\sub\\");
  EXPECT_EQ(launchLink().workingCopies().dirs[1], "E:\\DUKE\\sub\\");
}

TEST_F(CatalogueSlotsTest, AnEditedRowIsAppliedEvenInTheSameDirectory) {
  Catalogue& c = started();
  const std::string dataFile = gameDataPath(kStartup, 0);
  ASSERT_TRUE(fs.exists(dataFile));
  c.SetGameLocation("D:\\games\\Duke3d\\", 0, "duke3d.exe");
  EXPECT_TRUE(fs.exists(dataFile));  // unchanged directory, not edited: kept
  bool edited = true;
  c.SetGameLocation("D:\\games\\Duke3d\\", 0, "duke3d.exe", &edited);
  EXPECT_FALSE(edited);
  EXPECT_FALSE(fs.exists(dataFile));
}

TEST_F(CatalogueSlotsTest, FreshGameDataCarriesTheCreationValues) {
  machine.fakeClock.setEpoch(123456);
  Catalogue& c = started();
  auto data = GameDataRecord::fromBytes(*fs.readWhole(gameDataPath(kStartup, 0)));
  EXPECT_EQ(data.get(game_data::Marker), kValidMarker);
  EXPECT_EQ(data.get(game_data::CreatedStamp), 123456);
  EXPECT_EQ(data.get(game_data::CreatedFlag), 1);
  EXPECT_EQ(data.get(game_data::SelectionFlag), 1);
  EXPECT_EQ(data.get(game_data::UseAiPlayers), 0);  // game type 1 has fake players only
  EXPECT_EQ(data.get(game_data::WorkDir, 3), "D:\\games\\Duke3d\\");
  EXPECT_EQ(c.gameData().get(game_data::OwnerGameDir), "D:\\games\\Duke3d\\");
}

TEST_F(CatalogueSlotsTest, GameDataOfAnyOtherLengthIsRemade) {
  Catalogue& c = started();
  const std::string dataFile = gameDataPath(kStartup, 0);
  fs.putFile(dataFile, std::vector<uint8_t>(100, 0xAA));
  EXPECT_EQ(c.LoadGameData(), kGameDataLoaded);
  EXPECT_EQ(fileSize(fs, dataFile), GameDataRecord::kSize);
  EXPECT_EQ(c.gameData().get(game_data::Marker), kValidMarker);
}

TEST_F(CatalogueSlotsTest, RecordedDemoChoicesAreClearedAtEveryLoad) {
  Catalogue& c = started();
  const std::string dataFile = gameDataPath(kStartup, 0);
  auto data = GameDataRecord::fromBytes(*fs.readWhole(dataFile));
  data.set(game_data::RecordDemo, 1);
  data.set(game_data::PlayDemo, 1);
  data.set(game_data::SkillIndex, 3);
  fs.putFile(dataFile, std::vector<uint8_t>(data.bytes().begin(), data.bytes().end()));
  ASSERT_EQ(c.LoadGameData(), kGameDataLoaded);
  EXPECT_EQ(c.gameData().get(game_data::RecordDemo), 0);
  EXPECT_EQ(c.gameData().get(game_data::PlayDemo), 0);
  EXPECT_EQ(c.gameData().get(game_data::SkillIndex), 3);
}

TEST_F(CatalogueSlotsTest, GameDataThatCannotBeCreatedRecordsErrorFifteen) {
  Catalogue& c = started();
  const std::string dataFile = gameDataPath(kStartup, 0);
  fs.deleteFile(dataFile);
  fs.failReplace(dataFile);
  EXPECT_EQ(c.LoadGameData(), kGameDataNotCreated);
  EXPECT_EQ(launchLink().lastError(), kErrorFileOpen);
}

TEST_F(CatalogueSlotsTest, GameDataThatStaysInvalidGivesUpAfterFiveReads) {
  Catalogue& c = started();
  const std::string dataFile = gameDataPath(kStartup, 0);
  // Every replacement is refused while a bad file of the right length stays in place.
  fs.putFile(dataFile, std::vector<uint8_t>(GameDataRecord::kSize, 0));
  fs.setReadOnly(dataFile, false);
  fs.failReplace(dataFile);
  EXPECT_EQ(c.LoadGameData(), kGameDataNotCreated);
  EXPECT_EQ(launchLink().lastError(), kErrorFileOpen);
}

TEST_F(CatalogueSlotsTest, ReadingADefinedSlotWithNoGameSelectedMakesNoGameDataFile) {
  Catalogue& c = started();
  c.univ().set(univ_info::CurrentSlot, kNoSlotSelected);
  EXPECT_EQ(c.ReadGameRecord(0).get(game_info::ExecuteFile), "duke3d.exe");
  EXPECT_FALSE(fs.exists(gameDataPath(kStartup, kNoSlotSelected)));
}

TEST_F(CatalogueSlotsTest, SaveFailsWhenTheSettingsFileCannotBeWritten) {
  Catalogue& c = started();
  fs.failReplace(c.univInfoPath());
  EXPECT_FALSE(c.SaveCatalogue());
}

}  // namespace
