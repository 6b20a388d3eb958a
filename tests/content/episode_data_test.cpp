// The CON editor's episode data: which USER file a picked name leads to, the names, the level
// table with its level-10 key quirk, and the music lists.
#include "content/episode_data.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

namespace {

constexpr const char* kDir = "C:\\ADDON\\";

class EpisodeDataTest : public ::testing::Test {
 protected:
  EpisodeDataTest() {
    fs.putFile(std::string(kDir) + "USER.CON",
               "defineskillname 0 PIECE OF CAKE\r\n"
               "definevolumename 0 L.A. MELTDOWN\r\n"
               "definevolumename 3 THE BIRTH\r\n"
               // Level 10 stands before level 1: the editor's key for level 1 finds it first.
               "definelevelname 0 10 E1L11.MAP 01:00 00:30 SECRET LEVEL\r\n"
               "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n"
               "definelevelname 0 1 E1L2.MAP 05:10 03:21 RED LIGHT DISTRICT\r\n"
               "music 0 grabbag.mid briefing.mid\r\n"
               "music 1 stalker.mid dethtoll.mid\r\n  streets.mid a_name_far_too_long.mid\r\n"
               "music 4 e4l1.mid\r\n");
  }
  platform::FakeFileSystem fs;
};

TEST_F(EpisodeDataTest, APickedGameFileReadsItsUserFile) {
  const auto data = content::readEpisodeData(fs, "game.con", kDir, false);
  ASSERT_TRUE(data.valid);
  EXPECT_EQ(data.gameConName, "GAME.CON");
  EXPECT_EQ(data.userConName, "USER.CON");
  EXPECT_EQ(data.volumeCount, 3);
  EXPECT_EQ(data.volumeName[0], "L.A. MELTDOWN");
  EXPECT_EQ(data.volumeName[3], "THE BIRTH");
  EXPECT_EQ(data.skillName[0], "PIECE OF CAKE");
  const content::EpisodeLevel& first = data.level[0][0];
  EXPECT_EQ(first.map, "E1L1.MAP");
  EXPECT_EQ(first.parTime, "01:45");
  EXPECT_EQ(first.recordTime, "00:53");
  EXPECT_EQ(first.name, "HOLLYWOOD HOLOCAUST");
  // The key of level 1 has no blank after it and meets level 10's line first.
  EXPECT_EQ(data.level[0][1].map, "0");
  EXPECT_EQ(data.level[0][1].name, "00:30 SECRET LEVEL");
  EXPECT_EQ(data.music0First, "grabbag.mid");
  EXPECT_EQ(data.music0Rest, "briefing.mid");
  EXPECT_EQ(data.level[0][2].music, "streets.mid");
  EXPECT_EQ(data.level[0][3].music, "a_name_far_to");  // cut to 13
  EXPECT_EQ(data.level[0][4].music, "music");          // the list runs on into the next line
  EXPECT_EQ(data.level[3][0].music, "e4l1.mid");
}

TEST_F(EpisodeDataTest, UserPrefixedAndUnrelatedNames) {
  fs.putFile(std::string(kDir) + "XUSER.CON", "definevolumename 0 X\r\n");
  auto data = content::readEpisodeData(fs, "XGAME.CON", kDir, true);
  EXPECT_TRUE(data.valid);
  EXPECT_EQ(data.userConName, "XUSER.CON");
  EXPECT_EQ(data.volumeCount, 4);
  EXPECT_EQ(data.volumeName[0], "X");
  data = content::readEpisodeData(fs, "user.con", kDir, false);
  EXPECT_TRUE(data.valid);
  EXPECT_EQ(data.gameConName, "");
  data = content::readEpisodeData(fs, "DEFS.CON", kDir, false);
  EXPECT_FALSE(data.valid);
  EXPECT_EQ(data.userConName, "");
  EXPECT_FALSE(content::readEpisodeData(fs, "MYGAME.CON", kDir, false).valid);  // no MYUSER.CON
}

}  // namespace
