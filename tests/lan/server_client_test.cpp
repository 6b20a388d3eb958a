// A server and its clients on the pretend network: joining, the start handshake with its
// losses and duplicates, dropped players, the chat relay, quitting and the time-outs.
#include <gtest/gtest.h>

#include "lan/lan_texts.h"
#include "lan/server_dialog.h"
#include "lan_copy.h"

namespace lantest {
namespace {

using lan::ClientDialog;
using lan::ServerDialog;
using Stage = ClientFlow::Stage;
namespace hs = lan::handshake;

class ServerClientTest : public LanTest {
 protected:
  ServerClientTest() : server(addCopy("Sam")) {}

  ServerDialog& serve(int otherPlayers, std::function<void()> options = {}) {
    dialog.reset();
    server.univ().set(ui::PlayersIndex, uint8_t(otherPlayers - 1));
    server.open();
    server.socket->prepareAnnouncement("", "");
    dialog = std::make_unique<ServerDialog>(*server.socket, std::move(options));
    return *dialog;
  }
  ClientFlow& client(const std::string& name) {
    flows.push_back(std::make_unique<ClientFlow>(addCopy(name)));
    return *flows.back();
  }
  void pollAll() {
    if (dialog) dialog->poll();
    for (auto& flow : flows) flow->poll();
  }
  bool runUntil(const std::function<bool()>& done, uint64_t limitMs) {
    return LanTest::runUntil([this] { pollAll(); }, done, limitMs);
  }
  // A handshake from the server about `player`, sent by `from`'s endpoint.
  void sendHandshake(LanCopy& from, const platform::IpxAddress& to, const char* subkind,
                     const platform::IpxAddress& serverAddress,
                     const platform::IpxAddress& player) {
    const auto h =
        lan::makeHandshake({lan::kVersion, subkind, serverAddress, player, "", 0, 1, 2, 0});
    from.socket->endpoint().send(to, h.bytes());
  }

