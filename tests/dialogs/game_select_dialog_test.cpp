// Paging of the game select dialog and what pressing one of its buttons does to the catalogue.
#include "catalogue/dialogs/game_select_dialog.h"

#include "dialogs_fixture.h"

namespace {

using namespace catalogue;
using catalogue::dialogs::DefineGameDialog;
using catalogue::dialogs::GameSelectDialog;

class GameSelectDialogTest : public dialogtest::DialogTest {
 protected:
  void putGames(int count) {
    for (int slot = 1; slot < count; ++slot) putGame(slot, "Game" + std::to_string(slot));
  }
  GameInfoRecord buffer;
};

TEST_F(GameSelectDialogTest, NextPageMovesOneSlotWhileTheLastButtonHoldsAGame) {
  Catalogue& c = started();
  putGames(22);  // slots 0-21
  GameSelectDialog d(c, 0, 0, buffer);
  EXPECT_EQ(d.buttonLabel(2), "Game1");
  EXPECT_EQ(d.buttonLabel(20), "Game19");
  d.nextPage();
  EXPECT_EQ(d.offset(), 1);
  EXPECT_EQ(d.buttonLabel(1), "Game1");
  EXPECT_EQ(d.buttonLabel(20), "Game20");
  d.nextPage();
  d.nextPage();
  EXPECT_EQ(d.offset(), 3);
  EXPECT_EQ(d.buttonLabel(19), "Game21");
  EXPECT_EQ(d.buttonLabel(20), "");  // slot 22: no game, a blank button
  d.nextPage();
  EXPECT_EQ(d.offset(), 3);

  for (int i = 0; i < 5; ++i) d.prevPage();
  EXPECT_EQ(d.offset(), 0);
}

TEST_F(GameSelectDialogTest, AnUnnamedOrUndefinedLastSlotStopsTheButtons) {
  Catalogue& c = started();
  putGames(19);
  putGame(19, "");
  GameSelectDialog unnamed(c, 0, 0, buffer);
  unnamed.nextPage();
  EXPECT_EQ(unnamed.offset(), 0);

  GameInfoRecord notDefined;
  notDefined.set(game_info::GameName, "Named");
  notDefined.set(game_info::GameDir, "E:\\N\\");
  c.WriteGameRecord(19, notDefined);
  GameSelectDialog undefined(c, 0, 0, buffer);
  EXPECT_EQ(undefined.buttonLabel(20), "Named");
  undefined.nextPage();
  EXPECT_EQ(undefined.offset(), 0);
}

TEST_F(GameSelectDialogTest, PressingAnotherSlotSavesItAndPutsTheCurrentGameBack) {
  Catalogue& c = started();
  putGames(6);
  const GameInfoRecord before = c.current();
  GameSelectDialog d(c, 0, 0, buffer);
  int seenSlot = -1;
  d.pressButton(6, [&](DefineGameDialog& g) {
    seenSlot = g.slot();
    // The define-game dialog edits the pressed slot's record as the current one.
    EXPECT_EQ(c.currentSlot(), 5);
    EXPECT_EQ(g.fields().name, "Game5");
    g.fields().name = "Fifth";
    g.ok();
  });
  EXPECT_EQ(seenSlot, 5);
  EXPECT_EQ(c.currentSlot(), 0);
  EXPECT_EQ(c.current(), before);
  EXPECT_EQ(c.ReadGameRecord(5).get(game_info::GameName), "Fifth");
  EXPECT_EQ(d.buttonLabel(6), "Fifth");
  EXPECT_EQ(buffer, GameInfoRecord());  // slot 5 is not the caller's selection
}

TEST_F(GameSelectDialogTest, TheCallersSelectedSlotIsCopiedBackToItsBuffer) {
  Catalogue& c = started();
  GameSelectDialog d(c, 0, 0, buffer);
  d.pressButton(1, [](DefineGameDialog& g) {
    g.fields().skillCommand = "/s";
    g.ok();
  });
  EXPECT_EQ(buffer.get(game_info::SkillCommand), "/s");
  EXPECT_EQ(c.current().get(game_info::SkillCommand), "/s");  // the slot stayed current
  EXPECT_EQ(c.ReadGameRecord(0).get(game_info::SkillCommand), "/s");
}

TEST_F(GameSelectDialogTest, AnUndefinedSlotIsNotWritten) {
  Catalogue& c = started();
  GameSelectDialog d(c, 0, 0, buffer);
  EXPECT_EQ(d.buttonLabel(8), "");  // slot 7: Doom II was not found
  d.pressButton(8, [](DefineGameDialog& g) {
    g.fields().name = "Doom2";
    g.fields().executionFile = "E:\\DOOM2\\DOOM2.EXE";
    g.ok();
  });
  EXPECT_EQ(c.ReadGameRecord(7).get(game_info::GameName), "");
  EXPECT_EQ(d.buttonLabel(8), "");
}

TEST_F(GameSelectDialogTest, ProtectionCoversTheFirstTenSlotsOnly) {
  Catalogue& c = started();
  putGames(12);
  std::vector<int> advanced;
  auto record = [&](DefineGameDialog& g) { advanced.push_back(g.advancedSetup()); };
  GameSelectDialog protectedDialog(c, 1, 0, buffer);
  protectedDialog.pressButton(10, record);  // slot 9
  protectedDialog.pressButton(11, record);  // slot 10
  GameSelectDialog open(c, 0, 0, buffer);
  open.pressButton(4, record);
  EXPECT_EQ(advanced, (std::vector<int>{1, 0, 0}));
}

}  // namespace

