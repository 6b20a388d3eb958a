// A network layer for tests: starts or not, in the version it is given, and counts releases.
#pragma once

#include "platform/network.h"

namespace platform {

class FakeNetwork : public Network {
 public:
  NetworkStart start(uint16_t version) override {
    ++starts;
    asked = version;
    return result;
  }
  void release() override { ++releases; }

  NetworkStart result{true, kNetworkVersion11};
  uint16_t asked = 0;
  int starts = 0;
  int releases = 0;
};

}  // namespace platform
