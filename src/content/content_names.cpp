#include "content/content_names.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "content/key_scanner.h"
#include "content/text_lines.h"
#include "platform/byte_cursor.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace content {

namespace {

using platform::dos::findIgnoreCase;
using platform::dos::startsWithIgnoreCase;

// The most a CON, INI or LEV text, a group member or an archive's tail is read.
constexpr size_t kTextMax = 599'999;
constexpr size_t kArchiveMax = 600'000;
// The head of a GAME CON file that is searched for its USER include.
constexpr size_t kGameConHead = 7'999;
// A name in an archive is at most this long, up to the end of its marker.
constexpr size_t kArchiveNameMax = 32;
// A WAD directory beyond this is no directory of a game's WAD (64k lumps).
constexpr uint64_t kWadDirectoryMax = 65536ull * 16;

constexpr std::array<std::string_view, 11> kArchiveMarkers = {
    ".BSP", ".MAP", "GAME.CON", "USER.CON", ".CON", ".WAD", ".PAK", ".RDL", ".HOG", ".RTL", ".RTC"};

// Where a reader's bytes come from: a file read a part at a time, or bytes in memory.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t size() const = 0;
  // Up to `count` bytes from `offset`; fewer at the end, none past it.
  virtual std::vector<uint8_t> read(uint64_t offset, size_t count) = 0;
};

class FileSource : public ByteSource {
 public:
  explicit FileSource(std::unique_ptr<platform::FileHandle> file) : file_(std::move(file)) {}
  uint64_t size() const override { return file_->length(); }
  std::vector<uint8_t> read(uint64_t offset, size_t count) override {
    if (offset >= size() || !file_->seek(offset)) return {};
    std::vector<uint8_t> bytes(size_t(std::min<uint64_t>(count, size() - offset)));
    bytes.resize(file_->read(bytes.data(), bytes.size()));
    return bytes;
  }

 private:
  std::unique_ptr<platform::FileHandle> file_;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
  uint64_t size() const override { return bytes_.size(); }
  std::vector<uint8_t> read(uint64_t offset, size_t count) override {
    if (offset >= bytes_.size()) return {};
    const size_t n = size_t(std::min<uint64_t>(count, bytes_.size() - offset));
    return {bytes_.begin() + std::ptrdiff_t(offset), bytes_.begin() + std::ptrdiff_t(offset + n)};
  }

 private:
  const std::vector<uint8_t>& bytes_;
};

std::string_view textOf(const std::vector<uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool isNameChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view(".~!@$^&_").find(char(c)) != std::string_view::npos;
}

// What follows the first three blank-separated words of a level line: the level's name.
std::string fourthField(std::string_view value) {
  size_t at = 0;
  for (int word = 0; word < 3; ++word) {
    while (at < value.size() && value[at] == ' ') ++at;
    if (at == value.size()) return {};
    while (at < value.size() && value[at] != ' ') ++at;
  }
  while (at < value.size() && value[at] == ' ') ++at;
  return std::string(value.substr(at));
}

// --- CON texts --------------------------------------------------------------------------------

ContentNames conNames(std::string_view text) {
  ContentNames names;
  for (size_t n = 0; n < ContentNames::kMaxVolumes; ++n) {
    std::string volume = KeyScanner::findValue(text, "definevolumename " + std::to_string(n) + " ");
    if (volume.empty()) {
      // The game always has its first three episodes, named or not.
      if (n >= 3) break;
      volume = "Episode " + std::to_string(n + 1);
    }
    names.volumeName.push_back(std::move(volume));
    if (n >= ContentNames::kLevelVolumes) continue;
    for (size_t l = 0; l < ContentNames::kMaxLevels; ++l) {
      const std::string key =
          "definelevelname " + std::to_string(n) + " " + std::to_string(l) + " ";
      const std::string level = KeyScanner::findValue(text, key);
      if (!level.empty()) names.levelName[n][l] = fourthField(level);
    }
  }
  return names;
}

// The USER CON file a GAME CON file includes: the first "include " whose name has "USER" in
// its first eight characters and ".CON" after its fourth.
std::optional<std::string> userIncludeOf(std::string_view head) {
  head = head.substr(0, head.find('\0'));
  constexpr std::string_view kInclude = "include ";
  for (size_t at = findIgnoreCase(head, kInclude); at != std::string_view::npos;
       at = findIgnoreCase(head, kInclude, at + 1)) {
    std::string_view name = head.substr(at + kInclude.size(), 12);
    name = name.substr(
        0, size_t(std::find_if_not(name.begin(), name.end(), [](char c) { return isNameChar(c); }) -
                  name.begin()));
    if (platform::dos::containsIgnoreCase(name.substr(0, 8), "USER") &&
        findIgnoreCase(name, ".CON", 4) != std::string_view::npos)
      return std::string(name);
  }
  return std::nullopt;
}

// --- group files ------------------------------------------------------------------------------

