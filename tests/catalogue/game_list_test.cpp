// The game list file: its reader, and how its entries become searched games.
#include "catalogue/game_finder.h"
#include "catalogue/game_list_reader.h"
#include "catalogue/record_file.h"
#include "support/catalogue_fixture.h"

namespace {

using namespace catalogue;

TEST(GameListReader, ReadsEntriesAndOnlyTheCurrentEntrysSettings) {
  GameListReader list(
      "; comment before any entry\r\n"
      "[First Game]\r\n"
      "ExecuteFile = \"first.exe\"\r\n"
      "SearchDir=\"FIRST\"\r\n"
      "GameVerFileVerifyNot = \"first.ini\"\r\n"
      "[Second]\n"
      "ExecuteFile=GAME.EXE\n"
      "SearchDirX = \"wrong\"\n"
      "RegKey = \"Software\\Maker\\Game\" trailing \"x\"\n");
  ASSERT_TRUE(list.NextEntry());
  EXPECT_EQ(list.entryName(), "First Game");
  EXPECT_EQ(list.ReadSetting("ExecuteFile"), "first.exe");
  EXPECT_EQ(list.ReadSetting("SearchDir"), "FIRST");
  EXPECT_EQ(list.ReadSetting("GameVerFileVerify"), "");  // only the longer key is present
  EXPECT_EQ(list.ReadSetting("GameVerFileVerifyNot"), "first.ini");
  EXPECT_EQ(list.ReadSetting("RegKey"), "");       // belongs to the next entry
  EXPECT_EQ(list.ReadSetting("executefile"), "");  // keys are case-sensitive

  ASSERT_TRUE(list.NextEntry());
  EXPECT_EQ(list.entryName(), "Second");
  EXPECT_EQ(list.ReadSetting("ExecuteFile"), "");  // no quotes: empty
  EXPECT_EQ(list.ReadSetting("SearchDir"), "");
  EXPECT_EQ(list.ReadSetting("RegKey"), "Software\\Maker\\Game\" trailing \"x");
  EXPECT_FALSE(list.NextEntry());
  EXPECT_TRUE(list.atEnd());
}

TEST(GameListReader, OddHeadersAndEmptyFiles) {
  GameListReader empty("");
  EXPECT_FALSE(empty.NextEntry());

  GameListReader odd("[\n[X]\r\n[ab");
  ASSERT_TRUE(odd.NextEntry());
  EXPECT_EQ(odd.entryName(), "");
  ASSERT_TRUE(odd.NextEntry());
  EXPECT_EQ(odd.entryName(), "X");
  ASSERT_TRUE(odd.NextEntry());
  EXPECT_EQ(odd.entryName(), "a");  // the last character is dropped, whatever it is
  EXPECT_EQ(odd.ReadSetting("a"), "");
  EXPECT_FALSE(odd.NextEntry());
}

class GameListSearchTest : public testsupport::CatalogueTest {
 protected:
  GameInfoRecord firstListedGame(const std::string& list) {
    fs.putFile(startupFile(kGameListFile), list);
    Catalogue& c = makeCatalogue();
    c.LoadCatalogue();
    return c.ReadGameRecord(kFirstListedSlot);
  }
};

TEST_F(GameListSearchTest, UnknownGameTypesStartFromTheGenericRecord) {
  fs.putFile("C:\\G\\A.EXE", "MZ");
  for (const char* type : {"0", "20", "word", ""}) {
    GameInfoRecord r =
        firstListedGame(std::string("[A]\nExecuteFile=\"a.exe\"\nSearchDir=\"G\"\n") +
                        "GameType=\"" + type + "\"\n");
    EXPECT_EQ(r.get(game_info::GameKind), 0) << type;
    EXPECT_EQ(r.get(game_info::GameName), "A") << type;
    EXPECT_EQ(r.get(game_info::GameDir), "C:\\G\\") << type;
    fs.deleteFile(startupFile(kUnivInfoFile));
  }
}

TEST_F(GameListSearchTest, OnlyTheSecondOfTwoFoundGoesToSlotTwenty) {
  fs.putFile("D:\\games\\TWO\\two.exe", "MZ");
  GameInfoRecord r = firstListedGame(
      "[One]\nExecuteFile=\"one.exe\"\nSearchDir=\"ONE\"\n"
      "[Two]\nExecuteFile=\"two.exe\"\nSearchDir=\"TWO\"\n");
  EXPECT_EQ(r.get(game_info::GameName), "Two");
  EXPECT_EQ(cat->ReadGameRecord(21), GameInfoRecord());
}

TEST_F(GameListSearchTest, AlternativeDirectoryExclusionAndWindowsFlag) {
  fs.putFile("C:\\games\\ALT\\x.exe", "MZ");
  fs.putFile("C:\\EXCL\\x.exe", "MZ");
  fs.putFile("C:\\EXCL\\no.dat", "");
  GameInfoRecord r = firstListedGame(
      "[X]\nExecuteFile=\"x.exe\"\nSearchDir=\"EXCL\"\nGameVerFileVerifyNot=\"EXCL\\no.dat\"\n"
      "AltDir=\"ALT\"\nWindowsOnly=\"YES\"\nCloseOnGameLaunch=\"yes\"\n"
      "MultiplayerExecuteSameAsSingle=\"No\"\n");
  EXPECT_EQ(r.get(game_info::GameDir), "C:\\games\\ALT\\");
  EXPECT_EQ(r.get(game_info::WindowsModeOnly), 1);
  EXPECT_EQ(r.get(game_info::CloseOnGameLaunch), 1);
  EXPECT_EQ(r.get(game_info::ModemExecuteFile), "");  // generic record: not configured
}

TEST_F(GameListSearchTest, OverrideExecutableReplacesTheFoundOne) {
  fs.putFile("C:\\OV\\base.exe", "MZ");
  fs.putFile("C:\\OV\\better.exe", "MZ");
  fs.putFile("C:\\OV\\arg_pass.com", "left over");
  fs.putFile("C:\\OV\\Quillfen_Game_data.dat", "stale");
  GameInfoRecord r = firstListedGame(
      "[OV]\nExecuteFile=\"base.exe\"\nSearchDir=\"OV\"\nGameVerFileOverrideName=\"better.exe\"\n");
  EXPECT_EQ(r.get(game_info::ExecuteFile), "better.exe");
  EXPECT_EQ(r.get(game_info::SerialExecuteFile), "better.exe");
  EXPECT_FALSE(fs.exists("C:\\OV\\arg_pass.com"));
  EXPECT_FALSE(fs.exists("C:\\OV\\Quillfen_Game_data.dat"));
}

TEST_F(GameListSearchTest, AnEntryWithoutANameEndsTheList) {
  fs.putFile("C:\\G\\A.EXE", "MZ");
  fs.putFile("C:\\Doom\\DOOM.EXE", "MZ");
  GameInfoRecord r = firstListedGame("[]\n[A]\nExecuteFile=\"a.exe\"\nSearchDir=\"G\"\n");
  EXPECT_EQ(r, GameInfoRecord());
}

TEST_F(GameListSearchTest, OverlongValuesAreCutToTheirField) {
  fs.putFile("C:\\G\\A.EXE", "MZ");
  GameInfoRecord r = firstListedGame("[A]\nExecuteFile=\"a.exe\"\nSearchDir=\"G\"\nRegKey=\"" +
                                     std::string(100, 'k') + "\"\n");
  EXPECT_EQ(r.get(game_info::RegKey), std::string(35, 'k'));
}

TEST_F(GameListSearchTest, APathClimbingOutOfAMissingParentIsStillFound) {
  // Only C:\games\INTRPLAY\..\A\ (a parent the drive does not have) names the game: the root
  // and C:\games\ miss it.
  fs.putFile("C:\\games\\A\\A.EXE", "MZ");
  GameInfoRecord r =
      firstListedGame("[A]\nExecuteFile=\"A.EXE\"\nSearchDir=\"..\\A\"\nGameType=\"8\"\n");
  EXPECT_EQ(r.get(game_info::GameDir), "C:\\games\\INTRPLAY\\..\\A\\");
}

TEST_F(GameListSearchTest, VerificationPatternsAreMatchedByTheFileSystem) {
  fs.putFile("D:\\games\\chex\\chex.exe", "MZ");
  fs.putFile("D:\\games\\chex\\CHEX.WAD", "");
  GameInfoRecord r = firstListedGame(
      "[Excluded]\nExecuteFile=\"chex.exe\"\nSearchDir=\"chex\"\n"
      "GameVerFileVerifyNot=\"chex\\*.wad\"\n"
      "[Chex]\nExecuteFile=\"chex.exe\"\nSearchDir=\"chex\"\n"
      "GameVerFileVerify=\"chex\\*.wad\"\nGameVerFileVerifyNot=\"chex\\*.grp\"\n");
  EXPECT_EQ(r.get(game_info::GameName), "Chex");
  EXPECT_EQ(r.get(game_info::GameDir), "D:\\games\\chex\\");
}

TEST_F(GameListSearchTest, TheListSearchRunsOnItsOwnOverAText) {
  fs.putFile("D:\\games\\TWO\\two.exe", "MZ");
  fs.putFile(startupFile(kGameInfoFile), "");
  UnivInfoRecord univ;
  univ.set(univ_info::CurrentSlot, kNoSlotSelected);
  GameFinder finder(fs, prompter, kStartup, univ);
  finder.SearchGameList("[Two]\nExecuteFile=\"two.exe\"\nSearchDir=\"TWO\"\n");
  EXPECT_EQ(finder.searchedDrives(), (std::vector<char>{'C', 'D'}));
  EXPECT_EQ(univ.get(univ_info::CurrentSlot), kFirstListedSlot);
  GameInfoRecord written;
  ASSERT_TRUE(readAtOffset(fs, startupFile(kGameInfoFile),
                           uint64_t(kFirstListedSlot) * GameInfoRecord::kSize, written.bytes()));
  EXPECT_EQ(written.get(game_info::GameDir), "D:\\games\\TWO\\");
}

}  // namespace
