#include "files/level_files.h"

namespace files {

namespace gi = catalogue::game_info;

std::string baseName(const std::string& fileName) {
  const size_t dot = fileName.rfind('.');
  return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

std::optional<std::string> gameLevelFile(const catalogue::GameInfoRecord& game,
                                         const platform::FileSystem& fs) {
  if (game.get(gi::LevelFileFlagA) == 0) return std::nullopt;
  const std::string name = game.get(gi::ConfigFile, 5);
  if (name.empty()) return std::nullopt;
  const bool full = (name.size() > 1 && name[1] == ':') || name.front() == '\\';
  const std::string path = full ? name : game.get(gi::GameDir) + name;
  const auto found = fs.stat(path);
  if (!found || found->isDirectory()) return std::nullopt;
  return path;
}

std::optional<std::string> levelFileBeside(const catalogue::GameInfoRecord& game,
                                           const platform::FileSystem& fs,
                                           const std::string& directory,
                                           const std::string& fileName) {
  if (game.get(gi::LevelFileFlagB) == 0) return std::nullopt;
  const std::string path = directory + baseName(fileName) + ".lev";
  const auto found = fs.stat(path);
  if (!found || found->isDirectory()) return std::nullopt;
  return path;
}

}  // namespace files
