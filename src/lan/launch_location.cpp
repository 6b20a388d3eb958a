#include "lan/launch_location.h"

#include <array>
#include <vector>

#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace lan {

namespace dos = platform::dos;

namespace {

constexpr std::array<const char*, 3> kMapDirs{"maps\\", "map\\", "tc\\"};

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

// "." and ".." and what Windows reads as them ("...", ". .").
bool isDotsOnly(std::string_view component) {
  if (component.empty()) return false;
  for (char c : component)
    if (c != '.' && c != ' ') return false;
  return true;
}

bool hasDotsComponent(std::string_view path) {
  size_t start = (path.size() >= 2 && path[1] == ':') ? 2 : 0;
  for (size_t i = start; i <= path.size(); ++i) {
    if (i == path.size() || isSeparator(path[i])) {
      if (isDotsOnly(path.substr(start, i - start))) return true;
      start = i + 1;
    }
  }
  return false;
}

bool sameFile(const platform::FileSystem& fs, const std::string& path, const WantedFile& wanted) {
  const auto time = fs.modificationTime(path);
  return time && *time == int64_t(wanted.time);
}

std::optional<FoundFile> lookIn(const platform::FileSystem& fs, const std::string& dir,
                                const WantedFile& wanted) {
  for (const platform::FindData& entry :
       fs.find(dir + (wanted.file.empty() ? "*.*" : wanted.file))) {
    if (entry.isDirectory() || entry.size != wanted.size) continue;
    if (sameFile(fs, dir + entry.longName, wanted)) return FoundFile{dir, entry.longName};
  }
  return std::nullopt;
}

}  // namespace

bool isBareFileName(std::string_view name) {
  if (name.empty()) return true;
  if (isDotsOnly(name)) return false;
  for (char c : name)
    if (isSeparator(c)) return false;
  // A drive's colon is no name either: forbiddenInDosName lets one pass after a letter.
  if (name.find(':') != std::string_view::npos) return false;
  return !dos::forbiddenInDosName(name) && !dos::hasWildcards(name);
}

std::optional<std::string> directoryInGame(std::string_view announced, const std::string& gameDir) {
  const auto game = dos::resolve(gameDir, "C:\\");
  if (gameDir.size() < 3 || gameDir[1] != ':' || !game) return std::nullopt;
  if (hasDotsComponent(announced) || dos::forbiddenInDosName(announced)) return std::nullopt;
  const bool absolute = announced.size() >= 2 && announced[1] == ':';
  const std::string text = absolute ? std::string(announced) : gameDir + std::string(announced);
  const auto dir = dos::resolve(text, *game);
  if (!dir || dir->drive != game->drive || dir->components.size() < game->components.size())
    return std::nullopt;
  for (size_t i = 0; i < game->components.size(); ++i)
    if (!dos::equalsIgnoreCase(dir->components[i], game->components[i])) return std::nullopt;
  return dos::withTrailingSeparator(dos::format(*dir, true));
}

std::optional<FoundFile> locateFile(const platform::FileSystem& fs, const WantedFile& wanted,
                                    const std::string& gameDirIn) {
  const std::string gameDir = dos::withTrailingSeparator(gameDirIn);
  // The announced directory is already under the matched game's directory (the listener put
  // it there), so the places its rest names under that directory are this one.
  if (auto found = lookIn(fs, wanted.dir, wanted)) return found;
  if (!wanted.file.empty()) {
    for (const char* sub : kMapDirs)
      if (auto found = lookIn(fs, gameDir + sub, wanted)) return found;
  }
  for (char drive : fs.drives()) {
    if (drive < 'C' || drive > 'Y') continue;
    const std::string root = std::string{drive, ':', '\\'};
    if (fs.find(root + "*.*").empty()) continue;
    for (const char* sub : kMapDirs)
      if (auto found = lookIn(fs, root + sub, wanted)) return found;
  }
  return std::nullopt;
}

std::string downloadDirectory(const std::string& gameDir) {
  return dos::withTrailingSeparator(gameDir) + kMapDirs[0];
}

}  // namespace lan
