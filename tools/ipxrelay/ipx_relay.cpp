#include "tools/ipxrelay/ipx_relay.h"

namespace ipxrelay {

namespace ipx = platform::ipx;

std::string UdpAddress::text() const {
  return std::to_string(ipv4 >> 24) + "." + std::to_string(ipv4 >> 16 & 0xFF) + "." +
         std::to_string(ipv4 >> 8 & 0xFF) + "." + std::to_string(ipv4 & 0xFF) + ":" +
         std::to_string(port);
}

Relay::Relay(Options options, Send send, Log log, Clock::time_point now)
    : options_(options), send_(std::move(send)), log_(std::move(log)), emptySince_(now) {}

Relay::Member* Relay::find(const UdpAddress& at) {
  auto found = members_.find(key(at));
  return found == members_.end() ? nullptr : &found->second;
}

Relay::Member* Relay::admit(const UdpAddress& at, Clock::time_point now, const char* how) {
  if (members_.size() >= options_.maxMembers) {
    // Once until there is room again: a crowd knocking must not fill the log.
    if (log_ && !toldFull_) {
      log_("refused " + at.text() + ": " + std::to_string(members_.size()) + " members already");
    }
    toldFull_ = true;
    return nullptr;
  }
  Member& member = members_[key(at)];
  member = {at, now};
  ++counts_.joined;
  if (log_) log_(std::string(how) + " " + at.text() + " as node " + ipx::nodeText(at.node()));
  return &member;
}

void Relay::deliver(const UdpAddress& to, std::span<const uint8_t> bytes) {
  if (send_(to, bytes)) {
    ++counts_.delivered;
  } else {
    ++counts_.dropped;
  }
}

void Relay::handle(const UdpAddress& from, std::span<const uint8_t> bytes, Clock::time_point now) {
  const auto packet = ipx::parsePacket(bytes);
  if (!packet) {
    ++counts_.dropped;
    return;
  }
  const ipx::Header& header = packet->header;
  Member* member = find(from);
  if (ipx::isRegistration(header)) {
    // Asking again gets the same answer and no second membership.
    if (!member) member = admit(from, now, "joined");
    if (!member) {
      ++counts_.dropped;
      return;
    }
    member->lastSeen = now;
    // Not counted as relayed: a lost reply is asked for again.
    send_(from, ipx::registrationReply(from.node(), ipx::nodeOf(0, options_.port)));
    return;
  }
  // A member names itself as the node it was given; anything else is forged or a stranger's.
  if (header.source.node != from.node()) {
    ++counts_.dropped;
    return;
  }
  // One forgotten while it was silent comes back with the node it had.
  if (!member) member = admit(from, now, "back");
  if (!member) {
    ++counts_.dropped;
    return;
  }
  member->lastSeen = now;

  const ipx::Node& to = header.destination.node;
  if (ipx::isBroadcast(to)) {
    ++counts_.relayed;
    for (const auto& [k, other] : members_) {
      if (!(other.at == from)) deliver(other.at, bytes);
    }
    return;
  }
  const Member* target = find({ipx::ipv4Of(to), ipx::portOf(to)});
  if (!target) {
    ++counts_.dropped;
    return;
  }
  ++counts_.relayed;
  deliver(target->at, bytes);
}

void Relay::forgetSilent(Clock::time_point now) {
  const bool hadMembers = !members_.empty();
  std::erase_if(members_, [&](const auto& entry) {
    const Member& member = entry.second;
    if (now - member.lastSeen <= options_.forgetAfter) return false;
    ++counts_.left;
    if (log_) {
      log_("left " + member.at.text() + " as node " + ipx::nodeText(member.at.node()) +
           " (silent for " + std::to_string(options_.forgetAfter.count()) + " s)");
    }
    return true;
  });
  if (hadMembers && members_.empty()) emptySince_ = now;
  if (members_.size() < options_.maxMembers) toldFull_ = false;
}

Relay::Counts Relay::counts() const {
  Counts counts = counts_;
  counts.members = members_.size();
  return counts;
}

std::optional<Relay::Clock::time_point> Relay::emptySince() const {
  if (!members_.empty()) return std::nullopt;
  return emptySince_;
}

std::string Relay::summary() const {
  const Counts c = counts();
  return "members=" + std::to_string(c.members) + " relayed=" + std::to_string(c.relayed) +
         " delivered=" + std::to_string(c.delivered) + " dropped=" + std::to_string(c.dropped);
}

}  // namespace ipxrelay
