// A joystick the test moves by hand, and a pointer that records what was done with it.
#pragma once

#include <string>
#include <vector>

#include "platform/joystick.h"
#include "platform/pointer.h"

namespace platform {

class FakeJoystick : public Joystick {
 public:
  static constexpr uint32_t kCentre = 32767;

  int deviceCount() override { return devices; }
  bool readPosition(JoystickPosition& out) override {
    ++reads;
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
  int reads = 0;
  int threshold = 0;
  int capturePeriodMs = 0;
};

class FakePointer : public Pointer {
 public:
  PointerPoint position() const override { return at; }
  void moveTo(PointerPoint point) override {
    at = clampToScreen(point, screen);
    ++moves;
  }
  ScreenSize screenSize() const override { return screen; }
  void buttonDown(PointerButton button) override { events.push_back(name(button) + " down"); }
  void buttonUp(PointerButton button) override { events.push_back(name(button) + " up"); }

  PointerPoint at{400, 300};
  ScreenSize screen{1280, 1024};
  int moves = 0;
  std::vector<std::string> events;  // "left down", "left up", ...

 private:
  static std::string name(PointerButton b) {
    return b == PointerButton::kLeft ? "left" : b == PointerButton::kRight ? "right" : "middle";
  }
};

}  // namespace platform
