// The first joystick through the Linux joystick device (/dev/input/js0, or the path in
// QF95_JOYSTICK_DEVICE). The device is opened without blocking and read to the end at every
// position request, so the position is the latest the driver gave. No device: no joystick,
// silently; a device that goes away is looked for again at the next request.
#pragma once

#include <string>
#include <vector>

#include "platform/host/unique_fd.h"
#include "platform/joystick.h"

namespace platform {

inline constexpr const char* kJoystickDeviceVariable = "QF95_JOYSTICK_DEVICE";
inline constexpr const char* kDefaultJoystickDevice = "/dev/input/js0";

class HostJoystick : public Joystick {
 public:
  // The device named by the environment, else the default one.
  HostJoystick();
  explicit HostJoystick(std::string devicePath);

  int deviceCount() override;
  bool readPosition(JoystickPosition& position) override;

 private:
  bool ensureOpen();
  // Reads what the device has; false when it failed (the device is closed then).
  bool drain();

  std::string path_;
  UniqueFd fd_;
  JoystickPosition position_;
  std::vector<uint8_t> pending_;  // a record cut short by the last read
};

}  // namespace platform
