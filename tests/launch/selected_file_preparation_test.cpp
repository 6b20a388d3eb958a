// The picked file before a launch: an empty one is refused, and a member of a ZIP archive is
// taken out into the game's "~.QF~\" by the player's unzip program or the machine's own.
#include "launch/selected_file_preparation.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/scripted_prompter.h"

namespace {

using launch::SelectedFilePreparation;
using platform::Answer;
using platform::FakeProcesses;

constexpr const char* kGame = "C:\\GAMES\\DUKE3D\\";
constexpr const char* kArchive = "C:\\MAPS\\PACK.ZIP";
constexpr const char* kTemp = "C:\\GAMES\\DUKE3D\\~.QF~\\";

class SelectedFilePreparationTest : public ::testing::Test {
 protected:
  SelectedFilePreparationTest() {
    fs.makeDirectories("C:\\GAMES\\DUKE3D");
    fs.putFile(kArchive, "PK");
    // What an unzip program leaves behind: the member's file in the current directory.
    processes.whileRunning([this](const FakeProcesses::Call& call) {
      if (call.kind == FakeProcesses::Kind::kUnzip)
        fs.putFile(call.args[1] + "CITY.MAP", "map");
      else if (call.kind == FakeProcesses::Kind::kCommand)
        fs.putFile(fs.currentDirectory() + "CITY.MAP", "map");
    });
  }
  std::optional<std::string> prepare(const std::string& path) {
    SelectedFilePreparation preparation(fs, processes, prompter, profile, kGame);
    preparation.setProfileEditor([this](launch::UnzipProfileDialog& dialog) {
      ++profileForms;
      dialog.setProgram("c:\\pkunzip.exe");
      return true;
    });
    return preparation.prepare(path);
  }
  std::string lastBox() const {
    return prompter.boxes().empty() ? "" : prompter.boxes().back().text;
  }

