// This machine's network layer: it starts when an IPv4 datagram socket can be made, which is
// what the program's network play needs; it offers version 1.1. IPX datagrams travel through
// DOSBox's tunnel to the server of the setting (platform/host/ipx_tunnel.h), streams over TCP
// between the nodes (platform/host/ipx_streams.h).
#pragma once

#include <sys/types.h>

#include <functional>
#include <memory>

#include "platform/host/ipx_server_setting.h"
#include "platform/network.h"

namespace platform {

class IpxTunnel;
class IpxStreams;

class HostNetwork : public Network {
 public:
  explicit HostNetwork(IpxServerSetting setting = IpxServerSetting::fromEnvironment());
  ~HostNetwork() override;

  NetworkStart start(uint16_t version) override;
  void release() override {}

  std::unique_ptr<DatagramEndpoint> openDatagram(uint16_t socket, std::string& error) override;
  // Only at the node of one of our open datagram endpoints: that node's UDP port is ours, so
  // the TCP port made of it is too.
  std::unique_ptr<StreamListener> listenStream(const IpxAddress& address,
                                               std::string& error) override;
  std::unique_ptr<StreamConnection> connectStream(const IpxAddress& to,
                                                  std::string& error) override;

  std::string ipxServer() const override;
  bool ipxServerFromEnvironment() const override;
  bool setIpxServer(const std::string& text, std::string& error) override;
  // Told of each change of the server (the DOS sessions must join the same network).
  void onServerChange(std::function<void(const IpxServer&)> listener) {
    serverChanged_ = std::move(listener);
  }

  const IpxServerSetting& setting() const;
  // The relay this network started because nothing answered, 0 when none.
  pid_t startedRelay() const;

 private:
  std::unique_ptr<IpxTunnel> tunnel_;
  std::unique_ptr<IpxStreams> streams_;
  std::function<void(const IpxServer&)> serverChanged_;
};

}  // namespace platform
