// The datagrams byte for byte as other copies read them, the readers' bounds and the stream
// socket number.
#include "lan/datagrams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace lan;
using Bytes = std::vector<uint8_t>;

const platform::IpxAddress kServer =
    platform::IpxAddress::make({0, 0, 0, 1}, {2, 0, 0, 0, 0, 1}, kCoordinationSocket);
const platform::IpxAddress kPlayer =
    platform::IpxAddress::make({0, 0, 0, 1}, {2, 0, 0, 0, 0, 2}, kCoordinationSocket);

std::string textAt(const Bytes& bytes, size_t offset, size_t size) {
  return std::string(bytes.begin() + offset, bytes.begin() + offset + size);
}

template <class Record>
Bytes imageOf(const Record& record) {
  return Bytes(record.bytes().begin(), record.bytes().end());
}

TEST(LanDatagrams, HandshakesAndTheServersQuitAreTheImagesOfTheTable) {
  HandshakeFields f{
      std::string("6203\0\0\0\0\0X", 10), kPreStart, kServer, kPlayer, "Reds", 1, 2, 3, 4};
  const Bytes b = imageOf(makeHandshake(f));
  Bytes expected;
  auto put = [&](std::string_view text, size_t size) {
    for (size_t i = 0; i < size; ++i) expected.push_back(i < text.size() ? uint8_t(text[i]) : 0);
  };
  put(std::string_view("6203\0\0\0\0\0X", 10), 10);  // copied as it came, last byte and all
  put("HandShake", 10);
  put("PreStart0", 10);
  expected.insert(expected.end(), kServer.bytes.begin(), kServer.bytes.end());
  expected.insert(expected.end(), kPlayer.bytes.begin(), kPlayer.bytes.end());
  put("Reds", 32);
  expected.insert(expected.end(), {1, 2, 3, 4});
  EXPECT_EQ(b, expected);

  const Bytes quit = imageOf(makeServerQuit(kVersion, kServer, platform::IpxAddress{}));
  ASSERT_EQ(quit.size(), 94u);
  EXPECT_EQ(textAt(quit, 20, 10), std::string("ServrQuit\0", 10));
  EXPECT_EQ(Bytes(quit.begin() + 44, quit.end()), Bytes(50, 0));
}

TEST(LanDatagrams, ChatTextsAreCutToTheirFields) {
  const Bytes b =
      imageOf(makeChat({kServer, kPlayer, "Reds", std::string(60, 'N'), std::string(200, 't'), 7}));
  ASSERT_EQ(b.size(), 299u);
  EXPECT_EQ(textAt(b, 90, 51), std::string(50, 'N') + '\0');
  EXPECT_EQ(textAt(b, 141, 150), std::string(149, 't') + '\0');
  EXPECT_EQ(Bytes(b.begin() + 291, b.end()), (Bytes{7, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(textAt(b, 0, 30), std::string(10, '\0') + std::string("HandShake\0MessageIM\0", 20));

  // Received texts that fill their fields are cut the same way before they are shown or relayed.
  Bytes full = b;
  std::fill(full.begin() + 90, full.begin() + 291, uint8_t('x'));
  const auto read = readChat(full);
  ASSERT_TRUE(read);
  EXPECT_EQ(chatLine(*read), std::string(50, 'x') + ": " + std::string(149, 'x'));
  EXPECT_EQ(imageOf(wellFormed(*read)),
            imageOf(makeChat(
                {kServer, kPlayer, "Reds", std::string(50, 'x'), std::string(149, 'x'), 7})));
}

TEST(LanDatagrams, ReadersTakeWholeImagesOnlyAndIgnoreWhatFollows) {
  const Bytes handshake =
      imageOf(makeHandshake({kVersion, kAcceptJoin, kServer, kPlayer, "", 2, 1, 2, 2}));
  EXPECT_FALSE(readHandshake(Bytes(handshake.begin(), handshake.end() - 1)));
  Bytes longer = handshake;
  longer.resize(400, 0xEE);
  const auto read = readHandshake(longer);
  ASSERT_TRUE(read);
  EXPECT_EQ(imageOf(*read), handshake);
  EXPECT_FALSE(readAnnouncement(handshake));
  EXPECT_FALSE(readChat({}));

  EXPECT_EQ(kindOf(Bytes(19, 'k')), std::nullopt);
  EXPECT_EQ(kindOf(Bytes(20, 'k')), std::string(10, 'k'));
  EXPECT_EQ(subkindOf(Bytes(29, 0)), std::nullopt);
  EXPECT_EQ(versionOf(Bytes{'6', '2'}), std::string("62\0\0\0\0\0\0\0\0", 10));
}

TEST(LanDatagrams, FileBlocksAnswerTheirRequest) {
  const FileRequest request = makeFileRequest(kServer, kPlayer, 5);
  const Bytes r = imageOf(request);
  ASSERT_EQ(r.size(), 52u);
  EXPECT_EQ(textAt(r, 10, 10), std::string("file_req3\0", 10));
  EXPECT_EQ(Bytes(r.begin() + 48, r.end()), (Bytes{5, 0, 0, 0}));

  const Bytes b = imageOf(blockTemplate(request, 700));
  ASSERT_EQ(b.size(), 312u);
  Bytes head(r.begin(), r.begin() + 34);
  std::copy_n("filesend3", 9, head.begin() + 10);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 34), head);
  EXPECT_EQ(Bytes(b.begin() + 34, b.begin() + 48),
            Bytes(kPlayer.bytes.begin(), kPlayer.bytes.end()));
  EXPECT_EQ(Bytes(b.begin() + 48, b.begin() + 308), Bytes(260, 0));
  EXPECT_EQ(Bytes(b.begin() + 308, b.end()), (Bytes{0xBC, 0x02, 0, 0}));
}

TEST(LanDatagrams, TheStreamSocketIsTheSocketFieldReadLittleEndianPlusOne) {
  EXPECT_EQ(streamAddress(kPlayer).socket(), 35125);
  EXPECT_EQ(streamAddress(kPlayer).node(), kPlayer.node());
  EXPECT_EQ(streamAddress(kPlayer.withSocket(0x88FF)).socket(), 0x89FF);
  EXPECT_EQ(streamAddress(kPlayer.withSocket(0xFFFF)).socket(), 0x0000);
}

}  // namespace
