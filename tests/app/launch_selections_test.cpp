// The main panel's skill, episode, level, computer players, "God Mode" and "Weapons All".
#include "app/launch_selections.h"

#include <gtest/gtest.h>

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
using catalogue::GameDataRecord;
using catalogue::GameInfoRecord;

GameInfoRecord dukeLike() {
  GameInfoRecord game;
  game.set(gi::SkillCommand, "/s%i");
  game.set(gi::SkillMin, 1);
  game.set(gi::SkillMax, 4);
  game.set(gi::EpisodeCommand, "/v%i");
  game.set(gi::EpisodeMin, 1);
  game.set(gi::EpisodeMax, 4);
  game.set(gi::LevelCommand, "/l%i");
  game.set(gi::LevelMin, 1);
  game.set(gi::LevelMax, 11);
  game.set(gi::AiPlayerCommand, "/a");
  game.set(gi::FakePlayerCommand, "/q%i");
  game.set(gi::PlayerQtyMax, 8);
  game.set(gi::GodModeCommand, "/god");
  game.set(gi::WeaponsAllCommand, "/weapons");
  return game;
}

TEST(PresentSwitch, EmptyOrCommentedOutIsAbsent) {
  EXPECT_FALSE(app::isPresentSwitch(""));
  EXPECT_FALSE(app::isPresentSwitch("//-skill"));
  EXPECT_FALSE(app::isPresentSwitch("//"));
  EXPECT_TRUE(app::isPresentSwitch("/"));
  EXPECT_TRUE(app::isPresentSwitch("-skill /"));
}

TEST(LaunchSelections, NumbersRunFromTheGamesMinimumToItsMaximum) {
  GameDataRecord data;
  data.set(gd::EpisodeIndex, 1);  // episode 2
  data.set(gd::LevelIndex, 2);    // level 3
  const app::LaunchSelectionView view = app::describeLaunchSelections(dukeLike(), data);
  EXPECT_TRUE(view.skill.enabled);
  EXPECT_EQ(view.skill.entries, (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(view.skill.selection, 0);
  EXPECT_EQ(view.episode.entries.size(), 4u);
  EXPECT_EQ(view.episode.entries[size_t(view.episode.selection)], "2");
  EXPECT_EQ(view.level.entries.size(), 11u);
  EXPECT_EQ(view.level.entries[size_t(view.level.selection)], "3");
}

TEST(LaunchSelections, AMissingSwitchGreysItsControl) {
  GameInfoRecord game = dukeLike();
  game.set(gi::SkillCommand, "");
  game.set(gi::EpisodeCommand, "//-episode");
  game.set(gi::GodModeCommand, "// none");
  game.set(gi::AiPlayerCommand, "");
  game.set(gi::FakePlayerCommand, "");
  const app::LaunchSelectionView view = app::describeLaunchSelections(game, GameDataRecord{});
  EXPECT_FALSE(view.skill.enabled);
  EXPECT_FALSE(view.episode.enabled);
  EXPECT_TRUE(view.level.enabled);
  EXPECT_FALSE(view.bots.enabled);
  EXPECT_FALSE(view.godMode.enabled);
  EXPECT_TRUE(view.weaponsAll.enabled);

  const app::LaunchSelectionView none =
      app::describeLaunchSelections(GameInfoRecord{}, GameDataRecord{});
  EXPECT_FALSE(none.skill.enabled);
  EXPECT_FALSE(none.level.enabled);
  EXPECT_FALSE(none.weaponsAll.enabled);
}

TEST(LaunchSelections, AStoredIndexBeyondTheRangeShowsTheLastNumber) {
  GameDataRecord data;
  data.set(gd::SkillIndex, 9);
  const app::LaunchSelectionView view = app::describeLaunchSelections(dukeLike(), data);
  EXPECT_EQ(view.skill.selection, 3);
  // A maximum below the minimum still offers the minimum.
  GameInfoRecord odd = dukeLike();
  odd.set(gi::SkillMin, 3);
  odd.set(gi::SkillMax, 0);
  EXPECT_EQ(app::describeLaunchSelections(odd, data).skill.entries,
            (std::vector<std::string>{"3"}));
}

TEST(LaunchSelections, ChoicesAreStoredAsDistancesFromTheMinimum) {
  const GameInfoRecord game = dukeLike();
  GameDataRecord data;
  app::chooseSkill(game, data, 2);
  app::chooseEpisode(game, data, 3);
  app::chooseLevel(game, data, 10);
  EXPECT_EQ(data.get(gd::SkillIndex), 2);
  EXPECT_EQ(data.get(gd::EpisodeIndex), 3);
  EXPECT_EQ(data.get(gd::LevelIndex), 10);
  app::chooseLevel(game, data, 40);
  EXPECT_EQ(data.get(gd::LevelIndex), 10);
  app::chooseSkill(game, data, -1);
  EXPECT_EQ(data.get(gd::SkillIndex), 0);
}

TEST(LaunchSelections, ComputerPlayersAreLimitedByThePlayerCount) {
  GameInfoRecord game = dukeLike();
  GameDataRecord data;
  app::chooseBots(game, data, 3);
  EXPECT_EQ(data.get(gd::BotCount), 3);
  app::chooseBots(game, data, 12);
  EXPECT_EQ(data.get(gd::BotCount), 7);  // eight players in all
  app::LaunchSelectionView view = app::describeLaunchSelections(game, data);
  EXPECT_EQ(view.bots.entries.front(), "0");
  EXPECT_EQ(view.bots.entries.back(), "7");
  EXPECT_EQ(view.botsLabel, "AI / FAKE-PLAYERS =");
  game.set(gi::AiPlayerCommand, "");
  EXPECT_EQ(app::describeLaunchSelections(game, data).botsLabel, "FAKE-PLAYERS =");
  EXPECT_TRUE(app::describeLaunchSelections(game, data).bots.enabled);
}

TEST(LaunchSelections, GodModeAndWeaponsAllAreFlags) {
  GameDataRecord data;
  app::chooseGodMode(data, true);
  app::chooseWeaponsAll(data, true);
  EXPECT_EQ(data.get(gd::GodMode), 1);
  EXPECT_EQ(data.get(gd::WeaponsAll), 1);
  EXPECT_TRUE(app::describeLaunchSelections(dukeLike(), data).godMode.checked);
  app::chooseGodMode(data, false);
  EXPECT_EQ(data.get(gd::GodMode), 0);
  EXPECT_TRUE(app::describeLaunchSelections(dukeLike(), data).weaponsAll.checked);
}

}  // namespace
