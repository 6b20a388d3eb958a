// The drive map: its rules (on the fake machine) and the dosdevices links the host one writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/fake/fake_file_system.h"
#include "platform/host/directory_cache.h"
#include "platform/host/host_file_system.h"
#include "support/temp_dir.h"

namespace platform {
namespace {

namespace stdfs = std::filesystem;

std::vector<char> lettersOf(const DriveMap& map) {
  std::vector<char> letters;
  for (const DriveMapping& m : map.mappings()) letters.push_back(m.letter);
  return letters;
}

TEST(DriveMapRules, MapsAFreeLetterAndTheFilesAppearOnIt) {
  FakeFileSystem fs;
  fs.putHostFile("/home/p/My Games/Duke Nukem 3D/DUKE3D.EXE", "MZ");
  DriveMap& map = *fs.driveMap();
  EXPECT_EQ(map.firstFreeLetter(), 'D');
  EXPECT_EQ(map.mapDrive('d', "/home/p/./My Games/"), "");
  EXPECT_EQ(map.mapping('D')->hostFolder, "/home/p/My Games");
  EXPECT_EQ(fs.drives(), (std::vector<char>{'C', 'D'}));
  EXPECT_TRUE(fs.exists("D:\\DUKENU~1\\duke3d.exe"));
  EXPECT_EQ(map.firstFreeLetter(), 'E');
  EXPECT_EQ(map.letterOfFolder("/home/p/My Games/"), 'D');
  EXPECT_FALSE(map.letterOfFolder("/home/p"));
}

TEST(DriveMapRules, RefusesWhatThePlayerCannotMean) {
  FakeFileSystem fs;
  fs.putHostFile("/games/readme.txt", "hi");
  DriveMap& map = *fs.driveMap();
  EXPECT_EQ(map.mapDrive('D', "/nowhere"), "The folder \"/nowhere\" does not exist.");
  EXPECT_EQ(map.mapDrive('D', "/games/readme.txt"), "\"/games/readme.txt\" is not a folder.");
  EXPECT_EQ(map.mapDrive('D', ""), "No folder was given.");
  EXPECT_EQ(map.mapDrive('B', "/games"), "\"B\" is not a drive letter from C: to Z:.");
  EXPECT_EQ(map.mapDrive('C', "/games"), "Drive C: is already mapped to \"/fake/drive_c\".");
  EXPECT_EQ(map.changeDrive('E', "/games"), "Drive E: is not mapped.");
  EXPECT_EQ(map.removeDrive('E'), "Drive E: is not mapped.");
  EXPECT_EQ(map.removeDrive('c'), "Drive C: cannot be removed.");
  EXPECT_EQ(fs.driveChanges(), 0u);  // nothing was written for a refused change
  EXPECT_EQ(lettersOf(map), std::vector<char>{'C'});
}

TEST(DriveMapRules, ChangeAndRemove) {
  FakeFileSystem fs;
  fs.putHostFile("/a/one.txt", "1");
  fs.putHostFile("/b/two.txt", "2");
  DriveMap& map = *fs.driveMap();
  ASSERT_EQ(map.mapDrive('E', "/a"), "");
  EXPECT_EQ(map.firstFreeLetter(), 'D');  // a gap is used first
  ASSERT_EQ(map.changeDrive('E', "/b"), "");
  EXPECT_FALSE(fs.exists("E:\\one.txt"));
  EXPECT_TRUE(fs.exists("E:\\two.txt"));
  ASSERT_EQ(map.removeDrive('E'), "");
  EXPECT_FALSE(fs.exists("E:\\two.txt"));
  EXPECT_EQ(lettersOf(map), std::vector<char>{'C'});
  // The fixed drives may point elsewhere, they only cannot go.
  EXPECT_EQ(map.changeDrive('C', "/a"), "");
  EXPECT_TRUE(fs.exists("C:\\one.txt"));
}

TEST(DriveMapRules, TheFolderOfADriveIsNotRemovedThroughAnother) {
  FakeFileSystem fs;
  fs.addDrive('D');
  fs.makeDirectories("D:\\sub");
  ASSERT_EQ(fs.mapDrive('E', "/fake/drive_d/sub"), "");
  EXPECT_FALSE(fs.removeDirectory("D:\\sub"));
  ASSERT_EQ(fs.removeDrive('E'), "");
  EXPECT_TRUE(fs.removeDirectory("D:\\sub"));
}

class HostDriveMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stdfs::create_directories(games / "Duke Nukem 3D");
    std::ofstream(games / "Duke Nukem 3D" / "DUKE3D.EXE") << "MZ";
    stdfs::create_directories(other);
    std::ofstream(other / "OTHER.TXT") << "x";
  }
  stdfs::path link(const char* name) const { return stdfs::path(dir / "prefix/dosdevices") / name; }

  testsupport::TempDir dir;
  stdfs::path games = dir / "My Games";
  stdfs::path other = dir / "other";
};

