// The IPX relay: its rules with a recording sender, and the program itself on loopback.
#include "tools/ipxrelay/ipx_relay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/ipx_loopback.h"
#include "support/temp_dir.h"

namespace ipxrelay {
namespace {

namespace ipx = platform::ipx;
using namespace std::chrono_literals;

std::vector<uint8_t> fromHex(const std::string& hex) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

// A packet as a DOSBox member sends it: its own node as the source.
std::vector<uint8_t> packetFrom(const UdpAddress& from, const ipx::Node& to,
                                std::vector<uint8_t> payload = {1, 2, 3}) {
  ipx::Header header;
  header.packetType = 4;
  header.destination = {{}, to, 0x869C};
  header.source = {{}, from.node(), 0x869C};
  return ipx::makePacket(header, payload);
}

class RelayRules : public ::testing::Test {
 protected:
  struct Sent {
    UdpAddress to;
    std::vector<uint8_t> bytes;
  };

  Relay::Options options{.maxMembers = 3, .forgetAfter = 600s, .port = 21977};
  Relay::Clock::time_point start{};
  Relay::Clock::time_point now = start;
  std::vector<Sent> sent;
  std::vector<std::string> log;
  Relay relay{options,
              [this](const UdpAddress& to, std::span<const uint8_t> bytes) {
                sent.push_back({to, {bytes.begin(), bytes.end()}});
                return true;
              },
              [this](const std::string& line) { log.push_back(line); }, start};

  const UdpAddress a{0x7F000001, 46186}, b{0x7F000001, 59002}, c{0xC0A80105, 40000};

  void join(const UdpAddress& member) { relay.handle(member, ipx::registrationRequest(), now); }
  std::vector<std::pair<UdpAddress, std::vector<uint8_t>>> takeSent() {
    std::vector<std::pair<UdpAddress, std::vector<uint8_t>>> out;
    for (Sent& s : sent) out.emplace_back(s.to, std::move(s.bytes));
    sent.clear();
    return out;
  }
};

TEST_F(RelayRules, RegistrationIsAnsweredAsDosboxAnswersItAndCountedOnce) {
  join(a);
  join(a);
  ASSERT_EQ(sent.size(), 2u);
  // DOSBox 0.74's server answered 127.0.0.1:46186 on port 21977 with these bytes, but for the
  // packet type, which it leaves as whatever was in its memory (0x55 then).
  std::vector<uint8_t> dosbox =
      fromHex("ffff001e0055000000007f000001b46a0002000000010000000055d90002");
  dosbox[5] = 0;
  EXPECT_EQ(sent[0].bytes, dosbox);
  EXPECT_EQ(sent[1].bytes, dosbox);
  EXPECT_TRUE(sent[0].to == a);
  EXPECT_EQ(relay.counts().members, 1u);
  EXPECT_EQ(relay.counts().joined, 1u);
  EXPECT_EQ(log, std::vector<std::string>{"joined 127.0.0.1:46186 as node 7F:00:00:01:B4:6A"});
}

TEST_F(RelayRules, UnicastGoesToTheNamedNodeBroadcastToEveryOtherMember) {
  join(a), join(b), join(c);
  takeSent();
  const auto unicast = packetFrom(a, b.node());
  relay.handle(a, unicast, now);
  const auto broadcast = packetFrom(c, ipx::kBroadcastNode);
  relay.handle(c, broadcast, now);
  relay.handle(a, packetFrom(a, UdpAddress{0x7F000001, 1}.node()), now);  // nobody there

  auto got = takeSent();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_TRUE(got[0].first == b);
  EXPECT_EQ(got[0].second, unicast) << "passed on byte for byte";
  std::vector<UdpAddress> reached{got[1].first, got[2].first};
  EXPECT_TRUE((reached == std::vector{a, b} || reached == std::vector{b, a}));
  EXPECT_EQ(got[1].second, broadcast);
  const auto counts = relay.counts();
  EXPECT_EQ(counts.relayed, 2u);
  EXPECT_EQ(counts.delivered, 3u);
  EXPECT_EQ(counts.dropped, 1u);
}

TEST_F(RelayRules, MalformedForgedAndStrangersPacketsAreDropped) {
  join(a), join(b);
  takeSent();
  auto cut = packetFrom(a, b.node());
  cut.pop_back();  // the length field says one byte more
  relay.handle(a, cut, now);
  relay.handle(a, std::span(cut).first(ipx::kHeaderSize - 1), now);
  relay.handle(a, packetFrom(b, ipx::kBroadcastNode), now);  // a names b as the sender
  relay.handle(c, packetFrom(a, b.node()), now);             // a stranger does the same
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(relay.counts().dropped, 4u);
  EXPECT_FALSE(relay.isMember(c));
  EXPECT_EQ(relay.summary(), "members=2 relayed=0 delivered=0 dropped=4");
}

TEST_F(RelayRules, SilentMembersAreForgottenAndComeBackWhenTheySend) {
  join(a), join(b);
  takeSent();
  now = start + 500s;
  relay.handle(b, packetFrom(b, a.node()), now);
  now = start + 601s;
  relay.forgetSilent(now);
  EXPECT_FALSE(relay.isMember(a));
  EXPECT_TRUE(relay.isMember(b));
  EXPECT_EQ(log.back(), "left 127.0.0.1:46186 as node 7F:00:00:01:B4:6A (silent for 600 s)");
  EXPECT_EQ(relay.emptySince(), std::nullopt);

  takeSent();
  relay.handle(a, packetFrom(a, b.node()), now);
  EXPECT_TRUE(relay.isMember(a));
  EXPECT_EQ(log.back(), "back 127.0.0.1:46186 as node 7F:00:00:01:B4:6A");
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_TRUE(sent[0].to == b);

  now = start + 2000s;
  relay.forgetSilent(now);
  EXPECT_EQ(relay.counts().left, 3u);
  EXPECT_EQ(relay.emptySince(), now);
}

TEST_F(RelayRules, MembersBeyondTheCapAreRefusedAndTheLogToldOnce) {
  join(a), join(b), join(c);
  takeSent();
  const UdpAddress d{0x7F000001, 1000}, e{0x7F000001, 1001};
  join(d), join(e);
  relay.handle(d, packetFrom(d, a.node()), now);
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(relay.counts().members, 3u);
  EXPECT_EQ(relay.counts().dropped, 3u);
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& l) { return l.starts_with("refused"); }),
            1);
  // Room again once one is forgotten.
  now = start + 601s;
  join(b), join(c);
  relay.forgetSilent(now);
  join(d);
  EXPECT_TRUE(relay.isMember(d));
}

