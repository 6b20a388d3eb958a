// The episode and level names of picked content files: CON texts (directly, through a GAME
// file's include and inside group files), Blood INI files, WAD map markers, ZIP and PAK member
// names and LEV lists; files that point past their end give what they hold and no more.
#include "content/content_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "content_files.h"
#include "platform/fake/fake_file_system.h"

namespace {

using content::ContentKind;
using content::ContentNames;
using contenttest::bytesOf;
using Names = std::vector<std::string>;

constexpr const char* kUserCon =
    "// definevolumename 0 FROM A COMMENT\r\n"
    "definevolumename 0 L.A. MELTDOWN\r\n"
    "definevolumename 2 SHRAPNEL CITY\r\n"
    "definevolumename 3 THE BIRTH\r\n"
    "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n"
    "definelevelname 0 1 E1L2.MAP 05:10 03:21 RED LIGHT DISTRICT\r\n"
    "definelevelname 0 10 E1L11.MAP 01:00 00:30 A NAME OF FORTY CHARACTERS ALL IN ALL!!\r\n"
    "definelevelname 2 0 E3L1.MAP 01:00 00:30 RAW MEAT\r\n";

std::optional<ContentNames> namesOf(const std::string& text, ContentKind kind) {
  return content::contentNamesOf(bytesOf(text), kind);
}

TEST(ContentNames, UserConVolumesFirstOccurrenceUnnamedEarlyVolumesAndLongLevelNames) {
  const auto names = namesOf(kUserCon, ContentKind::kUserCon);
  ASSERT_TRUE(names);
  // The comment comes first; volume 1 has no name but exists; volume 4 has none and ends it.
  EXPECT_EQ(names->volumeName,
            (Names{"FROM A COMMENT", "Episode 2", "SHRAPNEL CITY", "THE BIRTH"}));
  EXPECT_EQ(names->levelName[0][0], "HOLLYWOOD HOLOCAUST");
  EXPECT_EQ(names->levelName[0][1], "RED LIGHT DISTRICT");
  EXPECT_EQ(names->levelName[0][10], "A NAME OF FORTY CHARACTERS ALL IN ALL!!");
  EXPECT_EQ(names->levels(0).size(), 11u);
  EXPECT_EQ(names->levels(2), Names{"RAW MEAT"});
  EXPECT_TRUE(names->levels(1).empty());
  // Without any names the game's three episodes are still there.
  EXPECT_EQ(namesOf("", ContentKind::kUserCon)->volumeName,
            (Names{"Episode 1", "Episode 2", "Episode 3"}));
  // No line ends and NUL bytes anywhere: values end at them, nothing is read past the text.
  EXPECT_EQ(
      namesOf(std::string("definevolumename 0 A\0B", 22), ContentKind::kUserCon)->volumeName[0],
      "A");
}

TEST(ContentNames, AGameConFollowsItsUserIncludeOrItsUserTwin) {
  platform::FakeFileSystem fs;
  fs.putFile("C:\\ADDON\\GAME.CON",
             "include defs.con\r\n// include user.txt\r\nINCLUDE myuser.con\r\n");
  fs.putFile("C:\\ADDON\\MYUSER.CON", kUserCon);
  auto names = content::readContentNames(fs, "C:\\ADDON\\GAME.CON", ContentKind::kGameCon);
  ASSERT_TRUE(names);
  EXPECT_EQ(names->volumeName[0], "FROM A COMMENT");

  // The include names a file that is not there: the USER file of the GAME file's name is.
  fs.putFile("C:\\ADDON\\XGAME.CON", "include user.con\r\n");
  fs.putFile("C:\\ADDON\\XUSER.CON", "definevolumename 0 TWIN\r\n");
  names = content::readContentNames(fs, "C:\\ADDON\\XGAME.CON", ContentKind::kGameCon);
  ASSERT_TRUE(names);
  EXPECT_EQ(names->volumeName[0], "TWIN");

  fs.putFile("C:\\ADDON\\NOUSER.CON", "include defs.con\r\n");
  EXPECT_FALSE(content::readContentNames(fs, "C:\\ADDON\\NOUSER.CON", ContentKind::kGameCon));
  EXPECT_FALSE(content::readContentNames(fs, "C:\\ADDON\\MISSING.CON", ContentKind::kUserCon));
}

TEST(ContentNames, AGroupFilesConMemberIsReadAtItsTrueOffset) {
  using contenttest::groupFile;
  const std::string defs = "definevolumename 0 DEFS MEMBER\r\n";
  // No USER member: the second CON member, after the first member's data.
  auto names =
      content::contentNamesOf(groupFile({{"GAME.CON", "definevolumename 0 GAME MEMBER\r\n"},
                                         {"TILES000.ART", std::string(100, 'x')},
                                         {"DEFS.CON", defs}}),
                              ContentKind::kGroup);
  ASSERT_TRUE(names);
  EXPECT_EQ(names->volumeName[0], "DEFS MEMBER");
  names = content::contentNamesOf(
      groupFile({{"GAME.CON", ""}, {"DEFS.CON", defs}, {"user.con", kUserCon}}),
      ContentKind::kGroup);
  EXPECT_EQ(names->volumeName[0], "FROM A COMMENT");
  EXPECT_FALSE(content::contentNamesOf(groupFile({{"GAME.CON", ""}}), ContentKind::kGroup));

  // A count far past the file and sizes past its end: what is there, nothing more.
  std::vector<uint8_t> lying = groupFile({{"USER.CON", kUserCon}});
  lying[12] = 0xFF;
  lying[13] = 0xFF;
  EXPECT_FALSE(content::contentNamesOf(lying, ContentKind::kGroup));
  std::vector<uint8_t> shortMember = groupFile({{"USER.CON", kUserCon}});
  shortMember.resize(shortMember.size() - 60);
  names = content::contentNamesOf(shortMember, ContentKind::kGroup);
  ASSERT_TRUE(names);
  EXPECT_EQ(names->volumeName[0], "FROM A COMMENT");
  EXPECT_FALSE(content::contentNamesOf(bytesOf("KenSilverman"), ContentKind::kGroup));
}

TEST(ContentNames, BloodEpisodesTakeTheirTitlesAndTheTitlesOfTheirMapSections) {
  const std::string ini =
      "[Episode1]\r\nTitle =   The Way of All Flesh\r\nMap1 = E1M1\r\nMap2 = E1M2\r\n"
      "[Episode2]\r\nTitle=Even Death May Die\r\nMap1=E2M1\r\nMap2=E9M9\r\n"
      "[E1M1]\r\nTitle = Cradle to Grave\r\n[E1M2]\r\nTitle= Wrong Side of the Tracks\r\n"
      "[E2M1]\r\nTitle=Hit the Switch\r\n";
  const auto names = namesOf(ini, ContentKind::kBloodIni);
  ASSERT_TRUE(names);
  EXPECT_EQ(names->volumeName, (Names{"The Way of All Flesh", "Even Death May Die"}));
  EXPECT_EQ(names->levels(0), (Names{"Cradle to Grave", "Wrong Side of the Tracks"}));
  // Its second map has no section: the list stops there.
  EXPECT_EQ(names->levels(1), Names{"Hit the Switch"});
  EXPECT_TRUE(namesOf("no episodes", ContentKind::kBloodIni)->volumeName.empty());
}

TEST(ContentNames, WadMapMarkersUpToTheFirstUnderscoreMarkerOrHexensOwn) {
  using contenttest::wadFile;
  const auto doom = content::contentNamesOf(wadFile({{"E1M1", 0},
                                                     {"THINGS", 10},
                                                     {"E1M2", 0},
                                                     {"LINEDEFS", 14},
                                                     {"F_START", 0},
                                                     {"E1M3", 0}}),
                                            ContentKind::kWad);
  ASSERT_TRUE(doom);
  EXPECT_EQ(doom->volumeName, (Names{"E1M1", "E1M2"}));
  content::ContentOptions hexen;
  hexen.hexen = true;
  const auto hexenNames = content::contentNamesOf(
      wadFile({{"MAP01", 12}, {"THINGS", 10}, {"F_START", 0}, {"MAP02", 0}}), ContentKind::kWad,
      hexen);
  EXPECT_EQ(hexenNames->volumeName, (Names{"MAP01", "MAP02"}));
  // A directory offset past the end, a directory cut short.
  std::vector<uint8_t> bad = wadFile({{"MAP01", 0}});
  bad[9] = 0x7F;
  EXPECT_FALSE(content::contentNamesOf(bad, ContentKind::kWad));
  std::vector<uint8_t> cut = wadFile({{"MAP01", 0}, {"MAP02", 0}});
  cut.resize(cut.size() - 3);
  EXPECT_EQ(content::contentNamesOf(cut, ContentKind::kWad)->volumeName, Names{"MAP01"});
}

TEST(ContentNames, FreedoomsWadListsItsThirtyTwoMaps) {
  const std::string wad = "/usr/share/games/doom/freedoom2.wad";
  if (!std::filesystem::exists(wad)) GTEST_SKIP() << "the package freedoom is not installed";
  platform::FakeFileSystem fs;
  fs.addDrive('D');
  std::ifstream in(wad, std::ios::binary);
  fs.putFile("D:\\DOOM2\\FREEDOOM2.WAD",
             std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}));
  const auto names = content::readContentNames(fs, "D:\\DOOM2\\FREEDOOM2.WAD", ContentKind::kWad);
  ASSERT_TRUE(names);
  ASSERT_EQ(names->volumeCount(), 32u);
  EXPECT_EQ(names->volumeName.front(), "MAP01");
  EXPECT_EQ(names->volumeName.back(), "MAP32");
}

