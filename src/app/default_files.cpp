#include "app/default_files.h"

#include "catalogue/launch_link.h"

namespace app {

std::vector<DefaultFileRow> defaultFileRows(const catalogue::GameInfoRecord& game,
                                            const catalogue::GameDataRecord& data) {
  namespace gd = catalogue::game_data;
  std::vector<DefaultFileRow> rows;
  for (size_t i = 0; i < catalogue::kConfigFiles; ++i) {
    const std::string name = data.get(gd::ConfigFileName, i);
    // A directory without a file names nothing to show.
    rows.push_back({"CFG/Data" + std::to_string(i + 1),
                    name.empty() ? std::string() : data.get(gd::ConfigFileDir, i) + name});
  }
  rows.push_back({"Override Dir", game.get(catalogue::game_info::OverrideMapDir)});
  return rows;
}

}  // namespace app
