#include "platform/fake/fake_network.h"

#include <algorithm>

namespace platform {

namespace {

class FakeDatagramEndpoint : public DatagramEndpoint {
 public:
  FakeDatagramEndpoint(std::shared_ptr<FakeIpxHub> hub, IpxAddress own)
      : hub_(std::move(hub)), own_(own) {}
  ~FakeDatagramEndpoint() override {
    if (bound_) hub_->unbind(own_);
  }
  // False when the address is taken: the endpoint then leaves the one there alone.
  bool bind() { return bound_ = hub_->bind(own_, &queue_); }

  IpxAddress ownAddress() const override { return own_; }
  bool send(const IpxAddress& to, std::span<const uint8_t> bytes) override {
    return hub_->deliver(own_, to, bytes, false);
  }
  bool broadcast(std::span<const uint8_t> bytes) override {
    return hub_->deliver(own_, own_, bytes, true);
  }
  size_t pending() override {
    return queue_.datagrams.empty() ? 0 : queue_.datagrams.front().bytes.size();
  }
  std::optional<Datagram> receive(size_t maxBytes) override {
    if (queue_.datagrams.empty()) return std::nullopt;
    Datagram d = std::move(queue_.datagrams.front());
    queue_.datagrams.pop_front();
    if (d.bytes.size() > maxBytes) d.bytes.resize(maxBytes);
    return d;
  }

 private:
  std::shared_ptr<FakeIpxHub> hub_;
  IpxAddress own_;
  FakeIpxHub::Queue queue_;
  bool bound_ = false;
};

class FakeStream : public StreamConnection {
 public:
  FakeStream(std::shared_ptr<FakeIpxHub::StreamPipe> pipe, bool connector)
      : pipe_(std::move(pipe)), connector_(connector) {}
  ~FakeStream() override { (connector_ ? pipe_->connectorClosed : pipe_->acceptorClosed) = true; }

  bool send(std::span<const uint8_t> message) override {
    if (connector_ ? pipe_->acceptorClosed : pipe_->connectorClosed) return false;
    (connector_ ? pipe_->toAcceptor : pipe_->toConnector)
        .emplace_back(message.begin(), message.end());
    return true;
  }
  Read receive(size_t size, std::vector<uint8_t>& out, int /*waitMs*/) override {
    auto& queue = connector_ ? pipe_->toConnector : pipe_->toAcceptor;
    if (queue.empty())
      return (connector_ ? pipe_->acceptorClosed : pipe_->connectorClosed) ? Read::kEnd
                                                                           : Read::kNothingYet;
    out = std::move(queue.front());
    queue.pop_front();
    if (out.size() > size) out.resize(size);
    return Read::kMessage;
  }

 private:
  std::shared_ptr<FakeIpxHub::StreamPipe> pipe_;
  bool connector_;
};

class FakeListener : public StreamListener {
 public:
  FakeListener(std::shared_ptr<FakeIpxHub> hub, IpxAddress at) : hub_(std::move(hub)), at_(at) {}
  ~FakeListener() override {
    if (listening_) hub_->stopListening(at_);
  }
  bool listen() { return listening_ = hub_->listen(at_, &listener_); }
  std::unique_ptr<StreamConnection> accept() override {
    if (listener_.waiting.empty()) return nullptr;
    auto pipe = listener_.waiting.front();
    listener_.waiting.pop_front();
    return std::make_unique<FakeStream>(std::move(pipe), false);
  }

 private:
  std::shared_ptr<FakeIpxHub> hub_;
  IpxAddress at_;
  FakeIpxHub::Listener listener_;
  bool listening_ = false;
};

}  // namespace

bool FakeIpxHub::bind(const IpxAddress& address, Queue* queue) {
  return endpoints_.emplace(address.bytes, queue).second;
}

void FakeIpxHub::unbind(const IpxAddress& address) {
  endpoints_.erase(address.bytes);
}

void FakeIpxHub::put(Queue& queue, Datagram datagram) {
  const int copies = duplicate_ > 0 ? (--duplicate_, 2) : 1;
  for (int i = 0; i < copies; ++i) {
    if (reorder_ > 0 && !queue.datagrams.empty()) {
      --reorder_;
      queue.datagrams.push_front(datagram);
    } else {
      queue.datagrams.push_back(datagram);
    }
  }
}

bool FakeIpxHub::deliver(const IpxAddress& from, const IpxAddress& to,
                         std::span<const uint8_t> bytes, bool broadcast) {
  ++sent_;
  if (lose_ > 0) {
    --lose_;
    return true;  // sent, never arrives
  }
  const Datagram datagram{std::vector<uint8_t>(bytes.begin(), bytes.end()), from};
  if (broadcast) {
    for (auto& [address, queue] : endpoints_) {
      IpxAddress a;
      a.bytes = address;
      if (a != from && a.socket() == from.socket()) put(*queue, datagram);
    }
    return true;
  }
  auto at = endpoints_.find(to.bytes);
  if (at != endpoints_.end()) put(*at->second, datagram);
  return true;  // a datagram to nobody is lost, as on a real network
}

bool FakeIpxHub::listen(const IpxAddress& address, Listener* listener) {
  return listeners_.emplace(address.bytes, listener).second;
}

void FakeIpxHub::stopListening(const IpxAddress& address) {
  listeners_.erase(address.bytes);
}

std::shared_ptr<FakeIpxHub::StreamPipe> FakeIpxHub::connect(const IpxAddress& to) {
  auto at = listeners_.find(to.bytes);
  if (at == listeners_.end()) return nullptr;
  auto pipe = std::make_shared<StreamPipe>();
  at->second->waiting.push_back(pipe);
  return pipe;
}

IpxAddress FakeNetwork::address(uint16_t socket) const {
  return IpxAddress::make({0, 0, 0, 0}, {0x02, 0, 0, 0, 0, node_}, socket);
}

std::unique_ptr<DatagramEndpoint> FakeNetwork::openDatagram(uint16_t socket, std::string& error) {
  auto endpoint = std::make_unique<FakeDatagramEndpoint>(hub_, address(socket));
  if (!endpoint->bind()) {
    error = "the socket is in use";
    return nullptr;
  }
  return endpoint;
}

std::unique_ptr<StreamListener> FakeNetwork::listenStream(const IpxAddress& address,
                                                          std::string& error) {
  auto listener = std::make_unique<FakeListener>(hub_, address);
  if (!listener->listen()) {
    error = "the socket is in use";
    return nullptr;
  }
  return listener;
}

std::unique_ptr<StreamConnection> FakeNetwork::connectStream(const IpxAddress& to,
                                                             std::string& error) {
  auto pipe = hub_->connect(to);
  if (!pipe) {
    error = "nobody listens there";
    return nullptr;
  }
  return std::make_unique<FakeStream>(std::move(pipe), true);
}

}  // namespace platform
