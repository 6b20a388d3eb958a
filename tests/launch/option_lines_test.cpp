#include "launch/option_lines.h"

#include <gtest/gtest.h>

#include <tuple>

#include "launch/saved_game.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

// One option line as (Text, Value, State), so a failure prints the whole line.
using Line = std::tuple<std::string, std::string, int>;
const Line kEmpty{"", "", 0};

class OptionLinesTest : public ::testing::Test {
 protected:
  static constexpr const char* kGameDir = "C:\\GAMES\\DUKE3D\\";

  OptionLinesTest() {
    game.set(gi::GameKind, 1);
    game.set(gi::EpisodeCommand, "-v");
    game.set(gi::LevelCommand, "-l");
    game.set(gi::SkillCommand, "-s");
    game.set(gi::EpisodeMin, 1);
    game.set(gi::LevelMin, 1);
    game.set(gi::SkillMin, 1);
  }

  void multiplayer(int commType) {
    univ.set(ui::MultiplayerMode, 1);
    univ.set(ui::ConnectionType, uint8_t(commType));
    for (size_t t = 0; t < 14; ++t) game.set(gi::ModemSetupCommand, "m" + std::to_string(t), t);
  }

  void build(const std::string& selectedDir = kGameDir) {
    launch::buildOptionLines(lines, {game, data, univ, configs, kGameDir, selectedDir, fs},
                             session);
  }

  Line at(size_t i) const { return {lines[i].Text, lines[i].Value, lines[i].State}; }
  std::string text(size_t i) const { return lines[i].Text; }

  catalogue::GameInfoRecord game;
  catalogue::GameDataRecord data;
  catalogue::UnivInfoRecord univ;
  catalogue::ConfigWorkingCopies configs;
  platform::FakeFileSystem fs;
  launch::LaunchSession session;
  launch::OptionLines lines;
};

TEST_F(OptionLinesTest, DukeEpisodeLevelAndSkillWithAndWithoutPickedFile) {
  data.set(gd::EpisodeIndex, 1);
  data.set(gd::LevelIndex, 2);
  build();
  EXPECT_EQ(at(29), Line("-v", "2", 0));
  EXPECT_EQ(at(30), Line("-l", "3", 0));
  EXPECT_EQ(at(31), Line("", "1", 0));  // skill index 0 in a Duke game

  data.set(gd::EpisodeIndex, 0);
  data.set(gd::LevelIndex, 0);
  data.set(gd::SelectedFile, "C:\\GAMES\\DUKE3D\\X.CON");
  data.set(gd::SelectedFileTemplate, "<cml>/x<fileonly>");
  build();
  EXPECT_EQ(text(29) + text(30) + text(31), "");
  session.LevelPicked = true;
  build();
  EXPECT_EQ(text(30), "-l");
  data.set(gd::BotCount, 1);  // bots need every switch
  build();
  EXPECT_EQ(text(29) + text(31), "-v-s");
}

TEST_F(OptionLinesTest, DirectStartPassesOnlyTheSkill) {
  data.set(gd::EpisodeIndex, 2);
  data.set(gd::LevelIndex, 3);
  data.set(gd::SkillIndex, 2);
  auto expectSkillOnly = [&](const char* why) {
    build();
    EXPECT_EQ(at(29), Line("-s", "3", 0)) << why;
    EXPECT_EQ(text(30) + text(31), "") << why;
  };
  data.set(gd::SelectedFileTemplate, "<cml>-MAP <fileonly>");
  expectSkillOnly("map template");
  data.set(gd::SelectedFileTemplate, "");
  data.set(gd::SavedGameSlot, 3);
  expectSkillOnly("saved game");
  data.set(gd::SavedGameSlot, 0);
  data.set(gd::PlayDemo, 1);
  expectSkillOnly("play demo");
  data.set(gd::PlayDemo, 0);
  game.set(gi::LimitCommandOption, 1);
  univ.set(ui::MultiplayerMode, 1);
  expectSkillOnly("limited multiplayer");

  univ.set(ui::MultiplayerMode, 0);
  data.set(gd::RecordDemo, 1);  // recording is a direct start for Quake only
  build();
  EXPECT_EQ(text(30), "-l");
  game.set(gi::GameKind, 6);
  expectSkillOnly("Quake recording");
  game.set(gi::GameKind, 7);  // game types after Quake keep all three switches
  build();
  EXPECT_EQ(text(29) + text(30) + text(31), "-v-l-s");
}

