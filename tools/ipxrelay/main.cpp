// qf95-ipxrelay: an IPX tunnel server on the wire format of DOSBox's IPXNET server, for the
// front-ends and the games in DOSBox.
//
//   qf95-ipxrelay --port N [--log FILE] [--exit-when-idle SECONDS]
//
// Its first line on standard output says which UDP port it listens on (--port 0 takes a free
// one). Members joining and leaving go to the log (standard error without --log), one line
// each. On SIGTERM or SIGINT, or after SECONDS without members, it writes its counts and ends
// with status 0. Status 1: the port is taken; 2: wrong arguments; 3: no socket.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/ipxrelay/ipx_relay.h"

namespace {

constexpr int kPortTaken = 1;
constexpr int kUsage = 2;
constexpr int kNoSocket = 3;
// Datagrams taken per wake before the signals and the clock are looked at again.
constexpr int kBatch = 64;
constexpr int kBatchesPerWake = 64;

volatile sig_atomic_t stopSignal = 0;

void onStop(int signal) {
  stopSignal = signal;
}

struct Arguments {
  long port = -1;
  std::string log;
  long idleExit = 0;
};

bool number(const char* text, long low, long high, long& out) {
  char* end = nullptr;
  errno = 0;
  out = std::strtol(text, &end, 10);
  return errno == 0 && end != text && *end == '\0' && out >= low && out <= high;
}

bool parse(int argc, char** argv, Arguments& out) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (name == "--port") {
      if (!number(value, 0, 65535, out.port)) return false;
    } else if (name == "--log") {
      out.log = value;
    } else if (name == "--exit-when-idle") {
      if (!number(value, 1, 1L << 30, out.idleExit)) return false;
    } else {
      return false;
    }
  }
  return out.port >= 0;
}

class LogFile {
 public:
  explicit LogFile(FILE* file) : file_(file) {}
  void line(const std::string& text) {
    char stamp[32];
    const time_t now = ::time(nullptr);
    tm local{};
    ::localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::fprintf(file_, "%s %s\n", stamp, text.c_str());
    std::fflush(file_);
  }

 private:
  FILE* file_;
};

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  if (!parse(argc, argv, args)) {
    std::fprintf(stderr, "usage: qf95-ipxrelay --port N [--log FILE] [--exit-when-idle SECONDS]\n");
    return kUsage;
  }
  FILE* logFile = stderr;
  if (!args.log.empty() && !(logFile = std::fopen(args.log.c_str(), "ae"))) {
    std::fprintf(stderr, "qf95-ipxrelay: cannot open %s: %s\n", args.log.c_str(),
                 std::strerror(errno));
    return kUsage;
  }
  LogFile log(logFile);

  // Whoever started us may stop reading our output; that must not end the relay.
  ::signal(SIGPIPE, SIG_IGN);
  sigset_t stops, unblocked;
  sigemptyset(&stops);
  sigaddset(&stops, SIGTERM);
  sigaddset(&stops, SIGINT);
  // Blocked except while waiting, so a stop can never fall between the check and the wait.
  ::sigprocmask(SIG_BLOCK, &stops, &unblocked);
  sigdelset(&unblocked, SIGTERM);
  sigdelset(&unblocked, SIGINT);
  struct sigaction action {};
  action.sa_handler = onStop;
  ::sigaction(SIGTERM, &action, nullptr);
  ::sigaction(SIGINT, &action, nullptr);

  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    std::fprintf(stderr, "qf95-ipxrelay: no UDP socket: %s\n", std::strerror(errno));
    return kNoSocket;
  }
  // Room for the bursts of a dozen games starting at once.
  const int buffer = 1 << 20;
  ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = htons(uint16_t(args.port));
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    const int code = errno;
    std::fprintf(stderr, "qf95-ipxrelay: cannot listen on UDP port %ld: %s\n", args.port,
                 std::strerror(code));
    return code == EADDRINUSE ? kPortTaken : kNoSocket;
  }
  socklen_t size = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
  const uint16_t port = ntohs(address.sin_port);
  std::printf("qf95-ipxrelay: listening on UDP port %u\n", port);
  std::fflush(stdout);
  log.line("listening on UDP port " + std::to_string(port));

  using Clock = ipxrelay::Relay::Clock;
  auto send = [fd](const ipxrelay::UdpAddress& to, std::span<const uint8_t> bytes) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = htonl(to.ipv4);
    target.sin_port = htons(to.port);
    return ::sendto(fd, bytes.data(), bytes.size(), MSG_DONTWAIT,
                    reinterpret_cast<const sockaddr*>(&target),
                    sizeof target) == ssize_t(bytes.size());
  };
  ipxrelay::Relay relay(
      {.port = port}, send, [&](const std::string& line) { log.line(line); }, Clock::now());

  // One receive call takes a batch; the payload buffers hold the largest UDP datagram.
  std::vector<std::vector<uint8_t>> payloads(kBatch, std::vector<uint8_t>(65536));
  std::vector<sockaddr_in> sources(kBatch);
  std::vector<iovec> vectors(kBatch);
  std::vector<mmsghdr> messages(kBatch);
  auto nextSweep = Clock::now() + std::chrono::seconds(1);
  while (!stopSignal) {
    pollfd watch{fd, POLLIN, 0};
    const timespec second{1, 0};
    ::ppoll(&watch, 1, &second, &unblocked);
    for (int batch = 0; batch < kBatchesPerWake && !stopSignal; ++batch) {
      for (int i = 0; i < kBatch; ++i) {
        vectors[i] = {payloads[i].data(), payloads[i].size()};
        messages[i] = {};
        messages[i].msg_hdr.msg_name = &sources[i];
        messages[i].msg_hdr.msg_namelen = sizeof sources[i];
        messages[i].msg_hdr.msg_iov = &vectors[i];
        messages[i].msg_hdr.msg_iovlen = 1;
      }
      const int got = ::recvmmsg(fd, messages.data(), kBatch, MSG_DONTWAIT, nullptr);
      if (got <= 0) break;
      const auto now = Clock::now();
      for (int i = 0; i < got; ++i) {
        const ipxrelay::UdpAddress from{ntohl(sources[i].sin_addr.s_addr),
                                        ntohs(sources[i].sin_port)};
        relay.handle(from, std::span(payloads[i]).first(messages[i].msg_len), now);
      }
    }
    const auto now = Clock::now();
    if (now >= nextSweep) {
      relay.forgetSilent(now);
      nextSweep = now + std::chrono::seconds(1);
    }
    const auto empty = relay.emptySince();
    if (args.idleExit > 0 && empty && now - *empty >= std::chrono::seconds(args.idleExit)) {
      log.line("no members for " + std::to_string(args.idleExit) + " s");
      break;
    }
  }
  const std::string summary = relay.summary();
  log.line("stopped: " + summary);
  std::printf("qf95-ipxrelay: stopped: %s\n", summary.c_str());
  std::fflush(stdout);
  ::close(fd);
  return 0;
}
