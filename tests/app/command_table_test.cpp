// The routing table: every command the window knows is there once with its text, and only
// what this build carries out is usable.
#include "app/command_table.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/command_ids.h"

namespace {

using app::Feature;

std::vector<int> range(int first, int last) {
  std::vector<int> ids;
  for (int id = first; id <= last; ++id) ids.push_back(id);
  return ids;
}

// The commands of the main window's menus, toolbars and accelerators, written out here on
// their own so that the table is checked against something it was not made from.
std::vector<int> everyRoutedId() {
  std::vector<int> ids = {
      32828, 32902, 32801, 32793, 32794, 32795, 32796, 32891, 32892, 32893, 32895, 57665, 32771,
      32772, 32773, 32774, 32775, 32776, 32777, 32811, 32784, 32785, 32920, 32804, 59392, 59393,
      32976, 32866, 32985, 32880, 32914, 32787, 32917, 32788, 32916, 32927, 32924, 32926, 32923,
      32941, 32994, 32813, 32814, 32921, 32903, 32910, 32911, 32912, 32913, 32918, 32919, 32939,
      32940, 32988, 32992, 32802, 32818, 32819, 57664, 32955, 32970, 32966, 32956, 32957, 32954,
      32952, 32958, 32959, 32968, 32984, 32953, 32969, 32995};
  for (auto r :
       {range(32881, 32890), range(32933, 32937), range(32779, 32783), range(32972, 32975),
        range(32977, 32980), range(32846, 32865), range(32823, 32827), range(32874, 32878)})
    ids.insert(ids.end(), r.begin(), r.end());
  return ids;
}

TEST(CommandTable, EveryCommandIsRoutedOnceWithAText) {
  std::set<int> seen;
  for (const app::CommandInfo& c : app::commandTable()) {
    EXPECT_TRUE(seen.insert(c.id).second) << "twice: " << c.id;
    EXPECT_FALSE(c.text.empty()) << c.id;
  }
  for (int id : everyRoutedId()) EXPECT_TRUE(seen.count(id)) << "missing: " << id;
}

TEST(CommandTable, TextsAreTheMenuTexts) {
  EXPECT_EQ(app::findCommand(32828)->text, "&Run");
  EXPECT_EQ(app::findCommand(32902)->text, "Run game with selected parameters");
  EXPECT_EQ(app::findCommand(32881)->text, "Slot 1");
  EXPECT_EQ(app::findCommand(32890)->text, "Slot 10");
  EXPECT_EQ(app::findCommand(57664)->text, "&About 3DQuillfen95...");
  EXPECT_EQ(app::findCommand(32892)->text, "&Set FileManager at Expert Mode");
  EXPECT_EQ(app::findCommand(32940)->text, "Set an override directory for map launching.");
  EXPECT_EQ(app::findCommand(32846)->text, "GamePick0");
  EXPECT_EQ(app::findCommand(32970)->text, "Duke3D 1.4&1.5");
  EXPECT_EQ(app::findCommand(32995)->text, "&Drives...");
}

TEST(CommandTable, ExtractionRangeLeavesOtherCommandsTheirIds) {
  // The range 32812-32842 holds the run, setup, help and FAQ commands too.
  EXPECT_EQ(app::findCommand(32828)->feature, Feature::kLaunch);
  EXPECT_EQ(app::findCommand(32813)->feature, Feature::kSetupPrograms);
  EXPECT_EQ(app::findCommand(32818)->feature, Feature::kTextViewing);
  EXPECT_EQ(app::findCommand(32823)->feature, Feature::kHelpFiles);
  EXPECT_EQ(app::findCommand(32812)->feature, Feature::kExtraction);
  EXPECT_EQ(app::findCommand(32842)->feature, Feature::kExtraction);
  std::span<const int> extra = app::extractionRangeIds();
  ASSERT_GE(extra.size(), 16u);
  EXPECT_EQ(app::findCommand(extra[0])->text, "Tiles000.Art");
  EXPECT_EQ(app::findCommand(extra[15])->text, "Tiles015.Art");
}

TEST(CommandTable, WithoutDialogsAndFileManagerTheirCommandsAreNotBuilt) {
  const app::FeatureSet bare = app::builtFeatures({});
  for (int id : {32866, 32788, 32916, 32880, 32914, 32787, 32917, 32893, 32895, 32985, 32995})
    EXPECT_FALSE(app::commandBuilt(id, bare)) << id;
  for (int id : {32828, 32902, 32881, 32846, 32955, 57665, 32921, 32903, 32823, 32891, 32892, 59392,
                 59393, 32976, 32972, 32980, 32923, 57664, 32919})
    EXPECT_TRUE(app::commandBuilt(id, bare)) << id;

  const app::FeatureSet full = app::builtFeatures({true, true});
  for (int id : {32866, 32788, 32880, 32787, 32893, 32895, 32985, 32995})
    EXPECT_TRUE(app::commandBuilt(id, full)) << id;
}

TEST(CommandTable, FeaturesOfOtherSubsystemsStayDisabled) {
  const app::FeatureSet full = app::builtFeatures({true, true});
  // The cheat code text.
  EXPECT_FALSE(app::commandBuilt(32988, full));
  // The setup programs need neither the dialogs nor the file manager.
  for (int id : {32813, 32814})
    EXPECT_TRUE(app::commandBuilt(id, app::builtFeatures({false, false}))) << id;
  // The map editor's commands, the text and help files, the map directories, the unzip profile.
  for (int id : {32771, 32772, 32773, 32774, 32804, 32918, 32818, 32819, 32940, 32992, 32939})
    EXPECT_TRUE(app::commandBuilt(id, full)) << id;
  // The joystick commands come with the dialogs (its settings are one).
  for (int id : {32927, 32924, 32926}) {
    EXPECT_TRUE(app::commandBuilt(id, full)) << id;
    EXPECT_FALSE(app::commandBuilt(id, app::builtFeatures({false, true}))) << id;
  }
  // The extraction commands and the art editor need no dialogs.
  for (int id : {32775, 32777, 32812})
    EXPECT_TRUE(app::commandBuilt(id, app::builtFeatures({false, false}))) << id;
  // The CON editor and the weapon order come with the dialogs.
  for (int id : {32920, 32941, 32784}) {
    EXPECT_TRUE(app::commandBuilt(id, full)) << id;
    EXPECT_FALSE(app::commandBuilt(id, app::builtFeatures({false, true}))) << id;
  }
  // The file operations come with the file manager.
  for (int id : {32801, 32793, 32794, 32795, 32796, 32933, 32937}) {
    EXPECT_TRUE(app::commandBuilt(id, full)) << id;
    EXPECT_FALSE(app::commandBuilt(id, app::builtFeatures({true, false}))) << id;
  }
  // Items without a command never are.
  for (int id : {32869, 32870, 32879, 32942, 32943, 32944, 32945})
    EXPECT_FALSE(app::commandBuilt(id, full)) << id;
  EXPECT_FALSE(app::commandBuilt(12345, full));
}

TEST(CommandTable, SelectGameButtonsPickTheirSlots) {
  ASSERT_EQ(app::selectGameButtons().size(), 13u);
  auto quake = app::findSelectGameButton(32954);
  ASSERT_TRUE(quake);
  EXPECT_EQ(quake->slot, 5);
  EXPECT_EQ(quake->elseSlot, 15);
  EXPECT_EQ(app::findSelectGameButton(32984)->slot, 11);
  EXPECT_EQ(app::findSelectGameButton(32984)->elseSlot, -1);
  EXPECT_EQ(app::findSelectGameButton(32955)->elseSlot, 1);
  EXPECT_EQ(app::findSelectGameButton(32970)->elseSlot, 0);
  EXPECT_FALSE(app::findSelectGameButton(32972));  // a docking command in the same range
}

TEST(CommandTable, HelpFileIdsAreInMenuOrder) {
  EXPECT_EQ(app::helpFileIndex(32823), 0);
  EXPECT_EQ(app::helpFileIndex(32827), 4);
  EXPECT_EQ(app::helpFileIndex(32874), 5);
  EXPECT_EQ(app::helpFileIndex(32878), 9);
  EXPECT_EQ(app::helpFileIndex(32879), -1);
}

}  // namespace
