// Fixed-size binary records: a byte image plus typed field descriptors made from one field
// table per record. The image is the storage, so bytes no field names survive a rewrite.
// Reads of a text field stop at the field's end even without a NUL; writes are cut one byte
// short of the field so the NUL always fits.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace catalogue {

enum class FieldKind {
  kText,   // NUL-terminated 8-bit string in a fixed array
  kChars,  // fixed characters without terminator
  kInt,    // signed 32-bit little-endian (flags too)
  kByte,   // unsigned 8-bit
  kFloat,  // 32-bit IEEE little-endian
  kBytes,  // raw region owned by one feature
};

// One row of a field table: `count` elements of `size` bytes each from `offset`.
struct FieldInfo {
  std::string_view name;
  size_t offset;
  size_t size;
  size_t count;
  FieldKind kind;
  constexpr size_t end() const { return offset + size * count; }
};

// A field table is valid when it is sorted by offset, its fields do not overlap and all lie
// inside the record.
template <size_t N>
constexpr bool isValidLayout(const std::array<FieldInfo, N>& table, size_t recordSize) {
  size_t lastEnd = 0;
  for (const FieldInfo& f : table) {
    if (f.size == 0 || f.count == 0) return false;
    if (f.offset < lastEnd) return false;
    if (f.end() > recordSize) return false;
    if ((f.kind == FieldKind::kInt || f.kind == FieldKind::kFloat) && f.size != 4) return false;
    if (f.kind == FieldKind::kByte && f.size != 1) return false;
    lastEnd = f.end();
  }
  return true;
}

template <class Tag>
struct Field {
  std::string_view name;
  size_t offset;
  size_t size;
  size_t count;
  constexpr size_t at(size_t index) const { return offset + size * (index < count ? index : 0); }
};

template <class Tag>
struct TextField : Field<Tag> {};
template <class Tag>
struct CharsField : Field<Tag> {};
template <class Tag>
struct IntField : Field<Tag> {};
template <class Tag>
struct ByteField : Field<Tag> {};
template <class Tag>
struct FloatField : Field<Tag> {};
template <class Tag>
struct BytesField : Field<Tag> {};

// Raw little-endian access to an image, used by the typed accessors and by code that walks a
// field table (the factory-definition builder).
namespace image {
inline int32_t readInt(std::span<const uint8_t> b, size_t at) {
  uint32_t v = uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
               uint32_t(b[at + 3]) << 24;
  return static_cast<int32_t>(v);
}
inline void writeInt(std::span<uint8_t> b, size_t at, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}
inline float readFloat(std::span<const uint8_t> b, size_t at) {
  uint32_t v = static_cast<uint32_t>(readInt(b, at));
  float f;
  std::memcpy(&f, &v, sizeof f);
  return f;
}
inline void writeFloat(std::span<uint8_t> b, size_t at, float value) {
  uint32_t v;
  std::memcpy(&v, &value, sizeof v);
  writeInt(b, at, static_cast<int32_t>(v));
}
// The text of a field of `size` bytes: up to the first NUL or the field's end.
inline std::string readText(std::span<const uint8_t> b, size_t at, size_t size) {
  size_t n = 0;
  while (n < size && b[at + n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(b.data() + at), n);
}
// Writes `text` cut to size − 1 bytes and clears the rest of the field.
inline void writeText(std::span<uint8_t> b, size_t at, size_t size, std::string_view text) {
  size_t n = text.size() < size ? text.size() : size - 1;
  std::memcpy(b.data() + at, text.data(), n);
  std::memset(b.data() + at + n, 0, size - n);
}
// Fixed characters without terminator: the field is filled, the tail with NULs.
inline void writeChars(std::span<uint8_t> b, size_t at, size_t size, std::string_view text) {
  size_t n = text.size() < size ? text.size() : size;
  std::memcpy(b.data() + at, text.data(), n);
  std::memset(b.data() + at + n, 0, size - n);
}
}  // namespace image

// The validity marker every record carries: the float 6214.0.
inline constexpr float kValidMarker = 6214.0f;

template <class Tag>
class Record {
 public:
  static constexpr size_t kSize = Tag::kSize;
  using Bytes = std::array<uint8_t, kSize>;

