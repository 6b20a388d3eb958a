// Looks for the SpaceOrb driver program on drive C: and records whether it is there.
#pragma once

#include "catalogue/univ_info_record.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace input {

inline constexpr const char* kSpaceOrbDriver = "c:\\spcware\\sow95off.exe";

// Interactive mode (the menu command) asks first and explains a miss; the silent mode (end of
// the default installation) only reports a find.
void SpaceOrbCheck(platform::FileSystem& fs, platform::Prompter& prompter,
                   catalogue::UnivInfoRecord& univ, bool interactive);

}  // namespace input
