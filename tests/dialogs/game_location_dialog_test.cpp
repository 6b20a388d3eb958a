// Paging, browsing, applying and committing of the game location dialog, and the first start
// that runs it.
#include "catalogue/dialogs/game_location_dialog.h"

#include "dialogs_fixture.h"

namespace {

using namespace catalogue;
using catalogue::dialogs::GameLocationDialog;
using catalogue::dialogs::GameSelectDialog;
using platform::Answer;

class GameLocationDialogTest : public dialogtest::DialogTest {};

TEST_F(GameLocationDialogTest, OpensOnTheFirstPageWithEachSlotsNameDirectoryAndProgram) {
  Catalogue& c = started();
  GameLocationDialog d(c, prompter, 0);
  EXPECT_EQ(d.offset(), 0);
  EXPECT_EQ(d.selectedSlot(), 0);
  EXPECT_EQ(d.row(0).directory, dukeDir);
  EXPECT_EQ(d.row(0).executable, "duke3d.exe");
  EXPECT_FALSE(d.row(0).name.empty());
  EXPECT_FALSE(d.row(0).edited);
  for (int r = 1; r < GameLocationDialog::kRows; ++r) EXPECT_EQ(d.row(r).directory, "") << r;
}

TEST_F(GameLocationDialogTest, PrevPageStopsAtTheFirstPage) {
  Catalogue& c = started();
  GameLocationDialog d(c, prompter, 0);
  d.prevPage();
  EXPECT_EQ(d.offset(), 0);
  EXPECT_EQ(d.row(0).directory, dukeDir);
  d.nextPage();
  d.nextPage();
  d.prevPage();
  EXPECT_EQ(d.offset(), 5);
  d.prevPage();
  d.prevPage();
  EXPECT_EQ(d.offset(), 0);
}

TEST_F(GameLocationDialogTest, BeyondOffsetFourteenNextPageNeedsAGameOnThePageEnds) {
  Catalogue& c = started();
  GameLocationDialog d(c, prompter, 0);
  for (int i = 0; i < 3; ++i) d.nextPage();  // the built-in pages are always open
  ASSERT_EQ(d.offset(), 15);
  d.nextPage();  // slots 15 and 19 hold no game
  EXPECT_EQ(d.offset(), 15);

  // A game in the page's last slot opens the next page.
  d.browseChose(4, "E:\\MYGAME\\PLAY.EXE");
  d.nextPage();
  EXPECT_EQ(d.offset(), 20);
  EXPECT_EQ(d.row(0).directory, "");
  d.nextPage();
  EXPECT_EQ(d.offset(), 20);
  d.prevPage();
  EXPECT_EQ(d.offset(), 15);
  EXPECT_EQ(d.row(4).name, "MYGAME");
}

TEST_F(GameLocationDialogTest, PageEndsCountWhenEitherIsDefinedAndEitherIsNamed) {
  Catalogue& c = started();
  putUndefined(15, "Named");  // named, but no game defined on the page
  {
    GameLocationDialog d(c, prompter, 0);
    for (int i = 0; i < 4; ++i) d.nextPage();
    EXPECT_EQ(d.offset(), 15);
  }
  putGame(19, "Last");
  putUndefined(15, "");
  GameLocationDialog d(c, prompter, 0);
  for (int i = 0; i < 4; ++i) d.nextPage();
  EXPECT_EQ(d.offset(), 20);
}

TEST_F(GameLocationDialogTest, BrowseDefinesTheRowsSlotOnOkAndMakesItCurrent) {
  Catalogue& c = started();
  GameLocationDialog d(c, prompter, 0);
  d.browseChose(2, "E:\\GAMES\\MYGAME\\MY.EXE");
  EXPECT_EQ(d.row(2).directory, "E:\\GAMES\\MYGAME\\");
  EXPECT_EQ(d.row(2).executable, "MY.EXE");
  EXPECT_TRUE(d.row(2).edited);

  d.ok();
  EXPECT_TRUE(d.committed());
  EXPECT_FALSE(d.row(2).edited);
  EXPECT_EQ(c.currentSlot(), 2);
  EXPECT_EQ(c.current().get(game_info::GameDir), "E:\\GAMES\\MYGAME\\");
  EXPECT_EQ(c.current().get(game_info::GameName), "RedNeck Rampage");  // its built-in definition
  EXPECT_EQ(c.currentGameDirectory(), "E:\\GAMES\\MYGAME\\");
  EXPECT_EQ(c.ReadGameRecord(2).get(game_info::IsDefined), 1);
  // The game that was current is untouched.
  EXPECT_EQ(c.ReadGameRecord(0).get(game_info::GameDir), dukeDir);
}

TEST_F(GameLocationDialogTest, ApplyingUnchangedRowsKeepsTheSelection) {
  Catalogue& c = started();
  putGame(3, "Other", "E:\\OTHER\\");
  GameLocationDialog d(c, prompter, 0);
  d.ok();  // rows 0 and 3 are applied: the later one must not become current
  EXPECT_EQ(c.currentSlot(), 0);
  EXPECT_EQ(c.current().get(game_info::GameDir), dukeDir);
  EXPECT_EQ(c.ReadGameRecord(3).get(game_info::GameName), "Other");
}

TEST_F(GameLocationDialogTest, ATypedDirectoryMovesTheGame) {
  Catalogue& c = started();
  GameLocationDialog d(c, prompter, 0);
  d.setRowDirectory(0, "E:\\DUKE");
  EXPECT_TRUE(d.row(0).edited);
  d.ok();
  EXPECT_EQ(c.currentSlot(), 0);
  EXPECT_EQ(c.current().get(game_info::GameDir), "E:\\DUKE\\");
  EXPECT_EQ(c.current().get(game_info::ExecuteFile), "duke3d.exe");
}

TEST_F(GameLocationDialogTest, ClosingCommitsWithoutApplyingTheRows) {
  Catalogue& c = started();
  GameLocationDialog d(c, prompter, 1);
  d.browseChose(1, "E:\\NEW\\NEW.EXE");
  d.close();
  EXPECT_EQ(c.currentSlot(), 0);
  EXPECT_EQ(c.univ().get(univ_info::AdvancedSetup), 1);
  EXPECT_EQ(c.ReadGameRecord(1).get(game_info::GameDir), "");
  d.ok();  // a second commit does nothing
  EXPECT_EQ(c.ReadGameRecord(1).get(game_info::GameDir), "");
}

TEST_F(GameLocationDialogTest, AdvanceSetupWithoutAGameAsksUntilTheUserGivesUp) {
  makeCatalogue();
  prompter.script({Answer::kOk});  // the twenty-games message
  int runs = 0;
  struct Runner : GameLocationDialogRunner {
    Catalogue* c;
    platform::Prompter* p;
    int* runs;
    int runGameLocationDialog(int advancedSetup) override {
      GameLocationDialog d(*c, *p, advancedSetup);
      d.advanceSetup([&](GameSelectDialog& s) {
        ++*runs;
        EXPECT_EQ(s.offset(), 0);
      });
      d.close();
      return c->currentSlot();
    }
  } runner;
  runner.c = cat;
  runner.p = &prompter;
  runner.runs = &runs;
  cat->setGameLocationDialog(&runner);
  // Advance setup: OK once, then Cancel; the first start's own question: Cancel.
  prompter.script({Answer::kOk, Answer::kCancel, Answer::kCancel});
  EXPECT_FALSE(cat->LoadCatalogue());
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(prompter.unscripted(), 0u);
  EXPECT_EQ(prompter.texts()[1], GameLocationDialog::kNoGameDefinedMessage);
}

TEST_F(GameLocationDialogTest, AdvanceSetupHandsTheSelectionAndProtectionOn) {
  Catalogue& c = started();
  GameLocationDialog d(c, prompter, 1);
  d.browseChose(1, "E:\\NEW\\NEW.EXE");
  int pressedAdvanced = -1;
  d.advanceSetup([&](GameSelectDialog& s) {
    // Slot 1 was just defined by applying the rows and is the selection now.
    EXPECT_EQ(c.currentSlot(), 1);
    s.pressButton(2, [&](dialogs::DefineGameDialog& g) {
      pressedAdvanced = g.advancedSetup();
      g.fields().name = "Renamed";
      g.ok();
    });
  });
  EXPECT_EQ(pressedAdvanced, 1);
  EXPECT_EQ(d.selectedSlot(), 1);
  EXPECT_EQ(d.row(1).name, "Renamed");
  EXPECT_TRUE(prompter.boxes().empty());
  d.close();
  EXPECT_EQ(c.currentSlot(), 1);
  EXPECT_EQ(c.current().get(game_info::GameName), "Renamed");
}

TEST_F(GameLocationDialogTest, FirstStartDefinesTheBrowsedGameAndStoresAdvancedSetup) {
  makeCatalogue();
  struct Runner : GameLocationDialogRunner {
    Catalogue* c;
    platform::Prompter* p;
    int runs = 0;
    int runGameLocationDialog(int advancedSetup) override {
      GameLocationDialog d(*c, *p, advancedSetup);
      // The first run closes without a game; the second pages on and defines slot 7.
      if (runs++ == 1) {
        d.nextPage();
        d.browseChose(2, "D:\\DOOM2\\DOOM2.EXE");
        d.ok();
      } else {
        d.close();
      }
      return c->currentSlot();
    }
  } runner;
  runner.c = cat;
  runner.p = &prompter;
  cat->setGameLocationDialog(&runner);
  prompter.script({Answer::kOk, Answer::kOk});
  ASSERT_TRUE(cat->LoadCatalogue());
  EXPECT_EQ(runner.runs, 2);
  EXPECT_EQ(cat->currentSlot(), 7);
  EXPECT_EQ(cat->current().get(game_info::GameDir), "D:\\DOOM2\\");
  EXPECT_EQ(cat->currentGameDirectory(), "D:\\DOOM2\\");
  EXPECT_EQ(cat->univ().get(univ_info::AdvancedSetup), 1);
}

}  // namespace
