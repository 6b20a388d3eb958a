// What only the in-memory file system offers: set-up helpers and failure injection.
#include "platform/fake/fake_file_system.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(FakeFileSystem, StartsWithDriveCAtItsRoot) {
  FakeFileSystem fs;
  EXPECT_EQ(fs.drives(), std::vector<char>{'C'});
  EXPECT_EQ(fs.currentDirectory(), "C:\\");
  fs.addDrive('e');
  fs.addDrive('A');  // mapped, but not one of the listed drives
  EXPECT_EQ(fs.drives(), (std::vector<char>{'C', 'E'}));
  EXPECT_TRUE(fs.stat("A:\\"));
}

TEST(FakeFileSystem, PutFileMakesDirectoriesAndOverwrites) {
  FakeFileSystem fs;
  fs.putFile("C:\\Games\\Duke3D\\DUKE3D.EXE", "MZ");
  EXPECT_TRUE(fs.stat("C:\\GAMES")->isDirectory());
  fs.putFile("c:\\games\\duke3d\\duke3d.exe", std::vector<uint8_t>{1, 2, 3});
  EXPECT_EQ(fs.readWhole("C:\\Games\\Duke3D\\DUKE3D.EXE"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(fs.longPathName("C:\\GAMES\\DUKE3D\\DUKE3D.EXE"), "C:\\Games\\Duke3D\\DUKE3D.EXE");
  fs.makeDirectories("C:\\Games\\Quake\\ID1");
  EXPECT_TRUE(fs.stat("C:\\GAMES\\QUAKE\\ID1")->isDirectory());
  fs.putFile("C:\\Games\\Duke3D\\DUKE3D.EXE\\INSIDE", "x");  // through a file: nothing
  EXPECT_FALSE(fs.exists("C:\\Games\\Duke3D\\DUKE3D.EXE\\INSIDE"));
}

TEST(FakeFileSystem, AliasesCountInCreationOrder) {
  FakeFileSystem fs;
  fs.makeDirectories("C:\\Program Files");
  fs.makeDirectories("C:\\Program Data");
  EXPECT_EQ(fs.shortPathName("C:\\Program Data"), "C:\\PROGRA~2");
  EXPECT_EQ(fs.shortPathName("C:\\Program Files"), "C:\\PROGRA~1");
  // Moving the first one away renumbers what stays, as a fresh listing would.
  ASSERT_TRUE(fs.moveFile("C:\\Program Files", "C:\\Other Place"));
  EXPECT_EQ(fs.shortPathName("C:\\Program Data"), "C:\\PROGRA~1");
}

TEST(FakeFileSystem, FailuresOnDemandWhateverTheSpelling) {
  FakeFileSystem fs;
  fs.putFile("C:\\Data Files\\RECORDS.DAT", "r");
  fs.failOpen("c:\\DATAFI~1\\records.dat");
  fs.failReplace("C:\\Data Files\\NEW.DAT");  // not there yet
  EXPECT_FALSE(fs.open("C:\\Data Files\\RECORDS.DAT", OpenMode::kRead));
  EXPECT_FALSE(fs.readWhole("C:\\DATA FILES\\RECORDS.DAT"));
  EXPECT_TRUE(fs.replaceWhole("C:\\Data Files\\RECORDS.DAT", {1}));
  EXPECT_FALSE(fs.replaceWhole("C:\\data files\\new.dat", {1}));
  EXPECT_FALSE(fs.exists("C:\\Data Files\\NEW.DAT"));
}

TEST(FakeFileSystem, CountsFindCalls) {
  FakeFileSystem fs;
  fs.putFile("C:\\A.TXT");
  EXPECT_EQ(fs.findCalls(), 0u);
  fs.find("C:\\*.*");
  fs.find("C:\\NOWHERE\\*.*");
  fs.stat("C:\\A.TXT");
  EXPECT_EQ(fs.findCalls(), 2u);
}

}  // namespace
}  // namespace platform
