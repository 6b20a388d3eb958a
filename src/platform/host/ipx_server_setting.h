// Where the IPX tunnel server is: a setting of this machine, not of any game record. The
// front-end's own endpoints and the DOS sessions that join the network use the same one, so the
// games meet on the network the front-ends used.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

struct IpxServer {
  std::string host;  // empty: no server
  uint16_t port = 0;

  bool empty() const { return host.empty(); }
  std::string text() const { return host + ":" + std::to_string(port); }
  bool operator==(const IpxServer&) const = default;
};

// A host name or IPv4 address that a DOS command line carries unharmed: letters, digits, dots
// and dashes.
bool isServerHostName(const std::string& host);

struct IpxServerSetting {
  // DOSBox's own default, 213, needs root on Linux.
  static constexpr uint16_t kDefaultPort = 21300;

  IpxServer server{"127.0.0.1", kDefaultPort};
  // Why $QF95_IPX_SERVER was not taken; nothing joins the network while it is set, since a
  // silent fallback would put the player on another network than the one they named.
  std::string problem;
  // $QF95_IPX_SERVER named the server: the program's own setting gives way to it.
  bool environmentDecides = false;
  // The relay started when the server is this machine and nothing answers there; empty: the
  // one beside the running program, else the one on $PATH.
  std::string relayProgram;
  // A relay we started ends after this long without members (they are forgotten after ten
  // quiet minutes); long, since a front-end that sits quiet longer still expects it there.
  // Zero: it never ends by itself.
  std::chrono::seconds relayIdleExit{3600};

  // "host:port" or "host" (the default port); nothing, with the reason in `error`, else.
  static std::optional<IpxServer> parse(const std::string& text, std::string* error);

  // The defaults with $QF95_IPX_SERVER.
  using Lookup = std::function<const char*(const char*)>;
  static IpxServerSetting fromEnvironment(const Lookup& lookup);
  static IpxServerSetting fromEnvironment();
};

}  // namespace platform
