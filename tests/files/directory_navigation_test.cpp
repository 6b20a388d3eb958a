#include "files/directory_navigation.h"

#include <gtest/gtest.h>

namespace files {
namespace {

TEST(DirectoryNavigation, ParentKeepsTheSeparatorBeforeTheLastComponent) {
  EXPECT_EQ(navigate("C:\\GAMES\\DUKE3D\\", "[..]"), "C:\\GAMES\\");
  EXPECT_EQ(navigate("C:\\GAMES\\", "[..]"), "C:\\");
  EXPECT_EQ(navigate("C:\\", "[..]"), std::nullopt);  // a root has no parent
}

TEST(DirectoryNavigation, SubDirectoriesAndDrives) {
  EXPECT_EQ(navigate("C:\\GAMES\\", "[DUKE3D]"), "C:\\GAMES\\DUKE3D\\");
  EXPECT_EQ(navigate("C:\\GAMES", "[Long Name]"), "C:\\GAMES\\Long Name\\");
  EXPECT_EQ(navigate("C:\\GAMES\\DUKE3D\\", "[-E-]"), "E:\\");
  EXPECT_EQ(navigate("", "[MAPS]"), "C:\\MAPS\\");  // no directory counts as C:\ .
  EXPECT_EQ(navigate("", "[..]"), std::nullopt);
}

TEST(DirectoryNavigation, FilesAndPathsWithoutDriveGoNowhere) {
  EXPECT_EQ(navigate("C:\\GAMES\\", "E1L1.MAP"), std::nullopt);
  EXPECT_EQ(navigate("C:\\GAMES\\", "[]"), std::nullopt);
  EXPECT_EQ(navigate("\\\\SERVER\\SHARE\\", "[..]"), std::nullopt);
  EXPECT_EQ(navigate("\\\\SERVER\\SHARE\\", "[X]"), std::nullopt);
}

}  // namespace
}  // namespace files
