#include "platform/stream_frames.h"

#include <algorithm>

#include "platform/byte_cursor.h"

namespace platform::frames {
namespace {

constexpr uint8_t kHelloMark[4] = {'Q', 'F', '9', '5'};

}  // namespace

std::vector<uint8_t> frame(std::span<const uint8_t> message) {
  std::vector<uint8_t> out;
  appendFrame(out, message);
  return out;
}

void appendFrame(std::vector<uint8_t>& out, std::span<const uint8_t> message) {
  const auto size = uint32_t(message.size());
  const uint8_t length[4] = {uint8_t(size >> 24), uint8_t(size >> 16), uint8_t(size >> 8),
                             uint8_t(size)};
  out.insert(out.end(), std::begin(length), std::end(length));
  out.insert(out.end(), message.begin(), message.end());
}

std::vector<uint8_t> hello(uint16_t socket) {
  std::vector<uint8_t> out(std::begin(kHelloMark), std::end(kHelloMark));
  out.push_back(uint8_t(socket >> 8));
  out.push_back(uint8_t(socket & 0xFF));
  return out;
}

std::optional<uint16_t> readHello(std::span<const uint8_t> message) {
  ByteCursor in(message);
  auto mark = in.bytes(sizeof kHelloMark);
  auto socket = in.u16be();
  if (in.failed() || !in.atEnd() || !std::equal(mark->begin(), mark->end(), kHelloMark)) {
    return std::nullopt;
  }
  return socket;
}

void FrameReader::append(std::span<const uint8_t> bytes) {
  // What was taken already goes once it is the larger part, so appending stays linear.
  if (start_ > 0 && start_ >= buffer_.size() / 2) {
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(start_));
    start_ = 0;
  }
  buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

FrameReader::Next FrameReader::next(std::vector<uint8_t>& out) {
  if (malformed_) return Next::kMalformed;
  ByteCursor in{std::span<const uint8_t>(buffer_).subspan(start_)};
  auto size = in.u32be();
  if (!size) return Next::kIncomplete;
  if (*size > kMaxMessage) {
    malformed_ = true;
    return Next::kMalformed;
  }
  auto message = in.bytes(*size);
  if (!message) return Next::kIncomplete;
  out.assign(message->begin(), message->end());
  start_ += in.position();
  return Next::kMessage;
}

}  // namespace platform::frames