TEST_F(OptionLinesTest, BloodFourthEpisodeIsStartedByMapName) {
  game.set(gi::GameKind, 4);
  data.set(gd::EpisodeIndex, 4);
  build();
  EXPECT_EQ(at(29), Line("<cml>-map bb<p>.map", "5", 0));
  data.set(gd::EpisodeIndex, 3);
  build();
  EXPECT_EQ(text(29), "-v");
}

TEST_F(OptionLinesTest, SerialAndModemLines) {
  multiplayer(1);
  univ.set(ui::ComPort, 2);
  univ.set(ui::CustomIrq, "7");
  univ.set(ui::CustomPortAddress, "3E0");
  univ.set(ui::ModemString, "ATDT", 0);
  univ.set(ui::PhoneNumberList, "5551234", 3);
  univ.set(ui::PhoneIndex, 3);
  build();
  EXPECT_EQ(at(9), Line("m0", "ATDT", 2));
  EXPECT_EQ(at(13), Line("m4", "5551234", 0));
  EXPECT_EQ(at(14), Line("m5", "3", 2));
  EXPECT_EQ(at(15), Line("m6", "2F8", 2));
  EXPECT_EQ(at(17), Line("m8", "2", 2));
  EXPECT_EQ(at(18), Line("", "", 2));
  EXPECT_EQ(at(19), Line("m11", "", 1));
  EXPECT_EQ(at(6), kEmpty);  // packet lines are for networks only

  univ.set(ui::ComPort, 0);
  univ.set(ui::Uart8250, 1);
  univ.set(ui::DialMode, 2);
  build();
  EXPECT_EQ(at(14), Line("m5", "7", 2));
  EXPECT_EQ(at(15), Line("m6", "3E0", 2));
  EXPECT_EQ(at(17), Line("m8", "", 2));
  EXPECT_EQ(at(18), Line("m9", "", 1));
  EXPECT_EQ(text(19), "m13");

  univ.set(ui::ComPort, 9);    // no such port: no settings rather than COM1's
  univ.set(ui::Uart16550, 1);  // the 16550 wins over the 8250
  build();
  EXPECT_EQ(lines[14].Value + lines[15].Value, "");
  EXPECT_EQ(text(18), "m10");
}

TEST_F(OptionLinesTest, NetworkAndInternetLines) {
  multiplayer(2);
  game.set(gi::NetConnectCommand, "-net");
  game.set(gi::InternetConnectCommand, "-tcp");
  game.set(gi::InternetAddressCommand, "-addr");
  game.set(gi::SocketCommand, "-socket");
  game.set(gi::FewerPacketCommand, "-p2", 1);
  data.set(gd::FewerPacketIndex, 2);
  univ.set(ui::SocketNumbers, 0x4455, 5);
  univ.set(ui::SocketIndex, 5);
  univ.set(ui::InternetNumberList, "10.0.0.7", 2);
  univ.set(ui::InternetNameList, "Alice", 2);
  univ.set(ui::InternetIndex, 2);
  build();
  EXPECT_EQ(at(8), Line("-net", "", 1));
  EXPECT_EQ(at(6), Line("-p2", "", 1));
  EXPECT_EQ(at(7), Line("-socket", "17493", 0));
  EXPECT_EQ(text(9) + text(45), "");

  univ.set(ui::ConnectionType, 4);
  univ.set(ui::SocketIndex, 1);  // socket number 0: no socket line
  build();
  EXPECT_EQ(at(8), Line("-tcp", "10.0.0.7", 0));
  EXPECT_EQ(at(45), Line("-addr", "10.0.0.7", 2));
  EXPECT_EQ(at(7), kEmpty);
}

TEST_F(OptionLinesTest, PlayerAndBotLinesFollowMultiplayerMode) {
  game.set(gi::PlayerQtyCommand, "-q");
  game.set(gi::TimeLimitCommand, "-t");
  game.set(gi::AiPlayerCommand, "-a");
  game.set(gi::FakePlayerCommand, "-f");
  univ.set(ui::PlayersIndex, 2);
  univ.set(ui::TimeLimit, 15);
  data.set(gd::BotCount, 3);
  build();
  EXPECT_EQ(text(2) + text(20) + text(26), "");
  EXPECT_EQ(at(27), Line("-f", "4", 0));
  data.set(gd::UseAiPlayers, 1);
  build();
  EXPECT_EQ(at(26), Line("-a", "4", 0));
  EXPECT_EQ(text(27), "");
  data.set(gd::BotCount, 0);
  build();
  EXPECT_EQ(text(26) + text(27), "");

  multiplayer(2);
  data.set(gd::BotCount, 3);
  build();
  EXPECT_EQ(at(2), Line("-q", "4", 0));
  EXPECT_EQ(at(20), Line("-t", "15", 0));
  EXPECT_EQ(at(21), kEmpty);  // frag limit 0
  EXPECT_EQ(at(26), kEmpty);  // no bots in multiplayer
}

