// Names on the main panel's episode and level numbers: a Build game's from its USER CON file
// (the picked add-on's before the game's), a Doom-engine game's maps from the picked WAD.
#include "app/launch_names.h"

#include <gtest/gtest.h>

#include "catalogue/game_types.h"
#include "content/content_files.h"
#include "platform/fake/fake_file_system.h"

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
using Entries = std::vector<std::string>;

catalogue::GameInfoRecord game(int kind, int episodes, int levels) {
  catalogue::GameInfoRecord g;
  g.set(gi::GameKind, uint8_t(kind));
  g.set(gi::GameDir, "D:\\GAMES\\GAME\\");
  g.set(gi::EpisodeCommand, "/v%i");
  g.set(gi::EpisodeMin, 1);
  g.set(gi::EpisodeMax, episodes);
  g.set(gi::LevelCommand, "/l%i");
  g.set(gi::LevelMin, 1);
  g.set(gi::LevelMax, levels);
  return g;
}

class LaunchNamesTest : public ::testing::Test {
 protected:
  LaunchNamesTest() { fs.addDrive('D'); }
  app::LaunchSelectionView named(const catalogue::GameInfoRecord& g) {
    app::LaunchSelectionView view = app::describeLaunchSelections(g, data);
    if (const auto names = app::launchContentNames(g, data, fs))
      app::nameLaunchChoices(view, g, *names);
    return view;
  }
  platform::FakeFileSystem fs;
  catalogue::GameDataRecord data;
};

TEST_F(LaunchNamesTest, ABuildGamesEpisodesAndTheChosenEpisodesLevelsCarryTheirNames) {
  const auto duke = game(catalogue::kKindDuke13, 4, 3);
  EXPECT_EQ(named(duke).episode.entries, (Entries{"1", "2", "3", "4"}));  // no USER.CON yet
  fs.putFile("D:\\GAMES\\GAME\\USER.CON",
             "definevolumename 0 L.A. MELTDOWN\r\n"
             "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n"
             "definelevelname 1 1 E2L2.MAP 01:45 00:53 OCCUPIED TERRITORY\r\n");
  auto view = named(duke);
  EXPECT_EQ(view.episode.entries,
            (Entries{"1 : L.A. MELTDOWN", "2 : Episode 2", "3 : Episode 3", "4"}));
  EXPECT_EQ(view.level.entries, (Entries{"1 : HOLLYWOOD HOLOCAUST", "2", "3"}));
  data.set(gd::EpisodeIndex, 1);
  EXPECT_EQ(named(duke).level.entries, (Entries{"1", "2 : OCCUPIED TERRITORY", "3"}));

  // A picked add-on's own scripts come first.
  fs.putFile("D:\\ADDON\\USER.CON", "definevolumename 0 ADD-ON EPISODE\r\n");
  data.set(gd::SelectedFile, "D:\\ADDON\\USER.CON");
  EXPECT_EQ(named(duke).episode.entries[0], "1 : ADD-ON EPISODE");
}

TEST_F(LaunchNamesTest, AWadsMapsNameTheLevelsOfTheirEpisode) {
  fs.putFile("D:\\WADS\\ONE.WAD", contenttest::wadFile({{"MAP07", 0}, {"MAP02", 0}}));
  data.set(gd::SelectedFile, "D:\\WADS\\ONE.WAD");
  const auto doom2 = game(8, 1, 8);
  EXPECT_EQ(named(doom2).level.entries,
            (Entries{"1", "2 : MAP02", "3", "4", "5", "6", "7 : MAP07", "8"}));
  fs.putFile("D:\\WADS\\E2.WAD", contenttest::wadFile({{"E1M1", 0}, {"E2M3", 0}}));
  data.set(gd::SelectedFile, "D:\\WADS\\E2.WAD");
  data.set(gd::EpisodeIndex, 1);
  const auto view = named(game(9, 3, 3));
  EXPECT_EQ(view.level.entries, (Entries{"1", "2", "3 : E2M3"}));
  EXPECT_EQ(view.episode.entries, (Entries{"1", "2", "3"}));
  // No WAD picked: plain numbers.
  data.set(gd::SelectedFile, "D:\\WADS\\MAP.TXT");
  EXPECT_EQ(named(doom2).level.entries[1], "2");
}

}  // namespace
