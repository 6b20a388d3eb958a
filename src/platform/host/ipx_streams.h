// Stream connections between two nodes of the IPX tunnel, which has none of its own: TCP between
// the nodes' IPv4 addresses. A node's TCP port is its UDP port (the last two bytes of the node):
// both ends know it from the IPX address alone, and no two endpoints on one machine share a UDP
// port, so no two copies of the program here can want the same TCP port. The IPX socket number
// goes in a hello message at the start of the connection, so one port serves every socket
// number of the node. Messages are framed (platform/stream_frames.h) and keep their size.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/network.h"

namespace platform {

// The TCP port of the node of `address`.
uint16_t streamPortOf(const IpxAddress& address);

class IpxStreams {
 public:
  IpxStreams();
  ~IpxStreams();

  // Listens on every interface at the TCP port of `address`'s node for connections to its
  // socket number. The caller makes sure the node is ours.
  std::unique_ptr<StreamListener> listen(const IpxAddress& address, std::string& error);
  // Connects to `to`, waiting at most `timeout` for the other machine to take the connection.
  std::unique_ptr<StreamConnection> connect(const IpxAddress& to, std::string& error,
                                            std::chrono::milliseconds timeout);

  class Acceptor;

 private:
  // Listeners of one node share its port.
  std::map<uint16_t, std::weak_ptr<Acceptor>> acceptors_;
};

}  // namespace platform
