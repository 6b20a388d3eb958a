#include "files/file_operations.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace filestest {
namespace {

using platform::Answer;
using Texts = std::vector<std::string>;

class FileOperationsTest : public ::testing::Test {
 protected:
  static constexpr const char* kMaps = "C:\\MAPS\\";
  static constexpr const char* kMap = "C:\\MAPS\\MAP01.MAP";

  FileOperationsTest() {
    fs.addDrive('D');
    fs.putFile(kMap, "map data");
    fs.makeDirectories("C:\\GAMES\\");
    fs.makeDirectories("D:\\GAMES\\");
  }

  files::FileOperations ops(bool expert = false) { return {fs, prompter, expert}; }
  std::string text(const std::string& path) {
    auto bytes = fs.readWhole(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
  }

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
};

TEST_F(FileOperationsTest, DeleteOffersTheCompanionsInOrderAndSendsThemToTheTrash) {
  fs.putFile("C:\\MAPS\\MAP01.TXT", "desc");
  fs.putFile("C:\\MAPS\\MAP01.ZIP", "zip");
  prompter.script({Answer::kYes, Answer::kYes, Answer::kNo});
  EXPECT_TRUE(ops().deleteWithCompanions(kMap));
  EXPECT_EQ(prompter.texts(),
            (Texts{"Are you sure you want to DELETE:\n\rC:\\MAPS\\MAP01.MAP",
                   "Do you want to delete the text file (C:\\MAPS\\MAP01.txt) associated with "
                   "C:\\MAPS\\MAP01.MAP",
                   "Do you want to delete the zip file (C:\\MAPS\\MAP01.zip) associated with "
                   "C:\\MAPS\\MAP01.MAP"}));
  EXPECT_EQ(prompter.boxes()[0].buttons, platform::Buttons::kYesNo);
  EXPECT_EQ(fs.trashed(), (Texts{kMap, "C:\\MAPS\\MAP01.txt"}));
  EXPECT_TRUE(fs.exists("C:\\MAPS\\MAP01.ZIP"));  // answered No
}

TEST_F(FileOperationsTest, DeleteWithoutCompanionsAsksOnceAndNoKeepsTheFile) {
  prompter.script({Answer::kNo});
  EXPECT_FALSE(ops().deleteWithCompanions(kMap));
  EXPECT_EQ(prompter.boxes().size(), 1u);
  EXPECT_TRUE(fs.exists(kMap));

  prompter.script({Answer::kYes});
  EXPECT_TRUE(ops().deleteWithCompanions(kMap));
  EXPECT_EQ(prompter.boxes().size(), 2u);
  EXPECT_FALSE(fs.exists(kMap));
}

TEST_F(FileOperationsTest, ExpertModeDeletesTheFileAndEveryCompanionWithoutAQuestion) {
  fs.putFile("C:\\MAPS\\MAP01.TXT");
  fs.putFile("C:\\MAPS\\MAP01.ZIP");
  fs.putFile("C:\\MAPS\\MAP01.BCK");
  fs.putFile("C:\\MAPS\\MAP02.TXT");
  EXPECT_TRUE(ops(true).deleteWithCompanions(kMap));
  EXPECT_TRUE(prompter.boxes().empty());
  EXPECT_EQ(fs.trashed().size(), 4u);
  EXPECT_TRUE(fs.exists("C:\\MAPS\\MAP02.TXT"));

  fs.putFile("C:\\MAPS\\E1.MAP");
  EXPECT_TRUE(ops(true).copy("C:\\MAPS\\E1.MAP", "C:\\GAMES\\"));
  EXPECT_TRUE(ops(true).move("C:\\MAPS\\E1.MAP", "D:\\GAMES\\"));
  EXPECT_TRUE(prompter.boxes().empty());
  EXPECT_TRUE(fs.exists("C:\\GAMES\\E1.MAP"));
  EXPECT_TRUE(fs.exists("D:\\GAMES\\E1.MAP"));
  EXPECT_FALSE(fs.exists("C:\\MAPS\\E1.MAP"));
}

TEST_F(FileOperationsTest, CopyAndMoveOntoThemselvesShowTheSameFileMessageAndChangeNothing) {
  for (bool move : {false, true}) {
    // Another spelling of the same directory is the same file.
    const bool done = move ? ops().move(kMap, "c:\\maps") : ops().copy(kMap, kMaps);
    EXPECT_FALSE(done);
  }
  ASSERT_EQ(prompter.boxes().size(), 2u);
  EXPECT_EQ(prompter.texts()[0],
            "Source file (C:\\MAPS\\MAP01.MAP) is the same as destination (C:\\MAPS\\MAP01.MAP)."
            "\r\nTo copy/move file, select the source file in the LEFT list box.  Then select "
            "the destination Directory/Folder on the Long-Name tab (Right-List).");
  EXPECT_EQ(text(kMap), "map data");
}

TEST_F(FileOperationsTest, CopyAsksWithSourceAndDestinationAndCancelStops) {
  prompter.script({Answer::kCancel, Answer::kOk});
  EXPECT_FALSE(ops().copy(kMap, "C:\\GAMES\\"));
  EXPECT_FALSE(fs.exists("C:\\GAMES\\MAP01.MAP"));
  fs.setReadOnly(kMap, true);
  EXPECT_TRUE(ops().copy(kMap, "C:\\GAMES\\"));
  EXPECT_EQ(prompter.texts()[1],
            "Copy \n\rSource: C:\\MAPS\\MAP01.MAP\r\nDest: C:\\GAMES\\MAP01.MAP");
  EXPECT_EQ(prompter.boxes()[1].buttons, platform::Buttons::kOkCancel);
  EXPECT_EQ(text("C:\\GAMES\\MAP01.MAP"), "map data");
  // The copy is the player's to change.
  EXPECT_FALSE(fs.stat("C:\\GAMES\\MAP01.MAP")->attributes & platform::kAttrReadOnly);
}

TEST_F(FileOperationsTest, CopyOrMoveNeverReplacesAFileAtTheDestination) {
  fs.putFile("C:\\GAMES\\MAP01.MAP", "other map");
  EXPECT_FALSE(ops(true).copy(kMap, "C:\\GAMES\\"));
  EXPECT_FALSE(ops(true).move(kMap, "C:\\GAMES\\"));
  EXPECT_EQ(text("C:\\GAMES\\MAP01.MAP"), "other map");
  EXPECT_EQ(text(kMap), "map data");
  EXPECT_EQ(prompter.texts()[0], "C:\\GAMES\\MAP01.MAP already exists.  Nothing was changed.");
}

TEST_F(FileOperationsTest, MoveAsksAndMovesOnTheSameDrive) {
  prompter.script({Answer::kOk});
  EXPECT_TRUE(ops().move(kMap, "C:\\GAMES\\"));
  EXPECT_EQ(prompter.texts()[0],
            "MOVE \n\rSource: C:\\MAPS\\MAP01.MAP\r\nDest: C:\\GAMES\\MAP01.MAP");
  EXPECT_FALSE(fs.exists(kMap));
  EXPECT_EQ(text("C:\\GAMES\\MAP01.MAP"), "map data");
}

TEST_F(FileOperationsTest, AFailedMoveToAnotherDriveKeepsTheSource) {
  fs.failCopy("D:\\GAMES\\MAP01.MAP");
  EXPECT_FALSE(ops(true).move(kMap, "D:\\GAMES\\"));
  EXPECT_EQ(text(kMap), "map data");
  EXPECT_FALSE(fs.exists("D:\\GAMES\\MAP01.MAP"));
  ASSERT_EQ(prompter.boxes().size(), 1u);
  EXPECT_EQ(prompter.boxes()[0].caption, platform::kCaptionError);
}

TEST_F(FileOperationsTest, RenameKeepsTheExtensionAndTheDirectory) {
  EXPECT_EQ(files::renameParts("MAP01.MAP").stem, "MAP01");
  EXPECT_EQ(files::renameParts("README").extension, "");
  EXPECT_EQ(files::renameParts("A.B.C").extension, ".C");
  EXPECT_TRUE(ops().renameFile(kMap, "Big City"));
  EXPECT_EQ(text("C:\\MAPS\\Big City.MAP"), "map data");
  EXPECT_FALSE(fs.exists(kMap));
  EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(FileOperationsTest, NamesWithADriveDirectoryOrParentAreRefused) {
  for (const char* name : {"..\\..\\X", "SUB/X", "D:X", "..", "   ", "A*"}) {
    EXPECT_FALSE(ops().renameFile(kMap, name)) << name;
    EXPECT_FALSE(ops().createDirectory(kMaps, name)) << name;
  }
  EXPECT_EQ(prompter.boxes().size(), 12u);
  EXPECT_EQ(prompter.texts()[0],
            "\"..\\..\\X\" cannot be used: give a name only, without a drive (\":\"), a directory "
            "(\"\\\" or \"/\") or \"..\".");
  EXPECT_EQ(text(kMap), "map data");
  EXPECT_EQ(fs.find("C:\\*.*").size(), 2u);  // MAPS and GAMES only
}

TEST_F(FileOperationsTest, CreateDirectoryMakesItInTheGivenDirectoryOnce) {
  EXPECT_TRUE(ops().createDirectory(kMaps, "NEW"));
  EXPECT_TRUE(fs.stat("C:\\MAPS\\NEW")->isDirectory());
  EXPECT_FALSE(ops().createDirectory(kMaps, "new"));
  EXPECT_EQ(prompter.texts(), (Texts{"C:\\MAPS\\new already exists.  Nothing was changed."}));
}

TEST_F(FileOperationsTest, ADirectoryOrNothingIsNoSource) {
  EXPECT_FALSE(ops(true).deleteWithCompanions(""));
  EXPECT_FALSE(ops(true).copy("C:\\GAMES", kMaps));
  EXPECT_EQ(prompter.boxes().size(), 2u);
  EXPECT_TRUE(fs.exists("C:\\GAMES\\"));
}

TEST_F(FileOperationsTest, BackupIsRestoredWholeAndRemovedWithoutAQuestion) {
  fs.putFile("C:\\MAPS\\MAP01.MAP.bck", "old map");
  EXPECT_TRUE(ops().restoreBackup(kMap));
  EXPECT_EQ(text(kMap), "old map");
  EXPECT_TRUE(ops().removeBackup(kMap));
  EXPECT_FALSE(fs.exists("C:\\MAPS\\MAP01.MAP.bck"));
  EXPECT_TRUE(prompter.boxes().empty());
  // Without a backup nothing is touched.
  EXPECT_FALSE(ops().restoreBackup(kMap));
  EXPECT_EQ(text(kMap), "old map");
}

TEST_F(FileOperationsTest, AFailedRestoreLeavesTheMapAsItWas) {
  fs.putFile("C:\\MAPS\\MAP01.MAP.bck", "old map");
  fs.failReplace(kMap);
  EXPECT_FALSE(ops().restoreBackup(kMap));
  EXPECT_EQ(text(kMap), "map data");
  EXPECT_EQ(prompter.boxes().size(), 1u);
}

}  // namespace
}  // namespace filestest
