// The pop-ups prepared as they open: saved-game slots, help files, file manager checks, the
// game list and the edit tools.
#include "app/menu_state.h"

#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "catalogue/catalogue_files.h"
#include "main_window_fixture.h"

namespace {

namespace gi = catalogue::game_info;
namespace ui = catalogue::univ_info;
using catalogue::GameInfoRecord;

TEST(SavedGameMenu, SlotsAreGreyedForAGameWithoutARunSavedGameCommand) {
  GameInfoRecord game;
  std::vector<app::MenuItem> items = app::savedGameItems(game);
  ASSERT_EQ(items.size(), 10u);
  for (const app::MenuItem& item : items) EXPECT_FALSE(item.enabled) << item.text;
  EXPECT_EQ(items[0].text, "Slot 1");
  EXPECT_EQ(items[0].id, 32881);
  EXPECT_EQ(items[9].text, "Slot 10");
  EXPECT_EQ(items[9].id, 32890);

  game.set(gi::RunSavedGameCommand, "/l");
  for (const app::MenuItem& item : app::savedGameItems(game)) EXPECT_TRUE(item.enabled);
}

TEST(HelpFileMenu, OneItemPerFileUpToTheFirstEmptyEntry) {
  GameInfoRecord game;
  for (size_t i = 0; i < 7; ++i) game.set(gi::HelpFile, "help" + std::to_string(i) + ".txt", i);
  game.set(gi::HelpFile, "", 7);
  game.set(gi::HelpFile, "after.txt", 8);  // past the gap: not listed
  std::vector<app::MenuItem> items = app::helpFileItems(game);
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items[0].text, "help0.txt");
  EXPECT_EQ(items[0].id, 32823);
  EXPECT_EQ(items[4].id, 32827);
  EXPECT_EQ(items[5].id, 32874);
  EXPECT_EQ(items[6].id, 32875);
  EXPECT_TRUE(app::helpFileItems(GameInfoRecord{}).empty());
}

TEST(FileManagerMenu, ExactlyOneTextTabItemIsChecked) {
  catalogue::UnivInfoRecord univ;
  app::FileManagerChecks checks = app::fileManagerChecks(univ);
  EXPECT_FALSE(checks.disabled);
  EXPECT_FALSE(checks.expert);
  EXPECT_FALSE(checks.autoTextTab);
  EXPECT_TRUE(checks.manualTextTab);

  univ.set(ui::DisableFileManager, 1);
  univ.set(ui::FileManagerExpertMode, 1);
  univ.set(ui::AutoTextTab, 1);
  checks = app::fileManagerChecks(univ);
  EXPECT_TRUE(checks.disabled);
  EXPECT_TRUE(checks.expert);
  EXPECT_TRUE(checks.autoTextTab);
  EXPECT_FALSE(checks.manualTextTab);
}

TEST(EditToolsMenu, ItemsFollowTheGamesMenuFlags) {
  GameInfoRecord game;
  app::EditToolsState state = app::editToolsState(game);
  EXPECT_EQ(state.items, (std::array<bool, 3>{false, false, false}));
  EXPECT_FALSE(state.userCon.enabled);
  game.set(gi::MenuItemEnabled, 1, 1);
  game.set(gi::MenuItemEnabled, 1, 3);
  state = app::editToolsState(game);
  EXPECT_EQ(state.items, (std::array<bool, 3>{false, true, false}));
  EXPECT_TRUE(state.userCon.enabled);
  EXPECT_EQ(state.userCon.id, 32920);
  EXPECT_EQ(state.userCon.text, "Edit &UserCon File");
}

class GameMenuTest : public apptest::MainWindowTest {
 protected:
  GameMenuTest() {
    putDuke();
    fs.putFile("D:\\GAMES\\Quake\\QUAKE.EXE", "MZ");
  }
};

TEST_F(GameMenuTest, UndefinedSlotsAreGreyedAndOnlyTheCurrentOneIsChecked) {
  app::MainWindow& w = startWindow();
  ASSERT_EQ(cat->currentSlot(), 0);
  std::vector<app::MenuItem> items = w.gameMenu();
  ASSERT_EQ(items.size(), 20u);
  EXPECT_EQ(items[0].id, 32846);
  EXPECT_EQ(items[0].text, "Duke3D 1.3 Reg.");
  EXPECT_TRUE(items[0].enabled);
  EXPECT_TRUE(items[0].checked);
  EXPECT_EQ(items[5].text, "Quake");
  EXPECT_TRUE(items[5].enabled);
  EXPECT_FALSE(items[5].checked);
  // Not found: the stored name, greyed.
  EXPECT_EQ(items[7].text, "Doom II");
  EXPECT_FALSE(items[7].enabled);
  EXPECT_FALSE(items[7].checked);
  int checked = 0;
  for (const app::MenuItem& item : items) checked += item.checked;
  EXPECT_EQ(checked, 1);
  // The command states follow the pop-up.
  EXPECT_TRUE(w.isEnabled(32851));
  EXPECT_FALSE(w.isEnabled(32853));
  EXPECT_TRUE(w.isChecked(32846));
  EXPECT_FALSE(w.isChecked(32851));
}

TEST_F(GameMenuTest, TheRecordsAreReadWithoutTouchingTheCurrentGame) {
  app::MainWindow& w = startWindow();
  cat->gameData().set(catalogue::game_data::SkillIndex, 3);
  cat->current().set(gi::GameName, "Renamed in memory");
  std::vector<app::MenuItem> items = w.gameMenu();
  EXPECT_EQ(items[0].text, "Duke3D 1.3 Reg.");  // the file's, not the record in memory
  EXPECT_EQ(cat->gameData().get(catalogue::game_data::SkillIndex), 3);
  EXPECT_EQ(cat->current().get(gi::GameName), "Renamed in memory");
}

TEST_F(GameMenuTest, AGameFileThatCannotBeOpenedLeavesThePopUpAsItWas) {
  app::MainWindow& w = startWindow();
  w.gameMenu();
  fs.failOpen(cat->gameInfoPath());
  EXPECT_TRUE(w.gameMenu().empty());
  EXPECT_TRUE(w.isChecked(32846));  // the states of the last pop-up stand
}

TEST_F(GameMenuTest, ASlotBeyondTheEndOfTheFileReadsEmpty) {
  startWindow();
  EXPECT_EQ(app::readGameFileRecord(fs, cat->gameInfoPath(), 25), GameInfoRecord{});
  EXPECT_EQ(app::readGameFileRecord(fs, cat->gameInfoPath(), -1), GameInfoRecord{});
  EXPECT_TRUE(app::isDefinedGame(app::readGameFileRecord(fs, cat->gameInfoPath(), 5)));
  EXPECT_FALSE(app::isDefinedGame(app::readGameFileRecord(fs, cat->gameInfoPath(), 7)));
}

}  // namespace
