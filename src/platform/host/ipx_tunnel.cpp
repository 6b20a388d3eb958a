#include "platform/host/ipx_tunnel.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <limits.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/host/unique_fd.h"

extern char** environ;

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kRegistrationWait = std::chrono::milliseconds(1000);
constexpr auto kRelayStartWait = std::chrono::milliseconds(3000);
constexpr const char* kRelayName = "qf95-ipxrelay";
// The relay's status when another program has its port.
constexpr int kRelayPortTaken = 1;

int millisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? int(left.count()) : 0;
}

sockaddr_in socketAddress(uint32_t ipv4, uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(ipv4);
  address.sin_port = htons(port);
  return address;
}

std::optional<uint32_t> resolve(const std::string& host, std::string& error) {
  addrinfo hints{};
  hints.ai_family = AF_INET;  // the tunnel's nodes hold IPv4 addresses
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  const int code = ::getaddrinfo(host.c_str(), nullptr, &hints, &found);
  if (code != 0 || !found) {
    error = "the IPX server " + host + " cannot be found: " + ::gai_strerror(code);
    return std::nullopt;
  }
  const uint32_t ipv4 =
      ntohl(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
  ::freeaddrinfo(found);
  return ipv4;
}

// Nobody on this machine has the UDP port: a bind to it on every interface goes through.
bool portIsFree(uint16_t port) {
  UniqueFd probe(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  const sockaddr_in any = socketAddress(INADDR_ANY, port);
  return probe && ::bind(probe.get(), reinterpret_cast<const sockaddr*>(&any), sizeof any) == 0;
}

// The registration reply, read for at most `wait`; anything else that comes meanwhile is not
// for us yet and is dropped.
std::optional<ipx::Address> awaitRegistration(int fd, std::chrono::milliseconds wait) {
  const auto deadline = Clock::now() + wait;
  std::vector<uint8_t> buffer(ipx::kMaxPacket);
  for (;;) {
    pollfd watch{fd, POLLIN, 0};
    const int ready = ::poll(&watch, 1, millisecondsUntil(deadline));
    if (ready < 0 && errno != EINTR) return std::nullopt;
    if (ready > 0) {
      const ssize_t got = ::recv(fd, buffer.data(), buffer.size(), MSG_DONTWAIT | MSG_TRUNC);
      if (got > 0 && size_t(got) <= buffer.size()) {
        auto packet = ipx::parsePacket(std::span(buffer).first(size_t(got)));
        if (packet && ipx::isRegistrationReply(packet->header)) {
          return packet->header.destination;
        }
      }
    }
    if (Clock::now() >= deadline) return std::nullopt;
  }
}

bool sendRegistration(int fd, const sockaddr_in& server) {
  const std::vector<uint8_t> request = ipx::registrationRequest();
  return ::sendto(fd, request.data(), request.size(), MSG_NOSIGNAL,
                  reinterpret_cast<const sockaddr*>(&server),
                  sizeof server) == ssize_t(request.size());
}

std::string relayBesideThisProgram() {
  char path[PATH_MAX];
  const ssize_t size = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (size <= 0) return {};
  std::string program(path, size_t(size));
  program = program.substr(0, program.rfind('/') + 1) + kRelayName;
  return ::access(program.c_str(), X_OK) == 0 ? program : std::string();
}

class TunnelEndpoint : public DatagramEndpoint {
 public:
  TunnelEndpoint(UniqueFd fd, sockaddr_in server, const ipx::Address& own,
                 std::shared_ptr<std::multiset<ipx::Node>> nodes)
      : fd_(std::move(fd)), server_(server), own_(own), nodes_(std::move(nodes)) {
    nodes_->insert(own_.node);
  }
  ~TunnelEndpoint() override { nodes_->erase(nodes_->find(own_.node)); }

  IpxAddress ownAddress() const override {
    return IpxAddress::make(own_.network, own_.node, own_.socket);
  }
  bool send(const IpxAddress& to, std::span<const uint8_t> bytes) override {
    return sendTo({to.network(), to.node(), to.socket()}, bytes);
  }
  bool broadcast(std::span<const uint8_t> bytes) override {
    return sendTo({own_.network, ipx::kBroadcastNode, own_.socket}, bytes);
  }
  size_t pending() override {
    fill();
    return next_ ? next_->bytes.size() : 0;
  }
  std::optional<Datagram> receive(size_t maxBytes) override {
    fill();
    std::optional<Datagram> out = std::move(next_);
    next_.reset();
    if (out && out->bytes.size() > maxBytes) out->bytes.resize(maxBytes);
    return out;
  }
  std::string lastError() const override { return lastError_; }

 private:
  bool sendTo(const ipx::Address& destination, std::span<const uint8_t> bytes) {
    if (bytes.size() > ipx::kMaxPayload) {
      lastError_ = "a datagram holds at most " + std::to_string(ipx::kMaxPayload) + " bytes";
      return false;
    }
    ipx::Header header;
    header.destination = destination;
    header.source = own_;
    const std::vector<uint8_t> packet = ipx::makePacket(header, bytes);
    const ssize_t sent = ::sendto(fd_.get(), packet.data(), packet.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&server_), sizeof server_);
    if (sent == ssize_t(packet.size())) return true;
    lastError_ = sent < 0 ? std::strerror(errno) : "the datagram went out cut short";
    return false;
  }

  // Takes datagrams off the socket until one is for this endpoint: to its socket number, at its
  // node or everyone's. Anything else, malformed ones too, is dropped.
  void fill() {
    while (!next_) {
      const ssize_t got =
          ::recv(fd_.get(), buffer_.data(), buffer_.size(), MSG_DONTWAIT | MSG_TRUNC);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return;
      if (size_t(got) > buffer_.size()) continue;
      auto packet = ipx::parsePacket(std::span(buffer_).first(size_t(got)));
      if (!packet) continue;
      const ipx::Address& to = packet->header.destination;
      if (to.socket != own_.socket || (to.node != own_.node && !ipx::isBroadcast(to.node))) {
        continue;
      }
      const ipx::Address& from = packet->header.source;
      next_ = Datagram{{packet->payload.begin(), packet->payload.end()},
                       IpxAddress::make(from.network, from.node, from.socket)};
    }
  }

  UniqueFd fd_;
  sockaddr_in server_;
  ipx::Address own_;
  std::shared_ptr<std::multiset<ipx::Node>> nodes_;
  std::vector<uint8_t> buffer_ = std::vector<uint8_t>(ipx::kMaxPacket);
  std::optional<Datagram> next_;
  std::string lastError_;
};

}  // namespace

