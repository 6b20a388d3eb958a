// Single-player launches of the built-in games: a typical selection gives the command line the
// game's own documentation asks for.
#include <algorithm>

#include "support/built_in_fixture.h"

namespace {

namespace gd = catalogue::game_data;
namespace gi = catalogue::game_info;

class BuiltInLaunchTest : public testsupport::BuiltInGameTest {
 protected:
  void choose(int episodeIndex, int levelIndex, int skillIndex) {
    data.set(gd::EpisodeIndex, uint8_t(episodeIndex));
    data.set(gd::LevelIndex, uint8_t(levelIndex));
    data.set(gd::SkillIndex, uint8_t(skillIndex));
  }
};

TEST_F(BuiltInLaunchTest, DoomTwoWarpsToTheChosenLevelAtTheChosenSkill) {
  install(7, "C:\\DOOM2\\");
  choose(0, 6, 3);  // level 7, Ultra-Violence
  EXPECT_EQ(compose(), (Args{"-warp 7", "-skill 4"}));
  choose(0, 31, 0);
  EXPECT_EQ(compose(), (Args{"-warp 32", "-skill 1"}));
}

TEST_F(BuiltInLaunchTest, DukeUserMapIsPassedByNameAndCopiedBesideTheGame) {
  install(0, "C:\\DUKE3D\\");
  fs.putFile("C:\\DUKE3D\\DUKE3D.CFG", "[Screen Setup]\r\nScreenMode = 2\r\n");
  pick("C:\\ADDONS\\HELL\\HELL.MAP", 0);
  EXPECT_EQ(compose(), (Args{"-map HELL.MAP"}));  // no /v or /l: the map is the start
  choose(0, 0, 2);
  EXPECT_EQ(compose(), (Args{"/s3", "-map HELL.MAP"}));

  // The game loads user maps from its own directory: the configuration pass puts the map
  // there and leaves the game's settings alone.
  ASSERT_EQ(writeConfigFiles(), 1);
  EXPECT_EQ(text("C:\\DUKE3D\\HELL.MAP"), "content");
  EXPECT_EQ(text("C:\\DUKE3D\\DUKE3D.CFG"), "[Screen Setup]\r\nScreenMode = 2\r\n");
}

TEST_F(BuiltInLaunchTest, DukeWithoutAMapStartsTheChosenEpisodeAndLevel) {
  install(0, "C:\\DUKE3D\\");
  choose(1, 2, 3);
  EXPECT_EQ(compose(), (Args{"/v2", "/l3", "/s4"}));
  data.set(gd::NoMonsters, 1);
  data.set(gd::RespawnIndex, 1);  // the first respawn text: everything
  data.set(gd::SoundOption, 1, 1);
  EXPECT_EQ(compose(), (Args{"/v2", "/l3", "/s4", "/nm", "/m", "/tx"}));
}

TEST_F(BuiltInLaunchTest, DukeVideoModeEditsTheScreenKeysOfItsSettings) {
  install(1, "C:\\DUKE3D\\");
  fs.putFile("C:\\DUKE3D\\DUKE3D.CFG",
             "[Screen Setup]\r\nScreenMode = 2\r\nScreenWidth = 320\r\nScreenHeight = 200\r\n");
  data.set(gd::VideoModeIndex, 3);  // the third mode: 640x480 VESA
  EXPECT_EQ(game.get(gi::VideoModeDescription, 2), "640x480 VESA");
  EXPECT_EQ(compose(), (Args{"/v1", "/l1"}));  // the video mode is not a switch
  ASSERT_EQ(writeConfigFiles(), 1);
  EXPECT_EQ(text("C:\\DUKE3D\\DUKE3D.CFG"),
            "[Screen Setup]\r\nScreenMode = 1\r\nScreenWidth = 640\r\nScreenHeight = 480\r\n");
}

TEST_F(BuiltInLaunchTest, AtomicDukeAddsAiPlayersAndPlaysANamedDemo) {
  install(1, "C:\\DUKE3D\\");
  data.set(gd::BotCount, 2);
  data.set(gd::UseAiPlayers, 1);
  EXPECT_EQ(compose(), (Args{"/q3", "/a", "/v1", "/l1", "/s1"}));
  data.set(gd::BotCount, 0);
  data.set(gd::PlayDemo, 1);
  data.set(gd::DemoName, "DEMO2.DMO");
  EXPECT_EQ(compose(), (Args{"/dDEMO2.DMO"}));
  install(0, "C:\\DUKE13\\");  // 1.3D has neither
  EXPECT_EQ(compose(), Args{});
}

TEST_F(BuiltInLaunchTest, RedneckStartsEpisodeAndLevelLikeDuke) {
  install(2, "C:\\REDNECK\\");
  choose(1, 6, 1);
  EXPECT_EQ(compose(), (Args{"/v2", "/l7", "/s2"}));
}

TEST_F(BuiltInLaunchTest, BloodStartsALevelByItsMapNameAndBloodBathByItsOwn) {
  install(3, "C:\\BLOOD\\");
  choose(1, 2, 0);
  EXPECT_EQ(compose(), (Args{"-pname Player1", "-map e2m3.map"}));
  choose(4, 0, 0);  // the fifth episode entry: the BloodBath maps
  EXPECT_EQ(compose(), (Args{"-pname Player1", "-map bb1.map"}));
  data.set(gd::NoMonsters, 1);
  EXPECT_EQ(compose(), (Args{"-pname Player1", "-map bb1.map", "-nodudes"}));
}

TEST_F(BuiltInLaunchTest, ShadowWarriorStartsALevelAtASkill) {
  install(4, "C:\\SW\\");
  choose(0, 4, 1);
  EXPECT_EQ(compose(), (Args{"-name Player1", "-level5", "-s2"}));
  data.set(gd::PlayDemo, 1);  // a demo needs its level named
  data.set(gd::DemoName, "DEMO1.DMO");
  EXPECT_EQ(compose(), (Args{"-name Player1", "-dpDEMO1.DMO", "-level5", "-s2"}));
}

TEST_F(BuiltInLaunchTest, QuakeSetsTheSkillBeforeItStartsTheLevel) {
  install(5, "C:\\QUAKE\\");
  choose(2, 3, 1);
  EXPECT_EQ(compose(), (Args{"+name Player1", "+skill 1", "+map e3m4", "+skill 1"}));
}

TEST_F(BuiltInLaunchTest, QuakeModMapRunsTheModAndStartsTheMapFromAutoexec) {
  install(5, "C:\\QUAKE\\");
  pick("C:\\QUAKE\\mymod\\maps\\mymap.bsp", 0);
  choose(0, 0, 2);
  EXPECT_EQ(compose(), (Args{"+name Player1", "+skill 2", "-game mymod"}));
  EXPECT_EQ(lines[launch::kLineSelectedFile].Text, "Map <fileonly_name>@Default File1");

  ASSERT_EQ(writeConfigFiles(), 1);
  EXPECT_EQ(text("C:\\QUAKE\\id1\\autoexec.cfg"), "Map mymap\r\n");
  EXPECT_FALSE(fs.exists("C:\\QUAKE\\mymap.bsp"));  // the mod finds its own map
}

TEST_F(BuiltInLaunchTest, QuakeMapsOfTheGameItselfAndAModPak) {
  install(5, "C:\\QUAKE\\");
  // The game's own maps lie in id1\maps\, which the launch takes for a mod's: the game
  // is then told to run id1, its own data, which changes nothing.
  pick("C:\\QUAKE\\id1\\maps\\dm3.bsp", 0);
  EXPECT_EQ(compose(), (Args{"+name Player1", "-game id1"}));
  pick("C:\\QUAKE\\mymod\\pak0.pak", 1);
  EXPECT_EQ(compose(), (Args{"+name Player1", "+skill 0", "+map e1m1", "+skill 0", "-game mymod"}));
}

TEST_F(BuiltInLaunchTest, WinQuakeLoadsASavedGameAtOnce) {
  install(15, "C:\\QUAKE\\");
  data.set(gd::SavedGameSlot, 3);
  data.set(gd::SoundOption, 1, 0);
  EXPECT_EQ(compose(), (Args{"+name Player1", "+load s2", "+skill 0", "-nosound"}));
  EXPECT_EQ(game.get(gi::WindowsModeOnly), 1);
}

TEST_F(BuiltInLaunchTest, DoomWarpsWithEpisodeAndMapAndAddsThePwad) {
  for (int slot : {8, 16}) {
    SCOPED_TRACE(slot);
    install(slot, "C:\\DOOM\\");
    pick("D:\\WADS\\HELL.WAD", 0);
    choose(2, 4, 2);
    EXPECT_EQ(compose(), (Args{"-warp 3", "5", "-skill 3", "-file D:\\WADS\\HELL.WAD"}));
  }
}

TEST_F(BuiltInLaunchTest, RavenGamesWarpAndTakeTheirOptions) {
  install(9, "C:\\HERETIC\\");
  choose(3, 0, 4);
  data.set(gd::RespawnIndex, 2);  // monsters
  EXPECT_EQ(compose(), (Args{"-warp 4", "1", "-skill 5", "-respawn"}));

  install(10, "C:\\HEXEN\\");
  data.set(gd::NoMonsters, 1);
  data.set(gd::RespawnIndex, 0);
  choose(0, 0, 0);
  EXPECT_EQ(compose(), (Args{"-warp 1", "-skill 1", "-nomonsters"}));
}

TEST_F(BuiltInLaunchTest, StrifeRecordsADemoOnTheChosenLevel) {
  install(11, "C:\\STRIFE\\");
  choose(0, 1, 1);
  data.set(gd::RecordDemo, 1);
  data.set(gd::DemoName, "run");
  EXPECT_EQ(compose(), (Args{"-record run", "-warp 2", "-skill 2"}));
}

TEST_F(BuiltInLaunchTest, DescentOnlyTurnsSoundAndMusicOff) {
  install(6, "C:\\DESCENT\\");
  choose(1, 1, 1);  // missions and levels are chosen in the game
  data.set(gd::SoundOption, 1, 0);
  data.set(gd::SoundOption, 1, 1);
  EXPECT_EQ(compose(), (Args{"-nosound", "-nomusic"}));
}

TEST_F(BuiltInLaunchTest, RiseOfTheTriadWarpsAndLoadsAUserLevel) {
  install(13, "C:\\ROTT\\");
  choose(0, 4, 0);
  EXPECT_EQ(compose(), (Args{"WARP 5"}));
  pick("C:\\LEVELS\\MY.RTL", 0);
  EXPECT_EQ(compose(), (Args{"WARP 5", "FILERTL C:\\LEVELS\\MY.RTL"}));
}

TEST_F(BuiltInLaunchTest, QuakeTwoAndHexenTwoStartAMapAtASkill) {
  install(17, "C:\\QUAKE2\\");
  pick("C:\\QUAKE2\\baseq2\\maps\\base1.bsp", 0);
  choose(0, 0, 2);
  EXPECT_EQ(compose(), (Args{"+set name Player1", "+set skill 2", "+map base1"}));

  install(18, "C:\\HEXEN2\\");
  pick("C:\\HEXEN2\\data1\\maps\\demo1.bsp", 0);
  EXPECT_EQ(compose(), (Args{"+name Player1", "+skill 2", "+map demo1"}));
}

TEST_F(BuiltInLaunchTest, GamesWithoutSwitchesPassOnlyTheExtraOptions) {
  for (int slot : {12, 14, 19}) {
    SCOPED_TRACE(slot);
    install(slot, "C:\\GAME\\");
    choose(1, 1, 1);
    data.set(gd::NoMonsters, 1);
    data.set(gd::SoundOption, 1, 0);
    pick("C:\\GAME\\ANY.DAT", 0);
    data.set(gd::ExtraOptions, "<cml>-typed");
    EXPECT_EQ(compose(), Args{"-typed"});
  }
}

}  // namespace