namespace {

// "Run with:" comes in from the settings beside the records and goes back only after OK.
TEST_F(GameSelectDialogTest, RunWithIsShownAndKeptPerSlotOnlyAfterOk) {
  Catalogue& c = started();
  putGame(20, "Freedoom: Phase 2");
  ASSERT_TRUE(
      c.setRunWith(20, RunWith{true, "/usr/games/chocolate-doom", {"-iwad", "/a b/x.wad"}}));
  GameSelectDialog d(c, 0, 0, buffer);

  d.defineSlot(20, [](DefineGameDialog& g) {
    EXPECT_EQ(g.fields().runWith, 1);
    EXPECT_TRUE(g.nativeFieldsEnabled());
    EXPECT_EQ(g.fields().nativeProgram, "/usr/games/chocolate-doom");
    EXPECT_EQ(g.fields().nativeArguments, "-iwad \"/a b/x.wad\"");
    g.fields().runWith = 0;  // cancelled: nothing changes
  });
  EXPECT_TRUE(c.runWith(20).native);

  d.defineSlot(20, [](DefineGameDialog& g) {
    g.fields().runWith = 0;
    EXPECT_FALSE(g.nativeFieldsEnabled());
    g.ok();
  });
  // DOSBox again; the program and its arguments stay for a switch back.
  EXPECT_EQ(c.runWith(20), (RunWith{false, "/usr/games/chocolate-doom", {"-iwad", "/a b/x.wad"}}));
  EXPECT_EQ(c.currentSlot(), 0);  // the current game is put back

  d.defineSlot(20, [](DefineGameDialog& g) {
    EXPECT_EQ(g.fields().runWith, 0);
    g.fields().runWith = 1;
    g.nativeProgramChosen("/opt/port");
    g.fields().nativeArguments = "-iwad '/x' \"\"";
    g.ok();
  });
  EXPECT_EQ(c.runWith(20), (RunWith{true, "/opt/port", {"-iwad", "'/x'", ""}}));
  // Another slot is untouched; an undefined slot keeps nothing.
  EXPECT_EQ(c.runWith(0), RunWith{});
  d.defineSlot(30, [](DefineGameDialog& g) {
    g.fields().runWith = 1;
    g.ok();
  });
  EXPECT_EQ(c.runWith(30), RunWith{});
}

}  // namespace
