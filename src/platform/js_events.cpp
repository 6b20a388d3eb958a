#include "platform/js_events.h"

#include "platform/byte_cursor.h"

namespace platform {

uint32_t axisPosition(int16_t value) {
  return uint32_t(int32_t(value) + 32768);
}

size_t applyJsEvents(std::span<const uint8_t> bytes, JoystickPosition& position) {
  ByteCursor in(bytes);
  size_t used = 0;
  while (in.remaining() >= kJsEventSize) {
    in.skip(4);  // the time
    const uint16_t raw = *in.u16le();
    const uint8_t type = uint8_t(*in.u8() & ~kJsEventInit);
    const uint8_t number = *in.u8();
    used = in.position();
    const int16_t value = int16_t(raw);
    if (type == kJsEventAxis) {
      if (number == 0) position.x = axisPosition(value);
      if (number == 1) position.y = axisPosition(value);
    } else if (type == kJsEventButton && number < 32) {
      const uint32_t bit = uint32_t(1) << number;
      position.buttons = value ? position.buttons | bit : position.buttons & ~bit;
    }
  }
  return used;
}

}  // namespace platform
