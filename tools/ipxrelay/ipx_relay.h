// The relay's rules, without sockets: the wire format of DOSBox's IPXNET server (registration
// replies, unicast by node, broadcast to every other member) without its limits. Any number of
// members up to a cap, a member that registers again is still one member, silent members are
// forgotten, and packets that are malformed, forged or for nobody are dropped.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>

#include "platform/ipx_wire.h"

namespace ipxrelay {

// A UDP address, host order.
struct UdpAddress {
  uint32_t ipv4 = 0;
  uint16_t port = 0;
  bool operator==(const UdpAddress&) const = default;
  platform::ipx::Node node() const { return platform::ipx::nodeOf(ipv4, port); }
  std::string text() const;
};

class Relay {
 public:
  using Clock = std::chrono::steady_clock;
  struct Options {
    size_t maxMembers = 4096;
    std::chrono::seconds forgetAfter{600};
    uint16_t port = 0;  // ours, named in the registration replies as DOSBox's server does
  };
  struct Counts {
    size_t members = 0;
    uint64_t joined = 0;
    uint64_t left = 0;
    uint64_t relayed = 0;    // datagrams passed on
    uint64_t delivered = 0;  // copies sent for them (a broadcast makes one per member)
    uint64_t dropped = 0;
  };
  // Sends `bytes` to `to`; false when it could not go.
  using Send = std::function<bool(const UdpAddress& to, std::span<const uint8_t> bytes)>;
  using Log = std::function<void(const std::string& line)>;

  Relay(Options options, Send send, Log log, Clock::time_point now);

  // One datagram that came from `from`.
  void handle(const UdpAddress& from, std::span<const uint8_t> bytes, Clock::time_point now);
  // Forgets the members silent for longer than the options say.
  void forgetSilent(Clock::time_point now);

  bool isMember(const UdpAddress& at) const { return members_.contains(key(at)); }
  Counts counts() const;
  // Since when the relay has had no member; nothing while it has some.
  std::optional<Clock::time_point> emptySince() const;
  // "members=3 relayed=2 delivered=3 dropped=1".
  std::string summary() const;

 private:
  struct Member {
    UdpAddress at;
    Clock::time_point lastSeen;
  };
  static uint64_t key(const UdpAddress& at) { return uint64_t(at.ipv4) << 16 | at.port; }
  Member* find(const UdpAddress& at);
  Member* admit(const UdpAddress& at, Clock::time_point now, const char* how);
  void deliver(const UdpAddress& to, std::span<const uint8_t> bytes);

  Options options_;
  Send send_;
  Log log_;
  std::unordered_map<uint64_t, Member> members_;
  Counts counts_;
  Clock::time_point emptySince_;
  bool toldFull_ = false;
};

}  // namespace ipxrelay
