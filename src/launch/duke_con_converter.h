// The CON step of a Duke Nukem 3D 1.4/1.5 launch: the picked file's add-on gets its 1.3 CON
// files converted, and the launch names the converted ones.
#pragma once

#include "launch/con_conversion.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace launch {

class DukeConConverter : public ConConverter {
 public:
  DukeConConverter(platform::FileSystem& fs, platform::Prompter& prompter)
      : fs_(fs), prompter_(prompter) {}

  ConConversion convertForLaunch(LaunchState& state, const std::string& selectedFile) override;

 private:
  platform::FileSystem& fs_;
  platform::Prompter& prompter_;
};

}  // namespace launch
