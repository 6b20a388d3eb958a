// The CON editor's rules over a USER file in memory: tabs and rows, assigning and renaming,
// walking the file list, and Finish writing exactly the edited text back; the weapon order.
#include "content/con_editor.h"

#include <gtest/gtest.h>

#include "content/weapon_order.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

using content::ConEditor;
using Rows = std::vector<std::string>;

constexpr const char* kDir = "C:\\ADDON\\";
constexpr const char* kUser = "C:\\ADDON\\USER.CON";

class ConEditorTest : public ::testing::Test {
 protected:
  ConEditorTest() {
    fs.putFile(kUser,
               "definevolumename 0 L.A. MELTDOWN\r\n"
               "definevolumename 1 LUNAR APOCALYPSE\r\n"
               "defineskillname 0 PIECE OF CAKE\r\n"
               "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n"
               "definelevelname 0 1 E1L2.MAP 05:10 03:21 RED LIGHT DISTRICT\r\n"
               "music 0 grabbag.mid briefing.mid\r\n"
               "music 1 stalker.mid dethtoll.mid streets.mid watrwld1.mid snake1.mid\r\n"
               "        thecall.mid ahgeez.mid dethtoll.mid streets.mid watrwld1.mid snake1.mid\r\n"
               "// end\r\n");
    fs.putFile("C:\\ADDON\\MYMAP.MAP", "m");
    fs.putFile("C:\\ADDON\\TUNE.MID", "t");
    fs.putFile("C:\\ADDON\\MORE\\FAR.MAP", "f");
  }
  std::string text() {
    const auto bytes = fs.readWhole(kUser);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "";
  }

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
};

TEST_F(ConEditorTest, TabsRowsAndAssigningFilesInBothModes) {
  ConEditor editor(fs, prompter, "GAME.CON", kDir, false);
  EXPECT_EQ(editor.tabs(), (Rows{"Vol0 : L.A. MELTDOWN", "Vol1 : LUNAR APOCALYPSE", "Vol2 : "}));
  EXPECT_EQ(editor.levelRows()[0], "E1L1.MAP : HOLLYWOOD HOLOCAUST");
  EXPECT_EQ(editor.levelRows()[2], " : ");
  EXPECT_EQ(editor.fileEntries(), (Rows{"[..]", "[MORE]", "MYMAP.MAP"}));
  editor.openFileEntry("MYMAP.MAP", -1);  // no row picked: nothing
  EXPECT_EQ(editor.levelRows()[0], "E1L1.MAP : HOLLYWOOD HOLOCAUST");
  editor.openFileEntry("MYMAP.MAP", 0);
  EXPECT_EQ(editor.levelRows()[0], "MYMAP.MAP : MYMAP.MAP");

  editor.setMode(ConEditor::Mode::kMusic);
  EXPECT_EQ(editor.fileEntries(), (Rows{"[..]", "[MORE]", "TUNE.MID"}));
  EXPECT_EQ(editor.levelRows()[1], "dethtoll.mid : RED LIGHT DISTRICT");
  editor.openFileEntry("TUNE.MID", 1);
  EXPECT_EQ(editor.levelRows()[1], "TUNE.MID : RED LIGHT DISTRICT");

  // A file from another directory: copied when the player says so, assigned either way.
  editor.setMode(ConEditor::Mode::kMaps);
  editor.openFileEntry("[MORE]", 0);
  EXPECT_EQ(editor.listDirectory(), "C:\\ADDON\\MORE\\");
  prompter.script({platform::Answer::kYes});
  editor.openFileEntry("FAR.MAP", 2);
  EXPECT_TRUE(fs.exists("C:\\ADDON\\FAR.MAP"));
  EXPECT_EQ(prompter.boxes().back().text, ConEditor::kCopyQuestion);
  EXPECT_EQ(editor.levelRows()[2], "FAR.MAP : FAR.MAP");
  editor.openFileEntry("[..]", -1);
  EXPECT_EQ(editor.listDirectory(), kDir);
}

TEST_F(ConEditorTest, NamesOfThirtyThreeCharactersAreDroppedAndUnnamedVolumesStay) {
  ConEditor editor(fs, prompter, "USER.CON", kDir, false);
  editor.renameLevel(0, std::string(32, 'a'));
  EXPECT_EQ(editor.data().level[0][0].name, std::string(32, 'a'));
  editor.renameLevel(0, std::string(33, 'b'));
  EXPECT_EQ(editor.data().level[0][0].name, std::string(32, 'a'));
  EXPECT_FALSE(editor.mayRenameVolume(2));  // three shown, the third has no name
  editor.renameVolume(1, "MOON");
  EXPECT_EQ(editor.tabs()[1], "Vol1 : MOON");
  EXPECT_EQ(editor.currentVolume(), 1);
}

TEST_F(ConEditorTest, FinishWritesTheEditsBackShorterAndAppendsNoMissingKey) {
  ConEditor editor(fs, prompter, "GAME.CON", kDir, false);
  editor.renameVolume(0, "LA");
  editor.renameLevel(1, "RLD");
  editor.chooseTab(1);
  editor.renameLevel(5, "NEW LEVEL");  // volume 1 has no level lines: nothing is appended
  ASSERT_TRUE(editor.finish());
  EXPECT_EQ(text(),
            "definevolumename 0 LA\r\n"
            "definevolumename 1 LUNAR APOCALYPSE\r\n"
            "defineskillname 0 PIECE OF CAKE\r\n"
            "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n"
            "definelevelname 0 1 E1L2.MAP 05:10 03:21 RLD\r\n"
            "music 0 grabbag.mid briefing.mid\r\n"
            "music 1 stalker.mid dethtoll.mid streets.mid watrwld1.mid snake1.mid\r\n"
            "        thecall.mid ahgeez.mid dethtoll.mid streets.mid watrwld1.mid snake1.mid\r\n"
            "// end\r\n");

  // A file at the size limit is left alone and the form stays.
  fs.putFile(kUser, std::string(ConEditor::kWriteBackLimit, 'x'));
  EXPECT_FALSE(editor.finish());
  EXPECT_EQ(text().size(), ConEditor::kWriteBackLimit);
}

TEST(WeaponOrder, AnUnsetOrderBecomesTheDefaultAndTheArrowsStopAtTheEnds) {
  catalogue::GameDataRecord data;
  content::WeaponOrder order(data);
  EXPECT_EQ(data.get(catalogue::game_data::WeaponOrder), "3457860291");
  EXPECT_EQ(order.entries().front(), "Shotgun");
  EXPECT_EQ(order.entries().back(), "Mighty Foot");
  EXPECT_EQ(order.moveUp(0), 0);
  EXPECT_EQ(order.moveDown(9), 9);
  EXPECT_EQ(order.moveDown(-1), -1);
  EXPECT_EQ(data.get(catalogue::game_data::WeaponOrder), "3457860291");
  EXPECT_EQ(order.moveDown(0), 1);
  EXPECT_EQ(data.get(catalogue::game_data::WeaponOrder), "4357860291");
  EXPECT_EQ(order.moveUp(9), 8);
  EXPECT_EQ(order.entries()[8], "Mighty Foot");
  catalogue::GameInfoRecord game;
  EXPECT_FALSE(content::WeaponOrder::available(game));
  game.set(catalogue::game_info::WeaponOrderCommand, "-w%i", 0);
  EXPECT_TRUE(content::WeaponOrder::available(game));
}

}  // namespace
