// The step that converts an old Duke Nukem 3D 1.3 CON script set before a 1.4/1.5 launch.
#pragma once

#include <string>

#include "launch/launch_state.h"

namespace launch {

enum class ConConversion {
  kConverted,     // the scripts were converted or the launch is to run converted ones
  kNotConverted,  // nothing was converted; the game runs with the files as they are
  kFailed,        // conversion was needed and failed: the launch ends
};

class ConConverter {
 public:
  virtual ~ConConverter() = default;
  // `selectedFile` is the picked file's full path ("" for none). Sets the state's ConArguments
  // and ConLaunchFile for the command line.
  virtual ConConversion convertForLaunch(LaunchState& state, const std::string& selectedFile) = 0;
};

// Converts nothing: for launches whose tests are about something else.
class NoConConverter : public ConConverter {
 public:
  ConConversion convertForLaunch(LaunchState&, const std::string&) override {
    return ConConversion::kNotConverted;
  }
};

}  // namespace launch
