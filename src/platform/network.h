// The machine's network layer as the program needs it before it talks to other copies: whether
// it starts, and in which version. The coordination of a network start builds on it.
#pragma once

#include <cstdint>

namespace platform {

// Versions as the program asks for them: major in the low byte, minor in the high byte.
inline constexpr uint16_t kNetworkVersion11 = 0x0101;

struct NetworkStart {
  bool started = false;
  uint16_t version = 0;  // the version the layer offers, when started
};

class Network {
 public:
  virtual ~Network() = default;
  // Starts the layer asking for `version`; every start that went through is released again.
  virtual NetworkStart start(uint16_t version) = 0;
  virtual void release() = 0;
};

}  // namespace platform
