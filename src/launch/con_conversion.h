// The step that converts an old Duke Nukem 3D 1.3 CON script set before a 1.4/1.5 launch.
#pragma once

#include "launch/launch_state.h"

namespace launch {

enum class ConConversion {
  kConverted,     // the scripts were converted
  kNotConverted,  // nothing was converted; the game runs with the files as they are
  kFailed,        // conversion was needed and failed: the launch ends
};

class ConConverter {
 public:
  virtual ~ConConverter() = default;
  virtual ConConversion convertForLaunch(const LaunchState& state) = 0;
};

// Until the CON tools exist: says so, and converts nothing.
class NoConConverter : public ConConverter {
 public:
  ConConversion convertForLaunch(const LaunchState&) override {
    return ConConversion::kNotConverted;
  }
};

}  // namespace launch
