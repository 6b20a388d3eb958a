// The mouse pointer of the screen: where it is, moving it, and pressing its buttons there.
#pragma once

namespace platform {

struct PointerPoint {
  int x = 0;
  int y = 0;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
};

enum class PointerButton { kLeft, kRight, kMiddle };

class Pointer {
 public:
  virtual ~Pointer() = default;
  virtual PointerPoint position() const = 0;
  // Moves the pointer; a point off the screen is taken to its nearest edge.
  virtual void moveTo(PointerPoint point) = 0;
  virtual ScreenSize screenSize() const = 0;
  // A press or a release of a button where the pointer is.
  virtual void buttonDown(PointerButton button) = 0;
  virtual void buttonUp(PointerButton button) = 0;
};

// `point` moved onto a screen of `size` (a screen of no size leaves it at 0, 0).
inline PointerPoint clampToScreen(PointerPoint point, ScreenSize size) {
  auto clamp = [](int v, int extent) {
    return v < 0 ? 0 : v >= extent ? (extent > 0 ? extent - 1 : 0) : v;
  };
  return {clamp(point.x, size.width), clamp(point.y, size.height)};
}

}  // namespace platform