TEST_F(HostDriveMapTest, NewDriveIsALowerCaseLinkToTheAbsoluteFolder) {
  HostFileSystem fs(dir / "prefix");
  DriveMap& map = *fs.driveMap();
  EXPECT_EQ(map.firstFreeLetter(), 'D');
  ASSERT_EQ(map.mapDrive('D', games.string() + "/"), "");
  EXPECT_EQ(stdfs::read_symlink(link("d:")), games);
  EXPECT_FALSE(stdfs::exists(stdfs::symlink_status(link("D:"))));
  EXPECT_EQ(fs.drives(), (std::vector<char>{'C', 'D', 'Z'}));
  EXPECT_TRUE(fs.exists("D:\\DUKENU~1\\DUKE3D.EXE"));
  EXPECT_EQ(fs.dosPath((games / "Duke Nukem 3D/DUKE3D.EXE").string()),
            "D:\\Duke Nukem 3D\\DUKE3D.EXE");
  // Nothing of the scratch link is left in dosdevices.
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : stdfs::directory_iterator(dir / "prefix/dosdevices"))
    ++entries;
  EXPECT_EQ(entries, 3u);
}

TEST_F(HostDriveMapTest, ListsWineLinksAsTheyAreAndKeepsTheFixedDrives) {
  HostFileSystem fs(dir / "prefix");
  stdfs::create_directory_symlink("../../other", link("e:"));
  stdfs::create_directory_symlink("/nowhere/at/all", link("f:"));
  stdfs::create_symlink("/dev/null", link("e::"));  // a Wine device entry, no drive
  const auto all = fs.mappings();
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0].letter, 'C');
  EXPECT_EQ(all[0].hostFolder, (dir / "prefix/drive_c"));
  EXPECT_TRUE(all[0].present);
  EXPECT_EQ(all[1].letter, 'E');
  EXPECT_EQ(all[1].hostFolder, other.string());
  EXPECT_EQ(all[2].letter, 'F');
  EXPECT_FALSE(all[2].present);  // listed so that the player can mend it
  EXPECT_EQ(all[3].letter, 'Z');
  EXPECT_EQ(all[3].hostFolder, "/");
  EXPECT_EQ(fs.firstFreeLetter(), 'D');
  EXPECT_EQ(fs.mapDrive('F', games.string()), "Drive F: is already mapped to \"/nowhere/at/all\".");

  EXPECT_EQ(fs.removeDrive('C'), "Drive C: cannot be removed.");
  EXPECT_EQ(fs.removeDrive('Z'), "Drive Z: cannot be removed.");
  EXPECT_TRUE(stdfs::is_symlink(link("c:")));
  EXPECT_TRUE(stdfs::is_symlink(link("z:")));
  ASSERT_EQ(fs.removeDrive('F'), "");
  EXPECT_FALSE(stdfs::exists(stdfs::symlink_status(link("f:"))));
  EXPECT_TRUE(stdfs::exists(stdfs::symlink_status(link("e::"))));
}

TEST_F(HostDriveMapTest, RefusedChangesLeaveTheLinksAlone) {
  HostFileSystem fs(dir / "prefix");
  EXPECT_EQ(fs.mapDrive('D', (dir / "missing")),
            "The folder \"" + (dir / "missing") + "\" does not exist.");
  EXPECT_EQ(fs.mapDrive('D', (other / "OTHER.TXT").string()),
            "\"" + (other / "OTHER.TXT").string() + "\" is not a folder.");
  EXPECT_FALSE(stdfs::exists(stdfs::symlink_status(link("d:"))));
  // A drive that is a real folder of the prefix is not deleted.
  stdfs::create_directories(link("g:"));
  EXPECT_NE(fs.removeDrive('G'), "");
  EXPECT_TRUE(stdfs::is_directory(link("g:")));
}

TEST_F(HostDriveMapTest, KeptListingsFollowAChangedDrive) {
  // Every listing counts as settled at once, so only a real change makes one be read again.
  auto cache =
      std::make_shared<DirectoryCache>(DirectoryCacheLimits{}, [] { return int64_t(1) << 62; });
  HostFileSystem fs(dir / "prefix", cache);
  HostFileSystem copy(dir / "prefix", cache);
  ASSERT_EQ(fs.find("D:\\*.*").size(), 0u);
  ASSERT_EQ(fs.mapDrive('D', games.string()), "");
  ASSERT_EQ(copy.find("D:\\*.*").size(), 1u);
  EXPECT_EQ(copy.find("D:\\*.*")[0].longName, "Duke Nukem 3D");
  ASSERT_EQ(fs.changeDrive('D', other.string()), "");
  auto listed = copy.find("D:\\*.*");
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].longName, "OTHER.TXT");
  EXPECT_EQ(copy.drives(), (std::vector<char>{'C', 'D', 'Z'}));
  ASSERT_EQ(fs.removeDrive('D'), "");
  EXPECT_TRUE(copy.find("D:\\*.*").empty());
  EXPECT_EQ(copy.drives(), (std::vector<char>{'C', 'Z'}));
}

}  // namespace
}  // namespace platform