TEST_F(OptionLinesTest, LaunchNameAndDemoLines) {
  game.set(gi::ExecuteFile, "DUKE3D.EXE");
  game.set(gi::RecordDemoCommand, "-r");
  game.set(gi::PlayDemoCommand, "-d");
  data.set(gd::PlayDemo, 1);
  data.set(gd::DemoName, "DEMO1.DMO");
  build();
  EXPECT_EQ(lines[22].Value, "DUKE3D.EXE");
  EXPECT_EQ(at(24), Line("", "DEMO1.DMO", 1));  // a Duke game records without the name
  EXPECT_EQ(at(25), Line("-d", "DEMO1.DMO", 0));

  game.set(gi::UseArgPassProgram, 1);
  univ.set(ui::SpaceOrbOn, 1);
  game.set(gi::GameKind, 3);
  build();
  EXPECT_EQ(lines[22].Value, "arg_pass.com");
  EXPECT_EQ(lines[24].State, 0);
}

TEST_F(OptionLinesTest, SoundAndOnOffSwitches) {
  game.set(gi::SoundOnCommand, "-sound");
  game.set(gi::MusicOffCommand, "-nomusic");
  game.set(gi::RespawnItemsCommand, "-t2");
  game.set(gi::VideoModeCommand, "-vga", 11);
  game.set(gi::GodModeCommand, "-god");
  data.set(gd::SoundOption, 1, 1);
  data.set(gd::NoMonsters, 1);  // no switch text: the line stays empty
  data.set(gd::RespawnIndex, 3);
  data.set(gd::VideoModeIndex, 12);
  data.set(gd::GodMode, 1);
  build();
  EXPECT_EQ(at(32), Line("-sound", "", 4));
  EXPECT_EQ(at(33), Line("-nomusic", "", 1));
  EXPECT_EQ(at(36), Line("", "", 1));
  EXPECT_EQ(at(37), Line("-t2", "", 1));
  EXPECT_EQ(at(38), Line("-vga", "", 1));
  EXPECT_EQ(at(58), Line("-god", "", 1));
  EXPECT_EQ(at(59), Line("", "", 2));
}

TEST_F(OptionLinesTest, ConfigurationSlotValues) {
  game.set(gi::UserPathCommand, "<default file1> <Default File2> <Default File3>");
  for (size_t i = 0; i < 5; ++i) game.set(gi::ConfigFileCommand, "c" + std::to_string(i), i);
  configs.names = {"GAME.CFG", "USER.CON", "OTHER.INI", "X", "Y"};
  configs.dirs = {kGameDir, kGameDir, "C:\\ELSE\\", kGameDir, kGameDir};
  fs.putFile("C:\\MAPS\\GAME.CFG", "");
  build("C:\\MAPS\\");
  EXPECT_EQ(at(39), Line("c0", "GAME.CFG", 0));  // found beside the picked file
  EXPECT_EQ(at(40), Line("c1", "C:\\GAMES\\DUKE3D\\USER.CON", 0));
  EXPECT_EQ(at(41), Line("c2", "C:\\ELSE\\OTHER.INI", 0));
  EXPECT_EQ(at(42), Line("", "", 2));

  build(kGameDir);
  EXPECT_EQ(lines[40].Value, "USER.CON");
  EXPECT_EQ(lines[41].Value, "C:\\ELSE\\OTHER.INI");
}

TEST_F(OptionLinesTest, QuakeModMapGoesThroughConfigurationAndGameSwitch) {
  game.set(gi::GameKind, 6);
  data.set(gd::SelectedFile, "C:\\GAMES\\DUKE3D\\ctf\\maps\\CTF1.BSP");
  data.set(gd::SelectedFileTemplate, "<cml>+map <fileonly_name>");
  build("C:\\GAMES\\DUKE3D\\ctf\\maps\\");
  EXPECT_EQ(at(44), Line("Map <fileonly_name>@Default File1", "CTF1.BSP", 2));
  EXPECT_EQ(at(45), Line("<cml>-game <var>", "ctf", 2));

  data.set(gd::SelectedFile, "C:\\GAMES\\DUKE3D\\MAPS\\E1M1.BSP");
  build("C:\\GAMES\\DUKE3D\\MAPS\\");  // the game's own maps
  EXPECT_EQ(at(44), Line("<cml>+map <fileonly_name>", "C:\\GAMES\\DUKE3D\\MAPS\\E1M1.BSP", 2));
  EXPECT_EQ(text(45), "");
  data.set(gd::SelectedFile, "D:\\ctf\\maps\\CTF1.BSP");
  build("D:\\ctf\\maps\\");  // outside the game directory
  EXPECT_EQ(text(45), "");
  data.set(gd::SelectedFile, "");
  build();
  EXPECT_EQ(at(44), Line("", "", 2));
}

