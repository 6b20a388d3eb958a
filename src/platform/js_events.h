// The Linux joystick device's event records, read from its bytes: each record is 8 bytes,
// little-endian on our machines (a 32-bit time in milliseconds, a signed 16-bit value, a type
// byte and the axis or button number). The type's bit 0x80 marks the records the driver sends
// on opening to give the state the device is in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/joystick.h"

namespace platform {

inline constexpr size_t kJsEventSize = 8;
inline constexpr uint8_t kJsEventButton = 0x01;
inline constexpr uint8_t kJsEventAxis = 0x02;
inline constexpr uint8_t kJsEventInit = 0x80;

// An axis value of the device (-32767 .. 32767, -32768 too) on our scale of 0 .. 65535.
uint32_t axisPosition(int16_t value);

// Applies the whole records at the front of `bytes` to `position` (axis 0 is X, axis 1 is Y,
// buttons 0-31 are the bits of `buttons`; other axes and buttons, and unknown types, are left
// out). Returns how many bytes it used: a record cut short at the end stays for the next read.
size_t applyJsEvents(std::span<const uint8_t> bytes, JoystickPosition& position);

}  // namespace platform
