// The main view's multiplayer selections over records in memory: what the view shows for each
// communication type, the lists' rules and the coordination endpoint's lifetime.
#include "multiplayer/multiplayer_selections.h"

#include <gtest/gtest.h>

#include "platform/fake/scripted_prompter.h"

namespace {

using namespace multiplayer;
namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

struct RecordingCoordination : Coordination {
  bool exists() const override { return isOpen; }
  void create() override {
    isOpen = true;
    ++opened;
  }
  void destroy() override {
    isOpen = false;
    ++closed;
  }
  bool isOpen = false;
  int opened = 0;
  int closed = 0;
};

class MultiplayerSelectionsTest : public ::testing::Test {
 protected:
  MultiplayerSelectionsTest() {
    game.set(gi::PlayerQtyMax, 8);
    game.set(gi::PlayerNameCommand, "/name <var>");
    game.set(gi::SocketCommand, "/socket <var>");
    game.set(gi::DefaultSocketNumber, 0x8889);
    univ.set(ui::MultiplayerMode, 1);
  }
  MultiplayerSelections selections() {
    return MultiplayerSelections(univ, game, data, prompter, coordination);
  }

  catalogue::UnivInfoRecord univ;
  catalogue::GameInfoRecord game;
  catalogue::GameDataRecord data;
  platform::ScriptedPrompter prompter;
  RecordingCoordination coordination;
};

TEST_F(MultiplayerSelectionsTest, TheLayoutFollowsTheCommunicationType) {
  auto s = selections();
  s.chooseCommType(kSerial);
  MultiplayerView v = s.view();
  EXPECT_EQ(v.players.label, "Number of Players =");
  EXPECT_EQ(v.names.label, " PLAYERS NAME =");
  EXPECT_EQ(v.commTypes.label, "    COMM-TYPE =");
  EXPECT_TRUE(v.connectType.shown);
  EXPECT_EQ(v.connectType.label, "   CONNECT TYPE =");
  EXPECT_EQ(v.numberLabel, " PHONE NUMBER =");
  EXPECT_FALSE(v.sockets.shown);
  EXPECT_FALSE(v.autoLaunchShown);

  s.chooseCommType(kNetworkIpx);
  v = s.view();
  EXPECT_TRUE(v.sockets.shown);
  EXPECT_EQ(v.sockets.label, "SOCKET NUMBER =");
  EXPECT_TRUE(v.autoLaunchShown);
  EXPECT_FALSE(v.connectType.shown);
  EXPECT_FALSE(v.numberShown);

  game.set(gi::InternetExecuteFile, "DUKE3D.EXE");
  game.set(gi::KahnExecuteFile, "DUKE3D.EXE");
  s.chooseCommType(kInternet);
  v = s.view();
  EXPECT_TRUE(v.sockets.shown);
  EXPECT_TRUE(v.numberShown);
  EXPECT_EQ(v.numberLabel, "INTERNET NUM =");

  univ.set(ui::MultiplayerMode, 0);
  v = s.view();
  EXPECT_FALSE(v.players.shown || v.names.shown || v.commTypes.shown || v.sockets.shown ||
               v.numberShown || v.autoLaunchShown);
}

TEST_F(MultiplayerSelectionsTest, TheCommunicationTypesAreCutAtTheFirstOneTheGameCannotServe) {
  EXPECT_EQ(selections().view().commTypes.entries,
            (std::vector<std::string>{"Serial (cable)", "Modem", "NetWork/IPX"}));
  // A server program alone makes InterNet possible, but without Kahn/Kali it is never offered.
  game.set(gi::InternetServerExecuteFile, "SERVER.EXE");
  EXPECT_EQ(servedCommTypes(game), 3u);
  game.set(gi::KahnExecuteFile, "KALI.EXE");
  EXPECT_EQ(servedCommTypes(game), 7u);
  game.set(gi::InternetServerExecuteFile, "");
  game.set(gi::NetServerExecuteFile, "NET.EXE");
  EXPECT_EQ(servedCommTypes(game), 6u);
  EXPECT_EQ(selections().view().commTypes.entries.back(), "NetServer");

  // A stored type the game no longer serves picks the last one it does.
  game.set(gi::NetServerExecuteFile, "");
  univ.set(ui::ConnectionType, 6);
  auto s = selections();
  s.setUp();
  EXPECT_EQ(univ.get(ui::ConnectionType), 3);
}

TEST_F(MultiplayerSelectionsTest, ThePlayersListRunsFromTwoToTheGamesMaximumAndClampsTheIndex) {
  game.set(gi::PlayerQtyMax, 2);
  univ.set(ui::PlayersIndex, 5);
  auto s = selections();
  s.setUp();
  EXPECT_EQ(s.view().players.entries, std::vector<std::string>{"2"});
  EXPECT_EQ(s.players(), 2);

  game.set(gi::PlayerQtyMax, 8);
  s.choosePlayers(2);
  EXPECT_EQ(s.players(), 4);
  s.choosePlayers(40);
  EXPECT_EQ(s.players(), 8);
  univ.set(ui::PlayersIndex, 0xFF);  // a negative index
  EXPECT_EQ(s.players(), 2);
}

TEST_F(MultiplayerSelectionsTest, TypedNamesGoToTheFrontAndTenAreKept) {
  auto s = selections();
  for (int i = 0; i < 11; ++i) s.typeName("Player" + std::to_string(i));
  std::vector<std::string> names = s.view().names.entries;
  ASSERT_EQ(names.size(), 10u);
  EXPECT_EQ(names.front(), "Player10");
  EXPECT_EQ(names.back(), "Player1");
  EXPECT_EQ(univ.get(ui::NameIndex), 0);

  s.typeName("Player5");  // an existing name is selected, nothing inserted
  EXPECT_EQ(s.view().names.entries, names);
  EXPECT_EQ(univ.get(ui::NameIndex), 5);

  game.set(gi::PlayerNameCommand, "// no names");
  EXPECT_FALSE(s.view().names.enabled);
  s.typeName("Kestrel");
  EXPECT_EQ(s.view().names.entries, names);
}

TEST_F(MultiplayerSelectionsTest, ASocketNumberIsFourHexadecimalDigits) {
  univ.set(ui::ConnectionType, kNetworkIpx);
  auto s = selections();
  s.setUp();
  EXPECT_EQ(s.view().sockets.entries, std::vector<std::string>{"8889"});

  EXPECT_TRUE(s.typeSocket("88A5"));
  EXPECT_EQ(univ.get(ui::SocketNumbers, 1), 0x88A5);
  EXPECT_EQ(univ.get(ui::SocketIndex), 1);
  EXPECT_TRUE(prompter.boxes().empty());

  for (const char* bad : {"123", "1234 ", "12345", "88G5"}) {
    EXPECT_FALSE(s.typeSocket(bad)) << bad;
  }
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>(4, "Socket number must be a four digit number"));
  EXPECT_EQ(s.view().sockets.entries, (std::vector<std::string>{"8889", "88A5"}));

