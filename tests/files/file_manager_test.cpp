#include "files/file_manager.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "files_fixture.h"

namespace filestest {
namespace {

using files::PickStatus;
using Texts = std::vector<std::string>;

class FileManagerTest : public FilesTest {
 protected:
  static constexpr const char* kGame = "D:\\GAMES\\DUKE3D\\";

  FileManagerTest() {
    kind(0, "MAP", {files::kShortDirList, files::kLongDirList}, "<cml>-map <fileonly>");
    kind(2, "CON", {files::kMisc1DirList}, "<cml>/x<fileonly>");
    kind(4, "CFG", {files::kMisc2DirList}, "@Default File1");
    game().set(gi::FileKindSetOnly, 1, 4);
    workDirs(kGame);
    fs.putFile("D:\\GAMES\\DUKE3D\\E1L1.MAP");
    fs.putFile("D:\\GAMES\\DUKE3D\\Long Map Name.map");
    fs.putFile("D:\\GAMES\\DUKE3D\\Long Map Name.txt", "A town by the sea.");
    fs.putFile("D:\\GAMES\\DUKE3D\\GAME.CON");
    fs.putFile("D:\\GAMES\\DUKE3D\\DUKE3D.CFG");
    fs.putFile("D:\\GAMES\\DUKE3D\\MAPS\\CITY.MAP");
  }

