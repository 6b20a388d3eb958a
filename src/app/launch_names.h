// Names for the main panel's episode and level numbers where the current game has them: a
// Build game's episodes and levels from its USER CON file (the picked add-on's, else the game
// directory's), a Doom-engine game's maps from the picked WAD. "1 : L.A. MELTDOWN" instead of
// "1"; the numbers sent to the game stay the same.
#pragma once

#include "app/launch_selections.h"
#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "content/content_names.h"
#include "platform/file_system.h"

namespace app {

// The content file whose names the choices show, read; nothing when the game has none.
std::optional<content::ContentNames> launchContentNames(const catalogue::GameInfoRecord& game,
                                                        const catalogue::GameDataRecord& data,
                                                        platform::FileSystem& fs);

// Puts the names on the entries of `view`'s episode and level choices.
void nameLaunchChoices(LaunchSelectionView& view, const catalogue::GameInfoRecord& game,
                       const content::ContentNames& names);

}  // namespace app
