// Datagrams a second through an IPX tunnel server on loopback: qf95-ipxrelay against DOSBox's own
// IPXNET server (headless DOSBox running "IPXNET STARTSERVER") in the same run. Two members
// register as DOSBox's client does; one sends 64-byte unicasts to the other, at most kWindow in
// flight, and a datagram not through within kLostAfterMs counts as lost. The DOSBox case is
// skipped, with the reason, when DOSBox is not installed.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/host/host_processes.h"
#include "platform/ipx_wire.h"
#include "support/ipx_loopback.h"

namespace {

namespace ipx = platform::ipx;

constexpr int kWindow = 32;
constexpr int kPerIteration = 512;
constexpr int kLostAfterMs = 200;

// Two registered members of the server at `port`, and the packet from one to the other.
struct Members {
  testsupport::UdpSocket sender, receiver;
  uint16_t port = 0;
  std::vector<uint8_t> packet;
  std::string error;

  explicit Members(uint16_t serverPort) : port(serverPort) {
    ipx::Node nodes[2];
    const testsupport::UdpSocket* sockets[2] = {&sender, &receiver};
    for (int i = 0; i < 2; ++i) {
      sockets[i]->sendTo(port, ipx::registrationRequest());
      const auto reply = sockets[i]->receive(5000);
      const auto parsed = reply ? ipx::parsePacket(*reply) : std::nullopt;
      if (!parsed || !ipx::isRegistrationReply(parsed->header)) {
        error = "no registration reply from the server on port " + std::to_string(port);
        return;
      }
      nodes[i] = parsed->header.destination.node;
    }
    ipx::Header header;
    header.packetType = 4;
    header.destination = {{}, nodes[1], 0x869C};
    header.source = {{}, nodes[0], 0x869C};
    packet = ipx::makePacket(header, std::vector<uint8_t>(64, 0x5A));
  }
};

// Pushes kPerIteration datagrams through; returns how many were lost.
int pump(Members& members) {
  uint8_t buffer[2048];
  int sent = 0, through = 0, lost = 0;
  while (through + lost < kPerIteration) {
    while (sent < kPerIteration && sent - through - lost < kWindow) {
      members.sender.sendTo(members.port, members.packet);
      ++sent;
    }
    pollfd watch{members.receiver.fd(), POLLIN, 0};
    if (::poll(&watch, 1, kLostAfterMs) <= 0) {
      lost = sent - through;  // whatever is still out will not come
      continue;
    }
    while (::recv(members.receiver.fd(), buffer, sizeof buffer, MSG_DONTWAIT) > 0) ++through;
  }
  return lost;
}

void measure(benchmark::State& state, Members& members) {
  if (!members.error.empty()) {
    state.SkipWithError(members.error.c_str());
    return;
  }
  int64_t lost = 0;
  for (auto _ : state) lost += pump(members);
  const auto total = double(state.iterations()) * kPerIteration;
  state.counters["datagrams_per_s"] =
      benchmark::Counter(total - double(lost), benchmark::Counter::kIsRate);
  state.counters["lost"] = double(lost);
}

void BM_IpxRelayThroughput(benchmark::State& state) {
  static testsupport::RelayProcess relay(QF95_IPXRELAY_EXE, {"--log", "/dev/null"});
  static Members members(relay.port());
  measure(state, members);
}
BENCHMARK(BM_IpxRelayThroughput)->Unit(benchmark::kMillisecond)->UseRealTime();

// Baseline: DOSBox's own server, which takes one datagram per emulated millisecond.
struct DosboxServer {
  std::string dir;
  std::unique_ptr<testsupport::DosboxIpxServer> server;
  std::unique_ptr<Members> members;
  std::string error;

  DosboxServer() {
    const auto dosbox = platform::HostProcessOptions::fromEnvironment().dosbox;
    char pattern[] = "/tmp/qf95-bench-ipx-XXXXXX";
    dir = ::mkdtemp(pattern) ? pattern : "";
    const uint16_t port = testsupport::freeUdpPort();
    server = std::make_unique<testsupport::DosboxIpxServer>(dosbox, dir, port);
    if (!server->ready()) {
      error = dosbox[0] +
              " did not start its IPX server (is DOSBox installed? $QF95_DOSBOX names "
              "another command); the baseline needs DOSBox's own server";
      return;
    }
    members = std::make_unique<Members>(port);
  }
  ~DosboxServer() {
    server.reset();
    std::error_code ignored;
    if (!dir.empty()) std::filesystem::remove_all(dir, ignored);
  }
};

void BM_DosboxIpxServerBaseline(benchmark::State& state) {
  static DosboxServer dosbox;
  if (!dosbox.members) {
    state.SkipWithError(dosbox.error.c_str());
    return;
  }
  measure(state, *dosbox.members);
}
BENCHMARK(BM_DosboxIpxServerBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
