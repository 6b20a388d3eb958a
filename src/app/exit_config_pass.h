// What the program does with the current game as it closes: the launch object of the current
// slot runs its configuration-file step, which also saves the game's launch selections.
#pragma once

#include "catalogue/catalogue.h"
#include "launch/launch_pipeline.h"
#include "launch/launch_state.h"

namespace app {

// Runs the configuration pass for the current game as a launch would, without starting
// anything. Returns the pass's result (1 finished, 0 did nothing or stopped).
int runExitConfigurationPass(const launch::LaunchServices& services, catalogue::Catalogue& cat,
                             launch::LaunchSession& session);

}  // namespace app
