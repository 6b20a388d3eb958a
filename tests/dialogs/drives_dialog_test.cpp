// The Drives dialog's rules over the fake machine's drive map.
#include "catalogue/dialogs/drives_dialog.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

using catalogue::dialogs::DrivesDialog;

class DrivesDialogTest : public ::testing::Test {
 protected:
  DrivesDialogTest() {
    fs.addDrive('Z');
    fs.makeHostFolder("/home/player/My Games");
    fs.makeHostFolder("/mnt/cdrom");
    fs.putHostFile("/home/player/notes.txt", "x");
  }
  std::string letters(const DrivesDialog& d) const {
    std::string text;
    for (const auto& row : d.rows()) text += row.letter;
    return text;
  }

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
};

TEST_F(DrivesDialogTest, OpensWithTheMappingsAndNothingSelected) {
  DrivesDialog d(fs, prompter);
  EXPECT_EQ(letters(d), "CZ");
  EXPECT_EQ(DrivesDialog::letterText(d.rows()[0]), "C:");
  EXPECT_EQ(DrivesDialog::folderText(d.rows()[0]), "/fake/drive_c");
  EXPECT_EQ(d.selected(), -1);
  d.select(5);
  EXPECT_EQ(d.selected(), -1);
  EXPECT_FALSE(d.selectLetter('Q'));
  EXPECT_TRUE(d.canAdd());
  EXPECT_FALSE(d.canChange());
  EXPECT_FALSE(d.canRemove());
  EXPECT_EQ(d.addChooserTitle(), "Choose the folder for drive D:");
  EXPECT_FALSE(d.changed());
}

TEST_F(DrivesDialogTest, AddMapsTheNextFreeLetterAndSelectsIt) {
  DrivesDialog d(fs, prompter);
  ASSERT_TRUE(d.add("/home/player/My Games"));
  EXPECT_EQ(letters(d), "CDZ");
  EXPECT_EQ(d.selectedLetter(), 'D');
  EXPECT_TRUE(d.canRemove());
  EXPECT_TRUE(d.changed());
  EXPECT_TRUE(fs.exists("D:\\"));
  ASSERT_TRUE(d.add("/mnt/cdrom"));
  EXPECT_EQ(d.selectedLetter(), 'E');
  EXPECT_EQ(d.addChooserTitle(), "Choose the folder for drive F:");
  EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(DrivesDialogTest, RefusedFolderIsExplainedAndChangesNothing) {
  DrivesDialog d(fs, prompter);
  EXPECT_FALSE(d.add("/home/player/notes.txt"));
  EXPECT_FALSE(d.add("/gone"));
  ASSERT_EQ(prompter.boxes().size(), 2u);
  EXPECT_EQ(prompter.boxes()[0].caption, "Drives");
  EXPECT_EQ(prompter.boxes()[0].text, "\"/home/player/notes.txt\" is not a folder.");
  EXPECT_EQ(prompter.boxes()[1].text, "The folder \"/gone\" does not exist.");
  EXPECT_EQ(letters(d), "CZ");
  EXPECT_FALSE(d.changed());
}

TEST_F(DrivesDialogTest, ChangeFolderOfTheSelectedDrive) {
  ASSERT_EQ(fs.mapDrive('D', "/mnt/cdrom"), "");
  DrivesDialog d(fs, prompter);
  EXPECT_FALSE(d.changeFolder("/home/player/My Games"));  // nothing selected
  ASSERT_TRUE(d.selectLetter('d'));
  EXPECT_EQ(d.changeChooserTitle(), "Choose the folder for drive D:");
  EXPECT_EQ(d.changeStartFolder(), "/mnt/cdrom");
  ASSERT_TRUE(d.changeFolder("/home/player/My Games"));
  EXPECT_EQ(fs.mapping('D')->hostFolder, "/home/player/My Games");
  EXPECT_EQ(d.selectedLetter(), 'D');
  // C: may be pointed elsewhere too; it only cannot go.
  ASSERT_TRUE(d.selectLetter('C'));
  EXPECT_TRUE(d.canChange());
  EXPECT_FALSE(d.canRemove());
}

TEST_F(DrivesDialogTest, RemoveKeepsCAndZAndMovesTheSelection) {
  ASSERT_EQ(fs.mapDrive('D', "/mnt/cdrom"), "");
  ASSERT_EQ(fs.mapDrive('E', "/mnt/cdrom"), "");
  DrivesDialog d(fs, prompter);
  d.selectLetter('Z');
  EXPECT_FALSE(d.removeSelected());
  d.selectLetter('C');
  EXPECT_FALSE(d.removeSelected());
  EXPECT_EQ(letters(d), "CDEZ");
  EXPECT_FALSE(d.changed());

  d.selectLetter('D');
  ASSERT_TRUE(d.removeSelected());
  EXPECT_EQ(letters(d), "CEZ");
  EXPECT_EQ(d.selectedLetter(), 'E');  // the row that took its place
  EXPECT_FALSE(fs.exists("D:\\"));
  EXPECT_EQ(d.nextLetter(), 'D');
}

TEST_F(DrivesDialogTest, FullMapCannotAdd) {
  for (char letter = 'D'; letter <= 'Y'; ++letter) ASSERT_EQ(fs.mapDrive(letter, "/mnt/cdrom"), "");
  DrivesDialog d(fs, prompter);
  EXPECT_FALSE(d.canAdd());
  EXPECT_FALSE(d.add("/home/player/My Games"));
  EXPECT_EQ(prompter.texts().back(), "Every drive letter from D: to Y: is taken.");
}

}  // namespace
