#include "platform/host/wine_registry.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>

namespace platform {
namespace wine_reg {
namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

// Windows-1252 code points of the bytes 0x80-0x9F; the five unassigned bytes map to themselves
// as MultiByteToWideChar maps them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::u32string decode(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (char ch : text) {
    auto b = static_cast<unsigned char>(ch);
    out += (b >= 0x80 && b < 0xA0) ? char32_t(kCp1252High[b - 0x80]) : char32_t(b);
  }
  return out;
}

// Case folding for the letters the program's texts can hold: ASCII, Latin-1 and the few
// Windows-1252 letters above it.
char32_t fold(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x152:
      return 0x153;
    case 0x160:
      return 0x161;
    case 0x178:
      return 0xFF;
    case 0x17D:
      return 0x17E;
    default:
      return c;
  }
}

bool sameName(const std::u32string& a, const std::u32string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}

// Wine's escaping: "\" and the characters in `quoted` get a backslash, control characters
// their C escape or an octal one, everything past ASCII a four-digit hex escape.
std::string escape(const std::u32string& text, std::string_view quoted) {
  static constexpr char kControl[33] = ".......abtnvfr.............e....";
  std::string out;
  char buffer[8];
  for (char32_t c : text) {
    if (c > 0xFFFF) {
      out += '?';  // cannot come from an 8-bit text nor from a \x escape
    } else if (c > 127) {
      std::snprintf(buffer, sizeof buffer, "\\x%04x", unsigned(c));
      out += buffer;
    } else if (c < 32) {
      if (kControl[c] != '.') {
        out += '\\';
        out += kControl[c];
      } else {
        std::snprintf(buffer, sizeof buffer, "\\%03o", unsigned(c));
        out += buffer;
      }
    } else {
      if (c == '\\' || quoted.find(char(c)) != std::string_view::npos) out += '\\';
      out += char(c);
    }
  }
  return out;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct Unescaped {
  std::u32string text;
  size_t end;  // just past the closing character
};

// Reads an escaped text from `at` up to the first unescaped `close`. Nothing when the line ends
// first.
std::optional<Unescaped> unescape(std::string_view line, size_t at, char close) {
  std::u32string out;
  for (size_t i = at; i < line.size();) {
    char c = line[i++];
    if (c == close) return Unescaped{std::move(out), i};
    if (c != '\\') {
      out += char32_t(static_cast<unsigned char>(c));
      continue;
    }
    if (i == line.size()) return std::nullopt;
    char e = line[i++];
    switch (e) {
      case 'a':
        out += U'\a';
        break;
      case 'b':
        out += U'\b';
        break;
      case 'e':
        out += char32_t(27);
        break;
      case 'f':
        out += U'\f';
        break;
      case 'n':
        out += U'\n';
        break;
      case 'r':
        out += U'\r';
        break;
      case 't':
        out += U'\t';
        break;
      case 'v':
        out += U'\v';
        break;
      case 'x': {
        char32_t v = 0;
        for (int n = 0; n < 4 && i < line.size() && hexDigit(line[i]) >= 0; ++n)
          v = v * 16 + char32_t(hexDigit(line[i++]));
        out += v;
        break;
      }
      default:
        if (e >= '0' && e <= '7') {
          char32_t v = char32_t(e - '0');
          for (int n = 1; n < 3 && i < line.size() && line[i] >= '0' && line[i] <= '7'; ++n)
            v = v * 8 + char32_t(line[i++] - '0');
          out += v;
        } else {
          out += char32_t(static_cast<unsigned char>(e));
        }
    }
  }
  return std::nullopt;
}

size_t skipBlanks(std::string_view line, size_t at) {
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
  return at;
}

std::string_view withoutCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

using Key32 = std::vector<std::u32string>;

Key32 decodeKey(const KeyPath& key) {
  Key32 out;
  for (const std::string& part : key) out.push_back(decode(part));
  return out;
}

// Whether `section` is `key` itself (exact) or lies at or below it.
bool startsWith(const Key32& section, const Key32& key) {
  if (section.size() < key.size()) return false;
  for (size_t i = 0; i < key.size(); ++i)
    if (!sameName(section[i], key[i])) return false;
  return true;
}

struct Section {
  size_t line;
  bool valid;  // a header whose name could be read
  Key32 key;
};

// The file as lines (without their "\n") and its sections. Lines that are neither a header nor
// a value are kept and never looked into.
struct Document {
  std::vector<std::string> lines;
  bool endsWithNewline = false;
  std::vector<Section> sections;

  explicit Document(std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
      size_t end = text.find('\n', at);
      if (end == std::string_view::npos) {
        lines.emplace_back(text.substr(at));
        break;
      }
      lines.emplace_back(text.substr(at, end - at));
      at = end + 1;
    }
    endsWithNewline = !text.empty() && text.back() == '\n';
    for (size_t i = 0; i < lines.size(); ++i) {
      std::string_view line = lines[i];
      size_t start = skipBlanks(line, 0);
      if (start == line.size() || line[start] != '[') continue;
      Section s{i, false, {}};
      if (auto name = unescape(line, start + 1, ']')) {
        s.valid = true;
        std::u32string part;
        for (char32_t c : name->text) {
          if (c != U'\\') {
            part += c;
          } else if (!part.empty()) {
            s.key.push_back(std::move(part));
            part.clear();
          }
        }
        if (!part.empty()) s.key.push_back(std::move(part));
      }
      sections.push_back(std::move(s));
    }
  }

  // The line after the last one of section `n`.
  size_t sectionEnd(size_t n) const {
    return n + 1 < sections.size() ? sections[n + 1].line : lines.size();
  }

  std::string text() const {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i) out += '\n';
      out += lines[i];
    }
    if (endsWithNewline && !lines.empty()) out += '\n';
    return out;
  }
};

