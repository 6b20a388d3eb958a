// Launching through the SpaceOrb software: for a game its software supports, the game is
// started by "SpaceOrb.bat", which loads the device driver and runs the game's wrapper.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/prompter.h"

namespace launch {

inline constexpr const char* kSpaceOrbBatch = "SpaceOrb.bat";
inline constexpr const char* kSpaceOrbDriverOff = "c:\\spcware\\sow95off.exe";
inline constexpr const char* kSpaceOrbDriverOn = "c:\\spcware\\sow95on.exe";

struct SpaceOrbLaunch {
  bool active = false;
  std::string batchPath;  // LaunchDir + "SpaceOrb.bat"
};

// The wrapper and profile name of a supported executable ("duke3d.exe" gives "spwduke"), or
// empty.
std::string spaceOrbWrapperName(const std::string& executeFile);

// Prepares the SpaceOrb path for `executeFile` in `launchDir` (ends in "\"). `commProgram` is
// the communication program of a multiplayer launch that runs no editor, else empty.
SpaceOrbLaunch prepareSpaceOrb(platform::FileSystem& fs, platform::Prompter& prompter,
                               const std::string& executeFile, const std::string& launchDir,
                               const std::string& commProgram);

// Makes "spwshad.exe" and "spwshad.scg" from the Duke Nukem 3D wrapper and profile, and sets
// the game's mouse aiming in `launchDir` "sw.cfg".
void deriveShadowWarriorWrapper(platform::FileSystem& fs, const std::string& launchDir);

}  // namespace launch
