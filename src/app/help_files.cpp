#include "app/help_files.h"

namespace app {

std::string helpFileCommand(const catalogue::GameInfoRecord& game, size_t index) {
  if (index >= 10) return "";
  return startFileCommand(game, game.get(catalogue::game_info::HelpFile, index));
}

std::string startFileCommand(const catalogue::GameInfoRecord& game, const std::string& file) {
  if (file.empty()) return "";
  const bool fullPath = file.size() >= 2 && (file[1] == ':' || file[1] == '\\');
  return "start " + (fullPath ? file : game.get(catalogue::game_info::GameDir) + file);
}

}  // namespace app
