// Where a game loads maps from: the override map directory the player sets in the file list,
// the copy of a picked file into the directory the game requires (or into "~.QF~\" inside the
// game directory for a game that loads only from its own tree), the total-conversion
// directories under "?:\TC", and the episode and level a map's name stands for.
#pragma once

#include <optional>
#include <string>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace launch {

// The player's choices, kept in "Quillfen.Map" in the program's directory (two lines:
// "UserMapDir=DIR" and "AutoCopyMaps=0|1").
struct MapDirectorySettings {
  static constexpr const char* kFileName = "Quillfen.Map";

  std::string userMapDir;
  bool autoCopyMaps = false;

  static MapDirectorySettings load(platform::FileSystem& fs, const std::string& programDir);
  bool save(platform::FileSystem& fs, const std::string& programDir) const;
};

class MapDirectoryPolicy {
 public:
  static constexpr const char* kTempDir = "~.QF~\\";

  MapDirectoryPolicy(platform::FileSystem& fs, platform::Prompter& prompter,
                     const catalogue::GameInfoRecord& game, std::string launchDir,
                     MapDirectorySettings& settings);

  // The file list's command: `shownDir` (ending in "\") becomes the override map directory,
  // stops being it, or switches the automatic copy, as the game allows; every answer is asked.
  void setOverrideMapDir(const std::string& shownDir);

  // Before a launch: `file` in `dir` (ending in "\") is put where the game loads it; `dir`
  // becomes the directory the launch uses. False: the player abandoned the launch.
  bool placeSelectedFile(const std::string& file, std::string& dir, bool quiet);

  // Every file of "~.QF~\" goes.
  void clearTempDir();

  // The total-conversion directory to show: "X:\TC\<first>\" or, when that is missing or shown
  // already (`shownDir`), the second; nothing (a message said why) when there is none. The
  // drive found is kept in `tcDrive` for the program's run.
  std::optional<std::string> tcDirectory(const std::string& shownDir, char& tcDrive);

  // A picked map's name ("MAP07", "E2M5", "maps/e1m3.bsp" inside a PAK) as the episode and
  // level choices of `data`; other names change nothing.
  static void chooseEpisodeAndLevel(const std::string& mapName,
                                    const catalogue::GameInfoRecord& game,
                                    catalogue::GameDataRecord& data);

 private:
  bool copyInto(const std::string& source, const std::string& targetDir, const std::string& name);

  platform::FileSystem& fs_;
  platform::Prompter& prompter_;
  const catalogue::GameInfoRecord& game_;
  std::string launchDir_;
  MapDirectorySettings& settings_;
};

}  // namespace launch
