#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "platform/host/host_joystick.h"
#include "platform/js_events.h"
#include "support/temp_dir.h"

namespace {

// One record as the driver writes it.
std::vector<uint8_t> jsEvent(int16_t value, uint8_t type, uint8_t number, uint32_t time = 7) {
  const auto v = uint16_t(value);
  return {uint8_t(time),
          uint8_t(time >> 8),
          uint8_t(time >> 16),
          uint8_t(time >> 24),
          uint8_t(v),
          uint8_t(v >> 8),
          type,
          number};
}

std::vector<uint8_t> joined(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

using platform::kJsEventAxis;
using platform::kJsEventButton;
using platform::kJsEventInit;

TEST(JsEvents, AxesAndButtonsMakeThePosition) {
  platform::JoystickPosition p;
  const auto bytes = joined(
      {jsEvent(0, kJsEventAxis | kJsEventInit, 0), jsEvent(-32767, kJsEventAxis | kJsEventInit, 1),
       jsEvent(1, kJsEventButton, 2), jsEvent(1, kJsEventButton, 0), jsEvent(0, kJsEventButton, 2),
       jsEvent(32767, kJsEventAxis, 0),
       // A third axis, a button past 31 and an unknown type change nothing.
       jsEvent(-5, kJsEventAxis, 2), jsEvent(1, kJsEventButton, 40), jsEvent(1, 0x04, 1)});
  EXPECT_EQ(platform::applyJsEvents(bytes, p), bytes.size());
  EXPECT_EQ(p.x, 65535u);
  EXPECT_EQ(p.y, 1u);
  EXPECT_EQ(p.buttons, 1u);
  EXPECT_EQ(platform::axisPosition(-32768), 0u);
  EXPECT_EQ(platform::axisPosition(0), 32768u);
}

TEST(JsEvents, RecordCutShortWaitsForTheRest) {
  platform::JoystickPosition p;
  auto bytes = joined({jsEvent(100, kJsEventAxis, 1), jsEvent(1, kJsEventButton, 1)});
  bytes.resize(13);
  EXPECT_EQ(platform::applyJsEvents(bytes, p), 8u);
  EXPECT_EQ(p.y, 32868u);
  EXPECT_EQ(p.buttons, 0u);
  EXPECT_EQ(platform::applyJsEvents(std::span<const uint8_t>(bytes).first(5), p), 0u);
}

TEST(HostJoystick, NoDeviceIsNoJoystick) {
  testsupport::TempDir dir;
  platform::HostJoystick stick(dir / "js0");
  platform::JoystickPosition p;
  EXPECT_EQ(stick.deviceCount(), 0);
  EXPECT_FALSE(stick.readPosition(p));
}

TEST(HostJoystick, FifoGivesTheLatestPositionAcrossWrites) {
  testsupport::TempDir dir;
  const std::string path = dir / "js0";
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  platform::HostJoystick stick(path);
  // Opening must not wait for a writer.
  ASSERT_EQ(stick.deviceCount(), 1);
  platform::JoystickPosition p;
  ASSERT_TRUE(stick.readPosition(p));
  EXPECT_EQ(p.x, 32768u);
  EXPECT_EQ(p.y, 32768u);

  const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  const auto bytes = joined({jsEvent(-16384, kJsEventAxis, 0), jsEvent(1, kJsEventButton, 0)});
  // Half a record first: the rest comes with the next write.
  ASSERT_EQ(::write(writer, bytes.data(), 12), 12);
  ASSERT_TRUE(stick.readPosition(p));
  EXPECT_EQ(p.x, 16384u);
  EXPECT_EQ(p.buttons, 0u);
  ASSERT_EQ(::write(writer, bytes.data() + 12, 4), 4);
  ::close(writer);
  ASSERT_TRUE(stick.readPosition(p));
  EXPECT_EQ(p.buttons, 1u);
  // The writer is gone: the state stays as it was.
  ASSERT_TRUE(stick.readPosition(p));
  EXPECT_EQ(p.x, 16384u);
}

}  // namespace
