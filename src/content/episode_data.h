// The episode data of the built-in CON editor: volume and skill names, the four volumes' eleven
// levels (map, par time, record time, name, music) and the music lists, read from the USER
// variant of a picked CON file.
#pragma once

#include <array>
#include <string>

#include "platform/file_system.h"

namespace content {

struct EpisodeLevel {
  std::string map;
  std::string parTime;
  std::string recordTime;
  std::string name;
  std::string music;
};

struct EpisodeData {
  static constexpr size_t kVolumes = 4;
  static constexpr size_t kLevels = 11;
  // The most of a USER file the editor reads.
  static constexpr size_t kReadMax = 63'000;
  // A music file name is at most this long; a longer word is cut.
  static constexpr size_t kMusicWordMax = 13;

  std::array<std::string, kVolumes> volumeName;
  std::array<std::string, kVolumes> skillName;
  std::array<std::array<EpisodeLevel, kLevels>, kVolumes> level;
  std::string music0First;
  std::string music0Rest;
  int volumeCount = 3;
  std::string userConName;  // upper case
  std::string gameConName;  // empty when a USER file was picked
  std::string conDirectory;
  bool valid = false;
};

// The data of the USER file that belongs to `selectedName` (a file name in `conDirectory`,
// which ends in "\"): "GAME.CON" reads "USER.CON", "XGAME.CON" reads "XUSER.CON". `version15`:
// the game has a fourth volume. A name with neither "GAME" nor "USER", or a file that cannot be
// read whole, gives invalid, empty data.
EpisodeData readEpisodeData(platform::FileSystem& fs, const std::string& selectedName,
                            const std::string& conDirectory, bool version15);

}  // namespace content
