// Content files made in memory from known members: group files, WADs, ZIP and PAK archives.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace contenttest {

inline std::vector<uint8_t> bytesOf(const std::string& text) {
  return {text.begin(), text.end()};
}

inline void putU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}
inline void putU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
inline void putName(std::vector<uint8_t>& out, const std::string& name, size_t width) {
  for (size_t i = 0; i < width; ++i) out.push_back(i < name.size() ? uint8_t(name[i]) : 0);
}

// Signature, count, 16-byte entries (name, size), then the members' data in order.
inline std::vector<uint8_t> groupFile(const std::vector<std::pair<std::string, std::string>>& m) {
  std::vector<uint8_t> out = bytesOf("KenSilverman");
  putU32(out, uint32_t(m.size()));
  for (const auto& [name, data] : m) {
    putName(out, name, 12);
    putU32(out, uint32_t(data.size()));
  }
  for (const auto& member : m) out.insert(out.end(), member.second.begin(), member.second.end());
  return out;
}

// A PWAD of lumps (name, size); the lumps' bytes are zeros, the directory at the end.
inline std::vector<uint8_t> wadFile(const std::vector<std::pair<std::string, uint32_t>>& lumps) {
  uint32_t data = 0;
  for (const auto& lump : lumps) data += lump.second;
  std::vector<uint8_t> out = bytesOf("PWAD");
  putU32(out, uint32_t(lumps.size()));
  putU32(out, 12 + data);
  out.resize(out.size() + data, 0);
  uint32_t at = 12;
  for (const auto& [name, size] : lumps) {
    putU32(out, at);
    putU32(out, size);
    putName(out, name, 8);
    at += size;
  }
  return out;
}

// A stored ZIP: local headers with the data, the central directory, the end record.
inline std::vector<uint8_t> zipFile(const std::vector<std::string>& names) {
  std::vector<uint8_t> out;
  std::vector<uint32_t> offsets;
  for (const std::string& name : names) {
    offsets.push_back(uint32_t(out.size()));
    putU32(out, 0x04034b50);
    for (int i = 0; i < 11; ++i) putU16(out, 0);  // version ... extra length, sizes zero
    out[out.size() - 4] = uint8_t(name.size());
    out.insert(out.end(), name.begin(), name.end());
  }
  const uint32_t directory = uint32_t(out.size());
  for (size_t i = 0; i < names.size(); ++i) {
    putU32(out, 0x02014b50);
    for (int f = 0; f < 12; ++f) putU16(out, 0);
    out[out.size() - 10] = uint8_t(names[i].size());  // name length
    putU16(out, 0);
    putU16(out, 0);
    putU32(out, 0);
    putU32(out, offsets[i]);
    out.insert(out.end(), names[i].begin(), names[i].end());
  }
  const uint32_t directorySize = uint32_t(out.size()) - directory;
  putU32(out, 0x06054b50);
  putU16(out, 0);
  putU16(out, 0);
  putU16(out, uint16_t(names.size()));
  putU16(out, uint16_t(names.size()));
  putU32(out, directorySize);
  putU32(out, directory);
  putU16(out, 0);
  return out;
}

// A PAK: header, each member's 8 zero bytes of data, then 64-byte entries (56-byte name, offset, size).
inline std::vector<uint8_t> pakFile(const std::vector<std::string>& names) {
  std::vector<uint8_t> out = bytesOf("PACK");
  putU32(out, uint32_t(12 + 8 * names.size()));
  putU32(out, uint32_t(64 * names.size()));
  out.resize(out.size() + 8 * names.size(), 0);
  for (size_t i = 0; i < names.size(); ++i) {
    putName(out, names[i], 56);
    putU32(out, uint32_t(12 + 8 * i));
    putU32(out, 8);
  }
  return out;
}

}  // namespace contenttest
