// "Demo/NoMonsters/Respawn Options": demo recording and playback, monsters, respawning and the
// user's extra command-line options for the current game's next launch.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "launch/dialogs/sound_video_memory_options.h"

namespace launch::dialogs {

class DemoRespawnOptions {
 public:
  static constexpr const char* kTitle = "Demo/NoMonsters/Respawn Options";
  static constexpr int kIdPlayDemo = 1050;
  static constexpr int kIdRecordDemo = 1045;
  static constexpr int kIdDemoName = 1163;
  static constexpr int kIdNoMonsters = 1046;
  static constexpr int kIdMisc = 1053;
  static constexpr int kIdSpawnList = 1044;
  static constexpr int kIdExtraOptions = 1162;
  static constexpr std::array<const char*, 5> kSpawnEntries{"N/A", "Monsters", "Items", "Inventory",
                                                            "All"};
  static constexpr size_t kDemoNameMax = 50;
  static constexpr size_t kExtraOptionsMax = 125;

  DemoRespawnOptions(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data);

  OptionBox& playDemo() { return playDemo_; }
  OptionBox& recordDemo() { return recordDemo_; }
  OptionBox& noMonsters() { return noMonsters_; }
  OptionBox& misc() { return misc_; }
  std::string& demoName() { return demoName_; }
  bool demoNameEnabled() const { return playDemo_.enabled; }
  std::string& extraOptions() { return extraOptions_; }
  bool spawnEnabled() const { return spawnEnabled_; }
  int spawnSelection() const { return spawnSelection_; }
  void setSpawnSelection(int index);

  // OK stores the spawn option, then closes.
  void ok();
  // Closing in any way stores the demo name, the boxes and the extra options.
  void close();


 private:
  catalogue::GameDataRecord& data_;
  OptionBox playDemo_, recordDemo_, noMonsters_, misc_;
  std::string demoName_;
  std::string extraOptions_;
  bool spawnEnabled_ = false;
  int spawnSelection_ = 0;
  bool closed_ = false;
};

}  // namespace launch::dialogs
