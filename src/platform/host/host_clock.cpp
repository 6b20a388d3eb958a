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

LocalDate HostClock::localDate() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  // localtime_r: no shared buffer another thread could overwrite mid-read.
  if (localtime_r(&now, &local) == nullptr) return LocalDate{};
  return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace platform
