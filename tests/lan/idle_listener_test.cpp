// The coordination endpoint: opening it, which announcements the idle listener takes up, and
// the server's settings carried into the records.
#include <gtest/gtest.h>

#include "lan/lan_texts.h"
#include "lan_copy.h"

namespace lantest {
namespace {

using lan::Announcement;
using Heard = lan::LanSocket::Heard;
namespace an = lan::announcement;

class IdleListenerTest : public LanTest {
 protected:
  IdleListenerTest() : client(addCopy("Carol")), server(addCopy("Sam")) { client.open(); }

  Announcement offer(const std::string& game = "Duke3D 1.3 Reg.") {
    Announcement a = lan::freshAnnouncement();
    a.set(an::GameName, game);
    lan::setAddress(a, an::SenderAddress, server.address());
    a.set(an::OtherPlayers, 2);
    a.set(an::PlayersFound, 1);
    return a;
  }
  Announcement offerMap(const std::string& dir, const std::string& file, uint32_t size = 300) {
    Announcement a = offer();
    a.set(an::HasLaunchFile, 1);
    a.set(an::LaunchDir, dir);
    a.set(an::LaunchFile, file);
    a.set(an::LaunchFileSize, int32_t(size));
    a.set(an::LaunchFileTime, int32_t(kMapTime));
    return a;
  }
  Heard hear(const Announcement& a) { return client.socket->hear(a.bytes()); }

