// The client side of DOSBox's IPX tunnel: each datagram endpoint is a UDP socket of its own,
// registered once with the tunnel server and kept for the whole run (DOSBox's server gives a
// second registration of a socket a second member slot and then delivers everything twice).
// The server names the endpoint's node after the socket's IPv4 address and UDP port as it saw
// them. When the server is this machine and nothing answers there, our relay is started.
#pragma once

#include <sys/types.h>

#include <memory>
#include <set>
#include <string>

#include "platform/host/ipx_server_setting.h"
#include "platform/ipx_wire.h"
#include "platform/network.h"

namespace platform {

// Loopback, the unspecified address or one of this machine's interfaces (host order).
bool isThisMachine(uint32_t ipv4);

class IpxTunnel {
 public:
  explicit IpxTunnel(IpxServerSetting setting);
  ~IpxTunnel();
  IpxTunnel(const IpxTunnel&) = delete;
  IpxTunnel& operator=(const IpxTunnel&) = delete;

  // A registered endpoint on `socket`; nothing, with the reason in `error`, when the server
  // cannot be found or does not answer within a second.
  std::unique_ptr<DatagramEndpoint> open(uint16_t socket, std::string& error);
  // True while one of our open endpoints has `node`.
  bool ownsNode(const ipx::Node& node) const;

  const IpxServerSetting& setting() const { return setting_; }
  // The server for endpoints opened from now on; open ones stay where they registered.
  void setServer(const IpxServer& server) {
    setting_.server = server;
    setting_.problem.clear();
  }
  // The relay this tunnel started, 0 when none. It runs on after us: other copies and the
  // DOS sessions may be using it.
  pid_t startedRelay() const { return relay_; }

 private:
  bool startRelay(std::string& error);

  IpxServerSetting setting_;
  std::shared_ptr<std::multiset<ipx::Node>> nodes_;
  pid_t relay_ = 0;
};

}  // namespace platform
