// Time as the program reads it: milliseconds since an arbitrary start, and the wall clock.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from a fixed start; never goes back.
  virtual uint64_t milliseconds() const = 0;
  // Seconds since 1970, as time() gives them.
  virtual int64_t secondsSinceEpoch() const = 0;
};

}  // namespace platform
