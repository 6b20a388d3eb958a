// Any bytes as what the joystick device gave: only whole records are used, the position stays
// on its scale, and reading the bytes in two pieces (the rest kept, as the device reader keeps
// it) ends in the same position as reading them at once.
//
// Input: the device's bytes. Seeds (fuzz/corpus/js_events/): the records a stick sends on
// opening, a deflection with a button press and release, a record cut short.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/js_events.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  platform::JoystickPosition whole;
  const size_t used = platform::applyJsEvents(bytes, whole);
  if (used % platform::kJsEventSize != 0 || size - used >= platform::kJsEventSize) std::abort();
  if (whole.x > 65535 || whole.y > 65535) std::abort();

  platform::JoystickPosition split;
  const size_t cut = size / 2;
  std::vector<uint8_t> pending(data, data + cut);
  const size_t first = platform::applyJsEvents(pending, split);
  pending.erase(pending.begin(), pending.begin() + ptrdiff_t(first));
  pending.insert(pending.end(), data + cut, data + size);
  platform::applyJsEvents(pending, split);
  if (split.x != whole.x || split.y != whole.y || split.buttons != whole.buttons) std::abort();
  return 0;
}
