// A whole coordinated start: a server and two clients, one of which lacks the map and fetches
// it first; everyone ends started on the same map.
#include <gtest/gtest.h>

#include "lan/server_dialog.h"
#include "lan_copy.h"

namespace lantest {
namespace {

using Stage = ClientFlow::Stage;

TEST_F(LanTest, AServerAndTwoClientsStartTogetherOneAfterFetchingTheMap) {
  LanCopy& server = addCopy("Sam");
  LanCopy& carol = addCopy("Carol");
  LanCopy& dave = addCopy("Dave");
  const std::string map = std::string(kGameDir) + "maps\\HELL.MAP";
  server.putMap(map, mapBytes(1000));
  carol.putMap("C:\\MAPS\\HELL.MAP", mapBytes(1000));  // the same map, elsewhere
  server.univ().set(ui::SocketNumbers, 0x7777, 7);
  server.univ().set(ui::SocketIndex, 7);
  server.cat->gameData().set(gd::SkillIndex, 2);

  server.open().prepareAnnouncement("HELL.MAP", std::string(kGameDir) + "maps\\", 0x1234);
  lan::ServerDialog dialog(*server.socket);
  ClientFlow carolFlow(carol), daveFlow(dave);
  ASSERT_TRUE(runUntil(
      [&] {
        dialog.poll();
        carolFlow.poll();
        daveFlow.poll();
      },
      [&] { return carolFlow.stage == Stage::kStarted && daveFlow.stage == Stage::kStarted; },
      20000));
  EXPECT_EQ(dialog.result(), lan::ServerDialog::Result::kStarted);
  EXPECT_EQ(dialog.playerCount(), 3);
  EXPECT_EQ(dialog.players().front(), carol.address());  // Carol needed no download

  EXPECT_FALSE(carolFlow.downloaded);
  EXPECT_EQ(carolFlow.launch.launchDir, "C:\\maps\\");
  EXPECT_TRUE(daveFlow.downloaded);
  EXPECT_EQ(daveFlow.launch.launchDir, std::string(kGameDir) + "maps\\");
  EXPECT_EQ(dave.machine.fs.readWhole(map), mapBytes(1000));
  EXPECT_EQ(dave.machine.fs.modificationTime(map), kMapTime);
  for (ClientFlow* flow : {&carolFlow, &daveFlow}) {
    EXPECT_TRUE(flow->launch.hasLaunchFile);
    EXPECT_EQ(flow->launch.launchFile, "HELL.MAP");
    EXPECT_EQ(flow->launch.viewOption, 0x1234);
    EXPECT_EQ(flow->copy.univ().get(ui::SocketNumbers, 9), 0x7777);
    EXPECT_EQ(flow->copy.cat->gameData().get(gd::SkillIndex), 2);
    EXPECT_EQ(flow->copy.univ().get(ui::PlayersIndex), 1);
    EXPECT_TRUE(flow->copy.boxes().empty());
  }
  EXPECT_TRUE(server.boxes().empty());
}

}  // namespace
}  // namespace lantest
