#include "setup/shell_link_reader.h"

#include <cstring>
#include <stdexcept>

namespace testsupport {
namespace {

constexpr uint8_t kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr uint8_t kMyComputer[16] = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                     0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};

class Bytes {
 public:
  explicit Bytes(const std::vector<uint8_t>& b) : b_(b) {}
  size_t size() const { return b_.size(); }
  void need(size_t at, size_t n, const char* what) const {
    if (at > b_.size() || n > b_.size() - at) fail(std::string(what) + " runs past the end");
  }
  uint8_t u8(size_t at) const {
    need(at, 1, "a byte");
    return b_[at];
  }
  uint16_t u16(size_t at) const {
    need(at, 2, "a 16-bit value");
    return uint16_t(b_[at] | b_[at + 1] << 8);
  }
  uint32_t u32(size_t at) const {
    need(at, 4, "a 32-bit value");
    return uint32_t(b_[at]) | uint32_t(b_[at + 1]) << 8 | uint32_t(b_[at + 2]) << 16 |
           uint32_t(b_[at + 3]) << 24;
  }
  bool equals(size_t at, const uint8_t (&what)[16]) const {
    need(at, 16, "a class id");
    return std::memcmp(b_.data() + at, what, 16) == 0;
  }
  // A NUL-terminated string inside [at, end); the bytes after its NUL up to `paddedTo` must be
  // NUL as well.
  std::string cstring(size_t at, size_t end, size_t paddedTo, const char* what) const {
    need(at, end - at, what);
    size_t nul = at;
    while (nul < end && b_[nul]) ++nul;
    if (nul == end) fail(std::string(what) + " has no terminating NUL");
    for (size_t i = nul; i < paddedTo; ++i) {
      if (b_[i]) fail(std::string(what) + " has stray bytes after its NUL");
    }
    return std::string(b_.begin() + long(at), b_.begin() + long(nul));
  }
  [[noreturn]] static void fail(const std::string& why) { throw std::runtime_error(why); }

 private:
  const std::vector<uint8_t>& b_;
};

}  // namespace

std::string ShellLink::itemPath() const {
  std::string path;
  for (size_t i = 1; i < items.size(); ++i) {
    if (!path.empty() && path.back() != '\\') path += '\\';
    path += items[i];
  }
  return path;
}

ShellLink parseShellLink(const std::vector<uint8_t>& data) {
  const Bytes b(data);
  ShellLink link;
  if (b.u32(0) != 0x4C) Bytes::fail("header size is not 0x4C");
  if (!b.equals(4, kLinkClsid)) Bytes::fail("not a shell link class id");
  link.flags = b.u32(20);
  if (link.flags & 0x80) Bytes::fail("the tests only read ANSI links");
  size_t at = 0x4C;

  if (link.flags & 0x01) {  // HasLinkTargetIDList
    const size_t end = at + 2 + b.u16(at);
    b.need(at, end - at, "the ID list");
    at += 2;
    for (;;) {
      const size_t size = b.u16(at);
      if (size == 0) break;
      if (size < 3 || at + size > end - 2) Bytes::fail("an ID list item has a bad size");
      const uint8_t type = b.u8(at + 2);
      if (type == 0x1F) {
        if (size != 20 || !b.equals(at + 4, kMyComputer)) Bytes::fail("unknown root item");
        link.items.push_back("My Computer");
      } else if (type == 0x2F) {
        link.items.push_back(b.cstring(at + 3, at + size, at + size, "a drive item"));
      } else if (type == 0x31 || type == 0x32) {
        if (size < 15) Bytes::fail("a file entry item is too short");
        link.items.push_back(b.cstring(at + 14, at + size, at + size, "a file entry item"));
      } else {
        Bytes::fail("unknown ID list item type");
      }
      at += size;
    }
    if (at + 2 != end) Bytes::fail("the ID list size does not match its items");
    at = end;
  }

  if (link.flags & 0x02) {  // HasLinkInfo
    const size_t size = b.u32(at), headerSize = b.u32(at + 4);
    b.need(at, size, "LinkInfo");
    if (headerSize < 0x1C || headerSize > size) Bytes::fail("bad LinkInfo header size");
    const uint32_t infoFlags = b.u32(at + 8);
    if (infoFlags & 0x01) {
      const size_t volume = b.u32(at + 12), local = b.u32(at + 16), suffix = b.u32(at + 24);
      if (volume < headerSize || volume + 0x10 > size) Bytes::fail("bad VolumeID offset");
      const size_t volumeSize = b.u32(at + volume);
      if (volumeSize <= 0x10 || volume + volumeSize > size) Bytes::fail("bad VolumeID size");
      const size_t label = b.u32(at + volume + 12);
      if (label < 0x10 || label >= volumeSize) Bytes::fail("bad volume label offset");
      b.cstring(at + volume + label, at + volume + volumeSize, 0, "the volume label");
      if (local < volume + volumeSize || suffix <= local || suffix >= size) {
        Bytes::fail("bad LocalBasePath or CommonPathSuffix offset");
      }
      link.localBasePath = b.cstring(at + local, at + suffix, at + suffix, "LocalBasePath");
      link.commonPathSuffix = b.cstring(at + suffix, at + size, at + size, "CommonPathSuffix");
    }
    at += size;
  }

  for (uint32_t flag : {0x04u, 0x08u, 0x10u, 0x20u, 0x40u}) {  // StringData in file order
    if (!(link.flags & flag)) continue;
    const size_t count = b.u16(at);
    b.need(at + 2, count, "a StringData string");
    // A counted string; a shorter text is followed by NULs.
    std::string text(data.begin() + long(at + 2), data.begin() + long(at + 2 + count));
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) {
      if (text.find_first_not_of('\0', nul) != std::string::npos) {
        Bytes::fail("a StringData string has stray bytes after its NUL");
      }
      text.resize(nul);
    }
    if (flag == 0x10) link.workingDirectory = text;
    at += 2 + count;
  }

  for (;;) {  // ExtraData blocks up to the terminal block
    const size_t size = b.u32(at);
    if (size < 4) {
      at += 4;
      break;
    }
    b.need(at, size, "an extra data block");
    at += size;
  }
  if (at != b.size()) Bytes::fail("bytes after the last block");
  return link;
}

}  // namespace testsupport