TEST_F(OptionLinesTest, SavedGamePickIsUsedByOneBuild) {
  platform::ScriptedPrompter prompter;
  data.set(gd::SelectedFile, "C:\\GAMES\\DUKE3D\\E1L1.MAP");
  EXPECT_FALSE(launch::prepareSavedGameLaunch(4, game, data, session, prompter));
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"No GamePick options set for running Saved games"});
  EXPECT_EQ(data.get(gd::SelectedFile), "C:\\GAMES\\DUKE3D\\E1L1.MAP");

  game.set(gi::SavedGamePickCommand, "-lg");
  EXPECT_FALSE(launch::prepareSavedGameLaunch(11, game, data, session, prompter));
  EXPECT_EQ(session.PendingSavedGame, "");
  ASSERT_TRUE(launch::prepareSavedGameLaunch(4, game, data, session, prompter));
  EXPECT_EQ(data.get(gd::SelectedFile), "");
  build();
  EXPECT_EQ(at(47), Line("-lg", "3", 2));
  build();
  EXPECT_EQ(at(47), Line("", "", 2));
  ASSERT_EQ(prompter.boxes().size(), 1u);
  EXPECT_STREQ(prompter.boxes()[0].caption.c_str(), platform::kCaptionProgram);
}

TEST_F(OptionLinesTest, WeaponOrderPositions) {
  for (size_t k = 0; k < 10; ++k) game.set(gi::WeaponOrderCommand, "w" + std::to_string(k), k);
  data.set(gd::WeaponOrder, std::string("30\0\0\0\0\0\0\0\0", 10));
  build();
  EXPECT_EQ(at(48), Line("w0", "3", 2));
  EXPECT_EQ(at(49), Line("w1", "0", 2));  // digit 0 is a weapon too
  EXPECT_EQ(at(50), Line("", "", 2));
}

TEST_F(OptionLinesTest, IndexesPastTheirListsChooseNothing) {
  multiplayer(0);
  // Element 0 of every list is set, so a fall-back to the first entry would show.
  game.set(gi::ColorValue, "blue", 0);
  game.set(gi::DeathMatchTypeCommand, "dm0", 0);
  game.set(gi::FewerPacketCommand, "p0", 0);
  game.set(gi::VideoModeCommand, "v0", 0);
  game.set(gi::RespawnAllCommand, "r0");
  univ.set(ui::PlayerNameList, "Duke", 0);
  univ.set(ui::PhoneNumberList, "555", 0);
  univ.set(ui::InternetNumberList, "10.0.0.1", 0);
  univ.set(ui::SocketNumbers, 1234, 0);
  data.set(gd::ShirtColorIndex, 8);
  data.set(gd::PantsColorIndex, 255);
  univ.set(ui::GameMode, 4);
  univ.set(ui::DialMode, 3);
  univ.set(ui::NameIndex, 10);
  univ.set(ui::PhoneIndex, 50);
  data.set(gd::RespawnIndex, 5);
  data.set(gd::VideoModeIndex, 13);
  build();
  for (size_t i : {3, 19, 37, 38}) EXPECT_EQ(text(i), "") << "line " << i;
  for (size_t i : {1, 4, 5, 13}) EXPECT_EQ(lines[i].Value, "") << "line " << i;

  game.set(gi::SerialConnectCommand, "serial");
  univ.set(ui::ConnectionType, 7);
  univ.set(ui::SocketIndex, 10);
  univ.set(ui::InternetIndex, 50);
  data.set(gd::FewerPacketIndex, 4);
  build();
  for (size_t i : {6, 7, 8}) EXPECT_EQ(text(i), "") << "line " << i;
  EXPECT_EQ(lines[45].Value, "");
}

TEST_F(OptionLinesTest, EveryBuildStartsFromEmptyLines) {
  for (launch::OptionLine& line : lines) line = {"old", "old", 7};
  build();
  EXPECT_EQ(at(46), kEmpty);
  EXPECT_EQ(at(0), Line("", "", 1));
  EXPECT_EQ(at(1), kEmpty);
}

}  // namespace
