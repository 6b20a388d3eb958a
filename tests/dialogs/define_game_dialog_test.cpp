// The define-game dialog: its fields, what OK stores under the advanced setup, copy and paste
// of definitions, and when the file list settings open.
#include "catalogue/dialogs/define_game_dialog.h"

#include <gtest/gtest.h>

namespace {

using namespace catalogue;
using catalogue::dialogs::DefineGameDialog;
using catalogue::dialogs::DefinitionPage;

GameInfoRecord builtIn() {
  GameInfoRecord r;
  r.set(game_info::GameName, "Blood");
  r.set(game_info::GameDir, "D:\\BLOOD\\");
  r.set(game_info::ExecuteFile, "BLOOD.EXE");
  r.set(game_info::ModemExecuteFile, "COMMIT.EXE");
  r.set(game_info::SkillCommand, "-s<skill>");
  r.set(game_info::EpisodeCommand, "-e<episode>");
  r.set(game_info::LevelCommand, "-l<level>");
  r.set(game_info::SkillMin, 1);
  r.set(game_info::SkillMax, 5);
  r.set(game_info::EpisodeMax, 6);
  r.set(game_info::LevelMax, 9);
  r.set(game_info::GameKind, 4);
  r.set(game_info::IsDefined, 1);
  return r;
}

void editDefinition(DefineGameDialog& d) {
  auto& f = d.fields();
  f.name = "My Blood";
  f.skillCommand = "/skill";
  f.episodeCommand = "/ep";
  f.levelCommand = "/lv";
  f.skillMin = "0";
  f.skillMax = "300";  // cut to a byte
  f.levelMax = "x";    // no number: the old value stays
  f.preventOverride = true;
}

class DefineGameDialogTest : public ::testing::Test {
 protected:
  GameInfoRecord record = builtIn();
  GameInfoRecord clipboard;
};

TEST_F(DefineGameDialogTest, FieldsShowTheRecord) {
  DefineGameDialog d(record, 3, 0, "D:\\BLOOD\\", clipboard);
  EXPECT_EQ(d.fields().name, "Blood");
  EXPECT_EQ(d.fields().executionFile, "D:\\BLOOD\\BLOOD.EXE");
  EXPECT_EQ(d.fields().skillMin, "1");
  EXPECT_EQ(d.fields().skillMax, "5");
  EXPECT_EQ(d.fields().levelMax, "9");
  EXPECT_EQ(d.fields().gameType, -1);  // Blood is not in the list
  record.set(game_info::GameKind, 6);
  EXPECT_EQ(DefineGameDialog(record, 5, 0, "", clipboard).fields().gameType, 3);  // Quake
}

TEST_F(DefineGameDialogTest, OkSplitsTheExecutionFileAndStoresTheDefinition) {
  DefineGameDialog d(record, 20, 0, "", clipboard);
  editDefinition(d);
  d.fields().executionFile = "E:\\GAMES\\BLOOD\\BLOOD2.EXE";
  d.ok();
  EXPECT_EQ(record.get(game_info::GameDir), "E:\\GAMES\\BLOOD\\");
  EXPECT_EQ(record.get(game_info::ExecuteFile), "BLOOD2.EXE");
  EXPECT_EQ(record.get(game_info::GameName), "My Blood");
  EXPECT_EQ(record.get(game_info::GameKind), 4);  // a type beyond the list is kept
  EXPECT_EQ(record.get(game_info::SkillCommand), "/skill");
  EXPECT_EQ(record.get(game_info::EpisodeCommand), "/ep");
  EXPECT_EQ(record.get(game_info::LevelCommand), "/lv");
  EXPECT_EQ(record.get(game_info::SkillMin), 0);
  EXPECT_EQ(record.get(game_info::SkillMax), 255);
  EXPECT_EQ(record.get(game_info::LevelMax), 9);
  EXPECT_EQ(record.get(game_info::PreventOverride), 1);

  DefineGameDialog again(record, 20, 0, "", clipboard);
  again.fields().gameType = 2;
  again.fields().executionFile = "GAME.EXE";  // no directory: the game's stays
  again.ok();
  EXPECT_EQ(record.get(game_info::GameKind), 2);
  EXPECT_EQ(record.get(game_info::GameDir), "E:\\GAMES\\BLOOD\\");
  EXPECT_EQ(record.get(game_info::ExecuteFile), "GAME.EXE");
}

TEST_F(DefineGameDialogTest, AdvancedSetupKeepsTheBuiltInSwitchesOfSlotsUpTo17) {
  DefineGameDialog d(record, 3, 1, "", clipboard);
  EXPECT_TRUE(d.keepsBuiltInDefinition());
  editDefinition(d);
  d.ok();
  EXPECT_EQ(record.get(game_info::GameName), "My Blood");
  EXPECT_EQ(record.get(game_info::SkillCommand), "-s<skill>");
  EXPECT_EQ(record.get(game_info::EpisodeCommand), "-e<episode>");
  EXPECT_EQ(record.get(game_info::LevelCommand), "-l<level>");
  EXPECT_EQ(record.get(game_info::SkillMin), 1);
  EXPECT_EQ(record.get(game_info::SkillMax), 5);
  EXPECT_EQ(record.get(game_info::PreventOverride), 0);

  for (int slot : {17, 18}) {
    GameInfoRecord r = builtIn();
    DefineGameDialog edge(r, slot, 1, "", clipboard);
    editDefinition(edge);
    edge.ok();
    EXPECT_EQ(r.get(game_info::SkillCommand), slot == 17 ? "-s<skill>" : "/skill") << slot;
  }
  GameInfoRecord open = builtIn();
  DefineGameDialog withoutAdvanced(open, 3, 0, "", clipboard);
  editDefinition(withoutAdvanced);
  withoutAdvanced.ok();
  EXPECT_EQ(open.get(game_info::SkillCommand), "/skill");
}

TEST_F(DefineGameDialogTest, PasteCopiesTheDefinitionButNotTheGameItself) {
  DefineGameDialog source(record, 3, 0, "", clipboard);
  source.copyParameters();
  EXPECT_EQ(clipboard, record);

  GameInfoRecord target;
  target.set(game_info::GameName, "Mine");
  target.set(game_info::GameDir, "E:\\MINE\\");
  target.set(game_info::ExecuteFile, "MINE.EXE");
  DefineGameDialog d(target, 25, 0, "", clipboard);
  d.pasteParameters();
  EXPECT_EQ(d.fields().name, "Mine");
  EXPECT_EQ(d.fields().executionFile, "E:\\MINE\\MINE.EXE");
  EXPECT_EQ(d.fields().skillCommand, "-s<skill>");
  EXPECT_EQ(d.fields().skillMax, "5");
  // Everything from the first connection program on is the clipboard's.
  EXPECT_EQ(target.get(game_info::ModemExecuteFile), "COMMIT.EXE");
  EXPECT_EQ(target.get(game_info::IsDefined), 1);
  EXPECT_EQ(target.get(game_info::GameKind), 4);
  EXPECT_EQ(target.get(game_info::GameDir), "E:\\MINE\\");
  EXPECT_EQ(target.get(game_info::ExecuteFile), "MINE.EXE");
}

TEST_F(DefineGameDialogTest, PastingIntoAnUndefinedSlotTakesTheClipboardsNameAndProgram) {
  clipboard = builtIn();
  GameInfoRecord target;
  target.set(game_info::GameName, "Undefine");
  DefineGameDialog d(target, 12, 0, "", clipboard);
  d.pasteParameters();
  EXPECT_EQ(d.fields().name, "Blood");
  EXPECT_EQ(d.fields().executionFile, "D:\\BLOOD\\BLOOD.EXE");
  d.ok();
  EXPECT_EQ(target.get(game_info::GameName), "Blood");
  EXPECT_EQ(target.get(game_info::GameDir), "D:\\BLOOD\\");

  GameInfoRecord blank;
  DefineGameDialog empty(blank, 13, 0, "", clipboard);
  empty.pasteParameters();
  EXPECT_EQ(empty.fields().name, "Blood");
}

TEST_F(DefineGameDialogTest, PastingAnEmptyClipboardDoesNothing) {
  const GameInfoRecord before = record;
  DefineGameDialog d(record, 3, 0, "", clipboard);
  d.fields().name = "";
  d.pasteParameters();
  EXPECT_EQ(record, before);
  EXPECT_EQ(d.fields().name, "");
}

TEST_F(DefineGameDialogTest, TheProcessClipboardIsSharedByEveryDialog) {
  GameInfoRecord other;
  DefineGameDialog(record, 3, 0, "").copyParameters();
  DefineGameDialog d(other, 30, 0, "");
  d.pasteParameters();
  EXPECT_EQ(d.fields().name, "Blood");
  dialogs::gameClipboard().clear();
}

TEST_F(DefineGameDialogTest, FileListSettingsNeedAnOpenSlotAndARealName) {
  auto opens = [&](int slot, int advanced, const std::string& name) {
    DefineGameDialog d(record, slot, advanced, "", clipboard);
    d.fields().name = name;
    return d.canOpen(DefinitionPage::kFileList);
  };
  EXPECT_TRUE(opens(3, 0, "Blood"));
  EXPECT_FALSE(opens(17, 1, "Blood"));
  EXPECT_TRUE(opens(18, 1, "Blood"));
  EXPECT_FALSE(opens(18, 1, ""));
  EXPECT_FALSE(opens(3, 0, "Undefine"));

  DefineGameDialog d(record, 3, 1, "", clipboard);
  d.fields().name = "";
  for (DefinitionPage page : dialogs::kDefinitionPages)
    if (page != DefinitionPage::kFileList) {
      EXPECT_TRUE(d.canOpen(page));
    }
}

}  // namespace
