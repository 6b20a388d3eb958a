// Which announced places are taken, and where an identical copy of the announced map is found.
#include "lan/launch_location.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

namespace {

using namespace lan;

constexpr const char* kGame = "D:\\games\\Duke3d\\";

TEST(LanLaunchLocation, OnlyBareNamesAreFileNames) {
  for (const char* name : {"HELL.MAP", "e1l1.map", "", "NOEXT"})
    EXPECT_TRUE(isBareFileName(name)) << name;
  for (const char* name : {"C:HELL.MAP", "..", ".", "...", "..\\HELL.MAP", "MAPS\\HELL.MAP",
                           "MAPS/HELL.MAP", "*.MAP", "HE?L.MAP", "A B.MAP", "HELL.MAP\n", "a|b"})
    EXPECT_FALSE(isBareFileName(name)) << name;
}

TEST(LanLaunchLocation, AnnouncedDirectoriesStayInsideTheGamesTree) {
  EXPECT_EQ(directoryInGame("", kGame), kGame);
  EXPECT_EQ(directoryInGame("MAPS\\", kGame), "D:\\games\\Duke3d\\MAPS\\");
  EXPECT_EQ(directoryInGame("maps\\user", kGame), "D:\\games\\Duke3d\\maps\\user\\");
  // Every announced directory without a drive is the game's, one with a leading backslash too.
  EXPECT_EQ(directoryInGame("\\MAPS\\", kGame), "D:\\games\\Duke3d\\MAPS\\");
  EXPECT_EQ(directoryInGame("d:\\GAMES\\DUKE3D\\TC\\", kGame), "D:\\GAMES\\DUKE3D\\TC\\");
  for (const char* outside :
       {"..\\", "MAPS\\..\\..\\", "MAPS\\..", ".\\MAPS", "C:\\WINDOWS\\", "D:\\GAMES\\",
        "D:\\games\\Duke3dX\\MAPS\\", "D:MAPS\\..\\..", "MAPS\\*\\", "MAPS\\A B\\"})
    EXPECT_FALSE(directoryInGame(outside, kGame)) << outside;
  EXPECT_FALSE(directoryInGame("MAPS\\", ""));
  EXPECT_FALSE(directoryInGame("MAPS\\", "GAMES\\"));
}

class LanLocateTest : public ::testing::Test {
 protected:
  LanLocateTest() { fs.addDrive('D'); }
  void put(const std::string& path, size_t size, uint32_t time) {
    fs.putFile(path, std::vector<uint8_t>(size, 0x5A));
    fs.setModificationTime(path, time);
  }
  std::optional<FoundFile> locate(const std::string& dir, const std::string& file) {
    return locateFile(fs, {dir, file, 300, 1000}, kGame);
  }

  platform::FakeFileSystem fs;
};

TEST_F(LanLocateTest, ACopyCountsOnlyWithTheSameSizeAndTime) {
  put("D:\\games\\Duke3d\\USER\\HELL.MAP", 300, 999);   // another time
  put("D:\\games\\Duke3d\\maps\\HELL.MAP", 301, 1000);  // another size
  EXPECT_FALSE(locate("D:\\games\\Duke3d\\USER\\", "HELL.MAP"));

  put("D:\\games\\Duke3d\\TC\\hell.map", 300, 1000);
  auto found = locate("D:\\games\\Duke3d\\USER\\", "HELL.MAP");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->dir, "D:\\games\\Duke3d\\tc\\");
  EXPECT_EQ(found->file, "hell.map");  // as stored

  put("D:\\games\\Duke3d\\USER\\HELL.MAP", 300, 1000);
  EXPECT_EQ(locate("D:\\games\\Duke3d\\USER\\", "HELL.MAP")->dir, "D:\\games\\Duke3d\\USER\\");
}

TEST_F(LanLocateTest, DriveRootsMapDirectoriesComeLast) {
  put("C:\\MAP\\HELL.MAP", 300, 1000);
  auto found = locate("D:\\games\\Duke3d\\", "HELL.MAP");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->dir, "C:\\map\\");
  put("D:\\games\\Duke3d\\map\\HELL.MAP", 300, 1000);
  EXPECT_EQ(locate("D:\\games\\Duke3d\\", "HELL.MAP")->dir, "D:\\games\\Duke3d\\map\\");
  EXPECT_FALSE(locate("D:\\games\\Duke3d\\", "OTHER.MAP"));
}

}  // namespace
