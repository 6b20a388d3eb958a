// This machine's network layer: it starts when an IPv4 datagram socket can be made, which is
// what the program's network play needs; it offers version 1.1.
#pragma once

#include "platform/network.h"

namespace platform {

class HostNetwork : public Network {
 public:
  NetworkStart start(uint16_t version) override;
  void release() override {}
};

}  // namespace platform
