// "Sound/Video/Memory Options": the sound switches, the video mode and the memory size of the
// current game's next launch. A control is usable only when the game's definition has the
// switch it feeds.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"

namespace launch::dialogs {

struct OptionBox {
  bool checked = false;
  bool enabled = false;
};

class SoundVideoMemoryOptions {
 public:
  static constexpr const char* kTitle = "Sound/Video/Memory Options";
  // Control ids of the dialog.
  static constexpr int kIdNoSound = 1047;
  static constexpr int kIdNoMusic = 1048;
  static constexpr int kIdNoSoundAffects1 = 1182;
  static constexpr int kIdNoSoundAffects2 = 1183;
  static constexpr int kIdVideoList = 1184;
  static constexpr int kIdMemory = 1185;
  // The boxes in the order of the dialog, with their captions.
  static constexpr std::array<const char*, 4> kBoxCaptions{
      "No Sound", "No Music", "No Sound Affects 1", "No Sound Affects 2"};
  static constexpr std::array<int, 4> kBoxIds{kIdNoSound, kIdNoMusic, kIdNoSoundAffects1,
                                              kIdNoSoundAffects2};
  static constexpr const char* kNotSelected = "Not selected";
  static constexpr const char* kNoMemoryOption = "N/A";
  static constexpr size_t kMaxVideoModes = 11;
  static constexpr int kMemoryMin = 9;
  static constexpr int kMemoryMax = 128;

  SoundVideoMemoryOptions(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data);

  std::array<OptionBox, 4>& boxes() { return boxes_; }
  const std::array<OptionBox, 4>& boxes() const { return boxes_; }

  const std::vector<std::string>& videoEntries() const { return videoEntries_; }
  bool videoEnabled() const { return videoEntries_.size() > 1; }
  int videoSelection() const { return videoSelection_; }
  void setVideoSelection(int index);

  std::string& memoryText() { return memoryText_; }
  bool memoryEnabled() const { return memoryEnabled_; }

  // OK stores the video mode, then closes.
  void ok();
  // Closing in any way stores the boxes and the memory size.
  void close();

 private:
  catalogue::GameDataRecord& data_;
  std::array<OptionBox, 4> boxes_;
  std::vector<std::string> videoEntries_;
  int videoSelection_ = 0;
  std::string memoryText_;
  bool memoryEnabled_ = false;
  bool closed_ = false;
};

}  // namespace launch::dialogs
