#include "platform/host/host_joystick.h"

#include <fcntl.h>
#include <linux/joystick.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/js_events.h"

namespace platform {

static_assert(sizeof(js_event) == kJsEventSize);
static_assert(JS_EVENT_BUTTON == kJsEventButton && JS_EVENT_AXIS == kJsEventAxis &&
              JS_EVENT_INIT == kJsEventInit);

namespace {

std::string devicePathFromEnvironment() {
  const char* path = std::getenv(kJoystickDeviceVariable);
  return path && *path ? path : kDefaultJoystickDevice;
}

// Until the driver says otherwise the stick is at rest.
JoystickPosition restingPosition() {
  return {axisPosition(0), axisPosition(0), 0};
}

}  // namespace

HostJoystick::HostJoystick() : HostJoystick(devicePathFromEnvironment()) {}

HostJoystick::HostJoystick(std::string devicePath)
    : path_(std::move(devicePath)), position_(restingPosition()) {}

bool HostJoystick::ensureOpen() {
  if (fd_) return true;
  // Without O_NONBLOCK a FIFO standing in for the device would hold the window until a
  // writer came.
  const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  fd_.reset(fd);
  position_ = restingPosition();
  pending_.clear();
  return true;
}

bool HostJoystick::drain() {
  uint8_t buffer[64 * kJsEventSize];
  for (;;) {
    const ssize_t n = ::read(fd_.get(), buffer, sizeof buffer);
    if (n > 0) {
      pending_.insert(pending_.end(), buffer, buffer + n);
      const size_t used = applyJsEvents(pending_, position_);
      pending_.erase(pending_.begin(), pending_.begin() + ptrdiff_t(used));
      continue;
    }
    // 0: a FIFO with no writer at the moment; the next writer brings more.
    if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK) return true;
    if (errno == EINTR) continue;
    fd_.reset();
    return false;
  }
}

int HostJoystick::deviceCount() {
  return ensureOpen() ? 1 : 0;
}

bool HostJoystick::readPosition(JoystickPosition& position) {
  if (!ensureOpen() || !drain()) return false;
  position = position_;
  return true;
}

}  // namespace platform
