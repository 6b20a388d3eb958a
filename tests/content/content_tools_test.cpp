// The extractor and the art editor of the game directory: their command lines, the group file
// they are given, where they run, Blood's "-x" and the missing-tool message.
#include "content/content_tools.h"

#include <gtest/gtest.h>

#include "catalogue/game_types.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/scripted_prompter.h"

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
using content::ContentTools;
using platform::FakeProcesses;

class ContentToolsTest : public ::testing::Test {
 protected:
  ContentToolsTest() {
    fs.makeDirectories("C:\\DUKE3D");
    fs.makeDirectories("C:\\ADDON");
    fs.putFile("C:\\DUKE3D\\KEXTRACT.EXE", "MZ");
    fs.putFile("C:\\DUKE3D\\EDITART.EXE", "MZ");
    game.set(gi::GameDir, "C:\\DUKE3D\\");
    game.set(gi::GameKind, uint8_t(catalogue::kKindDuke13));
    game.set(gi::ContentToolField, "kextract.exe", 1);
    game.set(gi::ContentToolField, "editart.exe", 0);
    data.set(gd::ConfigFileCopy, "DUKE3D.GRP", 2);
  }
  ContentTools tools() { return ContentTools(fs, processes, prompter, game, data); }
  std::vector<std::string> commands() const { return processes.commandTexts(); }

  platform::FakeFileSystem fs;
  FakeProcesses processes;
  platform::ScriptedPrompter prompter;
  catalogue::GameInfoRecord game;
  catalogue::GameDataRecord data;
};

TEST_F(ContentToolsTest, ExtractionTakesThePickedGroupFileOrTheGamesOne) {
  ASSERT_TRUE(tools().extract({"*.Voc", "*.wav"}, "C:\\DUKE3D\\E1L1.MAP", "C:\\ADDON\\"));
  EXPECT_EQ(commands(),
            (std::vector<std::string>{"C:\\DUKE3D\\kextract.exe C:\\DUKE3D\\DUKE3D.GRP *.Voc",
                                      "C:\\DUKE3D\\kextract.exe C:\\DUKE3D\\DUKE3D.GRP *.wav"}));
  EXPECT_EQ(fs.currentDirectory(), "C:\\DUKE3D\\");  // back in the game directory
  ASSERT_TRUE(tools().extract({"*.MAP"}, "C:\\ADDON\\ADDON.GRP", ""));
  EXPECT_EQ(commands().back(), "C:\\DUKE3D\\kextract.exe C:\\ADDON\\ADDON.GRP *.MAP");

  game.set(gi::GameKind, uint8_t(catalogue::kKindBlood));
  ASSERT_TRUE(tools().extract({"*.MAP"}, "", ""));
  EXPECT_EQ(commands().back(), "C:\\DUKE3D\\kextract.exe C:\\DUKE3D\\DUKE3D.GRP -x *.MAP");

  // No group file named by the game's definition: the one in its directory.
  data.set(gd::ConfigFileCopy, "", 2);
  fs.putFile("C:\\DUKE3D\\STOCK.GRP", "grp");
  ASSERT_TRUE(tools().extract({"*.CON"}, "", ""));
  EXPECT_EQ(commands().back(), "C:\\DUKE3D\\kextract.exe C:\\DUKE3D\\STOCK.GRP -x *.CON");

  // A group file of long names goes by its 8.3 name.
  fs.putFile("C:\\ADDON\\Party Pack.GRP", "grp");
  ASSERT_TRUE(tools().extract({"*.MAP"}, "C:\\ADDON\\Party Pack.GRP", ""));
  EXPECT_EQ(commands().back(), "C:\\DUKE3D\\kextract.exe C:\\ADDON\\PARTYP~1.GRP -x *.MAP");

  game.set(gi::ContentToolField, "gone.exe", 1);
  EXPECT_FALSE(tools().extract({"*.MAP"}, "", ""));
  EXPECT_EQ(prompter.texts().back(),
            "C:\\DUKE3D\\gone.exe program is not in the Game directory. See \"EditArt\", "
            "\"KExtract\", and \"goodies directory\" for more information");
}

TEST_F(ContentToolsTest, TheArtEditorGetsTheArtFilesItNeedsFirst) {
  fs.putFile("C:\\ADDON\\TILES015.ART", "art");
  fs.putFile("C:\\ADDON\\PALETTE.DAT", "pal");
  ASSERT_TRUE(tools().editArt("C:\\ADDON\\"));
  EXPECT_EQ(commands(), (std::vector<std::string>{
                            "C:\\DUKE3D\\kextract.exe C:\\DUKE3D\\DUKE3D.GRP tiles000.art",
                            "C:\\DUKE3D\\kextract.exe C:\\DUKE3D\\DUKE3D.GRP tables.dat",
                            "C:\\DUKE3D\\editart.exe"}));
  // No directory picked: said, and the game directory is used.
  ASSERT_TRUE(tools().editArt(""));
  ASSERT_EQ(prompter.texts().size(), 1u);
  EXPECT_EQ(prompter.texts()[0], ContentTools::kNoDirectory);
}

}  // namespace

TEST_F(ContentToolsTest, SetupProgramsStartInTheGameDirectoryWithoutWaiting) {
  // The definition names none: the usual names.
  fs.putFile("C:\\DUKE3D\\SETUP.EXE", "MZ");
  ASSERT_TRUE(tools().startSetupProgram(false));
  ASSERT_EQ(processes.calls().size(), 1u);
  const FakeProcesses::Call& call = processes.calls()[0];
  EXPECT_EQ(call.kind, FakeProcesses::Kind::kDosStart);
  EXPECT_EQ(call.program, "C:\\DUKE3D\\setup.exe");
  EXPECT_TRUE(call.args.empty());
  EXPECT_EQ(call.directory, "C:\\DUKE3D\\");

  EXPECT_FALSE(tools().startSetupProgram(true));
  EXPECT_EQ(prompter.texts().back(),
            "C:\\DUKE3D\\bsetup.exe program is not in the Game directory.");
  EXPECT_EQ(processes.calls().size(), 1u);

  // The definition's own name; a start that fails is said with the reason.
  game.set(gi::EditorSetupProgram, "SETUP.EXE");
  processes.scriptFailure("no DOSBox");
  EXPECT_FALSE(tools().startSetupProgram(true));
  EXPECT_EQ(processes.calls().back().program, "C:\\DUKE3D\\SETUP.EXE");
  EXPECT_EQ(prompter.texts().back(), "Could not start C:\\DUKE3D\\SETUP.EXE: no DOSBox");
}
