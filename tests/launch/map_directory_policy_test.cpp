// Where a game loads maps from: the override map directory and its questions, the copy of a
// picked file into the game's required directory or scratch directory, the total-conversion
// directories, and the episode and level a map's name stands for.
#include "launch/map_directory_policy.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
using launch::MapDirectoryPolicy;
using launch::MapDirectorySettings;
using platform::Answer;

constexpr const char* kGame = "C:\\GAMES\\DUKE3D\\";

class MapDirectoryPolicyTest : public ::testing::Test {
 protected:
  MapDirectoryPolicyTest() {
    fs.addDrive('D');
    fs.makeDirectories("C:\\GAMES\\DUKE3D");
    fs.makeDirectories("C:\\QF95");
    game.set(gi::GameName, "Duke3D");
    game.set(gi::NoOverrideMapDir, 1);
  }
  MapDirectoryPolicy policy() { return MapDirectoryPolicy(fs, prompter, game, kGame, settings); }
  std::string lastBox() const {
    return prompter.boxes().empty() ? "" : prompter.boxes().back().text;
  }

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  catalogue::GameInfoRecord game;
  MapDirectorySettings settings;
};

TEST_F(MapDirectoryPolicyTest, TheOverrideDirectoryIsSetRemovedOrRefusedAsTheGameAllows) {
  prompter.script({Answer::kNo});
  policy().setOverrideMapDir("D:\\MAPS\\");
  EXPECT_EQ(settings.userMapDir, "");
  EXPECT_EQ(lastBox(), "Do you want to change the default directory to D:\\MAPS\\?");
  prompter.script({Answer::kYes});
  policy().setOverrideMapDir("D:\\MAPS\\");
  EXPECT_EQ(settings.userMapDir, "D:\\MAPS\\");
  prompter.script({Answer::kYes});
  policy().setOverrideMapDir("D:\\MAPS\\");
  EXPECT_EQ(lastBox(), "Would you like to remove D:\\MAPS\\ as the override map directory?");
  EXPECT_EQ(settings.userMapDir, "");

  game.set(gi::MapsNeedCopy, 1);
  policy().setOverrideMapDir("D:\\MAPS\\");
  EXPECT_EQ(lastBox(),
            "Default directories for Duke3D must be a subdirectory of C:\\GAMES\\DUKE3D\\.");

  // A game with its own map directory: only that one, and it switches the automatic copy.
  game.set(gi::DefaultMapDir, "MAPS\\");
  policy().setOverrideMapDir("D:\\MAPS\\");
  EXPECT_EQ(lastBox(), "Duke3D can only use C:\\GAMES\\DUKE3D\\MAPS\\ as the map directory.");
  prompter.script({Answer::kYes});
  policy().setOverrideMapDir("c:\\games\\duke3d\\maps\\");
  EXPECT_TRUE(settings.autoCopyMaps);
  prompter.script({Answer::kYes});
  policy().setOverrideMapDir("C:\\GAMES\\DUKE3D\\MAPS\\");
  EXPECT_EQ(lastBox(),
            "Do you want to remove the function that automatically copies maps to the "
            "C:\\GAMES\\DUKE3D\\MAPS\\ directory?");
  EXPECT_FALSE(settings.autoCopyMaps);

  game.set(gi::NoOverrideMapDir, 0);
  policy().setOverrideMapDir("C:\\GAMES\\DUKE3D\\MAPS\\");
  EXPECT_EQ(lastBox(), "Duke3D does not accept an override directory.");

  // Kept for the next start.
  settings.userMapDir = "D:\\FRIENDS\\";
  settings.autoCopyMaps = true;
  ASSERT_TRUE(settings.save(fs, "C:\\QF95"));
  const MapDirectorySettings read = MapDirectorySettings::load(fs, "C:\\QF95\\");
  EXPECT_EQ(read.userMapDir, "D:\\FRIENDS\\");
  EXPECT_TRUE(read.autoCopyMaps);
}

