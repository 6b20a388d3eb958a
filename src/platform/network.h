// The machine's network as the program uses it: whether the layer starts (checked at start-up),
// and IPX endpoints on one virtual network shared with the games in DOSBox. Datagram endpoints
// are bound to a socket number and send, broadcast and receive whole datagrams; stream
// connections carry the map transfer between two nodes, a message of fixed size at a time.
// Addresses are the 14-byte IPX socket addresses, carried byte for byte.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Versions as the program asks for them: major in the low byte, minor in the high byte.
inline constexpr uint16_t kNetworkVersion11 = 0x0101;

struct NetworkStart {
  bool started = false;
  uint16_t version = 0;  // the version the layer offers, when started
};

// An IPX socket address as it travels in the program's datagrams: family (2 bytes, little
// endian), network number (4), node number (6), socket number (2, network byte order).
struct IpxAddress {
  static constexpr uint16_t kFamily = 6;
  static constexpr size_t kSize = 14;
  std::array<uint8_t, kSize> bytes{};

  static IpxAddress make(const std::array<uint8_t, 4>& network, const std::array<uint8_t, 6>& node,
                         uint16_t socket) {
    IpxAddress a;
    a.bytes[0] = uint8_t(kFamily & 0xFF);
    a.bytes[1] = uint8_t(kFamily >> 8);
    for (size_t i = 0; i < 4; ++i) a.bytes[2 + i] = network[i];
    for (size_t i = 0; i < 6; ++i) a.bytes[6 + i] = node[i];
    a.bytes[12] = uint8_t(socket >> 8);
    a.bytes[13] = uint8_t(socket & 0xFF);
    return a;
  }
  std::array<uint8_t, 6> node() const {
    std::array<uint8_t, 6> n{};
    for (size_t i = 0; i < 6; ++i) n[i] = bytes[6 + i];
    return n;
  }
  std::array<uint8_t, 4> network() const { return {bytes[2], bytes[3], bytes[4], bytes[5]}; }
  uint16_t socket() const { return uint16_t(bytes[12] << 8 | bytes[13]); }
  IpxAddress withSocket(uint16_t socket) const {
    IpxAddress a = *this;
    a.bytes[12] = uint8_t(socket >> 8);
    a.bytes[13] = uint8_t(socket & 0xFF);
    return a;
  }
  bool isZero() const {
    for (uint8_t b : bytes)
      if (b != 0) return false;
    return true;
  }
  bool operator==(const IpxAddress&) const = default;
};

struct Datagram {
  std::vector<uint8_t> bytes;
  IpxAddress from;
};

class DatagramEndpoint {
 public:
  virtual ~DatagramEndpoint() = default;
  // The endpoint's address on the network (node and socket number).
  virtual IpxAddress ownAddress() const = 0;
  virtual bool send(const IpxAddress& to, std::span<const uint8_t> bytes) = 0;
  // To every other member of the network on this endpoint's socket number.
  virtual bool broadcast(std::span<const uint8_t> bytes) = 0;
  // The size of the next datagram waiting, 0 when none.
  virtual size_t pending() = 0;
  // The next datagram, cut to `maxBytes`; nothing when none waits.
  virtual std::optional<Datagram> receive(size_t maxBytes) = 0;
  // Why the last call failed.
  virtual std::string lastError() const { return {}; }
};

// One end of a stream connection. Messages keep their size: a message sent whole is received
// whole.
class StreamConnection {
 public:
  enum class Read { kMessage, kEnd, kNothingYet, kError };
  virtual ~StreamConnection() = default;
  // Messages may wait to go out together until flush(), a receive or the end of the connection.
  virtual bool send(std::span<const uint8_t> message) = 0;
  // Everything sent goes out now; false when the connection failed.
  virtual bool flush() { return true; }
  // Reads the next message of exactly `size` bytes into `out`; kEnd after an orderly end of
  // the other side, kNothingYet when no whole message is there within `waitMs`.
  virtual Read receive(size_t size, std::vector<uint8_t>& out, int waitMs) = 0;
};

class StreamListener {
 public:
  virtual ~StreamListener() = default;
  // A connection that came in; nothing yet when none waits.
  virtual std::unique_ptr<StreamConnection> accept() = 0;
};

class Network {
 public:
  virtual ~Network() = default;
  // Starts the layer asking for `version`; every start that went through is released again.
  virtual NetworkStart start(uint16_t version) = 0;
  virtual void release() = 0;

  // A datagram endpoint bound to `socket` on this machine's node; nothing (and `error` says
  // why) when the network cannot be reached or the socket is taken.
  virtual std::unique_ptr<DatagramEndpoint> openDatagram(uint16_t socket, std::string& error) {
    error = "no IPX network";
    (void)socket;
    return nullptr;
  }
  // Listens for stream connections at `address` (this machine's node).
  virtual std::unique_ptr<StreamListener> listenStream(const IpxAddress& address,
                                                       std::string& error) {
    error = "no IPX network";
    (void)address;
    return nullptr;
  }
  virtual std::unique_ptr<StreamConnection> connectStream(const IpxAddress& to,
                                                          std::string& error) {
    error = "no IPX network";
    (void)to;
    return nullptr;
  }

  // The IPX network's server as "host:port"; empty when there is none.
  virtual std::string ipxServer() const { return {}; }
  // True when the environment names the server: the player's own choice does not apply then.
  virtual bool ipxServerFromEnvironment() const { return false; }
  // Another server for the endpoints and DOS sessions opened from now on; false, with the
  // reason, for a text that names no server or when the environment decides.
  virtual bool setIpxServer(const std::string& text, std::string& error) {
    error = "no IPX network";
    (void)text;
    return false;
  }
};

}  // namespace platform
