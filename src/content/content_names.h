// The episodes (volumes, maps) and level names inside a picked content file, for the file
// manager's episode tree: from a Duke Nukem 3D CON file (directly, through the GAME file's
// include, or inside a group file), a Blood episode INI file, a WAD's map markers, the member
// names of a ZIP or PAK archive, or a LEV list. Every file is outside bytes: a count, size or
// offset that points past the end gives no names or the names read so far.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace content {

// The kinds of content files, numbered as the file manager classifies picked files.
enum class ContentKind : int {
  kNone = 0,
  kGameCon = 1,
  kGroup = 2,
  kUserCon = 3,
  kBloodIni = 4,
  kWad = 5,
  kZip = 6,
  kPak = 7,
  kLevelList = 8,
};

struct ContentNames {
  static constexpr size_t kMaxVolumes = 100;
  // Level names are kept for the first eight volumes, 32 levels each.
  static constexpr size_t kLevelVolumes = 8;
  static constexpr size_t kMaxLevels = 32;

  std::vector<std::string> volumeName;  // in file order
  std::array<std::array<std::string, kMaxLevels>, kLevelVolumes> levelName;

  size_t volumeCount() const { return volumeName.size(); }
  // The level names of `volume` up to its last non-empty one.
  std::vector<std::string> levels(size_t volume) const;
};

struct ContentOptions {
  // Hexen's map markers have 12 bytes and its other markers an "_" that does not end the list.
  bool hexen = false;
};

// The names in the file at `path` (a DOS path) of `kind`; nothing when the file (or the USER
// file it leads to) cannot be read or holds nothing usable.
std::optional<ContentNames> readContentNames(platform::FileSystem& fs, const std::string& path,
                                             ContentKind kind, ContentOptions options = {});

// The same readers over bytes already in memory (a USER CON text, a group file, an INI text, a
// WAD, the tail of a ZIP or PAK, a LEV list); a GAME CON file needs its directory, so it has
// none here.
std::optional<ContentNames> contentNamesOf(const std::vector<uint8_t>& bytes, ContentKind kind,
                                           ContentOptions options = {});

}  // namespace content