TEST(ContentNames, ArchivesListTheirMapsOnceWithoutBotMaps) {
  const auto zip = content::contentNamesOf(
      contenttest::zipFile({"maps/e1m1.map", "readme.txt", "MAPS/E1M2.MAP"}), ContentKind::kZip);
  ASSERT_TRUE(zip);
  EXPECT_EQ(zip->volumeName, (Names{"maps/e1m1.map", "MAPS/E1M2.MAP"}));
  const auto pak = content::contentNamesOf(
      contenttest::pakFile({"maps/e1m1.bsp", "maps/b_batt0.bsp", "maps/e1m2.bsp", "maps/e1m1.bsp"}),
      ContentKind::kPak);
  ASSERT_TRUE(pak);
  EXPECT_EQ(pak->volumeName, (Names{"maps/e1m1.bsp", "maps/e1m2.bsp"}));
  // Nothing a marker finds, a central directory said to start past the end.
  EXPECT_FALSE(content::contentNamesOf(contenttest::zipFile({"readme.txt"}), ContentKind::kZip));
  std::vector<uint8_t> lying = contenttest::zipFile({"maps/e1m1.map"});
  lying[lying.size() - 3] = 0x7F;
  EXPECT_FALSE(content::contentNamesOf(lying, ContentKind::kZip));
}

TEST(ContentNames, LevListsGiveOneNameALine) {
  EXPECT_EQ(namesOf("TOWER.MAP\r\nCASTLE.MAP\nLAST", ContentKind::kLevelList)->volumeName,
            (Names{"TOWER.MAP", "CASTLE.MAP", "LAST"}));
  std::string many;
  for (int i = 0; i < 150; ++i) many += "L" + std::to_string(i) + "\r\n";
  EXPECT_EQ(namesOf(many, ContentKind::kLevelList)->volumeCount(), ContentNames::kMaxVolumes);
}

}  // namespace
