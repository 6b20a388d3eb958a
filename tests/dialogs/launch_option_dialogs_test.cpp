// The launch option dialogs: which controls a game's definition makes usable, and what OK and
// closing store.
#include <gtest/gtest.h>

#include "launch/dialogs/demo_respawn_options.h"
#include "launch/dialogs/launch_options.h"
#include "launch/dialogs/sound_video_memory_options.h"

namespace {

using namespace catalogue;
using launch::dialogs::DemoRespawnOptions;
using launch::dialogs::LaunchOptions;
using launch::dialogs::SoundVideoMemoryOptions;

GameInfoRecord soundGame() {
  GameInfoRecord g;
  g.set(game_info::SoundOffCommand, "-nosound");
  g.set(game_info::SoundEffectsOffCommand, "-nosfx");
  g.set(game_info::SoundMiscOffCommand, "-nomisc");
  g.set(game_info::MemoryCommand, "-mem <value>");
  g.set(game_info::VideoModeDescription, "320x200", 0);
  g.set(game_info::VideoModeDescription, "640x480", 1);
  return g;
}

TEST(SoundVideoMemoryOptions, BoxesAreUsableOnlyWithTheirOffSwitch) {
  GameInfoRecord game = soundGame();  // no music switch
  game.set(game_info::SoundMiscOffCommand, "");
  GameDataRecord data;
  data.set(game_data::SoundOption, 1, 1);
  SoundVideoMemoryOptions d(game, data);
  EXPECT_TRUE(d.boxes()[0].enabled);
  EXPECT_FALSE(d.boxes()[1].enabled);
  EXPECT_TRUE(d.boxes()[1].checked);
  EXPECT_TRUE(d.boxes()[2].enabled);  // "No Sound Affects 1": the sound-effects switch
  EXPECT_FALSE(d.boxes()[3].enabled);
  d.boxes()[2].checked = true;
  d.close();
  // The launch pairs SoundOption[2] with the sound-effects switches.
  EXPECT_EQ(data.get(game_data::SoundOption, 2), 1);
  EXPECT_EQ(data.get(game_data::SoundOption, 3), 0);
  EXPECT_EQ(data.get(game_data::SoundOption, 1), 1);
}

TEST(SoundVideoMemoryOptions, MemoryOutsideNineTo128IsStoredAsZero) {
  GameInfoRecord game = soundGame();
  for (auto [typed, stored] : {std::pair{"8", 0}, {"200", 0}, {"9", 9}, {"128", 128}, {"x", 0}}) {
    GameDataRecord data;
    data.set(game_data::MemoryIndex, 50);
    SoundVideoMemoryOptions d(game, data);
    EXPECT_EQ(d.memoryText(), "50");
    d.memoryText() = typed;
    d.close();
    EXPECT_EQ(data.get(game_data::MemoryIndex), stored) << typed;
  }
}

TEST(SoundVideoMemoryOptions, WithoutAMemorySwitchTheFieldShowsNA) {
  GameInfoRecord game;
  GameDataRecord data;
  SoundVideoMemoryOptions d(game, data);
  EXPECT_FALSE(d.memoryEnabled());
  EXPECT_EQ(d.memoryText(), "N/A");
  EXPECT_FALSE(d.videoEnabled());
  EXPECT_EQ(d.videoEntries(), std::vector<std::string>{"Not selected"});
}

TEST(SoundVideoMemoryOptions, TwelveVideoModesOfferTheFirstEleven) {
  GameInfoRecord game;
  for (size_t i = 0; i < 12; ++i)
    game.set(game_info::VideoModeDescription, "Mode" + std::to_string(i), i);
  GameDataRecord data;
  data.set(game_data::VideoModeIndex, 12);  // the twelfth: not offered
  SoundVideoMemoryOptions d(game, data);
  ASSERT_EQ(d.videoEntries().size(), 12u);
  EXPECT_EQ(d.videoEntries()[0], "Not selected");
  EXPECT_EQ(d.videoEntries()[11], "Mode10");
  EXPECT_EQ(d.videoSelection(), 0);
  d.setVideoSelection(11);
  d.ok();
  EXPECT_EQ(data.get(game_data::VideoModeIndex), 11);
}

TEST(SoundVideoMemoryOptions, OnlyOkStoresTheVideoMode) {
  GameInfoRecord game = soundGame();
  GameDataRecord data;
  data.set(game_data::VideoModeIndex, 1);
  SoundVideoMemoryOptions d(game, data);
  EXPECT_EQ(d.videoSelection(), 1);
  d.setVideoSelection(2);
  d.boxes()[0].checked = true;
  d.close();
  EXPECT_EQ(data.get(game_data::VideoModeIndex), 1);
  EXPECT_EQ(data.get(game_data::SoundOption, 0), 1);
}

GameInfoRecord demoGame() {
  GameInfoRecord g;
  g.set(game_info::PlayDemoCommand, "-playdemo <demo>");
  g.set(game_info::RecordDemoCommand, "-record <demo>");
  g.set(game_info::NoMonstersCommand, "-nomonsters");
  return g;
}

TEST(DemoRespawnOptions, ACommentedOutSwitchGreysLikeAnEmptyOne) {
  GameInfoRecord game = demoGame();
  game.set(game_info::PlayDemoCommand, "//-playdemo");
  GameDataRecord data;
  data.set(game_data::DemoName, "FIRST");
  DemoRespawnOptions d(game, data);
  EXPECT_FALSE(d.playDemo().enabled);
  EXPECT_FALSE(d.demoNameEnabled());
  EXPECT_EQ(d.demoName(), "");
  EXPECT_TRUE(d.recordDemo().enabled);
  EXPECT_TRUE(d.noMonsters().enabled);
  EXPECT_FALSE(d.misc().enabled);
  EXPECT_FALSE(d.spawnEnabled());
  d.close();
  EXPECT_EQ(data.get(game_data::DemoName), "FIRST");  // not shown, not lost

  game.set(game_info::PlayDemoCommand, "");
  EXPECT_FALSE(DemoRespawnOptions(game, data).playDemo().enabled);
  game.set(game_info::PlayDemoCommand, "/");
  EXPECT_TRUE(DemoRespawnOptions(game, data).playDemo().enabled);
}

TEST(DemoRespawnOptions, AnyRespawnSwitchMakesTheSpawnListUsable) {
  GameInfoRecord game = demoGame();
  GameDataRecord data;
  data.set(game_data::RespawnIndex, 3);
  game.set(game_info::RespawnAllCommand, "//off");
  game.set(game_info::RespawnInventoryCommand, "-respawninv");
  DemoRespawnOptions d(game, data);
  EXPECT_TRUE(d.spawnEnabled());
  EXPECT_EQ(d.spawnSelection(), 3);
  EXPECT_EQ(DemoRespawnOptions::kSpawnEntries[3], std::string("Inventory"));
}

TEST(DemoRespawnOptions, ClosingStoresTheBoxesAndTextsAndOkTheSpawnOption) {
  GameInfoRecord game = demoGame();
  GameDataRecord data;
  data.set(game_data::MiscOption, 1);
  DemoRespawnOptions d(game, data);
  EXPECT_TRUE(d.misc().checked);
  d.playDemo().checked = true;
  d.recordDemo().checked = true;
  d.noMonsters().checked = true;
  d.demoName() = std::string(60, 'd');
  d.extraOptions() = std::string(130, 'e');
  d.setSpawnSelection(4);
  d.close();
  EXPECT_EQ(data.get(game_data::PlayDemo), 1);
  EXPECT_EQ(data.get(game_data::RecordDemo), 1);
  EXPECT_EQ(data.get(game_data::NoMonsters), 1);
  EXPECT_EQ(data.get(game_data::MiscOption), 1);
  EXPECT_EQ(data.get(game_data::DemoName), std::string(50, 'd'));
  EXPECT_EQ(data.get(game_data::ExtraOptions), std::string(125, 'e'));
  EXPECT_EQ(data.get(game_data::RespawnIndex), 0);

  DemoRespawnOptions again(game, data);
  again.setSpawnSelection(4);
  again.ok();
  EXPECT_EQ(data.get(game_data::RespawnIndex), 4);
}

TEST(LaunchOptions, EachOptionLivesInItsRecord) {
  UnivInfoRecord univ;
  GameInfoRecord game;
  GameDataRecord data;
  univ.set(univ_info::DisableAltSpace, 1);
  game.set(game_info::WindowsModeOnly, 1);
  data.set(game_data::BypassBuildPrompt, 1);
  LaunchOptions d(univ, game, data);
  EXPECT_TRUE(d.checked(LaunchOptions::kReserveAltSpace));
  EXPECT_TRUE(d.checked(LaunchOptions::kWindowsModeOnly));
  EXPECT_TRUE(d.checked(LaunchOptions::kBypassBuildPrompt));
  EXPECT_FALSE(d.checked(LaunchOptions::kPauseBeforeReturn));

  for (size_t i = 0; i < LaunchOptions::kOptionCount; ++i) d.setChecked(i, !d.checked(i));
  EXPECT_EQ(data.get(game_data::PauseBeforeReturn), 0);  // nothing before OK
  d.ok();
  EXPECT_EQ(univ.get(univ_info::DisableAltSpace), 0);
  EXPECT_EQ(game.get(game_info::WindowsModeOnly), 0);
  EXPECT_EQ(data.get(game_data::BypassBuildPrompt), 0);
  EXPECT_EQ(data.get(game_data::PauseBeforeReturn), 1);
  EXPECT_EQ(data.get(game_data::AutoBackupEditMap), 1);
  EXPECT_EQ(data.get(game_data::PromptRunAfterEditor), 1);
  EXPECT_EQ(univ.get(univ_info::DisableAllWindowsKeys), 1);
  EXPECT_EQ(univ.get(univ_info::TerminateWithoutWarning), 1);
  EXPECT_EQ(univ.get(univ_info::SpaceOrbOn), 1);
  EXPECT_EQ(univ.get(univ_info::SpaceOrbDriverAfterGame), 1);
  EXPECT_EQ(univ.get(univ_info::CloseOnLaunch), 1);
  EXPECT_EQ(game.get(game_info::HideWindowsFromGame), 1);
  EXPECT_EQ(game.get(game_info::DosModeOnly), 1);
}

TEST(LaunchOptions, AGameThatAlwaysClosesFixesCloseOnLaunch) {
  UnivInfoRecord univ;
  GameInfoRecord game;
  GameDataRecord data;
  game.set(game_info::CloseOnGameLaunch, 1);
  LaunchOptions d(univ, game, data);
  EXPECT_TRUE(d.checked(LaunchOptions::kCloseOnLaunch));
  EXPECT_FALSE(d.enabled(LaunchOptions::kCloseOnLaunch));
  d.setChecked(LaunchOptions::kCloseOnLaunch, false);
  EXPECT_TRUE(d.checked(LaunchOptions::kCloseOnLaunch));
  d.ok();
  EXPECT_EQ(univ.get(univ_info::CloseOnLaunch), 0);  // the program's own setting stays
}

}  // namespace
