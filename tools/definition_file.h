// Readable game definitions: one text file per built-in game slot, turned into the 20 records
// of the factory definitions file. Each file holds `Slot = N` and `Field = "value"` lines
// naming fields of the GameInfoRecord table (`Field[i] = "value"` for one element of an array
// field). `#` starts a comment line; blank lines are ignored. A value is the text between the
// first and the last double quote of its line, so backslashes are literal; numbers may also be
// written bare. Anything that would not survive into the record unchanged is an error: a text
// too long for its field, an unknown field, a bad index or number, a field set twice.
#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "catalogue/game_info_record.h"

namespace definitions {

inline constexpr int kSlotCount = 20;
inline constexpr size_t kImageSize = kSlotCount * catalogue::GameInfoRecord::kSize;

// One problem found in a definition. `line` is 1-based; 0 when the problem is not on a line.
struct Diagnostic {
  std::string file;
  size_t line = 0;
  std::string message;
};

inline std::string format(const Diagnostic& d) {
  std::string out = d.file;
  if (d.line != 0) out += ":" + std::to_string(d.line);
  return out + ": " + d.message;
}

// One definition file, parsed. `record` carries every value set; `errors` is empty when the
// file is good.
struct Definition {
  std::string file;
  std::optional<int> slot;
  size_t slotLine = 0;
  catalogue::GameInfoRecord record;
  std::vector<Diagnostic> errors;
};

namespace detail {

inline std::string_view trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

inline bool isNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

template <class T>
bool parseWhole(std::string_view s, T& out, int base = 10) {
  if (s.empty()) return false;
  const char* end = s.data() + s.size();
  std::from_chars_result r;
  if constexpr (std::is_floating_point_v<T>)
    r = std::from_chars(s.data(), end, out, std::chars_format::fixed);
  else
    r = std::from_chars(s.data(), end, out, base);
  return r.ec == std::errc() && r.ptr == end;
}

// Decimal, or 0x hex giving the 32-bit pattern (so 0xFFFFFFFF is -1).
inline std::optional<int32_t> parseInt(std::string_view s) {
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    uint32_t v;
    if (!parseWhole(s.substr(2), v, 16)) return std::nullopt;
    return static_cast<int32_t>(v);
  }
  int32_t v;
  if (!parseWhole(s, v)) return std::nullopt;
  return v;
}

inline std::optional<uint8_t> parseByte(std::string_view s) {
  uint8_t v;
  if (!parseWhole(s, v)) return std::nullopt;
  return v;
}

inline std::optional<float> parseFloat(std::string_view s) {
  float v;
  if (!parseWhole(s, v) || !std::isfinite(v)) return std::nullopt;
  return v;
}

// The right-hand side of a line: the quoted text, or the bare word when there are no quotes.
struct Value {
  std::string_view text;
  bool quoted = false;
};

inline std::optional<Value> splitValue(std::string_view rhs, std::string& error) {
  size_t first = rhs.find('"');
  if (first == std::string_view::npos) {
    if (rhs.empty()) {
      error = "missing value";
      return std::nullopt;
    }
    return Value{rhs, false};
  }
  size_t last = rhs.rfind('"');
  if (last == first) {
    error = "unterminated quote";
    return std::nullopt;
  }
  if (first != 0 || last != rhs.size() - 1) {
    error = "unexpected text outside the quotes";
    return std::nullopt;
  }
  return Value{rhs.substr(first + 1, last - first - 1), true};
}

// Writes one value into the element of `field` at byte `at`; returns why it cannot, or "".
inline std::string store(catalogue::GameInfoRecord& record, const catalogue::FieldInfo& field,
                         size_t at, const Value& value) {
  using catalogue::FieldKind;
  std::span<uint8_t> bytes(record.bytes());
  std::string name(field.name);
  std::string_view v = value.text;
  switch (field.kind) {
    case FieldKind::kText:
    case FieldKind::kChars: {
      if (!value.quoted) return "the value of " + name + " must be in double quotes";
      size_t room = field.kind == FieldKind::kText ? field.size - 1 : field.size;
      if (v.size() > room)
        return name + " holds at most " + std::to_string(room) + " characters, the value has " +
               std::to_string(v.size());
      for (unsigned char c : v)
        if (c < 0x20 || c > 0x7e)
          return "the value of " + name + " has a character that is not printable ASCII";
      if (field.kind == FieldKind::kText)
        catalogue::image::writeText(bytes, at, field.size, v);
      else
        catalogue::image::writeChars(bytes, at, field.size, v);
      return "";
    }
    case FieldKind::kInt:
      if (auto n = parseInt(v)) {
        catalogue::image::writeInt(bytes, at, *n);
        return "";
      }
      return name + " needs an integer (decimal or 0x hex), not '" + std::string(v) + "'";
    case FieldKind::kByte:
      if (auto n = parseByte(v)) {
        bytes[at] = *n;
        return "";
      }
      return name + " needs a byte (0-255), not '" + std::string(v) + "'";
    case FieldKind::kFloat:
      if (auto n = parseFloat(v)) {
        catalogue::image::writeFloat(bytes, at, *n);
        return "";
      }
      return name + " needs a decimal number, not '" + std::string(v) + "'";
    case FieldKind::kBytes:
      break;
  }
  return name + " is a raw region and cannot be set from text";
}

}  // namespace detail

