// Any datagrams from a handful of senders through the relay's rules: only members are sent
// anything, a broadcast never goes back to its sender, what is passed on is the datagram byte
// for byte and a registration reply names the member, the member count keeps to its cap, and
// each datagram is answered, relayed or dropped, exactly one of them. A packet the parser takes
// is written back as the same bytes.
//
// Input: records of one control byte, a two-byte big-endian length and that many bytes (cut by
// the end of the input). Control bits 0-1 pick the sender of four; bit 7 first moves the clock
// on by five minutes and lets the relay forget the silent members.
// Seeds (fuzz/corpus/ipx_relay/): the datagrams of a DOSBox session on DOSBox's own server (its
// registration, the server's reply, a unicast and a broadcast), as records of four senders.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/byte_cursor.h"
#include "tools/ipxrelay/ipx_relay.h"

namespace {

namespace ipx = platform::ipx;
using ipxrelay::Relay;
using ipxrelay::UdpAddress;

constexpr UdpAddress kSenders[4] = {
    {0x7F000001, 46186}, {0x7F000001, 59002}, {0xC0A80105, 40000}, {0x0A000009, 213}};
constexpr uint16_t kOurPort = 21300;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const UdpAddress* sender = nullptr;
  std::span<const uint8_t> datagram;
  size_t replies = 0;
  auto now = Relay::Clock::time_point{};
  Relay* self = nullptr;
  Relay relay(
      {.maxMembers = 3, .forgetAfter = std::chrono::seconds(600), .port = kOurPort},
      [&](const UdpAddress& to, std::span<const uint8_t> bytes) {
        if (!self->isMember(to)) __builtin_trap();
        const auto packet = ipx::parsePacket(datagram);
        if (packet && ipx::isRegistration(packet->header)) {
          if (!(to == *sender)) __builtin_trap();
          if (!std::ranges::equal(bytes,
                                  ipx::registrationReply(to.node(), ipx::nodeOf(0, kOurPort))))
            __builtin_trap();
          ++replies;
        } else {
          if (!std::ranges::equal(bytes, datagram)) __builtin_trap();
          if (packet && ipx::isBroadcast(packet->header.destination.node) && to == *sender)
            __builtin_trap();
        }
        return true;
      },
      {}, now);
  self = &relay;

  platform::ByteCursor in(std::span(data, size));
  while (!in.atEnd()) {
    const uint8_t control = *in.u8();
    const size_t length = std::min<size_t>(in.u16be().value_or(0), in.remaining());
    datagram = *in.bytes(length);
    sender = &kSenders[control & 3];
    if (control & 0x80) {
      now += std::chrono::minutes(5);
      relay.forgetSilent(now);
    }
    const auto before = relay.counts();
    const size_t repliesBefore = replies;
    relay.handle(*sender, datagram, now);
    const auto after = relay.counts();
    const uint64_t outcomes = (after.relayed - before.relayed) + (after.dropped - before.dropped) +
                              (replies - repliesBefore);
    if (outcomes != 1 || after.members > 3) __builtin_trap();

    if (const auto packet = ipx::parsePacket(datagram)) {
      if (!std::ranges::equal(ipx::makePacket(packet->header, packet->payload), datagram))
        __builtin_trap();
    }
  }
  return 0;
}
