// The filter texts of the file dialogs split into the toolkit's pairs.
#include "catalogue/dialogs/file_filter.h"

#include <gtest/gtest.h>

#include "catalogue/dialogs/define_game_dialog.h"
#include "catalogue/dialogs/game_location_dialog.h"

namespace {

using namespace catalogue::dialogs;

TEST(FileFilter, SplitsTheBrowseAndSearchFilters) {
  auto browse = splitFileFilter(GameLocationDialog::kBrowseFilter);
  ASSERT_EQ(browse.size(), 2u);
  EXPECT_EQ(browse[0].description, "Programs (*.exe)");
  EXPECT_EQ(browse[0].pattern, "*.exe");
  EXPECT_EQ(browse[1].pattern, "*.*");

  auto search = splitFileFilter(DefineGameDialog::kSearchFilter);
  ASSERT_EQ(search.size(), 3u);
  EXPECT_EQ(search[1].description, "Programs & Batch Files (*.exe;*.com;*.bat;*.pif;*.lnk)");
  EXPECT_EQ(search[1].pattern, "*.exe;*.com;*.bat;*.pif;*.lnk");
  EXPECT_EQ(search[2].description, "All Files (*.*)");

  EXPECT_TRUE(splitFileFilter("").empty());
  EXPECT_TRUE(splitFileFilter("Only a description").empty());
}

TEST(FileFilter, PatternsMatchNamesInAnyCase) {
  EXPECT_EQ(anyCasePattern("*.exe;*.COM"), "*.[eE][xX][eE];*.[cC][oO][mM]");
  EXPECT_EQ(anyCasePattern("*.*"), "*.*");
}

TEST(FileFilter, SplitsAPathAtItsLastBackslash) {
  EXPECT_EQ(splitDirectoryAndName("C:\\GAMES\\DUKE\\DUKE3D.EXE"),
            std::make_pair(std::string("C:\\GAMES\\DUKE\\"), std::string("DUKE3D.EXE")));
  EXPECT_EQ(splitDirectoryAndName("DUKE3D.EXE"),
            std::make_pair(std::string(), std::string("DUKE3D.EXE")));
  EXPECT_EQ(splitDirectoryAndName("C:\\"), std::make_pair(std::string("C:\\"), std::string()));
}

}  // namespace