TEST_F(MapDirectoryPolicyTest, APickedFileIsCopiedWhereTheGameLoadsIt) {
  fs.putFile("D:\\FRIENDS\\CITY.MAP", "city");
  std::string dir = "D:\\FRIENDS\\";
  EXPECT_TRUE(policy().placeSelectedFile("CITY.MAP", dir, false));  // no rules: nothing
  EXPECT_EQ(dir, "D:\\FRIENDS\\");

  game.set(gi::DefaultMapDir, "MAPS\\");
  prompter.script({Answer::kNo});
  EXPECT_FALSE(policy().placeSelectedFile("CITY.MAP", dir, false));  // No: no launch
  EXPECT_EQ(lastBox(),
            "This game requires maps/files to be loaded from the \"C:\\GAMES\\DUKE3D\\MAPS\\\" "
            "directory.  \r\nDo you wish to copy the selected file to the "
            "\"C:\\GAMES\\DUKE3D\\MAPS\\\" directory?");
  prompter.script({Answer::kYes});
  ASSERT_TRUE(policy().placeSelectedFile("CITY.MAP", dir, false));
  EXPECT_EQ(dir, "C:\\GAMES\\DUKE3D\\MAPS\\");
  EXPECT_EQ(fs.readWhole("C:\\GAMES\\DUKE3D\\MAPS\\CITY.MAP"),
            fs.readWhole("D:\\FRIENDS\\CITY.MAP"));

  // A game that loads only from its own tree: the scratch directory inside it.
  game.set(gi::DefaultMapDir, "");
  game.set(gi::MapsNeedCopy, 1);
  dir = "D:\\FRIENDS\\";
  ASSERT_TRUE(policy().placeSelectedFile("CITY.MAP", dir, true));
  EXPECT_EQ(dir, "C:\\GAMES\\DUKE3D\\~.QF~\\");
  EXPECT_TRUE(fs.exists("C:\\GAMES\\DUKE3D\\~.QF~\\CITY.MAP"));
  policy().clearTempDir();
  EXPECT_FALSE(fs.exists("C:\\GAMES\\DUKE3D\\~.QF~\\CITY.MAP"));
}

TEST_F(MapDirectoryPolicyTest, TheTotalConversionDirectoryIsSearchedFromZAndToggles) {
  char drive = 0;
  EXPECT_FALSE(policy().tcDirectory("", drive));
  EXPECT_EQ(
      lastBox(),
      "Could not find the ?:\\TC directory.  For more information, see TC on the help index.");
  fs.makeDirectories("C:\\TC\\ADDON");
  fs.putFile("C:\\TC\\ADDON\\X.MAP", "x");
  fs.putFile("D:\\TC\\ADDON\\Y.MAP", "y");
  fs.putFile("D:\\TC\\OTHER\\Z.MAP", "z");
  game.set(gi::TcDir, "ADDON", 0);
  game.set(gi::TcDir, "OTHER", 1);
  EXPECT_EQ(policy().tcDirectory("", drive), "D:\\TC\\ADDON\\");
  EXPECT_EQ(drive, 'D');
  EXPECT_EQ(policy().tcDirectory("D:\\TC\\ADDON\\", drive), "D:\\TC\\OTHER\\");
  game.set(gi::TcDir, "NONE", 0);
  game.set(gi::TcDir, "GONE", 1);
  EXPECT_FALSE(policy().tcDirectory("", drive));
  EXPECT_EQ(
      lastBox(),
      "Could not find either of the following directories:\r\nD:\\TC\\NONE\\\r\nD:\\TC\\GONE\\"
      "\r\nFor more information, see TC on the help index.");
}

TEST(MapNames, MapAndEpisodeNamesChooseTheLaunchSelections) {
  catalogue::GameInfoRecord game;
  game.set(gi::EpisodeMin, 1);
  game.set(gi::LevelMin, 1);
  catalogue::GameDataRecord data;
  MapDirectoryPolicy::chooseEpisodeAndLevel("map07.wad", game, data);
  EXPECT_EQ(data.get(gd::LevelIndex), 6);
  MapDirectoryPolicy::chooseEpisodeAndLevel("maps/e2m5.bsp", game, data);
  EXPECT_EQ(data.get(gd::EpisodeIndex), 1);
  EXPECT_EQ(data.get(gd::LevelIndex), 4);
  MapDirectoryPolicy::chooseEpisodeAndLevel("CITY.MAP", game, data);
  EXPECT_EQ(data.get(gd::LevelIndex), 4);
}

}  // namespace
