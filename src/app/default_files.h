// "Display Default Files": what the read-only "Default Files and Directories" box shows of the
// current game, its five configuration files (directory and name, as the game data record keeps
// them) and its override map directory.
#pragma once

#include <string>
#include <vector>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"

namespace app {

inline constexpr const char* kDefaultFilesTitle = "Default Files and Directories";

struct DefaultFileRow {
  std::string label;  // "CFG/Data1" ... "CFG/Data5", "Override Dir"
  std::string value;  // empty when the game has none
};

std::vector<DefaultFileRow> defaultFileRows(const catalogue::GameInfoRecord& game,
                                            const catalogue::GameDataRecord& data);

}  // namespace app
