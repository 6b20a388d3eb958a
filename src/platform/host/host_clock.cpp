#include "platform/host/host_clock.h"

#include <chrono>
#include <ctime>

namespace platform {

uint64_t HostClock::milliseconds() const {
  auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

int64_t HostClock::secondsSinceEpoch() const {
  return static_cast<int64_t>(std::time(nullptr));
}

}  // namespace platform
