// The first joystick as the pointer control reads it: how many devices there are, and where
// the stick and the buttons are now.
#pragma once

#include <cstdint>

namespace platform {

// Axis positions run from 0 (left, up) to 65535 (right, down); a stick at rest is near 32767.
struct JoystickPosition {
  uint32_t x = 0;
  uint32_t y = 0;
  uint32_t buttons = 0;  // bit 0 is button 1
};

class Joystick {
 public:
  virtual ~Joystick() = default;
  // 0 when no device is there.
  virtual int deviceCount() = 0;
  // The latest position of the first joystick; false when it cannot be read.
  virtual bool readPosition(JoystickPosition& position) = 0;
  // The smallest change of an axis that counts as movement. Our devices report every change,
  // so an implementation may ignore it.
  virtual void setThreshold(int /*threshold*/) {}
  // Asks for the position every `periodMs` milliseconds; the pointer control polls on its own
  // timer, so this only says whether the device may be used.
  virtual bool capture(int /*periodMs*/) { return deviceCount() > 0; }
};

}  // namespace platform
