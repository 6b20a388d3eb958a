// A pointer on a pretend screen that records what was done with it.
#pragma once

#include <string>
#include <vector>

#include "platform/pointer.h"

namespace platform {

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
