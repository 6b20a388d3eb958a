// The tunnel's packets and the streams' messages as bytes: what DOSBox sends is read, anything
// cut short or oversized is refused, messages come back whole however the stream cuts them.
#include "platform/ipx_wire.h"

#include <gtest/gtest.h>

#include "platform/stream_frames.h"

namespace platform {
namespace {

TEST(IpxWire, ADosboxPacketIsReadFieldByField) {
  // A unicast of "hello" on socket 0x4000 as DOSBox 0.74's server passed it on.
  const std::vector<uint8_t> bytes{0xFF, 0xFF, 0x00, 0x23, 0x00, 0x04, 0x00, 0x00, 0x00,
                                   0x00, 0x7F, 0x00, 0x00, 0x01, 0xE6, 0x7A, 0x40, 0x00,
                                   0x00, 0x00, 0x00, 0x00, 0x7F, 0x00, 0x00, 0x01, 0xB4,
                                   0x6A, 0x40, 0x00, 'h',  'e',  'l',  'l',  'o'};
  auto packet = ipx::parsePacket(bytes);
  ASSERT_TRUE(packet);
  EXPECT_EQ(packet->header.packetType, 4);
  EXPECT_EQ(packet->header.destination.node, ipx::nodeOf(0x7F000001, 59002));
  EXPECT_EQ(packet->header.destination.socket, 0x4000);
  EXPECT_EQ(packet->header.source.node, ipx::nodeOf(0x7F000001, 46186));
  EXPECT_EQ(std::string(packet->payload.begin(), packet->payload.end()), "hello");
  EXPECT_EQ(ipx::makePacket(packet->header, packet->payload), bytes);

  std::vector<uint8_t> longer = bytes;
  longer.push_back(0);  // one byte more than the length field says
  EXPECT_FALSE(ipx::parsePacket(longer));
  EXPECT_FALSE(ipx::parsePacket(std::span(bytes).first(34)));
  EXPECT_FALSE(ipx::parsePacket(std::span(bytes).first(ipx::kHeaderSize - 1)));
}

TEST(IpxWire, RegistrationBroadcastAndNodesAsDosboxsServerTellsThem) {
  const auto request = ipx::parsePacket(ipx::registrationRequest());
  ASSERT_TRUE(request);
  EXPECT_TRUE(ipx::isRegistration(request->header));
  EXPECT_FALSE(ipx::isRegistrationReply(request->header));
  const auto reply = ipx::parsePacket(ipx::registrationReply(ipx::nodeOf(0x0A000002, 3), {}));
  ASSERT_TRUE(reply);
  EXPECT_TRUE(ipx::isRegistrationReply(reply->header));
  EXPECT_FALSE(ipx::isRegistration(reply->header));
  // The server looks at the address part only, for both.
  EXPECT_TRUE(ipx::isBroadcast({0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
  EXPECT_FALSE(ipx::isBroadcast({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF}));
  ipx::Header echo;
  echo.destination = {{}, {0, 0, 0, 0, 0x12, 0x34}, ipx::kEchoSocket};
  EXPECT_TRUE(ipx::isRegistration(echo));
  EXPECT_EQ(ipx::nodeText(ipx::nodeOf(0xC0A80105, 21300)), "C0:A8:01:05:53:34");
}

TEST(StreamFrames, MessagesComeBackWholeHoweverTheStreamCutsThem) {
  std::vector<uint8_t> stream;
  std::vector<std::vector<uint8_t>> sent{{}, std::vector<uint8_t>(312, 0xAB), {1, 2, 3}};
  for (const auto& message : sent) {
    const auto framed = frames::frame(message);
    stream.insert(stream.end(), framed.begin(), framed.end());
  }
  for (size_t piece : {size_t(1), size_t(3), size_t(7), stream.size()}) {
    frames::FrameReader reader;
    std::vector<std::vector<uint8_t>> got;
    std::vector<uint8_t> message;
    for (size_t at = 0; at < stream.size(); at += piece) {
      reader.append(std::span(stream).subspan(at, std::min(piece, stream.size() - at)));
      while (reader.next(message) == frames::FrameReader::Next::kMessage) got.push_back(message);
    }
    EXPECT_EQ(got, sent) << "in pieces of " << piece;
    EXPECT_TRUE(reader.empty());
  }
}

TEST(StreamFrames, AnOversizedLengthEndsTheStreamAndOnlyAHelloNamesASocket) {
  frames::FrameReader reader;
  const std::vector<uint8_t> huge{0x00, 0x10, 0x00, 0x01};  // one byte over the limit
  reader.append(huge);
  std::vector<uint8_t> message;
  EXPECT_EQ(reader.next(message), frames::FrameReader::Next::kMalformed);
  reader.append(frames::frame(std::vector<uint8_t>{1}));
  EXPECT_EQ(reader.next(message), frames::FrameReader::Next::kMalformed) << "for good";

  EXPECT_EQ(frames::readHello(frames::hello(0x8935)), 0x8935);
  auto other = frames::hello(0x8935);
  other[0] = 'X';
  EXPECT_EQ(frames::readHello(other), std::nullopt);
  other = frames::hello(1);
  other.push_back(0);
  EXPECT_EQ(frames::readHello(other), std::nullopt);
}

}  // namespace
}  // namespace platform
