// A Clock that moves only when told to.
#pragma once

#include "platform/clock.h"

namespace platform {

class FakeClock : public Clock {
 public:
  uint64_t milliseconds() const override {
    const uint64_t now = ms_;
    ms_ += perRead_;
    return now;
  }
  int64_t secondsSinceEpoch() const override { return epoch_ + int64_t(ms_ / 1000); }
  // The date stays as set, whatever the milliseconds do: a test says which day it is.
  LocalDate localDate() const override { return date_; }
  void advance(uint64_t ms) { ms_ += ms; }
  // Time that passes while the program works: every reading of the clock moves it on.
  void advanceOnEveryRead(uint64_t ms) { perRead_ = ms; }
  void setEpoch(int64_t seconds) { epoch_ = seconds; }
  void setLocalDate(LocalDate date) { date_ = date; }

 private:
  mutable uint64_t ms_ = 0;
  uint64_t perRead_ = 0;
  int64_t epoch_ = 946684800;  // 2000-01-01
  LocalDate date_{2000, 1, 1};
};

}  // namespace platform
