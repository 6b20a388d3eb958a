// This machine's IPX network on loopback: endpoints registered with our relay, datagrams and
// streams between them, the relay started when nothing answers, and the server setting.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <map>

#include "platform/host/host_network.h"
#include "platform/ipx_wire.h"
#include "support/ipx_loopback.h"

namespace platform {
namespace {

std::vector<uint8_t> bytesOf(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::string textOf(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// The next datagram for `endpoint` within three seconds.
std::optional<Datagram> next(DatagramEndpoint& endpoint, size_t maxBytes = 2000) {
  if (!testsupport::eventually([&] { return endpoint.pending() > 0; })) return std::nullopt;
  return endpoint.receive(maxBytes);
}

std::string nextText(DatagramEndpoint& endpoint) {
  auto datagram = next(endpoint);
  return datagram ? textOf(datagram->bytes) : "(nothing)";
}

class IpxTunnelTest : public ::testing::Test {
 protected:
  IpxTunnelTest() { setting.server = {"127.0.0.1", relay.port()}; }
  void SetUp() override { ASSERT_NE(relay.port(), 0) << "the relay did not start"; }

  std::unique_ptr<DatagramEndpoint> open(HostNetwork& network, uint16_t socket) {
    std::string error;
    auto endpoint = network.openDatagram(socket, error);
    EXPECT_TRUE(endpoint) << error;
    return endpoint;
  }

  testsupport::RelayProcess relay{QF95_IPXRELAY};
  IpxServerSetting setting;
};

TEST_F(IpxTunnelTest, EndpointsExchangeUnicastAndBroadcastOnTheirSocketNumber) {
  HostNetwork network(setting);
  auto a = open(network, 0x869C), b = open(network, 0x869C), other = open(network, 0x4000);
  ASSERT_TRUE(a && b && other);
  const IpxAddress at = a->ownAddress();
  EXPECT_EQ(at.socket(), 0x869C);
  EXPECT_EQ(ipx::ipv4Of(at.node()), 0x7F000001u);
  EXPECT_NE(at.node(), b->ownAddress().node()) << "each endpoint is a node of its own";
  EXPECT_EQ(network.startedRelay(), 0) << "the server answered";

  ASSERT_TRUE(a->send(b->ownAddress(), bytesOf("one")));
  auto got = next(*b);
  ASSERT_TRUE(got);
  EXPECT_EQ(textOf(got->bytes), "one");
  EXPECT_EQ(got->from, at);

  ASSERT_TRUE(a->broadcast(bytesOf("to all")));
  EXPECT_EQ(nextText(*b), "to all");
  // What comes next shows what did not: the broadcast reached neither the sender nor the
  // other socket number.
  a->send(other->ownAddress(), bytesOf("after"));
  b->send(at, bytesOf("back"));
  EXPECT_EQ(nextText(*other), "after");
  EXPECT_EQ(nextText(*a), "back");

  b->send(at, bytesOf("cut here"));
  ASSERT_TRUE(testsupport::eventually([&] { return a->pending() == 8; }));
  EXPECT_EQ(textOf(a->receive(3)->bytes), "cut");
  EXPECT_FALSE(a->send(b->ownAddress(), std::vector<uint8_t>(ipx::kMaxPayload + 1)))
      << "DOSBox would get it cut short";
  EXPECT_NE(a->lastError().find("at most"), std::string::npos);
}

TEST_F(IpxTunnelTest, MalformedAndStrayDatagramsAreDropped) {
  HostNetwork network(setting);
  auto a = open(network, 0x869C), b = open(network, 0x869C);
  ASSERT_TRUE(a && b);
  const IpxAddress at = a->ownAddress();
  // Straight to a's UDP socket, past the relay.
  testsupport::UdpSocket stranger;
  const uint16_t port = ipx::portOf(at.node());
  ipx::Header header;
  header.destination = {at.network(), at.node(), at.socket()};
  auto wrongLength = ipx::makePacket(header, bytesOf("xx"));
  wrongLength.push_back(0);
  header.destination.socket = 0x4000;
  const auto otherSocket = ipx::makePacket(header, bytesOf("other socket"));
  header.destination = {at.network(), b->ownAddress().node(), at.socket()};
  const auto otherNode = ipx::makePacket(header, bytesOf("other node"));
  for (const auto& junk : {bytesOf("short"), wrongLength, otherSocket, otherNode}) {
    stranger.sendTo(port, junk);
  }
  b->send(at, bytesOf("good"));
  EXPECT_EQ(nextText(*a), "good");
  EXPECT_EQ(a->pending(), 0u);
}

TEST_F(IpxTunnelTest, AStreamCarriesMessagesInOrderAndEndsCleanly) {
  HostNetwork network(setting);
  auto a = open(network, 0x869C);
  ASSERT_TRUE(a);
  const IpxAddress at = a->ownAddress().withSocket(0x8935);
  std::string error;
  auto listener = network.listenStream(at, error);
  ASSERT_TRUE(listener) << error;
  EXPECT_FALSE(network.listenStream(at, error));
  EXPECT_EQ(error, "the socket is in use");
  auto out = network.connectStream(at, error);
  ASSERT_TRUE(out) << error;
  std::unique_ptr<StreamConnection> in;
  ASSERT_TRUE(testsupport::eventually([&] { return bool(in = listener->accept()); }));

  using Read = StreamConnection::Read;
  std::vector<uint8_t> got;
  EXPECT_EQ(in->receive(312, got, 0), Read::kNothingYet);
  for (int i = 0; i < 40; ++i) ASSERT_TRUE(out->send(std::vector<uint8_t>(312, uint8_t(i))));
  // Small messages go out together, at the flush.
  EXPECT_EQ(in->receive(312, got, 50), Read::kNothingYet);
  ASSERT_TRUE(out->flush());
  for (int i = 0; i < 40; ++i) {
    ASSERT_EQ(in->receive(312, got, 3000), Read::kMessage) << i;
    EXPECT_EQ(got, std::vector<uint8_t>(312, uint8_t(i)));
  }
  ASSERT_TRUE(in->send(bytesOf("ack")) && in->flush());
  ASSERT_EQ(out->receive(312, got, 3000), Read::kMessage);
  EXPECT_EQ(textOf(got), "ack");
  out.reset();
  EXPECT_EQ(in->receive(312, got, 3000), Read::kEnd);
}

TEST_F(IpxTunnelTest, StreamsGoOnlyWhereSomeoneListens) {
  HostNetwork network(setting);
  auto a = open(network, 0x869C);
  ASSERT_TRUE(a);
  std::string error;
  IpxAddress foreign = a->ownAddress();
  foreign.bytes[11] ^= 1;  // another UDP port: a node that is not ours
  EXPECT_FALSE(network.listenStream(foreign, error));
  EXPECT_NE(error.find("open datagram endpoint"), std::string::npos) << error;

  auto listener = network.listenStream(a->ownAddress().withSocket(0x8935), error);
  ASSERT_TRUE(listener) << error;
  // The node's port answers, but nobody listens on that socket number: the connection closes.
  auto stray = network.connectStream(a->ownAddress().withSocket(0x9999), error);
  ASSERT_TRUE(stray) << error;
  std::vector<uint8_t> got;
  StreamConnection::Read read = StreamConnection::Read::kNothingYet;
  ASSERT_TRUE(testsupport::eventually([&] {
    EXPECT_EQ(listener->accept(), nullptr);
    read = stray->receive(1, got, 10);
    return read != StreamConnection::Read::kNothingYet;
  }));
  EXPECT_EQ(read, StreamConnection::Read::kEnd);

  listener.reset();
  EXPECT_FALSE(network.connectStream(a->ownAddress().withSocket(0x8935), error));
  EXPECT_NE(error.find("nobody listens for streams at 127.0.0.1:"), std::string::npos) << error;
}

TEST(IpxTunnel, TheRelayIsStartedWhenNothingAnswersOnThisMachine) {
  IpxServerSetting setting;
  setting.server = {"localhost", testsupport::freeUdpPort()};
  HostNetwork network(setting);
  std::string error;
  auto a = network.openDatagram(1, error);
  ASSERT_TRUE(a) << error;
  const pid_t relay = network.startedRelay();
  ASSERT_GT(relay, 0);
  auto b = network.openDatagram(1, error);
  ASSERT_TRUE(b) << error;
  EXPECT_EQ(network.startedRelay(), relay) << "one relay serves them all";
  a->send(b->ownAddress(), bytesOf("through it"));
  EXPECT_EQ(nextText(*b), "through it");

  ASSERT_EQ(::kill(relay, SIGTERM), 0);
  int status = -1;
  ASSERT_EQ(::waitpid(relay, &status, 0), relay);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(IpxTunnel, ASilentServerIsNamedAndNotReplaced) {
  testsupport::UdpSocket silent;
  IpxServerSetting setting;
  setting.server = {"127.0.0.1", silent.port()};
  setting.relayProgram = "/nonexistent/qf95-ipxrelay";
  HostNetwork network(setting);
  std::string error;
  EXPECT_FALSE(network.openDatagram(1, error));
  EXPECT_EQ(error,
            "the IPX server at 127.0.0.1:" + std::to_string(silent.port()) + " does not answer");
  EXPECT_EQ(silent.receive(0), ipx::registrationRequest()) << "asked once";
  EXPECT_EQ(silent.receive(0), std::nullopt);

  setting.server.port = testsupport::freeUdpPort();
  HostNetwork without(setting);
  EXPECT_FALSE(without.openDatagram(1, error));
  EXPECT_NE(error.find("cannot start /nonexistent/qf95-ipxrelay"), std::string::npos) << error;
}

TEST(IpxServerSetting, TheEnvironmentNamesTheServer) {
  std::map<std::string, std::string> env;
  auto read = [&] {
    return IpxServerSetting::fromEnvironment([&](const char* name) -> const char* {
      return env.contains(name) ? env[name].c_str() : nullptr;
    });
  };
  EXPECT_EQ(read().server, (IpxServer{"127.0.0.1", 21300}));
  env["QF95_IPX_SERVER"] = "game-host.lan";
  EXPECT_EQ(read().server, (IpxServer{"game-host.lan", 21300}));
  env["QF95_IPX_SERVER"] = "10.0.0.5:213";
  EXPECT_EQ(read().server, (IpxServer{"10.0.0.5", 213}));
  EXPECT_TRUE(read().problem.empty());
  for (const char* bad :
       {"host:0", "host:65536", "host:", "host:12a", "two words", "a;exit", ":1"}) {
    env["QF95_IPX_SERVER"] = bad;
    const IpxServerSetting setting = read();
    EXPECT_NE(setting.problem.find("QF95_IPX_SERVER: \"" + std::string(bad) + "\""),
              std::string::npos)
        << bad << ": " << setting.problem;
    std::string error;
    EXPECT_FALSE(HostNetwork(setting).openDatagram(1, error));
    EXPECT_EQ(error, setting.problem);
  }
}

TEST_F(IpxTunnelTest, TheServerChosenInTheProgramTakesTheNextEndpointsThere) {
  IpxServerSetting elsewhere;
  elsewhere.server = {"127.0.0.1", testsupport::freeUdpPort()};
  elsewhere.relayProgram = "/nonexistent/qf95-ipxrelay";
  HostNetwork network(elsewhere);
  std::optional<IpxServer> told;
  network.onServerChange([&](const IpxServer& server) { told = server; });
  std::string error;
  EXPECT_FALSE(network.setIpxServer("two words", error));
  EXPECT_FALSE(told);
  ASSERT_TRUE(network.setIpxServer("127.0.0.1:" + std::to_string(relay.port()), error)) << error;
  EXPECT_EQ(told, setting.server);
  EXPECT_EQ(network.ipxServer(), setting.server.text());
  EXPECT_TRUE(open(network, 0x4001));

  // The environment's server is the player's word: the program does not replace it.
  std::map<std::string, std::string> env{{"QF95_IPX_SERVER", "10.0.0.5:213"}};
  HostNetwork named(IpxServerSetting::fromEnvironment([&](const char* name) -> const char* {
    return env.contains(name) ? env[name].c_str() : nullptr;
  }));
  EXPECT_TRUE(named.ipxServerFromEnvironment());
  EXPECT_FALSE(named.setIpxServer("127.0.0.1", error));
  EXPECT_EQ(named.ipxServer(), "10.0.0.5:213");
}

}  // namespace
}  // namespace platform
