// The map a client lacks, fetched from the server: whole files byte for byte with their time,
// and transfers that go wrong leaving nothing under the map's name.
#include <gtest/gtest.h>

#include "lan/lan_texts.h"
#include "lan/server_dialog.h"
#include "lan_copy.h"

namespace lantest {
namespace {

using lan::DownloadDialog;
using lan::ServerDialog;
using Stage = ClientFlow::Stage;
namespace an = lan::announcement;
namespace fb = lan::file_block;

const std::string kServerMap = std::string(kGameDir) + "maps\\HELL.MAP";
const std::string kClientMap = std::string(kGameDir) + "maps\\HELL.MAP";
const std::string kScratch = std::string(kGameDir) + "maps\\QF95DL.TMP";

class MapTransferTest : public LanTest {
 protected:
  MapTransferTest() : server(addCopy("Sam")), client(addCopy("Carol")) {}

  // The server offers a map of `size` bytes to a game of three.
  void offer(size_t size) {
    server.putMap(kServerMap, mapBytes(size));
    server.univ().set(ui::PlayersIndex, 1);
    server.open().prepareAnnouncement("HELL.MAP", std::string(kGameDir) + "maps\\");
    dialog = std::make_unique<ServerDialog>(*server.socket);
  }
  // Runs the server and the client until the client has the map and asks to join.
  bool fetch() {
    flow = std::make_unique<ClientFlow>(client);
    return runUntil(
        [&] {
          dialog->poll();
          flow->poll();
        },
        [&] { return flow->stage == Stage::kJoining || flow->stage == Stage::kWaiting; }, 5000);
  }
  std::vector<uint8_t> clientFile(const std::string& path = kClientMap) {
    return client.machine.fs.readWhole(path).value_or(std::vector<uint8_t>{});
  }

  LanCopy& server;
  LanCopy& client;
  std::unique_ptr<ServerDialog> dialog;
  std::unique_ptr<ClientFlow> flow;
};

TEST_F(MapTransferTest, AMapOfWholeBlocksArrivesAsItIsWithItsTime) {
  offer(512);
  const lan::Announcement& a = server.socket->announcement();
  EXPECT_EQ(a.get(an::LaunchDir), "maps\\");
  EXPECT_EQ(a.get(an::LaunchFileSize), 512);
  EXPECT_EQ(uint32_t(a.get(an::LaunchFileTime)), kMapTime);
  EXPECT_EQ(dialog->log(),
            "Server: Skill 1\r\nServer: Launch file = HELL.MAP\r\nServer: Launch Dir = maps\\\r\n");

  ASSERT_TRUE(fetch());
  EXPECT_TRUE(flow->downloaded);
  EXPECT_EQ(clientFile(), mapBytes(512));
  EXPECT_EQ(client.machine.fs.modificationTime(kClientMap), kMapTime);
  EXPECT_FALSE(client.machine.fs.exists(kScratch));
  EXPECT_EQ(flow->dialog->information(),
            "Server: Skill 1\r\nServer: Launch file = HELL.MAP\r\nServer: Launch Dir = " +
                std::string(kGameDir) + "maps\\");
  const std::string log = dialog->log();
  EXPECT_NE(log.find("Server: Uploading file to player node 2.0.0.0.0.2\r\n"
                     "Server: Made good connection...\r\n"
                     "Server: Uploading file.....\r\n"
                     "Server: Upload Complete.....\r\n"),
            std::string::npos);
}

TEST_F(MapTransferTest, AnEmptyMapEndsOnTheClosedConnection) {
  offer(0);
  ASSERT_TRUE(fetch());
  ASSERT_TRUE(client.machine.fs.exists(kClientMap));
  EXPECT_TRUE(clientFile().empty());
  EXPECT_EQ(client.machine.fs.modificationTime(kClientMap), kMapTime);
}

TEST_F(MapTransferTest, ALocalMapOfAnotherTimeGivesWayToTheServersOnceItArrived) {
  offer(700);
  client.putMap(kClientMap, mapBytes(700, 9), kMapTime - 60);
  ASSERT_TRUE(fetch());
  EXPECT_EQ(clientFile(), mapBytes(700));
  EXPECT_EQ(client.machine.fs.modificationTime(kClientMap), kMapTime);
}

// The test plays the server's side of the stream by hand.
class StreamByHandTest : public MapTransferTest {
 protected:
  DownloadDialog& expect(uint32_t size, bool connect = true) {
    stream.reset();
    download.reset();
    client.open();
    lan::Announcement a = lan::freshAnnouncement();
    a.set(an::GameName, "Duke3D 1.3 Reg.");
    lan::setAddress(a, an::SenderAddress, server.address());
    a.set(an::HasLaunchFile, 1);
    a.set(an::LaunchDir, "maps\\");
    a.set(an::LaunchFile, "HELL.MAP");
    a.set(an::LaunchFileSize, int32_t(size));
    a.set(an::LaunchFileTime, int32_t(kMapTime));
    EXPECT_EQ(client.socket->hear(a.bytes()), lan::LanSocket::Heard::kDownload);
    download = client.socket->startDownload();
    if (!connect) return *download;
    std::string error;
    stream = server.network.connectStream(lan::streamAddress(client.address()), error);
    EXPECT_TRUE(stream) << error;
    return *download;
  }
  void sendBlock(int32_t index, uint32_t length, uint8_t fill = 0xAB) {
    lan::FileBlock block =
        lan::blockTemplate(lan::makeFileRequest(server.address(), client.address(), 0), length);
    block.set(fb::BlockIndex, index);
    std::fill(block.region(fb::Data).begin(), block.region(fb::Data).end(), fill);
    stream->send(block.bytes());
  }
  void expectNothingLeft() {
    EXPECT_EQ(download->result(), DownloadDialog::Result::kFailed);
    EXPECT_FALSE(client.machine.fs.exists(kClientMap));
    EXPECT_FALSE(client.machine.fs.exists(kScratch));
    EXPECT_FALSE(client.socket->finishDownload(*download));
  }

