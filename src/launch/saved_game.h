// The "Run Previously Saved Game" menu: a launch that resumes one of the game's saved games.
#pragma once

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "launch/launch_state.h"
#include "platform/prompter.h"

namespace launch {

inline constexpr const char* kNoSavedGamePickText =
    "No GamePick options set for running Saved games";

// Gets the launch of saved game `slot` (1-10, the menu's "Slot 1" ... "Slot 10") ready: the
// picked file is dropped and the game's saved-game switch will carry the digit slot - 1 in
// the next option line build. Returns false, after telling the user, when the game has no
// saved-game switch; false without a message for a slot outside 1-10. On true the caller
// starts the launch as the Run command does.
bool prepareSavedGameLaunch(int slot, const catalogue::GameInfoRecord& game,
                            catalogue::GameDataRecord& data, LaunchSession& session,
                            platform::Prompter& prompter);

}  // namespace launch
