#include "platform/host/host_network.h"

#include <sys/socket.h>
#include <unistd.h>

#include "platform/host/ipx_streams.h"
#include "platform/host/ipx_tunnel.h"

namespace platform {
namespace {

// Long enough for a machine across the Internet, short enough for a window that waits.
constexpr std::chrono::milliseconds kConnectWait{3000};

}  // namespace

HostNetwork::HostNetwork(IpxServerSetting setting)
    : tunnel_(std::make_unique<IpxTunnel>(std::move(setting))),
      streams_(std::make_unique<IpxStreams>()) {}

HostNetwork::~HostNetwork() = default;

NetworkStart HostNetwork::start(uint16_t /*version*/) {
  const int probe = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (probe < 0) return {};
  ::close(probe);
  return {true, kNetworkVersion11};
}

std::unique_ptr<DatagramEndpoint> HostNetwork::openDatagram(uint16_t socket, std::string& error) {
  return tunnel_->open(socket, error);
}

std::unique_ptr<StreamListener> HostNetwork::listenStream(const IpxAddress& address,
                                                          std::string& error) {
  if (!tunnel_->ownsNode(address.node())) {
    error = "streams are taken only at the node of an open datagram endpoint of ours";
    return nullptr;
  }
  return streams_->listen(address, error);
}

std::unique_ptr<StreamConnection> HostNetwork::connectStream(const IpxAddress& to,
                                                             std::string& error) {
  return streams_->connect(to, error, kConnectWait);
}

std::string HostNetwork::ipxServer() const {
  return setting().problem.empty() ? setting().server.text() : std::string();
}

bool HostNetwork::ipxServerFromEnvironment() const {
  return setting().environmentDecides;
}

bool HostNetwork::setIpxServer(const std::string& text, std::string& error) {
  if (setting().environmentDecides) {
    error = "$QF95_IPX_SERVER names the IPX server";
    return false;
  }
  const auto server = IpxServerSetting::parse(text, &error);
  if (!server) return false;
  tunnel_->setServer(*server);
  if (serverChanged_) serverChanged_(*server);
  return true;
}

const IpxServerSetting& HostNetwork::setting() const {
  return tunnel_->setting();
}

pid_t HostNetwork::startedRelay() const {
  return tunnel_->startedRelay();
}

}  // namespace platform
