// The SpaceOrb path: wrapper and profile copies, the batch file, the derived wrapper.
#include "launch/space_orb_launch.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

std::string text(platform::FileSystem& fs, const std::string& path) {
  auto bytes = fs.readWhole(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

class SpaceOrbTest : public ::testing::Test {
 protected:
  SpaceOrbTest() {
    fs.addDrive('D');
    fs.putFile("C:\\spcware\\games\\spwduke.exe", "wrapper");
    fs.putFile("C:\\spcware\\games\\spwduke.scg", "profile v2");
    fs.putFile("C:\\spcware\\DEFAULTS\\spwdoom2.scg", "default doom2 profile");
    fs.putFile("C:\\spcware\\games\\spwdoom2.exe", "doom2 wrapper");
    fs.makeDirectories("D:\\GAMES\\DUKE3D");
    fs.makeDirectories("D:\\DOOM2");
  }
  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
};

TEST_F(SpaceOrbTest, DukeGetsItsBatchWrapperAndProfile) {
  auto result = launch::prepareSpaceOrb(fs, prompter, "DUKE3D.EXE", "D:\\GAMES\\DUKE3D\\", "");
  ASSERT_TRUE(result.active);
  EXPECT_EQ(result.batchPath, "D:\\GAMES\\DUKE3D\\SpaceOrb.bat");
  EXPECT_EQ(text(fs, result.batchPath),
            "c:\r\ncd c:\\spcware\r\ncall orbload.bat\r\nD:\r\ncd D:\\GAMES\\DUKE3D\\\r\n"
            "spwduke.exe spwduke.scg %1 %2 %3 %4 %5 %6 %7 %8");
  EXPECT_EQ(text(fs, "D:\\GAMES\\DUKE3D\\spwduke.exe"), "wrapper");
  EXPECT_EQ(text(fs, "D:\\GAMES\\DUKE3D\\spwduke.scg"), "profile v2");

  // The wrapper placed before stays; the profile is copied on every launch.
  fs.putFile("D:\\GAMES\\DUKE3D\\spwduke.exe", "old wrapper");
  fs.putFile("C:\\spcware\\games\\spwduke.scg", "profile v3");
  launch::prepareSpaceOrb(fs, prompter, "duke3d.exe", "D:\\GAMES\\DUKE3D\\", "");
  EXPECT_EQ(text(fs, "D:\\GAMES\\DUKE3D\\spwduke.exe"), "old wrapper");
  EXPECT_EQ(text(fs, "D:\\GAMES\\DUKE3D\\spwduke.scg"), "profile v3");
  EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(SpaceOrbTest, MultiplayerDoomRunsTheCommProgramAndTakesTheDefaultProfile) {
  auto result = launch::prepareSpaceOrb(fs, prompter, "doom2.exe", "D:\\DOOM2\\", "ipxsetup.exe");
  ASSERT_TRUE(result.active);
  EXPECT_NE(text(fs, result.batchPath).find("spwdoom2.exe -exe ipxsetup.exe spwdoom2.scg %1"),
            std::string::npos);
  EXPECT_EQ(text(fs, "D:\\DOOM2\\spwdoom2.scg"), "default doom2 profile");
}

TEST_F(SpaceOrbTest, UnsupportedGamesAndUnwritableBatchesStartAsUsual) {
  EXPECT_FALSE(launch::prepareSpaceOrb(fs, prompter, "quake2.exe", "D:\\DOOM2\\", "").active);
  fs.failReplace("D:\\DOOM2\\SpaceOrb.bat");
  EXPECT_FALSE(launch::prepareSpaceOrb(fs, prompter, "doom2.exe", "D:\\DOOM2\\", "").active);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Could not create SpaceOrb.bat file"});
}

TEST_F(SpaceOrbTest, ShadowWarriorWrapperIsDerivedFromDukes) {
  std::string wrapper = "MZ..DUKE3D.EXE..duke.scg..dUKE3D..DUKE..D";
  fs.putFile("C:\\spcware\\games\\spwduke.exe", wrapper);
  fs.putFile("C:\\spcware\\games\\spwduke.scg", "APPLICATION_NAME = Duke Nukem 3D\r\nX = 1\r\n");
  fs.putFile("D:\\SW\\sw.cfg", "MouseAimingOn = 0\r\nMouseAiming = 1\r\n");
  auto result = launch::prepareSpaceOrb(fs, prompter, "sw.exe", "D:\\SW\\", "");
  ASSERT_TRUE(result.active);
  const std::string derived = text(fs, "C:\\spcware\\games\\spwshad.exe");
  EXPECT_EQ(derived.size(), wrapper.size());
  EXPECT_EQ(derived, std::string("MZ..sw.exe\0\0\0\0..duke.scg..sw\0\0\0\0..sw\0\0..D", 41));
  EXPECT_EQ(text(fs, "C:\\spcware\\games\\spwshad.scg"),
            "APPLICATION_NAME = Shadow Warrior\r\n;\r\nX = 1\r\n");
  EXPECT_EQ(text(fs, "D:\\SW\\sw.cfg"), "MouseAimingOn = 1\r\nMouseAiming = 0\r\n");
  EXPECT_EQ(text(fs, "D:\\SW\\spwshad.exe"), derived);
  EXPECT_NE(text(fs, result.batchPath).find("spwshad.exe spwshad.scg"), std::string::npos);
}

}  // namespace