// The program on loopback, three members as DOSBox makes them.
TEST(RelayProgram, RelaysBetweenThreeMembersAndCountsAtTheEnd) {
  testsupport::TempDir dir;
  testsupport::RelayProcess relay(QF95_IPXRELAY, {"--log", dir / "relay.log"});
  ASSERT_NE(relay.port(), 0) << "no port";
  testsupport::UdpSocket members[3];
  std::vector<ipx::Node> nodes;
  for (auto& member : members) {
    member.sendTo(relay.port(), ipx::registrationRequest());
    auto reply = member.receive();
    ASSERT_TRUE(reply);
    auto packet = ipx::parsePacket(*reply);
    ASSERT_TRUE(packet && ipx::isRegistrationReply(packet->header));
    EXPECT_EQ(packet->header.destination.node, ipx::nodeOf(0x7F000001, member.port()));
    nodes.push_back(packet->header.destination.node);
  }
  const UdpAddress first{0x7F000001, members[0].port()}, third{0x7F000001, members[2].port()};
  const auto unicast = packetFrom(first, nodes[1], {7});
  members[0].sendTo(relay.port(), unicast);
  EXPECT_EQ(members[1].receive(), unicast);
  const auto broadcast = packetFrom(third, ipx::kBroadcastNode, {8});
  members[2].sendTo(relay.port(), broadcast);
  EXPECT_EQ(members[0].receive(), broadcast);
  EXPECT_EQ(members[1].receive(), broadcast);
  members[1].sendTo(relay.port(), std::vector<uint8_t>{1, 2, 3});

  // Counted before it ends, so the last datagram is in: a member sees it answered.
  members[0].sendTo(relay.port(), ipx::registrationRequest());
  ASSERT_TRUE(members[0].receive());
  const auto ended = relay.stop();
  EXPECT_EQ(ended.status, 0);
  EXPECT_NE(ended.output.find("stopped: members=3 relayed=2 delivered=3 dropped=1"),
            std::string::npos)
      << ended.output;
  std::ifstream in(dir / "relay.log");
  const std::string log(std::istreambuf_iterator<char>(in), {});
  size_t joins = 0;
  for (size_t at = log.find(" joined 127.0.0.1:"); at != std::string::npos;
       at = log.find(" joined 127.0.0.1:", at + 1))
    ++joins;
  EXPECT_EQ(joins, 3u) << log;
}

TEST(RelayProgram, APortTakenOrWrongArgumentsEndItAtOnce) {
  testsupport::RelayProcess first(QF95_IPXRELAY);
  ASSERT_NE(first.port(), 0);
  testsupport::RelayProcess second(QF95_IPXRELAY, {"--port", std::to_string(first.port())});
  EXPECT_EQ(second.port(), 0);
  EXPECT_EQ(second.stop().status, 1) << "the front-end takes 1 as someone else's server";
  testsupport::RelayProcess wrong(QF95_IPXRELAY, {"--port", "70000"});
  EXPECT_EQ(wrong.stop().status, 2);
}

}  // namespace
}  // namespace ipxrelay