  platform::FakeFileSystem fs;
  FakeProcesses processes;
  platform::ScriptedPrompter prompter;
  launch::UnzipProfile profile;
  int profileForms = 0;
};

TEST_F(SelectedFilePreparationTest, AnEmptyFileOrTheArchiveItselfIsNotLaunched) {
  fs.putFile("C:\\MAPS\\EMPTY.MAP", "");
  EXPECT_FALSE(prepare("C:\\MAPS\\EMPTY.MAP"));
  EXPECT_EQ(lastBox(), "Can not launch file C:\\MAPS\\EMPTY.MAP\r\n...File is EMPTY...");
  EXPECT_FALSE(prepare(kArchive));
  EXPECT_EQ(lastBox(), launch::kSelectInsideZip);
  fs.putFile("C:\\MAPS\\CITY.MAP", "m");
  EXPECT_EQ(prepare("C:\\MAPS\\CITY.MAP"), "C:\\MAPS\\CITY.MAP");
  EXPECT_TRUE(processes.calls().empty());
}

TEST_F(SelectedFilePreparationTest, WithoutAnUnzipOfThePlayersTheMachinesOwnTakesTheMemberOut) {
  fs.putFile(std::string(kTemp) + "OLD.MAP", "left from the last time");
  EXPECT_EQ(prepare(std::string(kArchive) + "\\maps/city.map"), std::string(kTemp) + "city.map");
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_EQ(processes.calls()[0].kind, FakeProcesses::Kind::kUnzip);
  EXPECT_EQ(processes.calls()[0].program, kArchive);
  EXPECT_EQ(processes.calls()[0].args, (std::vector<std::string>{"maps/city.map", kTemp}));
  EXPECT_FALSE(fs.exists(std::string(kTemp) + "OLD.MAP"));
  EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(SelectedFilePreparationTest, ADosUnzipGetsItsCommandLineInTheScratchDirectory) {
  fs.putFile("C:\\pkunzip.exe", "MZ");
  EXPECT_EQ(prepare(std::string(kArchive) + "\\maps/city.map"), std::string(kTemp) + "city.map");
  EXPECT_EQ(processes.commandTexts(),
            std::vector<std::string>{"c:\\pkunzip.exe -e -o  -d -jC:\\MAPS\\PACK.ZIP"});
  EXPECT_EQ(profile, (launch::UnzipProfile{"c:\\pkunzip.exe", false, false}));

  // A Windows unzip program gets the options alone.
  fs.putFile("C:\\PROGRA~1\\winzip\\WINZIP32.EXE", "MZ");
  profile.program.clear();
  EXPECT_TRUE(prepare(std::string(kArchive) + "\\maps/city.map"));
  EXPECT_EQ(processes.commandTexts().back(),
            "c:\\progra~1\\winzip\\WINZIP32.EXE -e -o C:\\MAPS\\PACK.ZIP");
  EXPECT_TRUE(profile.winZip);
  // The player's own choice of flags is what counts for a program that is there.
  profile = {"C:\\pkunzip.exe", false, true};
  EXPECT_TRUE(prepare(std::string(kArchive) + "\\maps/city.map"));
  EXPECT_EQ(processes.commandTexts().back(), "C:\\pkunzip.exe -e -o C:\\MAPS\\PACK.ZIP");
}

TEST_F(SelectedFilePreparationTest, AnArchiveOpenedAsAFolderIsReadInPlace) {
  fs.putFile("C:\\PROGRA~1\\ZIPMAGIC\\ZIPMAGIC.EXE", "MZ");
  prompter.script({Answer::kYes});
  EXPECT_EQ(prepare(std::string(kArchive) + "\\maps/e1/city.map"),
            "C:\\MAPS\\PACK.ZIP\\maps\\e1\\city.map");
  EXPECT_EQ(prompter.boxes().back().text, launch::kMagicZipQuestion);
  EXPECT_TRUE(processes.calls().empty());
  EXPECT_TRUE(profile.zipMagic);
  // Answered No: the search goes on to the next program.
  profile = {};
  prompter.script({Answer::kNo});
  EXPECT_EQ(prepare(std::string(kArchive) + "\\maps/city.map"), std::string(kTemp) + "city.map");
}

TEST_F(SelectedFilePreparationTest, AMemberWithoutAFileNameOrThatNeverAppearsIsSaid) {
  EXPECT_FALSE(prepare(std::string(kArchive) + "\\maps/.."));
  EXPECT_NE(lastBox().find("not a file name"), std::string::npos);
  EXPECT_TRUE(processes.calls().empty());
  processes.whileRunning(nullptr);
  processes.scriptStatus(9);
  EXPECT_FALSE(prepare(std::string(kArchive) + "\\maps/city.map"));
  EXPECT_NE(lastBox().find("could not be taken out of C:\\MAPS\\PACK.ZIP"), std::string::npos);
  // The machine has no unzip at all.
  processes.scriptFailure("unzip: not found");
  EXPECT_FALSE(prepare(std::string(kArchive) + "\\maps/city.map"));
  EXPECT_EQ(lastBox(), launch::kNeedUnzipProgram);
  // Then "UnZip Profile" opens, and what it is given is the player's unzip program.
  EXPECT_EQ(profileForms, 1);
  EXPECT_EQ(profile.program, "c:\\pkunzip.exe");
}

TEST(UnzipProfile, TheProgramGoesIntoTheRecordAndTheFlagsBesideIt) {
  platform::FakeFileSystem fs;
  fs.makeDirectories("C:\\QF95");
  catalogue::UnivInfoRecord univ;
  EXPECT_EQ(launch::UnzipProfile::load(fs, "C:\\QF95\\", univ), launch::UnzipProfile{});
  launch::UnzipProfileDialog dialog({});
  dialog.setProgram(std::string(200, 'x'));
  dialog.setWinZip(true);
  ASSERT_TRUE(dialog.profile().save(fs, "C:\\QF95\\", univ));
  EXPECT_EQ(univ.get(catalogue::univ_info::UnzipProgram).size(), 127u);
  const auto bytes = fs.readWhole("C:\\QF95\\Quillfen.Zip");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "ZipMagic=0\r\nWinZip=1\r\n");
  EXPECT_EQ(launch::UnzipProfile::load(fs, "C:\\QF95\\", univ), dialog.profile());
}

}  // namespace
