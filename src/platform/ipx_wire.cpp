#include "platform/ipx_wire.h"

#include <algorithm>
#include <cstdio>

#include "platform/byte_cursor.h"

namespace platform::ipx {
namespace {

template <size_t N>
bool readArray(ByteCursor& in, std::array<uint8_t, N>& out) {
  auto bytes = in.bytes(N);
  if (!bytes) return false;
  std::copy(bytes->begin(), bytes->end(), out.begin());
  return true;
}

void readAddress(ByteCursor& in, Address& out) {
  readArray(in, out.network);
  readArray(in, out.node);
  out.socket = in.u16be().value_or(0);
}

void put16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(uint8_t(value >> 8));
  out.push_back(uint8_t(value & 0xFF));
}

void putAddress(std::vector<uint8_t>& out, const Address& address) {
  out.insert(out.end(), address.network.begin(), address.network.end());
  out.insert(out.end(), address.node.begin(), address.node.end());
  put16(out, address.socket);
}

bool addressPartIs(const Node& node, uint8_t value) {
  return std::all_of(node.begin(), node.begin() + 4, [&](uint8_t b) { return b == value; });
}

}  // namespace

std::optional<Packet> parsePacket(std::span<const uint8_t> bytes) {
  ByteCursor in(bytes);
  Packet packet;
  Header& h = packet.header;
  h.checksum = in.u16be().value_or(0);
  h.length = in.u16be().value_or(0);
  h.transportControl = in.u8().value_or(0);
  h.packetType = in.u8().value_or(0);
  readAddress(in, h.destination);
  readAddress(in, h.source);
  if (in.failed() || h.length != bytes.size()) return std::nullopt;
  packet.payload = *in.bytes(in.remaining());
  return packet;
}

std::vector<uint8_t> makePacket(Header header, std::span<const uint8_t> payload) {
  std::vector<uint8_t> out;
  out.reserve(kHeaderSize + payload.size());
  header.length = uint16_t(kHeaderSize + payload.size());
  put16(out, header.checksum);
  put16(out, header.length);
  out.push_back(header.transportControl);
  out.push_back(header.packetType);
  putAddress(out, header.destination);
  putAddress(out, header.source);
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

Node nodeOf(uint32_t ipv4, uint16_t port) {
  return {uint8_t(ipv4 >> 24), uint8_t(ipv4 >> 16), uint8_t(ipv4 >> 8),
          uint8_t(ipv4),       uint8_t(port >> 8),  uint8_t(port)};
}

uint32_t ipv4Of(const Node& node) {
  return uint32_t(node[0]) << 24 | uint32_t(node[1]) << 16 | uint32_t(node[2]) << 8 | node[3];
}

uint16_t portOf(const Node& node) {
  return uint16_t(node[4] << 8 | node[5]);
}

bool isBroadcast(const Node& node) {
  return addressPartIs(node, 0xFF);
}

std::vector<uint8_t> registrationRequest() {
  Header header;
  header.destination.socket = kEchoSocket;
  header.source.socket = kEchoSocket;
  return makePacket(header);
}

bool isRegistration(const Header& header) {
  return header.destination.socket == kEchoSocket && addressPartIs(header.destination.node, 0);
}

std::vector<uint8_t> registrationReply(const Node& member, const Node& server) {
  Header header;
  header.destination = {{0, 0, 0, 0}, member, kEchoSocket};
  // DOSBox's server names network 1 as its own.
  header.source = {{0, 0, 0, 1}, server, kEchoSocket};
  return makePacket(header);
}

bool isRegistrationReply(const Header& header) {
  const Node& node = header.destination.node;
  return header.destination.socket == kEchoSocket && header.source.socket == kEchoSocket &&
         !addressPartIs(node, 0) && !isBroadcast(node);
}

std::string nodeText(const Node& node) {
  char text[18];
  std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", node[0], node[1], node[2],
                node[3], node[4], node[5]);
  return text;
}

}  // namespace platform::ipx
