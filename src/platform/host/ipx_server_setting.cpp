#include "platform/host/ipx_server_setting.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

bool isServerHostName(const std::string& host) {
  return !host.empty() && host.size() <= 253 && std::all_of(host.begin(), host.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-';
  });
}

std::optional<IpxServer> IpxServerSetting::parse(const std::string& text, std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<IpxServer> {
    if (error) *error = "\"" + text + "\" is no IPX server address (host or host:port): " + why;
    return std::nullopt;
  };
  const size_t colon = text.find(':');
  IpxServer server{text.substr(0, colon), kDefaultPort};
  if (!isServerHostName(server.host)) {
    return fail("a host is a name or an IPv4 address");
  }
  if (colon != std::string::npos) {
    const std::string port = text.substr(colon + 1);
    if (port.empty() || port.size() > 5 ||
        !std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return fail("the port is a number");
    }
    const long number = std::stol(port);
    if (number < 1 || number > 65535) return fail("the port is from 1 to 65535");
    server.port = uint16_t(number);
  }
  return server;
}

IpxServerSetting IpxServerSetting::fromEnvironment(const Lookup& lookup) {
  IpxServerSetting setting;
  const char* text = lookup("QF95_IPX_SERVER");
  if (text && *text) {
    setting.environmentDecides = true;
    if (auto server = parse(text, &setting.problem)) setting.server = *server;
    setting.problem = setting.problem.empty() ? "" : "QF95_IPX_SERVER: " + setting.problem;
  }
  return setting;
}

IpxServerSetting IpxServerSetting::fromEnvironment() {
  return fromEnvironment([](const char* name) { return std::getenv(name); });
}

}  // namespace platform
