// The file manager's copy, move, delete, rename and create directory commands from the menu and
// the toolbar, on the lists' picks.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/command_ids.h"
#include "main_window_fixture.h"

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
using platform::Answer;

class FileCommandsTest : public apptest::MainWindowTest {
 protected:
  static constexpr const char* kMaps = "D:\\GAMES\\DUKE3D\\MAPS\\";

  app::MainWindow& start() {
    putDuke();
    fs.putFile(std::string(kMaps) + "MAP01.MAP", "map");
    fs.putFile(std::string(kMaps) + "MAP01.TXT", "text");
    fs.makeDirectories("D:\\NEWMAPS\\");
    app::MainWindow& w = startWindow();
    catalogue::GameInfoRecord& game = cat->current();
    game.set(gi::FileKindExtension, "MAP", 0);
    game.set(gi::FileKindShortDir, 1, 0);
    game.set(gi::FileKindLongDir, 1, 0);
    cat->gameData().set(gd::WorkDir, kMaps, files::kShortDirList);
    cat->gameData().set(gd::WorkDir, "D:\\NEWMAPS\\", files::kLongDirList);
    manager = std::make_unique<files::FileManager>(*cat, fs);
    manager->refreshForGame();
    host.files = manager.get();
    return w;
  }
  void pickLeft(const std::string& text) {
    const auto t = manager->list(files::kShortDirList).texts();
    const auto at = std::find(t.begin(), t.end(), text);
    ASSERT_NE(at, t.end()) << text;
    manager->select(files::kShortDirList, size_t(at - t.begin()));
  }

  std::unique_ptr<files::FileManager> manager;
};

TEST_F(FileCommandsTest, MenuAndToolbarCopyAndMoveThePickIntoTheLongNameDirectory) {
  app::MainWindow& w = start();
  pickLeft("MAP01.MAP");
  prompter.script({Answer::kOk, Answer::kOk});
  EXPECT_TRUE(w.isEnabled(app::kCmdFileCopy));
  ASSERT_TRUE(w.execute(app::kCmdToolCopy));
  EXPECT_EQ(prompter.texts().back(),
            "Copy \n\rSource: D:\\GAMES\\DUKE3D\\MAPS\\MAP01.MAP\r\nDest: D:\\NEWMAPS\\MAP01.MAP");
  EXPECT_TRUE(fs.exists("D:\\NEWMAPS\\MAP01.MAP"));
  EXPECT_EQ(host.fileListRefreshes, 1);
  fs.deleteFile("D:\\NEWMAPS\\MAP01.MAP");
  ASSERT_TRUE(w.execute(app::kCmdFileMove));
  EXPECT_FALSE(fs.exists(std::string(kMaps) + "MAP01.MAP"));
  EXPECT_TRUE(fs.exists("D:\\NEWMAPS\\MAP01.MAP"));
}

TEST_F(FileCommandsTest, DeleteAsksForTheFileAndItsTextAndRefreshesTheLists) {
  app::MainWindow& w = start();
  pickLeft("MAP01.MAP");
  prompter.script({Answer::kYes, Answer::kYes});
  ASSERT_TRUE(w.execute(app::kCmdFileDelete));
  EXPECT_EQ(prompter.boxes().size(), 2u);
  EXPECT_EQ(fs.trashed().size(), 2u);
  EXPECT_EQ(host.fileListRefreshes, 1);
}

TEST_F(FileCommandsTest, RenameOffersTheNameWithoutItsExtensionAndCancelChangesNothing) {
  app::MainWindow& w = start();
  pickLeft("MAP01.MAP");
  ASSERT_TRUE(w.execute(app::kCmdFileRename));
  EXPECT_TRUE(fs.exists(std::string(kMaps) + "MAP01.MAP"));
  host.onNameDialog = [](files::NameDialog& d) {
    d.setName("CITY");
    return true;
  };
  ASSERT_TRUE(w.execute(app::kCmdToolRename));
  EXPECT_EQ(host.nameDialogs, (std::vector<std::string>{"Rename: MAP01", "Rename: MAP01"}));
  EXPECT_TRUE(fs.exists(std::string(kMaps) + "CITY.MAP"));
  EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(FileCommandsTest, NewDirectoryGoesIntoTheListLastWorkedIn) {
  app::MainWindow& w = start();
  pickLeft("MAP01.MAP");
  host.onNameDialog = [](files::NameDialog& d) {
    d.setName("EPISODE2");
    return true;
  };
  ASSERT_TRUE(w.execute(app::kCmdFileCreateDirectory));
  EXPECT_EQ(host.nameDialogs, (std::vector<std::string>{"Create New Directory: "}));
  EXPECT_TRUE(fs.stat(std::string(kMaps) + "EPISODE2")->isDirectory());
}

TEST_F(FileCommandsTest, WithoutAPickOrAFileManagerNothingIsTouched) {
  app::MainWindow& w = start();
  prompter.script({Answer::kYes});
  ASSERT_TRUE(w.execute(app::kCmdFileDelete));
  EXPECT_EQ(prompter.texts(),
            (std::vector<std::string>{"Select a file in the LEFT list box first."}));
  EXPECT_TRUE(fs.trashed().empty());
  app::MainWindow& bare = makeWindow({true, false});
  EXPECT_FALSE(bare.execute(app::kCmdFileDelete));
}

}  // namespace