  std::unique_ptr<DownloadDialog> download;
  std::unique_ptr<platform::StreamConnection> stream;
};

TEST_F(StreamByHandTest, AShortStreamLeavesNoFile) {
  DownloadDialog& d = expect(600);
  stream.reset();  // connected and gone before it sent anything
  d.poll();
  expectNothingLeft();

  DownloadDialog& again = expect(600);
  EXPECT_EQ(again.location(), kClientMap);
  sendBlock(0, 600);
  sendBlock(1, 600);
  again.poll();
  EXPECT_TRUE(client.machine.fs.exists(kScratch));
  EXPECT_EQ(again.packetNumber(), "2");
  EXPECT_EQ(again.progressRange(), 2);
  stream.reset();
  again.poll();
  expectNothingLeft();
}

TEST_F(StreamByHandTest, AnOverlongStreamWritesNoMoreThanTheAnnouncedSize) {
  DownloadDialog& d = expect(300);
  sendBlock(1, 300, 0x11);                    // out of turn: skipped
  stream->send(std::vector<uint8_t>(10, 0));  // no block at all: skipped
  sendBlock(0, 300, 0x22);
  sendBlock(1, 300, 0x33);
  sendBlock(2, 300, 0x44);
  d.poll();
  ASSERT_EQ(d.result(), DownloadDialog::Result::kDone);
  std::vector<uint8_t> expected(256, 0x22);
  expected.insert(expected.end(), 44, 0x33);
  EXPECT_EQ(clientFile(), expected);
  EXPECT_TRUE(client.socket->finishDownload(d));
  EXPECT_EQ(client.socket->launchFile(), "HELL.MAP");
}

TEST_F(StreamByHandTest, AFileOfAnotherLengthThanAnnouncedIsNotKept) {
  DownloadDialog& d = expect(300);
  sendBlock(0, 512);
  d.poll();
  expectNothingLeft();
}

TEST_F(StreamByHandTest, AServerThatNeverConnectsIsGivenUp) {
  server.open();
  DownloadDialog& d = expect(300, /*connect=*/false);
  for (int t = 0; t < 2000; t += 100) {
    d.poll();
    clock.advance(100);
  }
  // It asks every half second, for the first block, to be sent to its own address.
  int requests = 0;
  while (auto datagram = server.socket->endpoint().receive(400)) {
    const auto request = lan::readFileRequest(datagram->bytes);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->get(lan::file_request::Kind), "file_req3");
    EXPECT_EQ(request->get(lan::file_request::NextBlock), 0);
    EXPECT_EQ(lan::addressOf(*request, lan::file_request::RequesterAddress), client.address());
    ++requests;
  }
  EXPECT_EQ(requests, 4);

  const auto pollAt = [&](uint64_t ms) {
    clock.advance(ms - clock.milliseconds());
    d.poll();
  };
  pollAt(5999);
  EXPECT_EQ(d.location(), kClientMap);
  pollAt(6000);
  EXPECT_EQ(d.location(), "Sever is not responding!  Canceling download.");
  pollAt(10999);
  EXPECT_EQ(d.result(), DownloadDialog::Result::kRunning);
  pollAt(11000);
  expectNothingLeft();
}

}  // namespace
}  // namespace lantest
