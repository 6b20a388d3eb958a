// The machine's monotonic and wall clocks.
#pragma once

#include "platform/clock.h"

namespace platform {

class HostClock : public Clock {
 public:
  uint64_t milliseconds() const override;
  int64_t secondsSinceEpoch() const override;
  LocalDate localDate() const override;
};

}  // namespace platform
