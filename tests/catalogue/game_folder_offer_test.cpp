// A first start that finds no game offers to choose the folder of the player's games: the
// folder becomes the first free drive letter and the drives are searched again. Also the
// search under any directory name that makes such a folder's games found.
#include <deque>
#include <optional>

#include "catalogue/catalogue_files.h"
#include "support/catalogue_fixture.h"

namespace {

using namespace catalogue;
using platform::Answer;

class ScriptedFolderChooser : public GameFolderChooser {
 public:
  std::optional<std::string> chooseGameFolder() override {
    ++calls;
    if (folders.empty()) return std::nullopt;
    auto folder = folders.front();
    folders.pop_front();
    return folder;
  }
  std::deque<std::optional<std::string>> folders;
  int calls = 0;
};

class CountingLocationDialog : public GameLocationDialogRunner {
 public:
  int runGameLocationDialog(int) override {
    ++runs;
    return kNoSlotSelected;
  }
  int runs = 0;
};

class GameFolderOfferTest : public testsupport::CatalogueTest {
 protected:
  Catalogue& start() {
    Catalogue& c = makeCatalogue();
    c.setGameFolderChooser(&chooser);
    c.setGameLocationDialog(&location);
    return c;
  }

  static constexpr const char* kFirstQuestion =
      "No game was found on the drives.\n\nDo you want to choose the folder where your games "
      "are?  It becomes drive E: and is searched.";
  ScriptedFolderChooser chooser;
  CountingLocationDialog location;
};

TEST_F(GameFolderOfferTest, ChosenFolderBecomesTheFirstFreeDriveAndItsGameIsFound) {
  fs.putHostFile("/home/player/My Games/Duke Nukem 3D/DUKE3D.EXE", "MZ");
  fs.putHostFile("/home/player/My Games/Duke Nukem 3D/DUKE3D.GRP", "");
  chooser.folders = {"/home/player/My Games"};
  prompter.script({Answer::kYes});
  Catalogue& c = start();
  ASSERT_TRUE(c.LoadCatalogue());

  EXPECT_EQ(prompter.texts(), std::vector<std::string>{kFirstQuestion});
  EXPECT_EQ(prompter.boxes()[0].buttons, platform::Buttons::kYesNo);
  EXPECT_EQ(chooser.calls, 1);
  EXPECT_EQ(location.runs, 0);
  ASSERT_TRUE(fs.mapping('E'));
  EXPECT_EQ(fs.mapping('E')->hostFolder, "/home/player/My Games");
  EXPECT_EQ(c.currentSlot(), 0);
  EXPECT_EQ(c.currentGameDirectory(), "E:\\Duke Nukem 3D\\");
  EXPECT_EQ(c.current().get(game_info::ExecuteFile), "duke3d.exe");  // as the type spells it
  // Saved as any first start: the next start loads.
  auto univ = UnivInfoRecord::fromBytes(*fs.readWhole(startupFile(kUnivInfoFile)));
  EXPECT_EQ(univ.get(univ_info::CurrentSlot), 0);
}

TEST_F(GameFolderOfferTest, TheGamesOwnFolderIsFoundAtTheRootOfItsDrive) {
  fs.putHostFile("/srv/Duke Nukem 3D/duke3d.exe", "MZ");
  fs.putHostFile("/srv/Duke Nukem 3D/cdrom.ini", "");
  chooser.folders = {"/srv/Duke Nukem 3D/"};
  prompter.script({Answer::kYes});
  Catalogue& c = start();
  ASSERT_TRUE(c.LoadCatalogue());
  EXPECT_EQ(c.currentSlot(), 1);  // cdrom.ini: the later version
  EXPECT_EQ(c.currentGameDirectory(), "E:\\");
}

TEST_F(GameFolderOfferTest, DecliningGoesOnToTheLocationDialogWithoutADrive) {
  fs.putHostFile("/home/player/Games/Doom/DOOM.EXE", "MZ");
  prompter.script({Answer::kNo, Answer::kOk, Answer::kCancel});
  Catalogue& c = start();
  EXPECT_FALSE(c.LoadCatalogue());
  ASSERT_EQ(prompter.texts().size(), 3u);
  EXPECT_EQ(prompter.texts()[0], kFirstQuestion);
  EXPECT_EQ(prompter.texts()[1].substr(0, 30), "Quillfen95 has the ability to ");
  EXPECT_EQ(chooser.calls, 0);
  EXPECT_EQ(location.runs, 1);
  EXPECT_EQ(fs.driveChanges(), 0u);
}

TEST_F(GameFolderOfferTest, CancelledChooserGoesOnAsToday) {
  chooser.folders = {std::nullopt};
  prompter.script({Answer::kYes, Answer::kOk, Answer::kCancel});
  Catalogue& c = start();
  EXPECT_FALSE(c.LoadCatalogue());
  EXPECT_EQ(chooser.calls, 1);
  EXPECT_EQ(location.runs, 1);
  EXPECT_EQ(fs.driveChanges(), 0u);
}

TEST_F(GameFolderOfferTest, AFolderWithoutGamesIsKeptAndAnotherOneOffered) {
  fs.makeHostFolder("/empty");
  fs.putHostFile("/data/quake/QUAKE.EXE", "MZ");
  chooser.folders = {"/empty", "/data"};
  prompter.script({Answer::kYes, Answer::kYes});
  Catalogue& c = start();
  ASSERT_TRUE(c.LoadCatalogue());
  ASSERT_EQ(prompter.texts().size(), 2u);
  EXPECT_EQ(prompter.texts()[1],
            "No game was found in \"/empty\" (drive E:).\n\nDo you want to choose another "
            "folder?");
  EXPECT_EQ(fs.mapping('E')->hostFolder, "/empty");
  EXPECT_EQ(fs.mapping('F')->hostFolder, "/data");
  EXPECT_EQ(c.currentSlot(), 5);
  EXPECT_EQ(c.currentGameDirectory(), "F:\\Quake\\");
}

TEST_F(GameFolderOfferTest, RefusedFolderIsExplainedAndAnAlreadyMappedOneOnlySearched) {
  chooser.folders = {"/no/such/folder", "/fake/drive_d"};
  prompter.script({Answer::kYes, Answer::kYes, Answer::kNo, Answer::kOk, Answer::kCancel});
  Catalogue& c = start();
  EXPECT_FALSE(c.LoadCatalogue());
  ASSERT_GE(prompter.texts().size(), 3u);
  EXPECT_EQ(prompter.texts()[1],
            "The folder \"/no/such/folder\" does not exist.\n\nDo you want to choose another "
            "folder?");
  EXPECT_EQ(prompter.texts()[2],
            "No game was found in \"/fake/drive_d\" (drive D:).\n\nDo you want to choose another "
            "folder?");
  EXPECT_EQ(fs.driveChanges(), 0u);
  EXPECT_EQ(location.runs, 1);
}

TEST_F(GameFolderOfferTest, NoFreeLetterIsSaidPlainly) {
  fs.makeHostFolder("/g");
  for (char letter = 'E'; letter <= 'Y'; ++letter) ASSERT_EQ(fs.mapDrive(letter, "/g"), "");
  chooser.folders = {"/elsewhere"};
  fs.makeHostFolder("/elsewhere");
  prompter.script({Answer::kYes, Answer::kOk, Answer::kOk, Answer::kCancel});
  Catalogue& c = start();
  EXPECT_FALSE(c.LoadCatalogue());
  ASSERT_GE(prompter.texts().size(), 2u);
  EXPECT_EQ(prompter.texts()[1].substr(0, 37), "Every drive letter from D: to Y: is t");
}

// The search under any directory name, on drives other than C:.
class AnyFolderNameTest : public testsupport::CatalogueTest {};

TEST_F(AnyFolderNameTest, OneGamePerFolderAndProgramName) {
  fs.putFile("D:\\My Doom\\DOOM.EXE", "MZ");       // Doom I; Doom I SE has the same program
  fs.putFile("D:\\Quake Stuff\\QUAKE.EXE", "MZ");  // Quake and WinQuake share a folder
  fs.putFile("D:\\Quake Stuff\\WINQUAKE.EXE", "MZ");
  fs.putFile("C:\\Duke Nukem 3D\\DUKE3D.EXE", "MZ");   // C: only in the usual places
  fs.putFile("D:\\deep\\er\\Blood\\BLOOD.EXE", "MZ");  // two levels down: not looked at
  Catalogue& c = makeCatalogue();
  ASSERT_TRUE(c.LoadCatalogue());
  EXPECT_EQ(c.ReadGameRecord(8).get(game_info::GameDir), "D:\\My Doom\\");
  EXPECT_TRUE(c.ReadGameRecord(16).get(game_info::GameDir).empty());
  EXPECT_EQ(c.ReadGameRecord(5).get(game_info::GameDir), "D:\\Quake Stuff\\");
  EXPECT_EQ(c.ReadGameRecord(15).get(game_info::GameDir), "D:\\Quake Stuff\\");
  EXPECT_TRUE(c.ReadGameRecord(0).get(game_info::GameDir).empty());
  EXPECT_TRUE(c.ReadGameRecord(3).get(game_info::GameDir).empty());
  EXPECT_EQ(c.currentSlot(), 5);
}

TEST_F(AnyFolderNameTest, UsualPlacesComeFirstAndListedGamesAreFoundToo) {
  fs.putFile("D:\\Doom Copy\\DOOM.EXE", "MZ");
  fs.putFile("D:\\games\\Doom\\DOOM.EXE", "MZ");
  fs.putFile("D:\\Chex Quest\\CHEX.EXE", "MZ");
  fs.putFile(startupFile(kGameListFile),
             "[Chex Quest]\r\nExecuteFile = \"chex.exe\"\r\nSearchDir = \"chex\"\r\n"
             "GameType = \"8\"\r\n");
  Catalogue& c = makeCatalogue();
  ASSERT_TRUE(c.LoadCatalogue());
  EXPECT_EQ(c.ReadGameRecord(8).get(game_info::GameDir), "D:\\games\\Doom\\");
  EXPECT_EQ(c.ReadGameRecord(16).get(game_info::GameDir), "D:\\Doom Copy\\");
  EXPECT_EQ(c.ReadGameRecord(20).get(game_info::GameDir), "D:\\Chex Quest\\");
}

}  // namespace
