// The IPX tests' real pieces on loopback: qf95-ipxrelay started on a free UDP port and ended with
// SIGTERM, DOSBox's own IPXNET server, plain UDP sockets that speak the tunnel's wire format as
// DOSBox does, and a bounded wait for something to happen. No GoogleTest here, so the
// benchmarks take it too.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace testsupport {

// Calls `done` until it says yes or `limit` has passed.
template <typename Done>
bool eventually(Done done, std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::yield();
  }
  return true;
}

// Reads from `fd` until `enough` says so, the end or `waitMs` of silence.
template <typename Enough>
std::string readUntil(int fd, Enough enough, int waitMs) {
  std::string text;
  pollfd watch{fd, POLLIN, 0};
  while (!enough(text) && ::poll(&watch, 1, waitMs) > 0) {
    char buffer[512];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got <= 0) break;
    text.append(buffer, size_t(got));
  }
  return text;
}

class RelayProcess {
 public:
  struct Ended {
    int status = -1;     // the exit status, -1 when it did not end by itself
    std::string output;  // standard output, the first line included
  };

  // `program` with --port 0 and `args`; port() is 0 when it did not say where it listens.
  explicit RelayProcess(const std::string& program, std::vector<std::string> args = {}) {
    args.insert(args.begin(), {program, "--port", "0"});
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, out[1], 1);
    const bool started =
        ::posix_spawn(&pid_, program.c_str(), &files, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&files);
    ::close(out[1]);
    out_ = out[0];
    if (!started) {
      pid_ = 0;
      return;
    }
    output_ = readUntil(
        out_, [](const std::string& t) { return t.find('\n') != t.npos; }, 10000);
    const std::string mark = "listening on UDP port ";
    const size_t at = output_.find(mark);
    if (at != std::string::npos) port_ = uint16_t(std::stoi(output_.substr(at + mark.size())));
  }
  ~RelayProcess() {
    if (pid_ > 0) stop();
    if (out_ >= 0) ::close(out_);
  }
  RelayProcess(const RelayProcess&) = delete;
  RelayProcess& operator=(const RelayProcess&) = delete;

  uint16_t port() const { return port_; }
  pid_t pid() const { return pid_; }

  Ended stop(int signal = SIGTERM) {
    Ended ended;
    if (pid_ <= 0) return ended;
    ::kill(pid_, signal);
    ended.output = output_ + readUntil(
                                 out_, [](const std::string&) { return false; }, 10000);
    int status = 0;
    if (::waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status)) {
      ended.status = WEXITSTATUS(status);
    }
    pid_ = 0;
    return ended;
  }

 private:
  pid_t pid_ = 0;
  int out_ = -1;
  uint16_t port_ = 0;
  std::string output_;
};

// A UDP socket on loopback, as a member of the tunnel or anything else that sends there.
class UdpSocket {
 public:
  UdpSocket() : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in any = loopback(0);
    ::bind(fd_, reinterpret_cast<const sockaddr*>(&any), sizeof any);
  }
  ~UdpSocket() { ::close(fd_); }
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;

  int fd() const { return fd_; }
  uint16_t port() const {
    sockaddr_in address{};
    socklen_t size = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
  }
  bool sendTo(uint16_t port, std::span<const uint8_t> bytes) const {
    const sockaddr_in to = loopback(port);
    return ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                    sizeof to) == ssize_t(bytes.size());
  }
  // The next datagram within `waitMs`.
  std::optional<std::vector<uint8_t>> receive(int waitMs = 3000) const {
    pollfd watch{fd_, POLLIN, 0};
    if (::poll(&watch, 1, waitMs) <= 0) return std::nullopt;
    std::vector<uint8_t> bytes(65536);
    const ssize_t got = ::recv(fd_, bytes.data(), bytes.size(), 0);
    if (got < 0) return std::nullopt;
    bytes.resize(size_t(got));
    return bytes;
  }

  static sockaddr_in loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
  }

 private:
  int fd_;
};

// A UDP port nobody had a moment ago.
inline uint16_t freeUdpPort() {
  return UdpSocket().port();
}

// True when a socket of this machine holds the UDP port: seen in the kernel's table, so the
// look does not take the port itself from a server about to bind it.
inline bool udpPortBound(uint16_t port) {
  char field[8];
  std::snprintf(field, sizeof field, ":%04X ", port);
  for (const char* table : {"/proc/net/udp", "/proc/net/udp6"}) {
    std::ifstream in(table);
    std::string line;
    std::getline(in, line);  // the headings
    while (std::getline(in, line)) {
      // "  sl  local_address rem_address ...": the local address is the second field.
      const size_t local = line.find(':') + 1;
      const size_t end = line.find(' ', line.find_first_not_of(' ', local));
      if (end != std::string::npos && line.compare(end - 5, 6, field) == 0) return true;
    }
  }
  return false;
}

// DOSBox running "IPXNET STARTSERVER port" headless, killed at the end.
class DosboxIpxServer {
 public:
  // `dosbox` is the command; `dir` an empty directory of ours for its configuration and home.
  DosboxIpxServer(const std::vector<std::string>& dosbox, const std::string& dir, uint16_t port)
      : port_(port) {
    const std::string conf = dir + "/ipxserver.conf";
    std::ofstream(conf) << "[sdl]\noutput=surface\n[mixer]\nnosound=true\n[ipx]\nipx=true\n"
                           "[autoexec]\nIPXNET STARTSERVER "
                        << port << "\n";
    std::vector<std::string> args = dosbox;
    args.insert(args.end(), {"-conf", conf});
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<std::string> env{"HOME=" + dir, "SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"};
    for (char** e = environ; e && *e; ++e) {
      const std::string entry = *e;
      if (!entry.starts_with("HOME=") && !entry.starts_with("SDL_")) env.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    const std::string log = dir + "/dosbox.out";
    posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&files, 1, 2);
    if (::posix_spawnp(&pid_, argv[0], &files, nullptr, argv.data(), envp.data()) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&files);
  }
  ~DosboxIpxServer() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  DosboxIpxServer(const DosboxIpxServer&) = delete;
  DosboxIpxServer& operator=(const DosboxIpxServer&) = delete;

  // Its server holds the port (DOSBox takes about a second to get there).
  bool ready() const {
    return pid_ > 0 &&
           eventually([&] { return udpPortBound(port_); }, std::chrono::milliseconds(20000));
  }

 private:
  pid_t pid_ = 0;
  uint16_t port_;
};

}  // namespace testsupport
