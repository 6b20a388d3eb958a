#include "files/file_category.h"

#include <gtest/gtest.h>

namespace files {
namespace {

TEST(FileCategory, FirstMatchingTestWins) {
  struct Case {
    const char* name;
    FileCategory expected;
  };
  const Case cases[] = {
      {"GAME.CON", FileCategory::kGameCon},
      {"USERGAME.CON", FileCategory::kGameCon},  // GAME is tested before USER
      {"usergame.con", FileCategory::kGameCon},  // names are compared upper-cased
      {"DUKE3D.GRP", FileCategory::kGroup},
      {"USER.CON", FileCategory::kUserCon},
      {"BLOOD.INI", FileCategory::kBloodIni},
      {"MYBLOOD.ini", FileCategory::kBloodIni},
      {"DOOM2.WAD", FileCategory::kWad},
      {"MAPS.WAD.ZIP", FileCategory::kWad},  // WAD is tested before ZIP
      {"PACK.ZIP", FileCategory::kZip},
      {"PAK0.PAK", FileCategory::kPak},
      {"TOWN.LEV", FileCategory::kLevel},
      {"E1L1.MAP", FileCategory::kNone},
      {"DEFS.CON", FileCategory::kNone},     // a CON file that is neither GAME nor USER
      {"SETUP.INI", FileCategory::kNone},    // an INI file that is not Blood's
      {"GAME.TXT", FileCategory::kNone},     // GAME alone is not enough
      {"GRPLIST.TXT", FileCategory::kNone},  // the dot belongs to the test
  };
  for (const Case& c : cases) EXPECT_EQ(classify(c.name), c.expected) << c.name;
}

}  // namespace
}  // namespace files
