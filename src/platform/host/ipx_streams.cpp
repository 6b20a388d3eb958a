#include "platform/host/ipx_streams.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <deque>

#include "platform/host/unique_fd.h"
#include "platform/ipx_wire.h"
#include "platform/stream_frames.h"

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

// A peer that takes nothing for this long is gone.
constexpr int kSendStallMs = 5000;
// Connections whose hello has not come yet; the oldest go first beyond this.
constexpr size_t kMaxIncoming = 16;
// Sent messages wait until this much is gathered, or a flush.
constexpr size_t kSendTogether = 64 * 1024;

std::string endpointText(uint32_t ipv4, uint16_t port) {
  in_addr address{htonl(ipv4)};
  char text[INET_ADDRSTRLEN] = "?";
  ::inet_ntop(AF_INET, &address, text, sizeof text);
  return std::string(text) + ":" + std::to_string(port);
}

void noDelay(int fd) {
  const int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

bool sendAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t sent =
        ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent > 0) {
      done += size_t(sent);
    } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd watch{fd, POLLOUT, 0};
      if (::poll(&watch, 1, kSendStallMs) == 0) return false;
    } else if (!(sent < 0 && errno == EINTR)) {
      return false;
    }
  }
  return true;
}

enum class Drain { kSome, kNothing, kEnded, kFailed };

// Takes what the socket holds now into `reader`.
Drain drain(int fd, frames::FrameReader& reader) {
  uint8_t buffer[16384];
  Drain result = Drain::kNothing;
  for (;;) {
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got > 0) {
      reader.append(std::span(buffer, size_t(got)));
      result = Drain::kSome;
    } else if (got == 0) {
      return Drain::kEnded;
    } else if (errno == EINTR) {
      continue;
    } else {
      return errno == EAGAIN || errno == EWOULDBLOCK ? result : Drain::kFailed;
    }
  }
}

class TcpStream : public StreamConnection {
 public:
  TcpStream(UniqueFd fd, frames::FrameReader reader, bool ended)
      : fd_(std::move(fd)), reader_(std::move(reader)), ended_(ended) {}
  ~TcpStream() override {
    // What waits goes first, then our end, then what the other side still sent: closing with
    // unread bytes would reset the connection instead of ending it.
    flush();
    ::shutdown(fd_.get(), SHUT_WR);
    frames::FrameReader rest;
    drain(fd_.get(), rest);
  }

  // Small messages (a map goes in 312-byte blocks) go out together: one system call for many.
  bool send(std::span<const uint8_t> message) override {
    if (failed_ || message.size() > frames::kMaxMessage) return false;
    frames::appendFrame(outgoing_, message);
    return outgoing_.size() < kSendTogether || flush();
  }

  bool flush() override {
    if (outgoing_.empty()) return !failed_;
    if (!sendAll(fd_.get(), outgoing_)) failed_ = true;
    outgoing_.clear();
    return !failed_;
  }

  Read receive(size_t size, std::vector<uint8_t>& out, int waitMs) override {
    // An answer may depend on what we sent.
    flush();
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
      switch (reader_.next(out)) {
        case frames::FrameReader::Next::kMessage:
          if (out.size() > size) out.resize(size);
          return Read::kMessage;
        case frames::FrameReader::Next::kMalformed:
          return Read::kError;
        case frames::FrameReader::Next::kIncomplete:
          break;
      }
      if (failed_) return Read::kError;
      // A message cut short by the end is no orderly end.
      if (ended_) return reader_.empty() ? Read::kEnd : Read::kError;
      const Drain drained = drain(fd_.get(), reader_);
      if (drained == Drain::kEnded) ended_ = true;
      if (drained == Drain::kFailed) failed_ = true;
      if (drained != Drain::kNothing) continue;
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return Read::kNothingYet;
      pollfd watch{fd_.get(), POLLIN, 0};
      ::poll(&watch, 1, int(left));
    }
  }

 private:
  UniqueFd fd_;
  frames::FrameReader reader_;
  std::vector<uint8_t> outgoing_;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace

class IpxStreams::Acceptor {
 public:
  using Queue = std::deque<std::unique_ptr<StreamConnection>>;

  explicit Acceptor(UniqueFd fd) : fd_(std::move(fd)) {}

  bool taken(uint16_t socket) const { return queues_.contains(socket); }
  void add(uint16_t socket, Queue* queue) { queues_.emplace(socket, queue); }
  void remove(uint16_t socket) { queues_.erase(socket); }

