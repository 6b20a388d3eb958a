#include "files/file_list.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

namespace filestest {
namespace {

using files::FileList;
using files::KindMask;
using Texts = std::vector<std::string>;

class FileListTest : public ::testing::Test {
 protected:
  FileListTest() {
    fs.addDrive('D');
    fs.putFile("D:\\GAMES\\DUKE3D\\DUKE3D.EXE");
    fs.putFile("D:\\GAMES\\DUKE3D\\E1L1.MAP");
    fs.putFile("D:\\GAMES\\DUKE3D\\bigcity.map");
    fs.putFile("D:\\GAMES\\DUKE3D\\Long Map Name.map");
    fs.putFile("D:\\GAMES\\DUKE3D\\GAME.CON");
    fs.putFile("D:\\GAMES\\DUKE3D\\USERGAME.CON");
    fs.putFile("D:\\GAMES\\DUKE3D\\GAMES.CON");
    fs.makeDirectories("D:\\GAMES\\DUKE3D\\Maps");
    fs.makeDirectories("D:\\GAMES\\DUKE3D\\Add On Maps");
    fs.makeDirectories("D:\\GAMES\\DUKE3D\\WEIRD.MAP");  // a directory the mask matches
  }

  FileList listOf(bool longNames, std::vector<KindMask> masks,
                  const std::string& dir = "D:\\GAMES\\DUKE3D\\") {
    FileList list(longNames);
    list.setWorkDir(dir);
    list.setMasks(std::move(masks));
    list.refresh(fs);
    return list;
  }

  platform::FakeFileSystem fs;
};

TEST_F(FileListTest, DirectoriesAndDrivesComeFirstThenFilesByMask) {
  FileList list = listOf(false, {{"*.MAP", 0}, {"*.EXE", 3}});
  EXPECT_EQ(list.texts(), (Texts{"[..]", "[ADDONM~1]", "[MAPS]", "[WEIRD.MAP]", "[-C-]", "[-D-]",
                                 "BIGCITY.MAP", "E1L1.MAP", "LONGMA~1.MAP", "DUKE3D.EXE"}));
  const files::ListEntry* exe = list.entry(9);
  ASSERT_NE(exe, nullptr);
  EXPECT_EQ(exe->kind, files::EntryKind::kFile);
  EXPECT_EQ(exe->fileKind, 3);
  EXPECT_EQ(list.entry(5)->drive, 'D');
}

TEST_F(FileListTest, LongNameListShowsLongNamesForFilesAndDirectories) {
  FileList list = listOf(true, {{"*.MAP", 0}});
  EXPECT_EQ(list.texts(), (Texts{"[..]", "[Add On Maps]", "[Maps]", "[WEIRD.MAP]", "[-C-]", "[-D-]",
                                 "bigcity.map", "E1L1.MAP", "Long Map Name.map"}));
  // Both names are kept whichever is shown.
  EXPECT_EQ(list.entry(8)->shortName, "LONGMA~1.MAP");
  EXPECT_EQ(list.entry(8)->longName, "Long Map Name.map");
}

TEST_F(FileListTest, AFileInTwoMasksIsListedTwice) {
  FileList list = listOf(false, {{"*.MAP", 0}, {"E1*.*", 5}});
  const Texts texts = list.texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "E1L1.MAP"), 2);
  EXPECT_EQ(list.entries().back().fileKind, 5);
}

TEST_F(FileListTest, WholeNameKindFindsNamesEndingInIt) {
  FileList list = listOf(false, {{"GAME.CON", 1},
                                 {"?GAME.CON", 1},
                                 {"??GAME.CON", 1},
                                 {"???GAME.CON", 1},
                                 {"????GAME.CON", 1}});
  Texts texts = list.texts();
  texts.erase(texts.begin(), texts.begin() + 6);  // the directories and drives
  EXPECT_EQ(texts, (Texts{"GAME.CON", "USERGAME.CON"}));
}

TEST_F(FileListTest, AMaskIntoASubdirectoryStillListsWhatItFinds) {
  fs.putFile("D:\\GAMES\\DUKE3D\\Maps\\CITY.MAP");
  FileList list = listOf(false, {{"*.EXE", 0}, {"MAPS\\*.MAP", 2}});
  EXPECT_EQ(list.entries().back().text, "CITY.MAP");
  EXPECT_EQ(list.entries().back().fileKind, 2);
  EXPECT_EQ(list.entries()[list.entries().size() - 2].text, "DUKE3D.EXE");
}

TEST(FileEntry, FileWithoutShortNameShowsItsLongNameInBothModes) {
  platform::FindData found;
  found.longName = "Long Map Name.map";
  for (bool longNames : {false, true}) {
    const files::ListEntry entry = files::fileEntry(found, longNames, 0);
    EXPECT_EQ(entry.text, "Long Map Name.map") << longNames;
    EXPECT_EQ(entry.shortName, "Long Map Name.map");
  }
}

TEST_F(FileListTest, RootHasNoParentAndAMissingDirectoryStillOffersTheDrives) {
  EXPECT_EQ(listOf(false, {{"*.EXE", 0}}, "D:\\").texts(), (Texts{"[GAMES]", "[-C-]", "[-D-]"}));
  EXPECT_EQ(listOf(false, {{"*.MAP", 0}}, "D:\\GONE\\").texts(), (Texts{"[-C-]", "[-D-]"}));
}

TEST_F(FileListTest, NoWorkingDirectoryOrNoMasksLeavesTheListEmpty) {
  EXPECT_TRUE(listOf(false, {{"*.MAP", 0}}, "").entries().empty());
  EXPECT_TRUE(listOf(false, {}).entries().empty());
  // A refresh without masks also empties what the list showed before.
  FileList list = listOf(false, {{"*.MAP", 0}});
  list.setMasks({});
  list.refresh(fs);
  EXPECT_TRUE(list.entries().empty());
}

}  // namespace
}  // namespace filestest
