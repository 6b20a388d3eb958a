// IPX packets as DOSBox's tunnel carries them in UDP datagrams: a 30-byte header, big-endian,
// then the payload. The tunnel server hands out node numbers made of the member's IPv4 address
// and UDP port as it saw them, so a node is also where to send. Both our tunnel client and our
// relay read and write packets here, through platform::ByteCursor.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform::ipx {

inline constexpr size_t kHeaderSize = 30;
// The largest packet DOSBox's IPX driver takes in (IPXBUFFERSIZE): a longer one would reach the
// games cut short, so nothing longer is sent.
inline constexpr size_t kMaxPacket = 1424;
inline constexpr size_t kMaxPayload = kMaxPacket - kHeaderSize;
// The echo socket: DOSBox's tunnel uses it for registration and ping.
inline constexpr uint16_t kEchoSocket = 2;

using NetworkNumber = std::array<uint8_t, 4>;
using Node = std::array<uint8_t, 6>;

struct Address {
  NetworkNumber network{};
  Node node{};
  uint16_t socket = 0;
  bool operator==(const Address&) const = default;
};

struct Header {
  uint16_t checksum = 0xFFFF;  // unused on the tunnel, always FFFF
  uint16_t length = 0;         // header and payload
  uint8_t transportControl = 0;
  uint8_t packetType = 0;
  Address destination;
  Address source;
};

struct Packet {
  Header header;
  std::span<const uint8_t> payload;
};

// A packet of `bytes`, or nothing when it is shorter than a header or its length field does not
// give the datagram's size (every DOSBox sender fills it in).
std::optional<Packet> parsePacket(std::span<const uint8_t> bytes);

// The datagram for `header` and `payload`; the length field is set from them.
std::vector<uint8_t> makePacket(Header header, std::span<const uint8_t> payload = {});

// The node of an IPv4 address and UDP port (both in host order): address then port, big-endian.
Node nodeOf(uint32_t ipv4, uint16_t port);
uint32_t ipv4Of(const Node& node);
uint16_t portOf(const Node& node);

// DOSBox's server looks at the address part of the node only.
bool isBroadcast(const Node& node);
inline constexpr Node kBroadcastNode{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// What a member sends once to join: echo socket on both sides, every node and network zero.
std::vector<uint8_t> registrationRequest();
// DOSBox's server takes any packet to the echo socket with a zero address part as one.
bool isRegistration(const Header& header);
// The server's answer: the member's own address in the destination, the server's in the source.
std::vector<uint8_t> registrationReply(const Node& member, const Node& server);
bool isRegistrationReply(const Header& header);

// "7F:00:00:01:9C:40", for logs.
std::string nodeText(const Node& node);

}  // namespace platform::ipx