struct ValueLine {
  std::u32string name;
  size_t nameEnd;    // just past the name, "@" or the closing quote
  size_t dataStart;  // the first character after "=" and its blanks
  bool continues;    // hex data carried on to the next line
};

bool endsWithBackslash(std::string_view line) {
  line = withoutCr(line);
  return !line.empty() && line.back() == '\\';
}

std::optional<ValueLine> parseValueLine(std::string_view line) {
  size_t at = skipBlanks(line, 0);
  if (at == line.size()) return std::nullopt;
  ValueLine v;
  if (line[at] == '@') {
    v.nameEnd = at + 1;
  } else if (line[at] == '"') {
    auto name = unescape(line, at + 1, '"');
    if (!name) return std::nullopt;
    v.name = std::move(name->text);
    v.nameEnd = name->end;
  } else {
    return std::nullopt;
  }
  size_t eq = skipBlanks(line, v.nameEnd);
  if (eq == line.size() || line[eq] != '=') return std::nullopt;
  v.dataStart = skipBlanks(line, eq + 1);
  v.continues = line.substr(v.dataStart).starts_with("hex") && endsWithBackslash(line);
  return v;
}

// A value line of a section and the lines its data carries on to.
struct ValueHit {
  size_t line;
  size_t count;
  ValueLine value;
};

std::vector<ValueHit> findValues(const Document& doc, size_t section, const std::u32string& name) {
  std::vector<ValueHit> hits;
  bool continuation = false;
  for (size_t i = doc.sections[section].line + 1; i < doc.sectionEnd(section); ++i) {
    if (continuation) {
      continuation = endsWithBackslash(doc.lines[i]);
      if (!hits.empty() && hits.back().line + hits.back().count == i) ++hits.back().count;
      continue;
    }
    auto v = parseValueLine(doc.lines[i]);
    if (!v) continue;
    continuation = v->continues;
    if (sameName(v->name, name)) hits.push_back({i, 1, std::move(*v)});
  }
  return hits;
}

bool isKeySection(const Section& s, const Key32& key) {
  return s.valid && s.key.size() == key.size() && startsWith(s.key, key);
}

std::string sectionHeader(const Key32& key, int64_t now) {
  std::string path;
  for (size_t i = 0; i < key.size(); ++i) {
    if (i) path += "\\\\";
    path += escape(key[i], "[]");
  }
  if (now < 0) now = 0;
  return "[" + path + "] " + std::to_string(now);
}

std::string timeLine(int64_t now) {
  // Wine's modification time: 100 ns ticks since 1601.
  uint64_t ticks = (uint64_t(now < 0 ? 0 : now) + 11644473600ull) * 10000000ull;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "#time=%x%08x", unsigned(ticks >> 32),
                unsigned(ticks & 0xFFFFFFFFu));
  return buffer;
}

bool hasKey(const Document& doc, const Key32& key) {
  if (key.empty()) return true;
  for (const Section& s : doc.sections)
    if (s.valid && startsWith(s.key, key)) return true;
  return false;
}

}  // namespace

