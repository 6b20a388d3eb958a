// What only the in-memory file system offers: set-up helpers and failure injection.
#include "platform/fake/fake_file_system.h"

#include <gtest/gtest.h>

#include "platform/short_names.h"

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

TEST(FakeFileSystem, FindsSeeEveryChangeWithFreshAliases) {
  FakeFileSystem fs;
  for (int i = 1; i <= 11; ++i) fs.putFile("C:\\Maps\\Long Map Name " + std::to_string(i) + ".MAP");
  // Each find's aliases are the ones the directory's listing gives as it is now.
  auto check = [&] {
    std::vector<std::string> longNames, shortNames;
    for (const FindData& f : fs.find("C:\\MAPS\\*.*")) {
      longNames.push_back(f.longName);
      shortNames.push_back(f.shortName);
    }
    EXPECT_EQ(shortNames, assignShortNames(longNames));
    return longNames.size();
  };
  check();
  ASSERT_TRUE(fs.moveFile("C:\\MAPS\\LONGMA~1.MAP", "C:\\Maps\\Long Map Name 1.map"));
  check();
  ASSERT_TRUE(fs.deleteFile("C:\\MAPS\\LONGMA~3.MAP"));
  EXPECT_EQ(check(), 10u);
  EXPECT_EQ(fs.stat("C:\\MAPS\\Long Map Name 4.MAP")->shortName, "LONGMA~3.MAP");
  fs.putFile("C:\\Maps\\Long Map Name 0.MAP");
  ASSERT_TRUE(fs.copyFile("C:\\MAPS\\LONGMA~4.MAP", "C:\\MAPS\\Long Copy.MAP", true));
  EXPECT_EQ(check(), 12u);
  EXPECT_EQ(fs.shortPathName("C:\\Maps\\Long Copy.MAP"), "C:\\MAPS\\LONGCO~1.MAP");
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
