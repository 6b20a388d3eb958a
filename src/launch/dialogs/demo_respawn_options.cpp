#include "launch/dialogs/demo_respawn_options.h"

#include "catalogue/switch_text.h"

namespace launch::dialogs {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

DemoRespawnOptions::DemoRespawnOptions(const catalogue::GameInfoRecord& game,
                                       catalogue::GameDataRecord& data)
    : data_(data) {
  playDemo_ = {data.get(gd::PlayDemo) != 0, catalogue::isPresentSwitch(game.get(gi::PlayDemoCommand))};
  recordDemo_ = {data.get(gd::RecordDemo) != 0, catalogue::isPresentSwitch(game.get(gi::RecordDemoCommand))};
  noMonsters_ = {data.get(gd::NoMonsters) != 0, catalogue::isPresentSwitch(game.get(gi::NoMonstersCommand))};
  misc_ = {data.get(gd::MiscOption) != 0, false};
  if (playDemo_.enabled) demoName_ = data.get(gd::DemoName);
  extraOptions_ = data.get(gd::ExtraOptions);
  for (const auto* respawn : {&gi::RespawnAllCommand, &gi::RespawnMonstersCommand,
                              &gi::RespawnItemsCommand, &gi::RespawnInventoryCommand})
    if (catalogue::isPresentSwitch(game.get(*respawn))) spawnEnabled_ = true;
  setSpawnSelection(data.get(gd::RespawnIndex));
}

void DemoRespawnOptions::setSpawnSelection(int index) {
  spawnSelection_ = index >= 0 && size_t(index) < kSpawnEntries.size() ? index : 0;
}

void DemoRespawnOptions::ok() {
  data_.set(gd::RespawnIndex, uint8_t(spawnSelection_));
  close();
}

void DemoRespawnOptions::close() {
  if (closed_) return;
  closed_ = true;
  // A greyed name field shows nothing; the stored name stays for a definition that gets its
  // play-demo switch back.
  if (playDemo_.enabled) data_.set(gd::DemoName, demoName_.substr(0, kDemoNameMax));
  data_.set(gd::PlayDemo, playDemo_.checked ? 1 : 0);
  data_.set(gd::RecordDemo, recordDemo_.checked ? 1 : 0);
  data_.set(gd::NoMonsters, noMonsters_.checked ? 1 : 0);
  data_.set(gd::MiscOption, misc_.checked ? 1 : 0);
  data_.set(gd::ExtraOptions, extraOptions_.substr(0, kExtraOptionsMax));
}

}  // namespace launch::dialogs