KeyPath splitPath(std::string_view path) {
  KeyPath out;
  size_t at = 0;
  while (at <= path.size()) {
    size_t end = path.find('\\', at);
    if (end == std::string_view::npos) end = path.size();
    if (end > at) out.emplace_back(path.substr(at, end - at));
    at = end + 1;
  }
  return out;
}

bool isRegistryText(std::string_view text) {
  std::string_view first = text.substr(0, text.find('\n'));
  while (!first.empty() && (first.back() == '\r' || first.back() == ' ' || first.back() == '\t'))
    first.remove_suffix(1);
  return first == kHeader;
}

bool hasKey(std::string_view text, const KeyPath& key) {
  if (!isRegistryText(text)) return false;
  return hasKey(Document(text), decodeKey(key));
}

std::string stringData(std::string_view value) {
  return "\"" + escape(decode(value), "\"") + "\"";
}

std::string dwordData(uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "dword:%08x", unsigned(value));
  return buffer;
}

std::optional<std::string> valueData(std::string_view text, const KeyPath& key,
                                     std::string_view name) {
  if (!isRegistryText(text)) return std::nullopt;
  Document doc(text);
  const Key32 key32 = decodeKey(key);
  const std::u32string name32 = decode(name);
  std::optional<std::string> found;
  for (size_t n = 0; n < doc.sections.size(); ++n) {
    if (!isKeySection(doc.sections[n], key32)) continue;
    for (const ValueHit& hit : findValues(doc, n, name32)) {
      std::string data(
          withoutCr(std::string_view(doc.lines[hit.line]).substr(hit.value.dataStart)));
      for (size_t i = 1; i < hit.count; ++i)
        data += "\n" + std::string(withoutCr(doc.lines[hit.line + i]));
      while (!data.empty() && (data.back() == ' ' || data.back() == '\t')) data.pop_back();
      found = std::move(data);
    }
  }
  return found;
}

std::optional<std::string> parseStringData(std::string_view data) {
  if (data.empty() || data[0] != '"') return std::nullopt;
  auto text = unescape(data, 1, '"');
  if (!text || skipBlanks(data, text->end) != data.size()) return std::nullopt;
  std::string out;
  for (char32_t c : text->text) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out += char(c);
      continue;
    }
    size_t i = 0;
    while (i < 32 && kCp1252High[i] != c) ++i;
    if (i == 32) return std::nullopt;
    out += char(0x80 + i);
  }
  return out;
}

std::optional<uint32_t> parseDwordData(std::string_view data) {
  constexpr std::string_view kPrefix = "dword:";
  if (!data.starts_with(kPrefix)) return std::nullopt;
  uint32_t value = 0;
  size_t at = kPrefix.size(), digits = 0;
  for (; at < data.size() && hexDigit(data[at]) >= 0 && digits < 8; ++at, ++digits)
    value = value * 16 + uint32_t(hexDigit(data[at]));
  if (digits == 0 || skipBlanks(data, at) != data.size()) return std::nullopt;
  return value;
}