  Record() : bytes_{} {}
  explicit Record(const Bytes& bytes) : bytes_(bytes) {}

  // Builds a record from up to kSize bytes; missing bytes are zero.
  static Record fromBytes(std::span<const uint8_t> data) {
    Record r;
    std::memcpy(r.bytes_.data(), data.data(), data.size() < kSize ? data.size() : kSize);
    return r;
  }

  const Bytes& bytes() const { return bytes_; }
  Bytes& bytes() { return bytes_; }
  void clear() { bytes_.fill(0); }

  std::string get(const TextField<Tag>& f, size_t i = 0) const {
    return image::readText(bytes_, f.at(i), f.size);
  }
  void set(const TextField<Tag>& f, std::string_view v, size_t i = 0) {
    image::writeText(bytes_, f.at(i), f.size, v);
  }
  std::string get(const CharsField<Tag>& f, size_t i = 0) const {
    return std::string(reinterpret_cast<const char*>(bytes_.data() + f.at(i)), f.size);
  }
  void set(const CharsField<Tag>& f, std::string_view v, size_t i = 0) {
    image::writeChars(bytes_, f.at(i), f.size, v);
  }
  int32_t get(const IntField<Tag>& f, size_t i = 0) const {
    return image::readInt(bytes_, f.at(i));
  }
  void set(const IntField<Tag>& f, int32_t v, size_t i = 0) { image::writeInt(bytes_, f.at(i), v); }
  uint8_t get(const ByteField<Tag>& f, size_t i = 0) const { return bytes_[f.at(i)]; }
  void set(const ByteField<Tag>& f, uint8_t v, size_t i = 0) { bytes_[f.at(i)] = v; }
  float get(const FloatField<Tag>& f, size_t i = 0) const {
    return image::readFloat(bytes_, f.at(i));
  }
  void set(const FloatField<Tag>& f, float v, size_t i = 0) {
    image::writeFloat(bytes_, f.at(i), v);
  }
  std::span<const uint8_t> get(const BytesField<Tag>& f, size_t i = 0) const {
    return std::span<const uint8_t>(bytes_).subspan(f.at(i), f.size);
  }
  std::span<uint8_t> region(const BytesField<Tag>& f, size_t i = 0) {
    return std::span<uint8_t>(bytes_).subspan(f.at(i), f.size);
  }
  // Any field as raw bytes (all its elements).
  std::span<uint8_t> raw(const Field<Tag>& f) {
    return std::span<uint8_t>(bytes_).subspan(f.offset, f.size * f.count);
  }
  std::span<const uint8_t> raw(const Field<Tag>& f) const {
    return std::span<const uint8_t>(bytes_).subspan(f.offset, f.size * f.count);
  }

  bool operator==(const Record& o) const { return bytes_ == o.bytes_; }

 private:
  Bytes bytes_;
};

// Looks a field up by name in a table.
template <size_t N>
std::optional<FieldInfo> findField(const std::array<FieldInfo, N>& table, std::string_view name) {
  for (const FieldInfo& f : table)
    if (f.name == name) return f;
  return std::nullopt;
}

}  // namespace catalogue

// Expands one field table (an X-macro list of X(Kind, Name, Offset, Size, Count)) into the
// typed descriptors `Name` and the table `kFields` inside the current namespace.
#define QF_FIELD_DECLARE(Tag, Kind, Name, Offset, Size, Count) \
  inline constexpr ::catalogue::Kind##Field<Tag> Name{{#Name, Offset, Size, Count}};
#define QF_FIELD_DESCRIBE(Tag, Kind, Name, Offset, Size, Count) \
  ::catalogue::FieldInfo{#Name, Offset, Size, Count, ::catalogue::FieldKind::k##Kind},
#define QF_FIELD_COUNT(Tag, Kind, Name, Offset, Size, Count) +1