// The group file's USER CON member, read at its true offset: the members' data follow the
// directory in directory order.
std::optional<std::vector<uint8_t>> groupConMember(ByteSource& source) {
  const std::vector<uint8_t> head = source.read(0, 16);
  platform::ByteCursor header(head);
  header.skip(12);
  const auto count = header.u32le();
  if (!count || source.size() < 16) return std::nullopt;
  const uint64_t entries = std::min<uint64_t>(*count, (source.size() - 16) / 16);
  const std::vector<uint8_t> directory = source.read(16, size_t(entries * 16));
  struct Entry {
    std::string name;
    uint64_t offset;
    uint32_t size;
  };
  std::vector<Entry> members;
  platform::ByteCursor in(directory);
  uint64_t offset = 16 + uint64_t(*count) * 16;
  for (uint64_t i = 0; i < entries; ++i) {
    auto name = in.text(12);
    auto size = in.u32le();
    if (!name || !size) break;
    members.push_back({*name, offset, *size});
    offset += *size;
  }
  const Entry* chosen = nullptr;
  for (const Entry& e : members) {
    if (startsWithIgnoreCase(e.name, "USER.CON") ||
        (e.name.find(".CON") != std::string::npos && e.name.find("USER") != std::string::npos)) {
      chosen = &e;
      break;
    }
  }
  // Without a USER member the second CON member is the one (the first is GAME.CON).
  for (size_t i = 0, seen = 0; !chosen && i < members.size(); ++i)
    if (members[i].name.find(".CON") != std::string::npos && ++seen == 2) chosen = &members[i];
  if (!chosen) return std::nullopt;
  auto member = source.read(chosen->offset, std::min<size_t>(chosen->size, kTextMax));
  // A member said to lie past the end of the file is not there.
  if (member.empty() && chosen->size > 0) return std::nullopt;
  return member;
}

// --- Blood episode INI files ------------------------------------------------------------------

ContentNames iniNames(std::string_view text) {
  ContentNames names;
  for (size_t n = 0; n < ContentNames::kMaxVolumes; ++n) {
    const auto section = KeyScanner::findKey(text, "[Episode" + std::to_string(n + 1) + "]");
    if (!section) break;
    const auto title = KeyScanner::findIniValue(text, *section, "Title");
    if (!title) break;
    names.volumeName.push_back(title->value);
    const auto next =
        KeyScanner::findKey(text.substr(*section + 1), "[Episode" + std::to_string(n + 2) + "]");
    const size_t sectionEnd = next ? *next + *section + 1 : text.size();
    if (n >= ContentNames::kLevelVolumes) continue;
    for (size_t l = 0; l < ContentNames::kMaxLevels; ++l) {
      const auto map =
          KeyScanner::findIniValue(text, title->position, "Map" + std::to_string(l + 1));
      if (!map || map->position >= sectionEnd) break;
      const auto header = KeyScanner::findKey(text.substr(title->position), "[" + map->value + "]");
      if (!header) break;
      const auto level = KeyScanner::findIniValue(text, title->position + *header, "Title");
      if (!level) break;
      names.levelName[n][l] = level->value;
    }
  }
  return names;
}

// --- WADs -------------------------------------------------------------------------------------

std::optional<ContentNames> wadNames(ByteSource& source, const ContentOptions& options) {
  const std::vector<uint8_t> head = source.read(0, 12);
  platform::ByteCursor header(head);
  header.skip(8);
  const auto directoryOffset = header.u32le();
  if (!directoryOffset || *directoryOffset >= source.size()) return std::nullopt;
  const std::vector<uint8_t> directory =
      source.read(*directoryOffset,
                  size_t(std::min<uint64_t>(source.size() - *directoryOffset, kWadDirectoryMax)));
  ContentNames names;
  platform::ByteCursor in(directory);
  while (names.volumeCount() < ContentNames::kMaxVolumes) {
    in.skip(4);  // the lump's data offset
    const auto size = in.u32le();
    const auto name = in.text(8);
    if (in.failed()) break;
    const bool marker = *size == 0 || (options.hexen && *size == 12);
    if (!marker) continue;
    if (name->find('_') != std::string::npos) {
      // Hexen's other markers have it too; in any other WAD the maps end there.
      if (options.hexen) continue;
      break;
    }
    names.volumeName.push_back(*name);
  }
  return names;
}

// --- ZIP and PAK archives ---------------------------------------------------------------------

