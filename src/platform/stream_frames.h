// Messages over a byte stream keep their size: each goes as a 4-byte big-endian length and its
// bytes. A connection opens with a hello message naming the IPX socket number it is for, so
// one listening port serves every socket number of a node.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform::frames {

// Larger than any map the program sends; a length above it means the stream is not ours.
inline constexpr size_t kMaxMessage = 1 << 20;

std::vector<uint8_t> frame(std::span<const uint8_t> message);
// The framed message at the end of `out`.
void appendFrame(std::vector<uint8_t>& out, std::span<const uint8_t> message);

std::vector<uint8_t> hello(uint16_t socket);
// The socket number of a hello, nothing for any other message.
std::optional<uint16_t> readHello(std::span<const uint8_t> message);

// Gathers what a stream delivers, in pieces of any size, and gives back whole messages.
class FrameReader {
 public:
  enum class Next { kMessage, kIncomplete, kMalformed };

  void append(std::span<const uint8_t> bytes);
  // The next whole message into `out`; kMalformed (for good) after a length over kMaxMessage.
  Next next(std::vector<uint8_t>& out);
  // True when no byte of a message is waiting.
  bool empty() const { return start_ == buffer_.size(); }

 private:
  std::vector<uint8_t> buffer_;
  size_t start_ = 0;
  bool malformed_ = false;
};

}  // namespace platform::frames
