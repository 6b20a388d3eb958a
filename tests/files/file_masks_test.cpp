#include "files/file_masks.h"

#include <gtest/gtest.h>

#include "files_fixture.h"

namespace filestest {
namespace {

using files::masksForExtension;
using Masks = std::vector<std::string>;

TEST(FileMasks, ExtensionTextsBecomePatterns) {
  EXPECT_EQ(masksForExtension("MAP"), Masks{"*.MAP"});
  EXPECT_EQ(masksForExtension(".MAP"), Masks{"*.MAP"});
  EXPECT_EQ(masksForExtension("*"), Masks{"*.*"});
  EXPECT_EQ(masksForExtension("GAME.CON"),
            (Masks{"GAME.CON", "?GAME.CON", "??GAME.CON", "???GAME.CON", "????GAME.CON"}));
  EXPECT_TRUE(masksForExtension("").empty());
}

class ListMasks : public FilesTest {};

TEST_F(ListMasks, EachListTakesTheKindsFlaggedForItInKindOrder) {
  kind(0, "MAP", {files::kShortDirList, files::kLongDirList});
  kind(2, "CON", {files::kMisc1DirList});
  kind(4, "CFG", {files::kMisc2DirList});
  kind(7, ".GRP", {files::kShortDirList});
  kind(9, "DMO", {});  // shown nowhere
  using files::KindMask;
  EXPECT_EQ(files::masksForList(game(), files::kShortDirList),
            (std::vector<KindMask>{{"*.MAP", 0}, {"*.GRP", 7}}));
  EXPECT_EQ(files::masksForList(game(), files::kLongDirList),
            (std::vector<KindMask>{{"*.MAP", 0}}));
  EXPECT_EQ(files::masksForList(game(), files::kMisc1DirList),
            (std::vector<KindMask>{{"*.CON", 2}}));
  EXPECT_EQ(files::masksForList(game(), files::kMisc2DirList),
            (std::vector<KindMask>{{"*.CFG", 4}}));
}

TEST_F(ListMasks, AFlaggedKindWithoutExtensionGivesNoMask) {
  kind(0, "", {files::kShortDirList});
  EXPECT_TRUE(files::masksForList(game(), files::kShortDirList).empty());
}

}  // namespace
}  // namespace filestest
