#include "app/launch_selections.h"

#include <algorithm>

namespace app {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

namespace {

// How many numbers a minimum and maximum offer: at least the minimum itself.
int rangeSize(int min, int max) {
  return max >= min ? max - min + 1 : 1;
}

int clampIndex(int index, int size) {
  return std::clamp(index, 0, std::max(0, size - 1));
}

NumberChoice numberChoice(bool enabled, int min, int max, int stored) {
  NumberChoice choice;
  choice.enabled = enabled;
  const int size = rangeSize(min, max);
  for (int i = 0; i < size; ++i) choice.entries.push_back(std::to_string(min + i));
  choice.selection = clampIndex(stored, size);
  return choice;
}

int maxBots(const catalogue::GameInfoRecord& game) {
  const int players = game.get(gi::PlayerQtyMax);
  return players > 1 ? players - 1 : kDefaultMaxBots;
}

bool botsPresent(const catalogue::GameInfoRecord& game) {
  return isPresentSwitch(game.get(gi::AiPlayerCommand)) ||
         isPresentSwitch(game.get(gi::FakePlayerCommand));
}

}  // namespace

LaunchSelectionView describeLaunchSelections(const catalogue::GameInfoRecord& game,
                                             const catalogue::GameDataRecord& data) {
  LaunchSelectionView view;
  view.skill = numberChoice(isPresentSwitch(game.get(gi::SkillCommand)), game.get(gi::SkillMin),
                            game.get(gi::SkillMax), data.get(gd::SkillIndex));
  view.episode =
      numberChoice(isPresentSwitch(game.get(gi::EpisodeCommand)), game.get(gi::EpisodeMin),
                   game.get(gi::EpisodeMax), data.get(gd::EpisodeIndex));
  view.level = numberChoice(isPresentSwitch(game.get(gi::LevelCommand)), game.get(gi::LevelMin),
                            game.get(gi::LevelMax), data.get(gd::LevelIndex));
  view.bots = numberChoice(botsPresent(game), 0, maxBots(game), data.get(gd::BotCount));
  view.botsLabel = isPresentSwitch(game.get(gi::AiPlayerCommand)) ? kBotsLabelAi : kBotsLabelFake;
  view.godMode = {isPresentSwitch(game.get(gi::GodModeCommand)), data.get(gd::GodMode) != 0};
  view.weaponsAll = {isPresentSwitch(game.get(gi::WeaponsAllCommand)),
                     data.get(gd::WeaponsAll) != 0};
  return view;
}

void chooseSkill(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data,
                 int index) {
  const int size = rangeSize(game.get(gi::SkillMin), game.get(gi::SkillMax));
  data.set(gd::SkillIndex, uint8_t(clampIndex(index, size)));
}

void chooseEpisode(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data,
                   int index) {
  const int size = rangeSize(game.get(gi::EpisodeMin), game.get(gi::EpisodeMax));
  data.set(gd::EpisodeIndex, uint8_t(clampIndex(index, size)));
}

void chooseLevel(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data,
                 int index) {
  const int size = rangeSize(game.get(gi::LevelMin), game.get(gi::LevelMax));
  data.set(gd::LevelIndex, uint8_t(clampIndex(index, size)));
}

void chooseBots(const catalogue::GameInfoRecord& game, catalogue::GameDataRecord& data, int count) {
  data.set(gd::BotCount, uint8_t(std::clamp(count, 0, maxBots(game))));
}

void chooseGodMode(catalogue::GameDataRecord& data, bool on) {
  data.set(gd::GodMode, on ? 1 : 0);
}

void chooseWeaponsAll(catalogue::GameDataRecord& data, bool on) {
  data.set(gd::WeaponsAll, on ? 1 : 0);
}

}  // namespace app
