// The one way bytes from outside (other programs' files, datagrams, stream blocks) are read: a
// cursor over a span that can never leave it.
//
// Every read either succeeds whole and moves the cursor past what it read, or fails: it returns
// nothing, leaves the cursor where it was and sets the failed flag. The flag stays set, so a
// reader can take a whole fixed layout field by field and look at failed() once at the end; the
// values it got before the failure are still good. Multi-byte numbers come in both byte orders:
// little-endian for DOS and Windows files, big-endian for network headers.
//
//   platform::ByteCursor in(bytes);
//   in.seek(0x024);
//   auto program = in.text(63);  // stops at its NUL or the field's end
//   auto flags = in.u8();
//   if (in.failed()) return std::nullopt;
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform {

class ByteCursor {
 public:
  explicit ByteCursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t position() const { return pos_; }
  size_t size() const { return bytes_.size(); }
  size_t remaining() const { return bytes_.size() - pos_; }
  bool atEnd() const { return pos_ == bytes_.size(); }
  // True once any read, skip or seek went past the end.
  bool failed() const { return failed_; }

  // Moves to `offset` from the start; the end itself is a valid position.
  bool seek(size_t offset) {
    if (offset > bytes_.size()) return fail();
    pos_ = offset;
    return true;
  }
  bool skip(size_t count) {
    if (count > remaining()) return fail();
    pos_ += count;
    return true;
  }

  std::optional<uint8_t> u8() {
    if (remaining() < 1) {
      fail();
      return std::nullopt;
    }
    return bytes_[pos_++];
  }
  std::optional<uint16_t> u16le() { return number<uint16_t>(2, false); }
  std::optional<uint32_t> u32le() { return number<uint32_t>(4, false); }
  std::optional<uint16_t> u16be() { return number<uint16_t>(2, true); }
  std::optional<uint32_t> u32be() { return number<uint32_t>(4, true); }

  // The next `count` bytes, as a view into the cursor's span.
  std::optional<std::span<const uint8_t>> bytes(size_t count) {
    if (count > remaining()) {
      fail();
      return std::nullopt;
    }
    std::span<const uint8_t> out = bytes_.subspan(pos_, count);
    pos_ += count;
    return out;
  }

  // A fixed text field of `fieldSize` bytes: the text ends at its first NUL or at the field's
  // end, whichever comes first, and the cursor moves past the whole field. The field must lie
  // entirely inside the bytes, even when its text ends early.
  std::optional<std::string> text(size_t fieldSize) {
    auto field = bytes(fieldSize);
    if (!field) return std::nullopt;
    std::string out;
    for (uint8_t b : *field) {
      if (b == 0) break;
      out += static_cast<char>(b);
    }
    return out;
  }

 private:
  bool fail() {
    failed_ = true;
    return false;
  }

  template <typename T>
  std::optional<T> number(size_t width, bool bigEndian) {
    if (remaining() < width) {
      fail();
      return std::nullopt;
    }
    T value = 0;
    for (size_t i = 0; i < width; ++i) {
      const size_t shift = 8 * (bigEndian ? width - 1 - i : i);
      value = static_cast<T>(value | T(bytes_[pos_ + i]) << shift);
    }
    pos_ += width;
    return value;
  }

  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace platform