  LanCopy& client;
  LanCopy& server;
};

TEST_F(IdleListenerTest, OpeningFailuresAreToldAndLeaveTheCopyWithoutCoordination) {
  EXPECT_TRUE(client.socket->isOpen());
  lan::LanSocket second(client.services(), *client.cat);  // the socket is taken on this node
  EXPECT_FALSE(second.isOpen());
  ASSERT_EQ(client.prompter.boxes().size(), client.boxesBefore + 1);
  EXPECT_EQ(client.prompter.boxes().back().caption, "");
  EXPECT_EQ(client.prompter.boxes().back().text, "Bad bind");
  EXPECT_EQ(second.receiveAnnouncement(), Heard::kNothing);

  struct NoIpx : platform::Network {
    platform::NetworkStart start(uint16_t) override { return {true, platform::kNetworkVersion11}; }
    void release() override {}
  } noIpx;
  lan::LanSocket none({noIpx, client.machine.fs, clock, client.prompter}, *client.cat);
  EXPECT_FALSE(none.isOpen());
  EXPECT_EQ(client.boxes().back(), "Bad socket");

  // Making the socket puts a system socket number for maps right.
  client.univ().set(ui::MapSocket, "80");
  client.open();
  EXPECT_EQ(client.univ().get(ui::MapSocket), "34879");
}

TEST_F(IdleListenerTest, OnlyAnnouncementsOfOtherCopiesAreHeard) {
  Announcement a = offer();
  EXPECT_EQ(hear(a), Heard::kJoin);
  EXPECT_EQ(client.socket->serverAddress(), server.address());

  Announcement otherKind = offer();
  otherKind.set(an::Kind, "trevally");
  EXPECT_EQ(hear(otherKind), Heard::kNothing);
  Announcement own = offer();
  lan::setAddress(own, an::SenderAddress, client.address());
  EXPECT_EQ(hear(own), Heard::kNothing);
  std::vector<uint8_t> cut(a.bytes().begin(), a.bytes().end() - 1);
  EXPECT_EQ(client.socket->hear(cut), Heard::kNothing);
  EXPECT_EQ(hear(offer("Quake")), Heard::kNothing);  // not defined here
}

TEST_F(IdleListenerTest, ClansAreComparedWhenEitherSideAsksForIt) {
  client.univ().set(ui::Clan, "Reds");
  Announcement blue = offer();
  blue.set(an::Clan, "Blues");
  EXPECT_EQ(hear(blue), Heard::kJoin);  // neither side filters

  client.univ().set(ui::OnlyClanServer, 1);
  EXPECT_EQ(hear(blue), Heard::kNothing);
  client.univ().set(ui::OnlyClanServer, 0);
  blue.set(an::OnlyClanClients, 1);
  EXPECT_EQ(hear(blue), Heard::kNothing);

  Announcement red = blue;
  red.set(an::Clan, "Reds");
  EXPECT_EQ(hear(red), Heard::kJoin);
}

TEST_F(IdleListenerTest, AnotherDefinedGameIsJoinedOnlyWhenThePlayerAllowsIt) {
  client.machine.fs.putFile("D:\\QUAKE\\QUAKE.EXE", "MZ");
  client.cat->SetGameLocation("D:\\QUAKE\\", 5, "QUAKE.EXE");
  client.cat->SelectGame(0);
  ASSERT_EQ(client.cat->current().get(gi::GameName), "Duke3D 1.3 Reg.");

  EXPECT_EQ(hear(offer("Quake")), Heard::kNothing);
  client.univ().set(ui::AutoLaunchOtherGames, 1);
  EXPECT_EQ(hear(offer("Quake")), Heard::kJoin);
  EXPECT_EQ(client.socket->matchedSlot(), 5);
  EXPECT_EQ(client.socket->matchedGameDir(), "D:\\QUAKE\\");
  EXPECT_EQ(client.cat->currentSlot(), 5);
  EXPECT_EQ(client.cat->currentGameDirectory(), "D:\\QUAKE\\");
}

TEST_F(IdleListenerTest, PlacesOutsideTheGameAreNeverTakenFromTheNetwork) {
  client.putMap("C:\\WINDOWS\\HELL.MAP", mapBytes(300));
  for (const auto& [dir, file] :
       std::vector<std::pair<std::string, std::string>>{{"..\\..\\WINDOWS\\", "HELL.MAP"},
                                                        {"C:\\WINDOWS\\", "HELL.MAP"},
                                                        {"", "..\\..\\WINDOWS\\HELL.MAP"},
                                                        {"", "C:HELL.MAP"},
                                                        {"", "*.MAP"}})
    EXPECT_EQ(hear(offerMap(dir, file)), Heard::kNothing) << dir << file;
  EXPECT_EQ(client.socket->startDownload(), nullptr);
}

TEST_F(IdleListenerTest, AMissingMapIsDownloadedUnlessEitherSideForbidsIt) {
  const std::string path = std::string(kGameDir) + "maps\\HELL.MAP";
  client.putMap(path, mapBytes(300), kMapTime + 1);  // the same name, another time
  EXPECT_EQ(hear(offerMap("maps\\", "HELL.MAP")), Heard::kDownload);

  client.univ().set(ui::NeverDownloadMap, 1);
  EXPECT_EQ(hear(offerMap("maps\\", "HELL.MAP")), Heard::kNothing);
  client.univ().set(ui::NeverDownloadMap, 0);
  Announcement noUpload = offerMap("maps\\", "HELL.MAP");
  noUpload.set(an::NeverUpload, 1);
  EXPECT_EQ(hear(noUpload), Heard::kNothing);
  EXPECT_EQ(hear(offerMap("maps\\", "")), Heard::kNothing);  // no name to fetch

  client.machine.fs.setModificationTime(path, kMapTime);
  EXPECT_EQ(hear(offerMap("maps\\", "HELL.MAP")), Heard::kJoin);
  EXPECT_EQ(client.socket->launchDir(), std::string(kGameDir) + "maps\\");
  EXPECT_EQ(client.socket->launchFile(), "HELL.MAP");
}

TEST_F(IdleListenerTest, AFloodIsTakenAFewDatagramsAPoll) {
  server.open();
  for (int i = 0; i < 150; ++i) server.socket->endpoint().broadcast(std::vector<uint8_t>(i % 3, 1));
  server.socket->endpoint().broadcast(offer().bytes());
  int polls = 0;
  Heard heard = Heard::kNothing;
  while (heard == Heard::kNothing && polls < 10) {
    heard = client.socket->receiveAnnouncement();
    ++polls;
  }
  EXPECT_EQ(heard, Heard::kJoin);
  EXPECT_EQ(polls, 3);  // 64 + 64 + 23: empty datagrams do not stop the queue

  // Never a client: what arrives is dropped, nothing is taken up.
  client.univ().set(ui::NeverClient, 1);
  server.socket->endpoint().broadcast(offer().bytes());
  EXPECT_EQ(client.socket->receiveAnnouncement(), Heard::kNothing);
  EXPECT_EQ(client.socket->endpoint().pending(), 0u);
}

TEST_F(IdleListenerTest, TheServersSettingsAreTakenOverAndTheSocketSlotGivenBack) {
  client.univ().set(ui::SocketNumbers, 0x99AA, 9);
  client.univ().set(ui::SocketIndex, 2);
  client.cat->gameData().set(gd::SelectedFile, "D:\\OLD.MAP");
  Announcement a = offer();
  a.set(an::Level, 6);
  a.set(an::OtherPlayers, 3);
  a.set(an::SpawnOption, 1);
  a.set(an::ViewOption, 77);
  a.set(an::SocketNumber, 0x8888);
  ASSERT_EQ(hear(a), Heard::kJoin);

  const lan::ClientLaunch launch = client.socket->takeOverServerSettings();
  EXPECT_FALSE(launch.hasLaunchFile);
  EXPECT_EQ(launch.viewOption, 77);
  EXPECT_EQ(client.cat->gameData().get(gd::LevelIndex), 6);
  EXPECT_EQ(client.cat->gameData().get(gd::RespawnIndex), 1);
  EXPECT_EQ(client.cat->gameData().get(gd::SelectedFile), "");
  EXPECT_EQ(client.univ().get(ui::PlayersIndex), 2);
  EXPECT_EQ(client.univ().get(ui::SocketIndex), 9);
  EXPECT_EQ(client.univ().get(ui::SocketNumbers, 9), 0x8888);
  EXPECT_TRUE(client.socket->clientMode());
  client.socket->restoreAfterLaunch();
  EXPECT_EQ(client.univ().get(ui::SocketIndex), 2);
  EXPECT_EQ(client.univ().get(ui::SocketNumbers, 9), 0x99AA);

  // A server announcing no other players still makes a game of two here.
  a.set(an::OtherPlayers, 0);
  ASSERT_EQ(hear(a), Heard::kJoin);
  client.socket->takeOverServerSettings();
  EXPECT_EQ(client.univ().get(ui::PlayersIndex), 0);
}

}  // namespace
}  // namespace lantest