std::optional<std::string> setValue(std::string_view text, const KeyPath& key,
                                    std::string_view name, std::string_view data, int64_t now) {
  if (!isRegistryText(text)) return std::nullopt;
  Document doc(text);
  const Key32 key32 = decodeKey(key);
  if (!hasKey(doc, key32)) return std::nullopt;
  const std::u32string name32 = decode(name);
  const std::string nameText = name.empty() ? "@" : "\"" + escape(name32, "\"") + "\"";

  // Every value of that name in a section of the key gets the new data (a key listed twice is
  // merged on loading, the later value winning). Walked from the end so line numbers hold.
  bool replaced = false;
  std::optional<size_t> firstSection;
  for (size_t n = doc.sections.size(); n-- > 0;) {
    if (!isKeySection(doc.sections[n], key32)) continue;
    firstSection = n;
    auto hits = findValues(doc, n, name32);
    for (auto hit = hits.rbegin(); hit != hits.rend(); ++hit) {
      std::string& line = doc.lines[hit->line];
      bool cr = !line.empty() && line.back() == '\r';
      // The name keeps its spelling, as a value that is overwritten does.
      line = line.substr(0, hit->value.nameEnd) + "=" + std::string(data) + (cr ? "\r" : "");
      doc.lines.erase(doc.lines.begin() + std::ptrdiff_t(hit->line + 1),
                      doc.lines.begin() + std::ptrdiff_t(hit->line + hit->count));
      replaced = true;
    }
  }
  if (replaced) return doc.text();

  const std::string lineText = nameText + "=" + std::string(data);
  if (firstSection) {
    // New values go first in the section, after the header's own "#" lines, so they can never
    // land inside a value carried over several lines.
    const Section& s = doc.sections[*firstSection];
    bool cr = !doc.lines[s.line].empty() && doc.lines[s.line].back() == '\r';
    size_t at = s.line + 1;
    while (at < doc.sectionEnd(*firstSection) &&
           skipBlanks(doc.lines[at], 0) < doc.lines[at].size() &&
           doc.lines[at][skipBlanks(doc.lines[at], 0)] == '#')
      ++at;
    doc.lines.insert(doc.lines.begin() + std::ptrdiff_t(at), lineText + (cr ? "\r" : ""));
    return doc.text();
  }

  // The key exists only through its subkeys: its section goes right before the first of them,
  // named as they spell it.
  Key32 spelling = key32;
  size_t at = doc.lines.size();
  for (const Section& s : doc.sections) {
    if (s.valid && s.key.size() > key32.size() && startsWith(s.key, key32)) {
      spelling.assign(s.key.begin(), s.key.begin() + std::ptrdiff_t(key32.size()));
      at = s.line;
      break;
    }
  }
  bool cr = !doc.lines.empty() && !doc.lines[0].empty() && doc.lines[0].back() == '\r';
  const std::string eol = cr ? "\r" : "";
  std::vector<std::string> added = {sectionHeader(spelling, now) + eol, timeLine(now) + eol,
                                    lineText + eol, eol};
  if (at == doc.lines.size()) {
    // At the end of the file the blank line goes before the header instead.
    added.pop_back();
    added.insert(added.begin(), eol);
    doc.endsWithNewline = true;
  }
  doc.lines.insert(doc.lines.begin() + std::ptrdiff_t(at), added.begin(), added.end());
  return doc.text();
}

}  // namespace wine_reg

namespace {

std::optional<std::string> readFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string text;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    text.append(buffer, size_t(n));
  }
  ::close(fd);
  return text;
}

// Writes the new file beside the old one and renames it over, keeping the old file's mode; a
// link to the file stays a link.
bool replaceFile(const std::string& path, const std::string& text) {
  std::string target = path;
  if (char* real = ::realpath(path.c_str(), nullptr)) {
    target = real;
    ::free(real);
  }
  struct stat old {};
  bool hadFile = ::stat(target.c_str(), &old) == 0;
  std::string scratch = target + ".qf95-XXXXXX";
  int fd = ::mkstemp(scratch.data());
  if (fd < 0) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < text.size();) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0)
      ok = false;
    else
      done += size_t(n);
  }
  if (ok && hadFile) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  if (ok) ok = ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = ::rename(scratch.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(scratch.c_str());
  return ok;
}

class WineKey : public RegistryKey {
 public:
  WineKey(std::string file, wine_reg::KeyPath key) : file_(std::move(file)), key_(std::move(key)) {}

  std::unique_ptr<RegistryKey> openSubKey(const std::string& name) override {
    wine_reg::KeyPath key = key_;
    for (std::string& part : wine_reg::splitPath(name)) key.push_back(std::move(part));
    auto text = readFile(file_);
    if (!text || !wine_reg::hasKey(*text, key)) return nullptr;
    return std::make_unique<WineKey>(file_, std::move(key));
  }

  bool setString(const std::string& name, const std::string& value) override {
    return write(name, wine_reg::stringData(value));
  }

  bool setDword(const std::string& name, uint32_t value) override {
    return write(name, wine_reg::dwordData(value));
  }

 private:
  bool write(const std::string& name, const std::string& data) {
    auto text = readFile(file_);
    if (!text) return false;
    auto changed = wine_reg::setValue(*text, key_, name, data, int64_t(::time(nullptr)));
    return changed && replaceFile(file_, *changed);
  }

  std::string file_;
  wine_reg::KeyPath key_;
};

}  // namespace

WineRegistry::WineRegistry(std::string userRegPath) : path_(std::move(userRegPath)) {}

std::unique_ptr<RegistryKey> WineRegistry::openCurrentUserKey(const std::string& name) {
  return WineKey(path_, {}).openSubKey(name);
}

}  // namespace platform
