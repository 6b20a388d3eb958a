// A joystick the test moves by hand.
#pragma once

#include "platform/joystick.h"

namespace platform {

class FakeJoystick : public Joystick {
 public:
  static constexpr uint32_t kCentre = 32767;

  int deviceCount() override { return devices; }
  bool readPosition(JoystickPosition& out) override {
    if (devices == 0 || failReads) return false;
    out = position;
    return true;
  }
  void setThreshold(int t) override { threshold = t; }
  bool capture(int periodMs) override {
    capturePeriodMs = periodMs;
    return devices > 0;
  }

  // The stick `fractionX`, `fractionY` of the centre off it (0.15: 15 % right or down).
  void deflect(double fractionX, double fractionY = 0) {
    position.x = uint32_t(kCentre + kCentre * fractionX);
    position.y = uint32_t(kCentre + kCentre * fractionY);
  }

  int devices = 1;
  bool failReads = false;
  JoystickPosition position{kCentre, kCentre, 0};
  int threshold = 0;
  int capturePeriodMs = 0;
};

}  // namespace platform
