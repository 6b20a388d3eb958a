// Time as the program reads it: milliseconds since an arbitrary start, and the wall clock.
#pragma once

#include <cstdint>

namespace platform {

// A day of the calendar where the player is.
struct LocalDate {
  int year = 2000;  // in full: 2026
  int month = 1;    // 1 = January
  int day = 1;      // of the month, from 1
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from a fixed start; never goes back.
  virtual uint64_t milliseconds() const = 0;
  // Seconds since 1970, as time() gives them.
  virtual int64_t secondsSinceEpoch() const = 0;
  // Today in the machine's time zone. Only the host knows the zone, so the subsystems ask
  // here instead of converting secondsSinceEpoch() themselves.
  virtual LocalDate localDate() const = 0;
};

}  // namespace platform