// Parses the text of one definition file. Unless the file sets Marker, the record gets the
// validity marker.
inline Definition parseDefinition(std::string_view text, std::string file) {
  Definition def;
  def.file = std::move(file);
  def.record.clear();
  auto fail = [&](size_t line, std::string message) {
    def.errors.push_back({def.file, line, std::move(message)});
  };
  // Offset of every element set so far, with its line, to catch a second assignment.
  std::map<size_t, size_t> setAt;

  size_t lineNo = 0;
  while (!text.empty()) {
    ++lineNo;
    size_t nl = text.find('\n');
    std::string_view line = detail::trim(text.substr(0, nl));
    text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    if (line.empty() || line[0] == '#') continue;

    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      fail(lineNo, "expected 'Field = \"value\"'");
      continue;
    }
    std::string_view key = detail::trim(line.substr(0, eq));
    std::string error;
    std::optional<detail::Value> value =
        detail::splitValue(detail::trim(line.substr(eq + 1)), error);
    if (!value) {
      fail(lineNo, error);
      continue;
    }

    // Key: Name or Name[index].
    size_t nameEnd = 0;
    while (nameEnd < key.size() && detail::isNameChar(key[nameEnd])) ++nameEnd;
    std::string_view name = key.substr(0, nameEnd);
    std::optional<size_t> index;
    if (nameEnd < key.size()) {
      std::string_view rest = key.substr(nameEnd);
      size_t i;
      if (rest.size() < 3 || rest.front() != '[' || rest.back() != ']' ||
          !detail::parseWhole(rest.substr(1, rest.size() - 2), i)) {
        fail(lineNo, "bad field name '" + std::string(key) + "'");
        continue;
      }
      index = i;
    }
    if (name.empty()) {
      fail(lineNo, "missing field name");
      continue;
    }

    if (name == "Slot") {
      int slot;
      if (index || !detail::parseWhole(value->text, slot) || slot < 0 || slot >= kSlotCount) {
        fail(lineNo, "Slot must be a number from 0 to " + std::to_string(kSlotCount - 1));
      } else if (def.slot) {
        fail(lineNo, "Slot already set on line " + std::to_string(def.slotLine));
      } else {
        def.slot = slot;
        def.slotLine = lineNo;
      }
      continue;
    }

    std::optional<catalogue::FieldInfo> field =
        catalogue::findField(catalogue::game_info::kFields, name);
    if (!field) {
      fail(lineNo, "unknown field '" + std::string(name) + "'");
      continue;
    }
    std::string fieldName(name);
    size_t i = index.value_or(0);
    if (i >= field->count) {
      fail(lineNo, fieldName + " has " + std::to_string(field->count) +
                       (field->count == 1 ? " element" : " elements") + ", index " +
                       std::to_string(i) + " is out of range");
      continue;
    }
    size_t at = field->offset + field->size * i;
    if (auto it = setAt.find(at); it != setAt.end()) {
      fail(lineNo, (field->count == 1 ? fieldName : fieldName + "[" + std::to_string(i) + "]") +
                       " already set on line " + std::to_string(it->second));
      continue;
    }
    if (std::string error = detail::store(def.record, *field, at, *value); !error.empty()) {
      fail(lineNo, std::move(error));
      continue;
    }
    setAt.emplace(at, lineNo);
  }

  if (!def.slot) fail(0, "no 'Slot = N' line");
  if (!setAt.contains(catalogue::game_info::Marker.offset))
    def.record.set(catalogue::game_info::Marker, catalogue::kValidMarker);
  return def;
}

// The factory definitions image, or the reasons it cannot be built.
struct Build {
  std::vector<uint8_t> image;
  std::vector<Diagnostic> errors;
};

// Places the definitions in slot order. Every slot must be defined by exactly one of them.
// `where` names the set of definitions in the message about a slot nobody defines.
inline Build assemble(const std::vector<Definition>& defs, const std::string& where) {
  Build out;
  std::vector<const Definition*> bySlot(kSlotCount, nullptr);
  for (const Definition& d : defs) {
    out.errors.insert(out.errors.end(), d.errors.begin(), d.errors.end());
    if (!d.slot) continue;
    const Definition*& owner = bySlot[*d.slot];
    if (owner) {
      out.errors.push_back({d.file, d.slotLine,
                            "slot " + std::to_string(*d.slot) + " is already defined in " +
                                owner->file + ":" + std::to_string(owner->slotLine)});
    } else {
      owner = &d;
    }
  }
  for (int s = 0; s < kSlotCount; ++s)
    if (!bySlot[s]) out.errors.push_back({where, 0, "no file defines slot " + std::to_string(s)});
  if (!out.errors.empty()) return out;

  out.image.reserve(kImageSize);
  for (const Definition* d : bySlot)
    out.image.insert(out.image.end(), d->record.bytes().begin(), d->record.bytes().end());
  return out;
}

// Reads every *.txt file of `dir` (in name order) and assembles them.
inline Build buildFromDirectory(const std::filesystem::path& dir) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    if (it->path().extension() == ".txt" && it->is_regular_file()) files.push_back(it->path());
  if (ec) return {{}, {{dir.string(), 0, "cannot read the directory: " + ec.message()}}};
  std::sort(files.begin(), files.end());

  std::vector<Definition> defs;
  for (const fs::path& p : files) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
      defs.push_back({p.string(), {}, 0, {}, {{p.string(), 0, "cannot read the file"}}});
      continue;
    }
    defs.push_back(parseDefinition(text.str(), p.string()));
  }
  return assemble(defs, dir.string());
}

}  // namespace definitions