  // Takes the connections that came in and hands each to the listener its hello names;
  // connections for no listener, or with anything but a hello first, are closed.
  void poll() {
    for (;;) {
      const int fd = ::accept4(fd_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
      if (fd < 0) break;
      noDelay(fd);
      incoming_.push_back({UniqueFd(fd), {}});
      if (incoming_.size() > kMaxIncoming) incoming_.pop_front();
    }
    for (auto at = incoming_.begin(); at != incoming_.end();) {
      const Drain drained = drain(at->fd.get(), at->reader);
      std::vector<uint8_t> first;
      const auto next = at->reader.next(first);
      if (next == frames::FrameReader::Next::kMessage) {
        const auto socket = frames::readHello(first);
        const auto queue = socket ? queues_.find(*socket) : queues_.end();
        if (queue != queues_.end()) {
          queue->second->push_back(std::make_unique<TcpStream>(
              std::move(at->fd), std::move(at->reader), drained == Drain::kEnded));
        }
        at = incoming_.erase(at);
      } else if (next == frames::FrameReader::Next::kMalformed || drained == Drain::kEnded ||
                 drained == Drain::kFailed) {
        at = incoming_.erase(at);
      } else {
        ++at;
      }
    }
  }

 private:
  struct Incoming {
    UniqueFd fd;
    frames::FrameReader reader;
  };
  UniqueFd fd_;
  std::map<uint16_t, Queue*> queues_;
  std::deque<Incoming> incoming_;
};

namespace {

class TcpListener : public StreamListener {
 public:
  TcpListener(std::shared_ptr<IpxStreams::Acceptor> acceptor, uint16_t socket)
      : acceptor_(std::move(acceptor)), socket_(socket) {}
  ~TcpListener() override { acceptor_->remove(socket_); }

  void start() { acceptor_->add(socket_, &queue_); }
  std::unique_ptr<StreamConnection> accept() override {
    acceptor_->poll();
    if (queue_.empty()) return nullptr;
    auto connection = std::move(queue_.front());
    queue_.pop_front();
    return connection;
  }

 private:
  std::shared_ptr<IpxStreams::Acceptor> acceptor_;
  uint16_t socket_;
  IpxStreams::Acceptor::Queue queue_;
};

}  // namespace

uint16_t streamPortOf(const IpxAddress& address) {
  return ipx::portOf(address.node());
}

IpxStreams::IpxStreams() = default;
IpxStreams::~IpxStreams() = default;

std::unique_ptr<StreamListener> IpxStreams::listen(const IpxAddress& address, std::string& error) {
  std::erase_if(acceptors_, [](const auto& entry) { return entry.second.expired(); });
  const uint16_t port = streamPortOf(address);
  if (port == 0) {
    error = "the address names no node";
    return nullptr;
  }
  std::shared_ptr<Acceptor> acceptor = acceptors_[port].lock();
  if (!acceptor) {
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    // A connection of an earlier run still closing must not keep the port.
    const int on = 1;
    const sockaddr_in any{AF_INET, htons(port), {htonl(INADDR_ANY)}, {}};
    if (!fd || ::setsockopt(fd.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&any), sizeof any) != 0 ||
        ::listen(fd.get(), SOMAXCONN) != 0) {
      error = "cannot listen on TCP port " + std::to_string(port) + ": " + std::strerror(errno);
      return nullptr;
    }
    acceptor = std::make_shared<Acceptor>(std::move(fd));
    acceptors_[port] = acceptor;
  }
  if (acceptor->taken(address.socket())) {
    error = "the socket is in use";
    return nullptr;
  }
  auto listener = std::make_unique<TcpListener>(acceptor, address.socket());
  listener->start();
  return listener;
}

std::unique_ptr<StreamConnection> IpxStreams::connect(const IpxAddress& to, std::string& error,
                                                      std::chrono::milliseconds timeout) {
  const uint32_t ipv4 = ipx::ipv4Of(to.node());
  const uint16_t port = streamPortOf(to);
  const std::string where = endpointText(ipv4, port);
  if (ipv4 == 0 || port == 0) {
    error = "the address names no node";
    return nullptr;
  }
  UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  const sockaddr_in address{AF_INET, htons(port), {htonl(ipv4)}, {}};
  if (!fd ||
      (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
       errno != EINPROGRESS)) {
    error = "cannot connect to " + where + ": " + std::strerror(errno);
    return nullptr;
  }
  pollfd watch{fd.get(), POLLOUT, 0};
  int waited;
  do {
    waited = ::poll(&watch, 1, int(timeout.count()));
  } while (waited < 0 && errno == EINTR);
  if (waited <= 0) {
    error = "nobody answers at " + where;
    return nullptr;
  }
  int code = 0;
  socklen_t size = sizeof code;
  ::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &code, &size);
  if (code != 0) {
    error = code == ECONNREFUSED ? "nobody listens for streams at " + where
                                 : "cannot connect to " + where + ": " + std::strerror(code);
    return nullptr;
  }
  noDelay(fd.get());
  auto stream = std::make_unique<TcpStream>(std::move(fd), frames::FrameReader{}, false);
  if (!stream->send(frames::hello(to.socket())) || !stream->flush()) {
    error = "the connection to " + where + " broke at once";
    return nullptr;
  }
  return stream;
}

}  // namespace platform
