// The file list's map directory commands: the override map directory kept for the launches,
// and the total-conversion directory shown in the left list.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "launch/map_directory_policy.h"
#include "main_window_fixture.h"

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
using platform::Answer;

class MapDirectoryCommandsTest : public apptest::MainWindowTest {
 protected:
  app::MainWindow& start() {
    putDuke();
    fs.makeDirectories("D:\\MAPS\\FRIENDS");
    app::MainWindow& w = startWindow();
    cat->current().set(gi::NoOverrideMapDir, 1);
    manager = std::make_unique<files::FileManager>(*cat, fs);
    manager->refreshForGame();
    host.files = manager.get();
    return w;
  }
  launch::MapDirectorySettings stored() {
    return launch::MapDirectorySettings::load(fs, cat->startupDirectory());
  }
  std::unique_ptr<files::FileManager> manager;
};

TEST_F(MapDirectoryCommandsTest, TheShownDirectoryBecomesTheOverrideAndGoesAgain) {
  app::MainWindow& w = start();
  ASSERT_TRUE(manager->showDirectory(files::kShortDirList, "D:\\MAPS\\FRIENDS\\"));
  prompter.script({Answer::kYes});
  ASSERT_TRUE(w.execute(app::kCmdOverrideMapDir));
  EXPECT_EQ(prompter.texts().back(),
            "Do you want to change the default directory to D:\\MAPS\\FRIENDS\\?");
  EXPECT_EQ(stored().userMapDir, "D:\\MAPS\\FRIENDS\\");

  prompter.script({Answer::kYes});
  ASSERT_TRUE(w.execute(app::kCmdOverrideMapDir));
  EXPECT_NE(prompter.texts().back().find("remove D:\\MAPS\\FRIENDS\\"), std::string::npos);
  EXPECT_EQ(stored().userMapDir, "");

  // A game that takes no override directory refuses, and nothing is written.
  cat->current().set(gi::NoOverrideMapDir, 0);
  ASSERT_TRUE(w.execute(app::kCmdOverrideMapDir));
  EXPECT_NE(prompter.texts().back().find("does not accept an override directory"),
            std::string::npos);
}

TEST_F(MapDirectoryCommandsTest, TheTotalConversionDirectoryOfTheLastDriveShowsInTheLeftList) {
  app::MainWindow& w = start();
  fs.makeDirectories("C:\\TC\\CONV");
  fs.putFile("D:\\TC\\CONV\\GAME.CON", "x");
  fs.putFile("D:\\TC\\OTHER\\GAME.CON", "x");
  cat->current().set(gi::TcDir, "CONV", 0);
  cat->current().set(gi::TcDir, "OTHER", 1);
  ASSERT_TRUE(w.execute(app::kCmdTotalConversionDir));
  EXPECT_EQ(manager->list(files::kShortDirList).workDir(), "D:\\TC\\CONV\\");
  EXPECT_EQ(cat->gameData().get(gd::WorkDir, files::kShortDirList), "D:\\TC\\CONV\\");
  // Again: the second directory, then back.
  ASSERT_TRUE(w.execute(app::kCmdTotalConversionDir));
  EXPECT_EQ(manager->list(files::kShortDirList).workDir(), "D:\\TC\\OTHER\\");
  ASSERT_TRUE(w.execute(app::kCmdTotalConversionDir));
  EXPECT_EQ(manager->list(files::kShortDirList).workDir(), "D:\\TC\\CONV\\");
}

}  // namespace
