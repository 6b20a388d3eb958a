#include "launch/dialogs/sound_video_memory_options.h"

#include <cstdlib>

namespace launch::dialogs {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

namespace {

// Where each box of the dialog keeps its flag and which "Off" switch it feeds. The two effects
// boxes follow the switches they are enabled by: box 1 the sound-effects switch, box 2 the misc
// one, in the order the launch reads the four flags.
struct BoxBinding {
  size_t option;  // element of SoundOption
  const catalogue::TextField<catalogue::GameInfoTag>* offSwitch;
};
const std::array<BoxBinding, 4> kBindings{{
    {0, &gi::SoundOffCommand},
    {1, &gi::MusicOffCommand},
    {2, &gi::SoundEffectsOffCommand},
    {3, &gi::SoundMiscOffCommand},
}};

// The memory box as the dialog reads it: leading digits, anything else 0.
int memoryNumber(const std::string& text) {
  return int(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

SoundVideoMemoryOptions::SoundVideoMemoryOptions(const catalogue::GameInfoRecord& game,
                                                 catalogue::GameDataRecord& data)
    : data_(data) {
  for (size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i].checked = data.get(gd::SoundOption, kBindings[i].option) != 0;
    boxes_[i].enabled = !game.get(*kBindings[i].offSwitch).empty();
  }

  videoEntries_.push_back(kNotSelected);
  for (size_t i = 0; i < kMaxVideoModes; ++i) {
    std::string description = game.get(gi::VideoModeDescription, i);
    if (description.empty()) break;
    videoEntries_.push_back(std::move(description));
  }
  setVideoSelection(data.get(gd::VideoModeIndex));

  memoryEnabled_ = !game.get(gi::MemoryCommand).empty();
  memoryText_ = memoryEnabled_ ? std::to_string(int(data.get(gd::MemoryIndex))) : kNoMemoryOption;
}

void SoundVideoMemoryOptions::setVideoSelection(int index) {
  // A stored mode the definition no longer offers shows as "Not selected".
  videoSelection_ = index >= 0 && size_t(index) < videoEntries_.size() ? index : 0;
}

void SoundVideoMemoryOptions::ok() {
  data_.set(gd::VideoModeIndex, uint8_t(videoSelection_));
  close();
}

void SoundVideoMemoryOptions::close() {
  if (closed_) return;
  closed_ = true;
  for (size_t i = 0; i < boxes_.size(); ++i)
    data_.set(gd::SoundOption, boxes_[i].checked ? 1 : 0, kBindings[i].option);
  const int memory = memoryNumber(memoryText_);
  data_.set(gd::MemoryIndex, memory < kMemoryMin || memory > kMemoryMax ? 0 : uint8_t(memory));
}

}  // namespace launch::dialogs