std::vector<uint8_t> archiveTail(ByteSource& source, ContentKind kind) {
  const uint64_t size = source.size();
  if (kind == ContentKind::kZip) {
    // The start of the central directory stands six bytes before the end.
    if (size < 6) return {};
    const std::vector<uint8_t> field = source.read(size - 6, 4);
    platform::ByteCursor in(field);
    const auto start = in.u32le();
    if (!start || *start >= size) return {};
    return source.read(*start, size_t(std::min<uint64_t>(size - *start, kArchiveMax)));
  }
  uint64_t window = 30'000;
  if (size > 600'000)
    window = 600'000;
  else if (size > 300'000)
    window = 300'000;
  else if (size <= 30'000)
    window = size;
  return source.read(size - std::min(window, size), size_t(window));
}

std::optional<ContentNames> archiveNames(std::string_view bytes) {
  const auto marker = std::find_if(
      kArchiveMarkers.begin(), kArchiveMarkers.end(),
      [&](std::string_view m) { return findIgnoreCase(bytes, m) != std::string_view::npos; });
  if (marker == kArchiveMarkers.end()) return std::nullopt;
  ContentNames names;
  size_t from = 0;
  while (names.volumeCount() < ContentNames::kMaxVolumes) {
    std::optional<std::string> name;
    for (size_t at = 0;
         !name && (at = findIgnoreCase(bytes, *marker, from)) != std::string_view::npos;
         from = at + 1) {
      const size_t end = at + marker->size();
      const size_t earliest = end > kArchiveNameMax ? end - kArchiveNameMax : 0;
      const size_t nul = bytes.substr(earliest, at - earliest).rfind('\0');
      const size_t start = nul == std::string_view::npos ? earliest : earliest + nul + 1;
      std::string candidate(bytes.substr(start, end - start));
      // Repeats (an archive lists a member twice: local header and directory) and the bot
      // files of the maps directory are no maps of their own.
      const bool repeat = std::find(names.volumeName.begin(), names.volumeName.end(), candidate) !=
                          names.volumeName.end();
      if (!repeat && !startsWithIgnoreCase(candidate, "maps/b_")) name = std::move(candidate);
    }
    if (!name) break;
    names.volumeName.push_back(std::move(*name));
  }
  return names;
}

// --- LEV lists --------------------------------------------------------------------------------

ContentNames levelListNames(std::string_view text) {
  ContentNames names;
  for (std::string_view line : linesOf(text)) {
    if (names.volumeCount() == ContentNames::kMaxVolumes) break;
    names.volumeName.emplace_back(line);
  }
  return names;
}

std::optional<ContentNames> namesOf(ByteSource& source, ContentKind kind,
                                    const ContentOptions& options) {
  switch (kind) {
    case ContentKind::kUserCon:
      return conNames(textOf(source.read(0, kTextMax)));
    case ContentKind::kGroup: {
      const auto member = groupConMember(source);
      if (!member) return std::nullopt;
      return conNames(textOf(*member));
    }
    case ContentKind::kBloodIni:
      return iniNames(textOf(source.read(0, kTextMax)));
    case ContentKind::kWad:
      return wadNames(source, options);
    case ContentKind::kZip:
    case ContentKind::kPak:
      return archiveNames(textOf(archiveTail(source, kind)));
    case ContentKind::kLevelList:
      return levelListNames(textOf(source.read(0, kTextMax)));
    case ContentKind::kNone:
    case ContentKind::kGameCon:
      break;
  }
  return std::nullopt;
}

std::unique_ptr<platform::FileHandle> openForReading(platform::FileSystem& fs,
                                                     const std::string& path) {
  const auto found = fs.stat(path);
  if (!found || found->isDirectory()) return nullptr;
  return fs.open(path, platform::OpenMode::kRead);
}

}  // namespace

std::vector<std::string> ContentNames::levels(size_t volume) const {
  if (volume >= kLevelVolumes) return {};
  const auto& all = levelName[volume];
  const auto last =
      std::find_if(all.rbegin(), all.rend(), [](const std::string& s) { return !s.empty(); });
  return {all.begin(), last.base()};
}

std::optional<ContentNames> readContentNames(platform::FileSystem& fs, const std::string& path,
                                             ContentKind kind, ContentOptions options) {
  auto file = openForReading(fs, path);
  if (!file) return std::nullopt;
  if (kind != ContentKind::kGameCon) {
    FileSource source(std::move(file));
    return namesOf(source, kind, options);
  }
  FileSource game(std::move(file));
  const auto include = userIncludeOf(textOf(game.read(0, kGameConHead)));
  if (!include) return std::nullopt;
  auto user = openForReading(fs, platform::dos::directoryOf(path) + *include);
  // A copy whose include names another file still has its USER file beside it.
  const std::string fileName = platform::dos::fileNameOf(path);
  const size_t game4 = findIgnoreCase(fileName, "GAME");
  if (!user && game4 != std::string::npos) {
    std::string userName = fileName;
    userName.replace(game4, 4, "USER");
    user = openForReading(fs, platform::dos::directoryOf(path) + userName);
  }
  if (!user) return std::nullopt;
  FileSource source(std::move(user));
  return namesOf(source, ContentKind::kUserCon, options);
}

std::optional<ContentNames> contentNamesOf(const std::vector<uint8_t>& bytes, ContentKind kind,
                                           ContentOptions options) {
  MemorySource source(bytes);
  return namesOf(source, kind, options);
}

}  // namespace content
