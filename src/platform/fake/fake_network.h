// An in-process IPX network for tests: several machines (FakeNetwork objects sharing one
// FakeIpxHub), each with its own node, their datagram endpoints, broadcasts to everyone else on
// the same socket number, and stream connections. Loss, duplication and reordering of datagrams
// happen on demand. Everything is delivered at once, in one thread.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <set>

#include "platform/network.h"

namespace platform {

class FakeIpxHub : public std::enable_shared_from_this<FakeIpxHub> {
 public:
  // The next `count` datagrams sent (unicast or one broadcast each) are lost.
  void loseNext(int count) { lose_ += count; }
  // The next `count` datagrams arrive twice.
  void duplicateNext(int count) { duplicate_ += count; }
  // The next datagram delivered to an endpoint goes in front of the one waiting there.
  void reorderNext(int count) { reorder_ += count; }
  // Datagrams sent so far, broadcasts counted once.
  int sent() const { return sent_; }

  struct Queue {
    std::deque<Datagram> datagrams;
  };
  struct StreamPipe {
    std::deque<std::vector<uint8_t>> toConnector, toAcceptor;
    bool connectorClosed = false, acceptorClosed = false;
  };
  struct Listener {
    std::deque<std::shared_ptr<StreamPipe>> waiting;
  };

  bool bind(const IpxAddress& address, Queue* queue);
  void unbind(const IpxAddress& address);
  bool deliver(const IpxAddress& from, const IpxAddress& to, std::span<const uint8_t> bytes,
               bool broadcast);
  bool listen(const IpxAddress& address, Listener* listener);
  void stopListening(const IpxAddress& address);
  std::shared_ptr<StreamPipe> connect(const IpxAddress& to);

 private:
  void put(Queue& queue, Datagram datagram);

  std::map<std::array<uint8_t, IpxAddress::kSize>, Queue*> endpoints_;
  std::map<std::array<uint8_t, IpxAddress::kSize>, Listener*> listeners_;
  int lose_ = 0, duplicate_ = 0, reorder_ = 0, sent_ = 0;
};

class FakeNetwork : public Network {
 public:
  // A machine of its own network.
  FakeNetwork() : FakeNetwork(std::make_shared<FakeIpxHub>(), 1) {}
  // Machine `node` (1, 2, ...) of `hub`'s network.
  FakeNetwork(std::shared_ptr<FakeIpxHub> hub, uint8_t node) : hub_(std::move(hub)), node_(node) {}

  NetworkStart start(uint16_t version) override {
    ++starts;
    asked = version;
    return result;
  }
  void release() override { ++releases; }

  std::unique_ptr<DatagramEndpoint> openDatagram(uint16_t socket, std::string& error) override;
  std::unique_ptr<StreamListener> listenStream(const IpxAddress& address,
                                               std::string& error) override;
  std::unique_ptr<StreamConnection> connectStream(const IpxAddress& to,
                                                  std::string& error) override;

  std::string ipxServer() const override { return ipxServerText; }
  bool ipxServerFromEnvironment() const override { return ipxServerFixed; }
  bool setIpxServer(const std::string& text, std::string& error) override {
    if (ipxServerFixed || text.empty() || text.find(' ') != std::string::npos) {
      error = "\"" + text + "\" is not taken";
      return false;
    }
    ipxServerText = text;
    return true;
  }

  // This machine's address for a socket number.
  IpxAddress address(uint16_t socket) const;
  FakeIpxHub& hub() { return *hub_; }

  NetworkStart result{true, kNetworkVersion11};
  uint16_t asked = 0;
  int starts = 0;
  int releases = 0;
  std::string ipxServerText = "127.0.0.1:21300";
  bool ipxServerFixed = false;

 private:
  std::shared_ptr<FakeIpxHub> hub_;
  uint8_t node_;
};

}  // namespace platform
