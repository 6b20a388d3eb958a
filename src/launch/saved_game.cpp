#include "launch/saved_game.h"

#include <string>

namespace launch {

bool prepareSavedGameLaunch(int slot, const catalogue::GameInfoRecord& game,
                            catalogue::GameDataRecord& data, LaunchSession& session,
                            platform::Prompter& prompter) {
  if (game.get(catalogue::game_info::SavedGamePickCommand).empty()) {
    prompter.tell(kNoSavedGamePickText);
    return false;
  }
  // The saved-game switch takes one digit, so only the ten menu slots can be passed on.
  if (slot < 1 || slot > 10) return false;
  data.set(catalogue::game_data::SelectedFile, "");
  session.PendingSavedGame = std::string(1, char('0' + slot - 1));
  return true;
}

}  // namespace launch
