// Multiplayer launches of the built-in games that have switches for it: the connection program
// each connection type starts, and the switches and configuration keys a selection gives.
#include "support/built_in_fixture.h"

namespace {

namespace gd = catalogue::game_data;
namespace gi = catalogue::game_info;
namespace ui = catalogue::univ_info;

class BuiltInMultiplayerTest : public testsupport::BuiltInGameTest {};

// The Build games all go through COMMIT, whose settings file the configuration pass writes.
class CommitGameTest : public BuiltInMultiplayerTest, public ::testing::WithParamInterface<int> {};

TEST_P(CommitGameTest, NetworkGameWritesCommitSettingsAndStartsCommit) {
  install(GetParam(), "C:\\GAME\\");
  multiplayer(2, 4);  // IPX, four players
  univ.set(ui::GameMode, 0);
  compose();
  EXPECT_EQ(game.get(gi::IpxExecuteFile), "commit.exe");
  EXPECT_EQ(game.get(gi::SerialExecuteFile), "commit.exe");
  EXPECT_EQ(game.get(gi::ConfigFileFlag, 1), "1");

  fs.putFile("C:\\GAME\\" + configs.names[0], "");
  ASSERT_EQ(writeConfigFiles(), 1);
  const std::string commit = text("C:\\GAME\\COMMIT.DAT");
  EXPECT_NE(commit.find("COMMTYPE = 3\r\n"), std::string::npos) << commit;
  EXPECT_NE(commit.find("NUMPLAYERS = 4\r\n"), std::string::npos) << commit;
  EXPECT_NE(commit.find("SOCKETNUMBER = 34889\r\n"), std::string::npos) << commit;
  EXPECT_NE(commit.find("LAUNCHNAME = \"" + game.get(gi::ExecuteFile) + "\"\r\n"),
            std::string::npos)
      << commit;
}

TEST_P(CommitGameTest, ModemGameWritesTheDialSettings) {
  install(GetParam(), "C:\\GAME\\");
  multiplayer(1, 2);
  univ.set(ui::ComPort, 2);
  univ.set(ui::PhoneNumberList, "5551234", 0);
  univ.set(ui::DialMode, 1);  // answer
  compose();
  fs.putFile("C:\\GAME\\" + configs.names[0], "");
  ASSERT_EQ(writeConfigFiles(), 1);
  const std::string commit = text("C:\\GAME\\COMMIT.DAT");
  for (const char* line :
       {"COMMTYPE = 2\r\n", "COMPORT = 2\r\n", "IRQNUMBER = 3\r\n", "UARTADDRESS = 2F8\r\n",
        "PHONENUMBER = \"5551234\"\r\n", "CONNECTTYPE = 1\r\n"})
    EXPECT_NE(commit.find(line), std::string::npos) << line << commit;
}

INSTANTIATE_TEST_SUITE_P(BuildGames, CommitGameTest, ::testing::Values(0, 1, 2, 3, 4));

TEST_F(BuiltInMultiplayerTest, DukeMatchModeAndFewerPacketsAreSwitches) {
  install(1, "C:\\DUKE3D\\");
  multiplayer(2, 3);
  univ.set(ui::GameMode, 2);  // DukeMatch without spawn
  data.set(gd::FewerPacketIndex, 2);
  EXPECT_EQ(compose(), (Args{"/c3", "/f2", "/v1", "/l1"}));
}

// The Doom engine games go through IPXSETUP and SERSETUP, which pass the game's switches on.
class DriverGameTest : public BuiltInMultiplayerTest, public ::testing::WithParamInterface<int> {};

TEST_P(DriverGameTest, NetworkAndModemGamesGoThroughTheDeviceDrivers) {
  install(GetParam(), "C:\\GAME\\");
  EXPECT_EQ(game.get(gi::IpxExecuteFile), "ipxsetup.exe");
  EXPECT_EQ(game.get(gi::ModemExecuteFile), "sersetup.exe");

  multiplayer(2, 3);
  univ.set(ui::GameMode, 0);
  Args net = compose();
  ASSERT_GE(net.size(), 3u);
  EXPECT_EQ(net[0], "-nodes 3");
  EXPECT_EQ(net[1], game.get(gi::DeathMatchTypeCommand, 0).substr(5));
  EXPECT_EQ(net[2], "-port 34460");

  multiplayer(1, 2);
  univ.set(ui::ComPort, 2);
  univ.set(ui::PhoneNumberList, "5551234", 0);
  univ.set(ui::BaudRate, "19200");
  Args modem = compose();
  ASSERT_GE(modem.size(), 5u);
  EXPECT_EQ(modem[0], "-nodes 2");
  EXPECT_EQ((Args(modem.begin() + 2, modem.begin() + 5)),
            (Args{"-dial 5551234", "-19200", "-com2"}));
  univ.set(ui::Uart8250, 1);
  univ.set(ui::DialMode, 1);
  modem = compose();
  ASSERT_GE(modem.size(), 7u);
  EXPECT_EQ((Args(modem.begin() + 2, modem.begin() + 7)),
            (Args{"-dial 5551234", "-19200", "-com2", "-8250", "-answer"}))
      << "an answering modem still gets the number: the phone line has no condition";
}

INSTANTIATE_TEST_SUITE_P(DoomEngineGames, DriverGameTest, ::testing::Values(7, 8, 9, 10, 11, 16));

TEST_F(BuiltInMultiplayerTest, DoomDeathmatchWithATimeLimit) {
  install(7, "C:\\DOOM2\\");
  multiplayer(2, 4);
  univ.set(ui::GameMode, 2);
  univ.set(ui::TimeLimit, 20);
  EXPECT_EQ(compose(),
            (Args{"-nodes 4", "-deathmatch", "-port 34460", "-timer 20", "-warp 1", "-skill 1"}));
  univ.set(ui::GameMode, 1);  // co-operative: the game's default, no switch
  univ.set(ui::TimeLimit, 0);
  EXPECT_EQ(compose(), (Args{"-nodes 4", "-port 34460", "-warp 1", "-skill 1"}));
}

TEST_F(BuiltInMultiplayerTest, QuakeInterNetGameConnectsWithNameColoursAndLimits) {
  install(5, "C:\\QUAKE\\");
  multiplayer(4, 8);
  univ.set(ui::InternetNumberList, "10.0.0.7", 0);
  univ.set(ui::PlayerNameList, "Ranger", 0);
  univ.set(ui::GameMode, 0);
  univ.set(ui::FragLimit, 30);
  data.set(gd::ShirtColorIndex, 5);  // red
  data.set(gd::PantsColorIndex, 7);  // yellow
  EXPECT_EQ(compose(),
            (Args{"+name Ranger", "-listen 8", "+deathmatch 1", "+color 4", "12", "-port 26000",
                  "+connect 10.0.0.7", "+fraglimit 30", "+skill 0", "+map e1m1"}));
}

TEST_F(BuiltInMultiplayerTest, WindowsQuakeFamilyNamesThePlayerAndTheMode) {
  for (int slot : {15, 17, 18}) {
    SCOPED_TRACE(slot);
    install(slot, "C:\\GAME\\");
    multiplayer(2, 4);
    univ.set(ui::PlayerNameList, "Ranger", 0);
    univ.set(ui::GameMode, 1);
    Args got = compose();
    ASSERT_GE(got.size(), 3u);
    EXPECT_NE(got[0].find("name Ranger"), std::string::npos) << got[0];
    EXPECT_NE(got[1].find(" 4"), std::string::npos) << got[1];
    EXPECT_NE(got[2].find("coop 1"), std::string::npos) << got[2];
  }
}

TEST_F(BuiltInMultiplayerTest, RiseOfTheTriadNetworkGameThroughRottipx) {
  install(13, "C:\\ROTT\\");
  EXPECT_EQ(game.get(gi::IpxExecuteFile), "rottipx.exe");
  multiplayer(2, 5);
  univ.set(ui::SocketNumbers, 0x1234, 0);
  EXPECT_EQ(compose(), (Args{"NODES 5", "SOCKET 4660", "WARP 1"}));
  multiplayer(1, 2);
  univ.set(ui::DialMode, 0);
  EXPECT_EQ(compose(), (Args{"NODES 2", "DIAL", "WARP 1"}));
}

}  // namespace
