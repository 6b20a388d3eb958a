#include "files/selected_file.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

namespace files {
namespace {

class SelectedFilePath : public ::testing::Test {
 protected:
  SelectedFilePath() {
    fs.addDrive('D');
    fs.putFile("D:\\Games\\Duke3D\\Long Map Name.map");
    fs.putFile("D:\\Games\\Duke3D\\E1L1.MAP");
    fs.putFile("D:\\Add On Maps\\Best Of Town.map");
    fs.putFile("D:\\Games\\Quake2\\baseq2\\maps\\A Rather Long Level Name Here.bsp");
  }
  platform::FakeFileSystem fs;
};

TEST_F(SelectedFilePath, DosGameKeepsADosDirectoryAsSpelledAndTakesTheShortName) {
  // The directory stays as the game directory spells it, so the launch still sees the file in
  // the game directory.
  EXPECT_EQ(selectedFilePath(fs, "D:\\Games\\Duke3D\\", "Long Map Name.map", "LONGMA~1.MAP", true),
            "D:\\Games\\Duke3D\\LONGMA~1.MAP");
  EXPECT_EQ(selectedFilePath(fs, "D:\\Games\\Duke3D", "E1L1.MAP", "E1L1.MAP", true),
            "D:\\Games\\Duke3D\\E1L1.MAP");
}

TEST_F(SelectedFilePath, DosGameGetsTheShortPathOfALongDirectory) {
  EXPECT_EQ(selectedFilePath(fs, "D:\\Add On Maps\\", "Best Of Town.map", "BESTOF~1.MAP", true),
            "D:\\ADDONM~1\\BESTOF~1.MAP");
  // With no alias reported for the file, the one of the whole path is taken.
  EXPECT_EQ(selectedFilePath(fs, "D:\\Add On Maps\\", "Best Of Town.map", "", true),
            "D:\\ADDONM~1\\BESTOF~1.MAP");
}

TEST_F(SelectedFilePath, WindowsGameGetsTheLongPathWhileItFits) {
  EXPECT_EQ(selectedFilePath(fs, "D:\\Add On Maps\\", "Best Of Town.map", "BESTOF~1.MAP", false),
            "D:\\Add On Maps\\Best Of Town.map");
  // Too long in full (61 characters), the 8.3 path fits.
  EXPECT_EQ(selectedFilePath(fs, "D:\\Games\\Quake2\\baseq2\\maps\\",
                             "A Rather Long Level Name Here.bsp", "ARATHE~1.BSP", false),
            "D:\\GAMES\\QUAKE2\\BASEQ2\\MAPS\\ARATHE~1.BSP");
}

TEST_F(SelectedFilePath, APathThatFitsInNoFormIsRefused) {
  const std::string deep = "D:\\" + std::string(8, 'A') + "\\" + std::string(8, 'B') + "\\" +
                           std::string(8, 'C') + "\\" + std::string(8, 'D') + "\\";
  fs.putFile(deep + "LEVEL01.MAP");  // 3 + 4 * 9 + 11 = 50 characters: fits
  EXPECT_EQ(selectedFilePath(fs, deep, "LEVEL01.MAP", "LEVEL01.MAP", true), deep + "LEVEL01.MAP");
  fs.putFile(deep + "LEVEL012.MAP");  // 51
  EXPECT_EQ(selectedFilePath(fs, deep, "LEVEL012.MAP", "LEVEL012.MAP", true), std::nullopt);
  EXPECT_EQ(selectedFilePath(fs, deep, "LEVEL012.MAP", "LEVEL012.MAP", false), std::nullopt);
}

}  // namespace
}  // namespace files