  // The index of the entry showing `text` in a list.
  size_t at(size_t list, const std::string& text) {
    const Texts t = texts(list);
    auto found = std::find(t.begin(), t.end(), text);
    EXPECT_NE(found, t.end()) << text;
    return static_cast<size_t>(found - t.begin());
  }
};

TEST_F(FileManagerTest, GameRefreshFillsEachListFromItsDirectoryAndKinds) {
  data().set(gd::WorkDir, "D:\\GAMES\\DUKE3D\\MAPS\\", files::kShortDirList);
  manager().refreshForGame();
  EXPECT_EQ(texts(files::kShortDirList), (Texts{"[..]", "[-C-]", "[-D-]", "CITY.MAP"}));
  EXPECT_EQ(texts(files::kLongDirList),
            (Texts{"[..]", "[MAPS]", "[-C-]", "[-D-]", "E1L1.MAP", "Long Map Name.map"}));
  EXPECT_EQ(texts(files::kMisc1DirList).back(), "GAME.CON");
  EXPECT_EQ(texts(files::kMisc2DirList).back(), "DUKE3D.CFG");
}

TEST_F(FileManagerTest, ListsOverOneDirectoryShareOneSearchOfIt) {
  manager().refreshForGame();
  size_t before = fs.searchCalls();
  manager().refreshLists();
  EXPECT_EQ(fs.searchCalls() - before, 1u);
  // Each list still shows only its own kinds.
  EXPECT_EQ(texts(files::kMisc1DirList).back(), "GAME.CON");
  EXPECT_EQ(texts(files::kMisc2DirList).back(), "DUKE3D.CFG");
  EXPECT_EQ(texts(files::kShortDirList).back(), "LONGMA~1.MAP");

  data().set(gd::WorkDir, "D:\\GAMES\\DUKE3D\\MAPS\\", files::kMisc1DirList);
  manager().refreshForGame();
  before = fs.searchCalls();
  manager().refreshLists();
  EXPECT_EQ(fs.searchCalls() - before, 2u);
  EXPECT_EQ(texts(files::kMisc1DirList), (Texts{"[..]", "[-C-]", "[-D-]"}));
}

TEST_F(FileManagerTest, ANewGameWithoutKindsForAListEmptiesIt) {
  manager().refreshForGame();
  ASSERT_FALSE(texts(files::kMisc1DirList).empty());
  game().set(gi::FileKindMisc1Dir, 0, 2);
  manager().refreshForGame();
  EXPECT_TRUE(texts(files::kMisc1DirList).empty());
}

TEST_F(FileManagerTest, WalkingAListKeepsItsDirectoryInTheGameData) {
  manager().refreshForGame();
  ASSERT_TRUE(manager().openEntry(files::kLongDirList, at(files::kLongDirList, "[MAPS]")));
  EXPECT_EQ(data().get(gd::WorkDir, files::kLongDirList), "D:\\GAMES\\DUKE3D\\MAPS\\");
  EXPECT_EQ(texts(files::kLongDirList).back(), "CITY.MAP");
  EXPECT_EQ(manager().currentDirectory(), "D:\\GAMES\\DUKE3D\\MAPS\\");
  EXPECT_EQ(data().get(gd::WorkDir, files::kShortDirList), kGame);  // the others stay

  ASSERT_TRUE(manager().openEntry(files::kLongDirList, at(files::kLongDirList, "[-C-]")));
  EXPECT_EQ(data().get(gd::WorkDir, files::kLongDirList), "C:\\");
  // A file is not walked into.
  EXPECT_FALSE(manager().openEntry(files::kShortDirList, at(files::kShortDirList, "E1L1.MAP")));
}

// The file operations work on the left list's pick and copy into the long-name list's directory.
TEST_F(FileManagerTest, TheLeftListsPickIsForgottenWhenThatListWalksAway) {
  manager().refreshForGame();
  manager().select(files::kLongDirList, at(files::kLongDirList, "E1L1.MAP"));
  EXPECT_EQ(manager().leftListFile(), "");
  manager().select(files::kShortDirList, at(files::kShortDirList, "E1L1.MAP"));
  EXPECT_EQ(manager().leftListFile(), "D:\\GAMES\\DUKE3D\\E1L1.MAP");
  ASSERT_TRUE(manager().openEntry(files::kLongDirList, at(files::kLongDirList, "[MAPS]")));
  EXPECT_EQ(manager().longNameDirectory(), "D:\\GAMES\\DUKE3D\\MAPS\\");
  EXPECT_EQ(manager().leftListFile(), "D:\\GAMES\\DUKE3D\\E1L1.MAP");
  ASSERT_TRUE(manager().openEntry(files::kShortDirList, at(files::kShortDirList, "[MAPS]")));
  EXPECT_EQ(manager().leftListFile(), "");
}

TEST_F(FileManagerTest, ADirectoryTooLongToKeepIsNotEntered) {
  const std::string deep = "D:\\" + std::string(123, 'X') + "\\";
  fs.putFile(deep + "Y\\Z.MAP");
  data().set(gd::WorkDir, deep, files::kLongDirList);
  manager().refreshForGame();
  EXPECT_FALSE(manager().openEntry(files::kLongDirList, at(files::kLongDirList, "[Y]")));
  EXPECT_EQ(data().get(gd::WorkDir, files::kLongDirList), deep);
}

TEST_F(FileManagerTest, PickingAFileStoresItsDosPathAndItsKindsTemplate) {
  manager().refreshForGame();
  files::Selection s =
      manager().select(files::kLongDirList, at(files::kLongDirList, "Long Map Name.map"));
  EXPECT_EQ(s.status, PickStatus::kPicked);
  EXPECT_EQ(data().get(gd::SelectedFile), "D:\\GAMES\\DUKE3D\\LONGMA~1.MAP");
  EXPECT_EQ(data().get(gd::SelectedFileTemplate), "<cml>-map <fileonly>");
  // The left list shows the last pick again.
  EXPECT_EQ(manager().entryOfSelectedFile(files::kShortDirList),
            at(files::kShortDirList, "LONGMA~1.MAP"));
}

TEST_F(FileManagerTest, WindowsGameKeepsTheLongName) {
  game().set(gi::WindowsModeOnly, 1);
  manager().refreshForGame();
  manager().select(files::kLongDirList, at(files::kLongDirList, "Long Map Name.map"));
  EXPECT_EQ(data().get(gd::SelectedFile), "D:\\GAMES\\DUKE3D\\Long Map Name.map");
}

TEST_F(FileManagerTest, PicksThatStoreNothing) {
  data().set(gd::SelectedFile, "D:\\GAMES\\DUKE3D\\E1L1.MAP");
  manager().refreshForGame();
  // A set-only kind sets a default file, not the launched one.
  EXPECT_EQ(manager().select(files::kMisc2DirList, at(files::kMisc2DirList, "DUKE3D.CFG")).status,
            PickStatus::kSetOnly);
  EXPECT_EQ(manager().select(files::kLongDirList, at(files::kLongDirList, "[MAPS]")).status,
            PickStatus::kDirectory);
  EXPECT_EQ(manager().select(files::kLongDirList, 999).status, PickStatus::kNothing);
  EXPECT_EQ(data().get(gd::SelectedFile), "D:\\GAMES\\DUKE3D\\E1L1.MAP");
}

TEST_F(FileManagerTest, ClassifiesTheFileNameNotItsDirectory) {
  fs.putFile("D:\\GAMES\\DUKE3D\\EXTRA.CON");  // in D:\GAMES\, which has GAME in it
  manager().refreshForGame();
  EXPECT_EQ(manager().select(files::kMisc1DirList, at(files::kMisc1DirList, "EXTRA.CON")).category,
            files::FileCategory::kNone);
}

TEST_F(FileManagerTest, DescriptionComesFromTheTextFileBesideAndCanBringItsTabForward) {
  manager().refreshForGame();
  manager().chooseTab(files::kLongNameDirTab);
  manager().select(files::kShortDirList, at(files::kShortDirList, "E1L1.MAP"));
  EXPECT_EQ(manager().descriptionText(), "");
  files::Selection s =
      manager().select(files::kShortDirList, at(files::kShortDirList, "LONGMA~1.MAP"));
  EXPECT_TRUE(s.hasDescription);
  EXPECT_EQ(manager().descriptionText(), "A town by the sea.");
  EXPECT_EQ(manager().currentTab(), files::kLongNameDirTab);  // manual text-tab selection

  manager().setAutoTextTab(true);
  manager().select(files::kShortDirList, at(files::kShortDirList, "E1L1.MAP"));
  EXPECT_EQ(manager().currentTab(), files::kLongNameDirTab);  // nothing to show
  manager().select(files::kShortDirList, at(files::kShortDirList, "LONGMA~1.MAP"));
  EXPECT_EQ(manager().currentTab(), files::kFileTextDescTab);
}

TEST_F(FileManagerTest, GameDirectoryKindNamesRenameTheirTabs) {
  using Tabs = std::array<std::string, 5>;
  game().set(gi::DirKindName, "Long Names", 0);
  game().set(gi::DirKindName, "CFG Files", 2);  // the second one is empty
  manager().refreshForGame();
  EXPECT_EQ(manager().tabTexts(),
            (Tabs{"Long Names", "File Text Desc", "Favorite Files", "Misc1 Dir", "CFG Files"}));
  game().set(gi::DirKindName, "", 0);  // without the first the game has none of its own
  manager().refreshForGame();
  EXPECT_EQ(manager().tabTexts(),
            (Tabs{"Long Name Dir", "File Text Desc", "Favorite Files", "Misc1 Dir", "Misc2 Dir"}));
}

TEST_F(FileManagerTest, DisabledFileManagerShowsAndTakesNothing) {
  manager().refreshForGame();
  manager().toggleDisabled();
  EXPECT_EQ(cat->univ().get(ui::DisableFileManager), 1);
  for (size_t i = 0; i < files::kFileLists; ++i) EXPECT_TRUE(texts(i).empty());
  EXPECT_EQ(manager().select(files::kShortDirList, 0).status, PickStatus::kNothing);
  manager().toggleDisabled();
  EXPECT_FALSE(texts(files::kShortDirList).empty());
}

TEST_F(FileManagerTest, FileManagerModeLimitsTheListsInUse) {
  cat->univ().set(ui::FileManagerMode, 2);
  manager().refreshForGame();
  EXPECT_FALSE(texts(files::kLongDirList).empty());
  EXPECT_TRUE(texts(files::kMisc1DirList).empty());
}

TEST_F(FileManagerTest, ResetGoesBackToTheGamesHomeDirectory) {
  // The game directory itself, not the directory of the game's data.
  game().set(gi::GameDataSubDir, "MAPS\\");
  workDirs("C:\\");
  manager().refreshForGame();
  manager().resetToGameDirectory();
  for (size_t i = 0; i < files::kFileLists; ++i)
    EXPECT_EQ(data().get(gd::WorkDir, i), "D:\\GAMES\\DUKE3D\\");
  const auto shown = texts(files::kLongDirList);
  EXPECT_NE(std::find(shown.begin(), shown.end(), "[MAPS]"), shown.end());
}

TEST_F(FileManagerTest, FavouritesArePickedByTheFirstMatchingKind) {
  fs.putFile("D:\\GAMES\\DUKE3D\\README.TXT");
  manager().setFavouritesSource([] {
    return std::vector<files::Favourite>{
        {"002  [03-Mar-98]  CITY.MAP", "D:\\GAMES\\DUKE3D\\MAPS\\CITY.MAP"},
        {"001  [01-Mar-98]  README.TXT", "D:\\GAMES\\DUKE3D\\README.TXT"},
        {"001  [01-Mar-98]  GONE.MAP", "D:\\GAMES\\DUKE3D\\GONE.MAP"}};
  });
  manager().refreshForGame();
  EXPECT_EQ(manager().selectFavourite(0).status, PickStatus::kPicked);
  EXPECT_EQ(data().get(gd::SelectedFileTemplate), "<cml>-map <fileonly>");
  EXPECT_EQ(manager().selectFavourite(1).status, PickStatus::kUnknownKind);  // no kind for it
  EXPECT_EQ(manager().selectFavourite(2).status, PickStatus::kUnknownKind);  // gone
  EXPECT_EQ(data().get(gd::SelectedFile), "D:\\GAMES\\DUKE3D\\MAPS\\CITY.MAP");
}

TEST_F(FileManagerTest, LevelFilesOnlyWhenTheGameUsesThem) {
  fs.putFile("D:\\GAMES\\DUKE3D\\EPISODES.LEV");
  fs.putFile("D:\\GAMES\\DUKE3D\\E1L1.lev");
  game().set(gi::ConfigFile, "EPISODES.LEV", 5);
  manager().refreshForGame();
  EXPECT_EQ(manager().gameLevelFile(), std::nullopt);
  EXPECT_EQ(manager().select(files::kShortDirList, at(files::kShortDirList, "E1L1.MAP")).levelFile,
            std::nullopt);

  game().set(gi::LevelFileFlagA, 1);
  game().set(gi::LevelFileFlagB, 1);
  manager().refreshForGame();
  EXPECT_EQ(manager().gameLevelFile(), "D:\\GAMES\\DUKE3D\\EPISODES.LEV");
  EXPECT_EQ(manager().select(files::kShortDirList, at(files::kShortDirList, "E1L1.MAP")).levelFile,
            "D:\\GAMES\\DUKE3D\\E1L1.lev");
}

}  // namespace
}  // namespace filestest