  // An existing number, in any case, is selected and nothing moves.
  EXPECT_TRUE(s.typeSocket("8889"));
  EXPECT_EQ(univ.get(ui::SocketIndex), 0);
  EXPECT_TRUE(s.typeSocket("88a5"));
  EXPECT_EQ(univ.get(ui::SocketIndex), 1);

  // Nine typed numbers fill entries 1-9; the tenth pushes the oldest out.
  for (int i = 0; i < 9; ++i) s.typeSocket(MultiplayerSelections::socketText(0x1000 + i));
  const auto entries = s.view().sockets.entries;
  ASSERT_EQ(entries.size(), 10u);
  EXPECT_EQ(entries[1], "1008");
  EXPECT_EQ(entries[9], "1000");
}

TEST_F(MultiplayerSelectionsTest, TheAiBoxAsksBeforeAiPlayersBecomeFakeOnes) {
  auto s = selections();
  s.setAiPlayers(true);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"Sorry, can not select this option with Duke version "
                                     "1.3\nFor more information see AI (DukeBots)"});
  EXPECT_EQ(data.get(gd::UseAiPlayers), 0);
  EXPECT_FALSE(s.view().aiShown);

  game.set(gi::AiPlayerCommand, "/a");
  s.setAiPlayers(true);
  EXPECT_TRUE(s.view().aiChecked);
  prompter.script({platform::Answer::kNo});
  s.setAiPlayers(false);
  EXPECT_TRUE(s.view().aiChecked);
  EXPECT_EQ(prompter.boxes().back().text,
            "Deselecting this option will change AI (DukeBots) players to FakePlayers "
            "only.\nAre you sure you want to do this?");
  prompter.script({platform::Answer::kYes});
  s.setAiPlayers(false);
  EXPECT_FALSE(s.view().aiChecked);
}

TEST_F(MultiplayerSelectionsTest, CoordinationIsOpenOnlyInMultiplayerModeWithAutoLaunch) {
  auto s = selections();
  s.setAutoLaunch(true);
  EXPECT_TRUE(coordination.exists());
  s.toggleMode();  // to single-player
  EXPECT_FALSE(coordination.exists());
  EXPECT_EQ(coordination.closed, 1);
  s.toggleMode();
  EXPECT_TRUE(coordination.exists());
  s.setAutoLaunch(false);
  EXPECT_FALSE(coordination.exists());
  EXPECT_EQ(coordination.opened, 2);
}

}  // namespace