  LanCopy& server;
  std::unique_ptr<ServerDialog> dialog;
  std::vector<std::unique_ptr<ClientFlow>> flows;
};

TEST_F(ServerClientTest, WithOneOtherPlayerTheStartBeginsAtTheFirstJoin) {
  ServerDialog& s = serve(1);
  EXPECT_EQ(s.log(), "Server: Skill 1\r\nServer: Episode 1\r\nServer: Level = 1\r\n");
  EXPECT_EQ(s.searchLine(), lan::kSearchLine);
  ClientFlow& carol = client("Carol");
  ASSERT_TRUE(runUntil([&] { return s.starting(); }, 3000));
  EXPECT_EQ(s.playerCount(), 2);
  EXPECT_EQ(s.players(), std::vector<platform::IpxAddress>{carol.copy.address()});
  EXPECT_EQ(carol.dialog->heading(),
            "Found \"Quillfen95 Sever\" for a \r\n(Duke3D 1.3 Reg.) multiplayer game.");
  EXPECT_EQ(carol.dialog->information(),
            "Server: Skill 1\r\nServer: Episode 1\r\nServer: Level = 1");

  ASSERT_TRUE(runUntil([&] { return s.result() == ServerDialog::Result::kStarted; }, 3000));
  ASSERT_EQ(carol.stage, Stage::kWaiting);
  EXPECT_TRUE(carol.dialog->startReceived());
  EXPECT_EQ(carol.dialog->status(), lan::kLaunchReceived);
  // The client's game starts two seconds after the command, by the clock.
  clock.advance(1900);
  carol.poll();
  EXPECT_EQ(carol.stage, Stage::kWaiting);
  clock.advance(100);
  carol.poll();
  EXPECT_EQ(carol.stage, Stage::kStarted);
  EXPECT_EQ(carol.accepted, 1);
}

TEST_F(ServerClientTest, AKnownPlayersSecondJoinIsAnsweredWithoutCounting) {
  ServerDialog& s = serve(2);
  ClientFlow& carol = client("Carol");
  ASSERT_TRUE(runUntil([&] { return carol.stage == Stage::kWaiting; }, 3000));
  EXPECT_EQ(s.playerCount(), 2);
  EXPECT_EQ(s.status(), "Found 2 out of 3 players for Duke3D 1.3 Reg.");

  // The accept went astray: the client asks again, the same player.
  LanCopy& observer = addCopy("Olga");
  observer.open();
  sendHandshake(carol.copy, server.address(), lan::kPlayerJoin, server.address(),
                carol.copy.address());
  s.poll();
  EXPECT_EQ(s.playerCount(), 2);
  auto answer = observer.socket->endpoint().receive(400);
  while (answer && lan::subkindOf(answer->bytes) != lan::kAcceptJoin)
    answer = observer.socket->endpoint().receive(400);
  ASSERT_TRUE(answer);
  const auto accept = lan::readHandshake(answer->bytes);
  EXPECT_EQ(lan::addressOf(*accept, hs::PlayerAddress), carol.copy.address());
  EXPECT_EQ(accept->get(hs::Byte0), 2);
  EXPECT_EQ(accept->get(hs::Byte1), 2);

  // A join meant for another server is none of this one's business.
  sendHandshake(observer, server.address(), lan::kPlayerJoin, observer.address(),
                observer.address());
  s.poll();
  EXPECT_EQ(s.playerCount(), 2);
}

TEST_F(ServerClientTest, AClientThatNeverConfirmsIsDroppedAndTheSearchGoesOn) {
  ServerDialog& s = serve(2);
  ClientFlow& carol = client("Carol");
  ClientFlow& dave = client("Dave");
  ASSERT_TRUE(runUntil([&] { return s.starting(); }, 5000));
  // The first to join answers; the second's copy went away after it joined.
  ClientFlow* gone = s.players()[1] == dave.copy.address() ? &dave : &carol;
  ClientFlow* stays = gone == &dave ? &carol : &dave;
  flows.erase(
      std::find_if(flows.begin(), flows.end(), [&](const auto& f) { return f.get() == gone; }));
  const std::string broadcasts = s.counter();
  const uint64_t began = clock.milliseconds();

  ASSERT_TRUE(runUntil([&] { return !s.starting(); }, 20000));
  EXPECT_EQ(s.status(), "Message Recv from player #2");
  s.poll();
  EXPECT_EQ(s.result(), ServerDialog::Result::kRunning);
  EXPECT_EQ(s.playerCount(), 2);
  EXPECT_EQ(s.players(), std::vector<platform::IpxAddress>{stays->copy.address()});
  EXPECT_EQ(s.status(), "Found 2 out of 3 players for Duke3D 1.3 Reg.");
  EXPECT_TRUE(stays->dialog->preStartReceived());
  EXPECT_FALSE(stays->dialog->startReceived());
  // It kept asking for the whole 16 seconds, then went back to announcing.
  EXPECT_GE(clock.milliseconds() - began, 16000u);
  EXPECT_LE(clock.milliseconds() - began, 16200u);
  runUntil([] { return false; }, 1500);
  EXPECT_NE(s.counter(), broadcasts);

  // Another player fills the game: everyone still here starts.
  ClientFlow& erin = client("Erin");
  ASSERT_TRUE(runUntil([&] { return erin.stage == Stage::kStarted; }, 10000));
  EXPECT_EQ(stays->stage, Stage::kStarted);
  EXPECT_EQ(s.result(), ServerDialog::Result::kStarted);
}

TEST_F(ServerClientTest, TimeThatPassesWhileAPollWorksCostsNoPlayer) {
  // A slow machine: every reading of the clock finds it a millisecond on. The last join and
  // the first "PreStart0" then fall later than the poll's own start.
  clock.advanceOnEveryRead(1);
  ServerDialog& s = serve(2);
  ClientFlow& carol = client("Carol");
  ClientFlow& dave = client("Dave");
  ASSERT_TRUE(runUntil([&] { return s.result() != ServerDialog::Result::kRunning; }, 10000));
  EXPECT_EQ(s.result(), ServerDialog::Result::kStarted);
  EXPECT_EQ(s.playerCount(), 3);
  ASSERT_TRUE(runUntil(
      [&] { return carol.stage == Stage::kStarted && dave.stage == Stage::kStarted; }, 5000));
}

TEST_F(ServerClientTest, LostAndDuplicatedHandshakesCostTimeNotPlayers) {
  ServerDialog& s = serve(1);
  ClientFlow& carol = client("Carol");
  s.poll();      // the announcement
  carol.poll();  // heard: the join dialog opens
  ASSERT_EQ(carol.stage, Stage::kJoining);

  hub->loseNext(1);
  carol.poll();  // the first join is lost
  s.poll();
  EXPECT_EQ(s.playerCount(), 1);

  clock.advance(500);
  hub->duplicateNext(1);
  carol.poll();  // the second arrives twice
  hub->duplicateNext(1);
  s.poll();  // counted once, answered twice (the second answer duplicated); PreStart sent
  EXPECT_EQ(s.playerCount(), 2);
  EXPECT_TRUE(s.starting());

  carol.poll();  // accepted; waiting from here
  ASSERT_EQ(carol.stage, Stage::kWaiting);
  EXPECT_EQ(carol.accepted, 1);
  hub->loseNext(1);
  carol.poll();  // PreStart in, the confirmation lost
  EXPECT_TRUE(carol.dialog->preStartReceived());
  s.poll();
  EXPECT_TRUE(s.starting());

  clock.advance(500);
  s.poll();  // PreStart again
  hub->duplicateNext(1);
  carol.poll();  // confirmed twice
  hub->loseNext(1);
  s.poll();  // StartNow: the first copy lost
  EXPECT_EQ(s.result(), ServerDialog::Result::kStarted);
  carol.poll();
  EXPECT_TRUE(carol.dialog->startReceived());
  EXPECT_EQ(s.playerCount(), 2);
}

TEST_F(ServerClientTest, ChatIsRelayedOnceAndShownOnceEvenPastTheRing) {
  ServerDialog& s = serve(2);
  ClientFlow& carol = client("Carol");
  ASSERT_TRUE(runUntil([&] { return carol.stage == Stage::kWaiting; }, 3000));
  const std::string before = s.log();

  hub->duplicateNext(1);
  carol.dialog->sendMessage("hello");
  s.poll();
  carol.poll();
  EXPECT_EQ(s.log(), before + "Carol: hello\r\n");
  EXPECT_EQ(carol.dialog->log(), "\r\nCarol: hello");

  // A line relayed by another server is not relayed again.
  LanCopy& other = addCopy("Oscar");
  other.open();
  const auto relayed = lan::makeChat({other.address(), other.address(), "", "Oscar", "hi", 1});
  other.socket->endpoint().broadcast(relayed.bytes());
  s.poll();
  carol.poll();
  EXPECT_EQ(s.log(), before + "Carol: hello\r\n");
  EXPECT_EQ(carol.dialog->log(), "\r\nCarol: hello");

  // The server's numbers go round a ring of 255: the client keeps showing every line.
  for (int i = 0; i < 300; ++i) {
    s.sendMessage("m" + std::to_string(i));
    if (i % 50 == 49) carol.poll();
  }
  carol.poll();
  const std::string& log = carol.dialog->log();
  EXPECT_NE(log.find("\r\nSam: m0\r\n"), std::string::npos);
  EXPECT_NE(log.find("\r\nSam: m299"), std::string::npos);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 301);
}

TEST_F(ServerClientTest, OnlyCommandsForThisClientFromItsServerCount) {
  serve(2);
  ClientFlow& carol = client("Carol");
  ASSERT_TRUE(runUntil([&] { return carol.stage == Stage::kWaiting; }, 3000));
  LanCopy& observer = addCopy("Olga");
  observer.open();
  const platform::IpxAddress someoneElse = observer.address();

  sendHandshake(server, carol.copy.address(), lan::kStartNow, server.address(), someoneElse);
  sendHandshake(server, carol.copy.address(), lan::kPreStart, server.address(), someoneElse);
  sendHandshake(observer, carol.copy.address(), lan::kStartNow, someoneElse, carol.copy.address());
  sendHandshake(observer, carol.copy.address(), lan::kServerQuit, someoneElse, {});
  carol.poll();
  EXPECT_FALSE(carol.dialog->startReceived());
  EXPECT_FALSE(carol.dialog->preStartReceived());
  EXPECT_EQ(carol.stage, Stage::kWaiting);

  sendHandshake(server, carol.copy.address(), lan::kStartNow, server.address(),
                carol.copy.address());
  carol.poll();
  EXPECT_TRUE(carol.dialog->startReceived());
}

TEST_F(ServerClientTest, CancelTellsEveryClientAndEndsWithoutALaunch) {
  ServerDialog& s = serve(3);
  ClientFlow& carol = client("Carol");
  ClientFlow& dave = client("Dave");
  ASSERT_TRUE(runUntil(
      [&] { return carol.stage == Stage::kWaiting && dave.stage == Stage::kWaiting; }, 5000));
  hub->loseNext(1);  // Carol's own quit is lost; the broadcast still reaches her
  s.cancel();
  EXPECT_EQ(s.result(), ServerDialog::Result::kFailed);
  carol.poll();
  dave.poll();
  EXPECT_EQ(carol.stage, Stage::kFailed);
  EXPECT_EQ(dave.stage, Stage::kFailed);
}

TEST_F(ServerClientTest, AJoinNobodyAnswersEndsAfterSevenSeconds) {
  serve(1);
  ClientFlow& carol = client("Carol");
  dialog->poll();
  carol.poll();
  ASSERT_EQ(carol.stage, Stage::kJoining);
  dialog.reset();  // the server went away
  EXPECT_EQ(carol.dialog->status(), lan::kWaitingForAccept);
  clock.advance(7999);
  carol.poll();
  EXPECT_EQ(carol.stage, Stage::kJoining);
  clock.advance(1);
  carol.poll();
  EXPECT_EQ(carol.stage, Stage::kIdle);
}

TEST_F(ServerClientTest, ThePlayersRefusalsAndOptionsHold) {
  server.univ().set(ui::NeverServer, 1);
  EXPECT_EQ(serve(1).result(), ServerDialog::Result::kFailed);
  server.univ().set(ui::NeverServer, 0);
  ClientFlow& carol = client("Carol");
  carol.copy.univ().set(ui::NeverClient, 1);
  EXPECT_EQ(ClientDialog(*carol.copy.socket, ClientDialog::Phase::kJoin).result(),
            ClientDialog::Result::kFailed);

  ServerDialog& s = serve(1, [&] { server.univ().set(ui::Clan, "Reds"); });
  s.options();
  EXPECT_EQ(server.socket->announcement().get(lan::announcement::Clan), "Reds");
  EXPECT_EQ(server.prompter.boxes().back().caption, "Note");
  EXPECT_EQ(server.prompter.boxes().back().text,
            "Some changes may not take effect until the next launch.");
}

}  // namespace
}  // namespace lantest