bool isThisMachine(uint32_t ipv4) {
  if (ipv4 == INADDR_ANY || (ipv4 >> 24) == 127) return true;
  ifaddrs* interfaces = nullptr;
  if (::getifaddrs(&interfaces) != 0) return false;
  bool found = false;
  for (const ifaddrs* at = interfaces; at && !found; at = at->ifa_next) {
    if (at->ifa_addr && at->ifa_addr->sa_family == AF_INET) {
      found = ntohl(reinterpret_cast<const sockaddr_in*>(at->ifa_addr)->sin_addr.s_addr) == ipv4;
    }
  }
  ::freeifaddrs(interfaces);
  return found;
}

IpxTunnel::IpxTunnel(IpxServerSetting setting)
    : setting_(std::move(setting)), nodes_(std::make_shared<std::multiset<ipx::Node>>()) {}

IpxTunnel::~IpxTunnel() {
  // Reaped when it has ended already; else it outlives us and init takes it over.
  if (relay_ > 0) ::waitpid(relay_, nullptr, WNOHANG);
}

bool IpxTunnel::ownsNode(const ipx::Node& node) const {
  return nodes_->contains(node);
}

std::unique_ptr<DatagramEndpoint> IpxTunnel::open(uint16_t socket, std::string& error) {
  if (!setting_.problem.empty()) {
    error = setting_.problem;
    return nullptr;
  }
  const IpxServer& server = setting_.server;
  const auto ipv4 = resolve(server.host, error);
  if (!ipv4) return nullptr;
  const sockaddr_in serverAddress = socketAddress(*ipv4, server.port);
  const bool local = isThisMachine(*ipv4);
  bool started = false;
  // Nothing on this machine has the port: no need to wait for an answer that cannot come.
  if (local && portIsFree(server.port)) {
    if (!startRelay(error)) return nullptr;
    started = true;
  }

  UniqueFd fd(::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (!fd) {
    error = std::string("cannot open a UDP socket: ") + std::strerror(errno);
    return nullptr;
  }
  std::optional<ipx::Address> own;
  if (sendRegistration(fd.get(), serverAddress))
    own = awaitRegistration(fd.get(), kRegistrationWait);
  // Whatever held the port may have gone meanwhile. Our relay counts a socket that registers
  // again once, so asking it again on the same socket is safe.
  if (!own && local && !started && portIsFree(server.port)) {
    if (!startRelay(error)) return nullptr;
    if (sendRegistration(fd.get(), serverAddress)) {
      own = awaitRegistration(fd.get(), kRegistrationWait);
    }
  }
  if (!own) {
    error = "the IPX server at " + server.text() + " does not answer";
    return nullptr;
  }
  own->socket = socket;
  return std::make_unique<TunnelEndpoint>(std::move(fd), serverAddress, *own, nodes_);
}

bool IpxTunnel::startRelay(std::string& error) {
  if (relay_ > 0 && ::waitpid(relay_, nullptr, WNOHANG) == relay_) relay_ = 0;
  std::string program = setting_.relayProgram;
  if (program.empty()) program = relayBesideThisProgram();
  if (program.empty()) program = kRelayName;

  std::vector<std::string> args{program, "--port", std::to_string(setting_.server.port)};
  if (setting_.relayIdleExit.count() > 0) {
    args.insert(args.end(), {"--exit-when-idle", std::to_string(setting_.relayIdleExit.count())});
  }
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  // Its own session, so a Ctrl-C meant for us does not end the network of the others; no
  // terminal and none of our descriptors.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  for (int signal : {SIGPIPE, SIGINT, SIGTERM, SIGHUP}) sigaddset(&defaults, signal);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  // It says on its first line when it listens; the pipe ends there for us.
  int ready[2];
  if (::pipe2(ready, O_CLOEXEC) != 0) {
    posix_spawnattr_destroy(&attributes);
    error = std::string("cannot start ") + kRelayName + ": " + std::strerror(errno);
    return false;
  }
  UniqueFd readEnd(ready[0]), writeEnd(ready[1]);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&files, writeEnd.get(), 1);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclosefrom_np(&files, 3);
  pid_t pid = 0;
  const int code = ::posix_spawnp(&pid, program.c_str(), &files, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&files);
  posix_spawnattr_destroy(&attributes);
  writeEnd.reset();
  if (code != 0) {
    error = code == ENOENT && program == kRelayName
                ? std::string(kRelayName) +
                      " was not found beside this program or on $PATH, so no IPX server could be "
                      "started at " +
                      setting_.server.text()
                : "cannot start " + program + ": " + std::strerror(code);
    return false;
  }
  relay_ = pid;

  const auto deadline = Clock::now() + kRelayStartWait;
  for (;;) {
    pollfd watch{readEnd.get(), POLLIN, 0};
    const int waited = ::poll(&watch, 1, millisecondsUntil(deadline));
    if (waited < 0 && errno == EINTR) continue;
    if (waited <= 0) {
      error = program + " did not open UDP port " + std::to_string(setting_.server.port);
      return false;
    }
    char line[256];
    const ssize_t got = ::read(readEnd.get(), line, sizeof line);
    if (got > 0) return true;
    if (got < 0 && errno == EINTR) continue;
    break;  // it ended without a word
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  relay_ = 0;
  // Someone else took the port just before it: another copy's relay, which answers as well.
  if (WIFEXITED(status) && WEXITSTATUS(status) == kRelayPortTaken) return true;
  error = program + " ended at once (status " +
          std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)) +
          "): no IPX server could be started at " + setting_.server.text();
  return false;
}

}  // namespace platform
