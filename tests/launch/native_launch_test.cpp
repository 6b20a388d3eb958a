// "Run" for a game that runs as a native program of this machine: the same option lines and
// command line, every path in the machine's spelling, no PIF, helper or batch file, the program
// started with its fixed arguments and waited for.
#include <fstream>
#include <iterator>

#include "catalogue/run_with.h"
#include "launch/launch_pipeline.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_registry.h"
#include "support/catalogue_fixture.h"

namespace {

using namespace catalogue;
using launch::LaunchOutcome;
using platform::FakeProcesses;

std::vector<uint8_t> builtFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class NativeLaunchTest : public testsupport::CatalogueTest {
 protected:
  NativeLaunchTest() {
    fs.putFile("C:\\QF95\\arg_pass.com", builtFile(QF95_ARG_PASS_PATH));
    fs.putFile("D:\\Doom2\\doom2.exe", "MZ");
    fs.putFile("D:\\My Maps\\Some Map.wad", "PWAD");
    EXPECT_TRUE(makeCatalogue().LoadCatalogue());
    EXPECT_EQ(cat->currentSlot(), 7);
    slot = cat->currentSlot();
    EXPECT_TRUE(cat->setRunWith(slot, kPort));
    pipeline = std::make_unique<launch::LaunchPipeline>(
        launch::LaunchServices{fs, processes, registry, prompter, clock}, *cat, session);
  }
  GameInfoRecord& game() { return cat->current(); }
  GameDataRecord& data() { return cat->gameData(); }
  LaunchOutcome run() {
    state = pipeline->newLaunchState();
    return pipeline->launchGame(state);
  }
  void pick(const std::string& file) {
    data().set(game_data::SelectedFile, file);
    data().set(game_data::SelectedFileTemplate, game().get(game_info::FileKindLoadCommand, 0));
  }

  const RunWith kPort{true, "/usr/games/chocolate-doom", {"-iwad", "/data/freedoom2.wad"}};
  int slot = 0;
  platform::FakeClock clock;
  FakeProcesses processes;
  platform::FakeRegistry registry;
  launch::LaunchSession session;
  launch::LaunchState state;
  std::unique_ptr<launch::LaunchPipeline> pipeline;
};

TEST_F(NativeLaunchTest, ThePortGetsTheSwitchesAndThePickedWadByItsHostPath) {
  data().set(game_data::SkillIndex, 3);
  data().set(game_data::LevelIndex, 6);
  data().set(game_data::ExtraOptions, "<cml>-timedemo demo1 -nodraw");
  pick("D:\\MYMAPS~1\\SOMEMA~1.WAD");
  std::vector<std::string> heard;
  pipeline->setLaunchRecorder(
      [&](const std::string& file, const std::string&) { heard.push_back(file); });
  ASSERT_EQ(run(), LaunchOutcome::kReturned);

  ASSERT_EQ(processes.calls().size(), 1u);
  const FakeProcesses::Call& call = processes.calls()[0];
  EXPECT_EQ(call.kind, FakeProcesses::Kind::kNative);
  EXPECT_EQ(call.program, "/usr/games/chocolate-doom");
  EXPECT_EQ(call.package, "chocolate-doom");
  EXPECT_EQ(call.args, (std::vector<std::string>{"-iwad", "/data/freedoom2.wad", "-timedemo",
                                                 "demo1", "-nodraw", "-warp", "7", "-skill", "4",
                                                 "-file", "/fake/drive_d/My Maps/Some Map.wad"}));
  EXPECT_TRUE(fs.samePath(call.directory, "D:\\Doom2\\"));
  // Nothing of a DOS session is written; a short run is no launching problem.
  EXPECT_FALSE(fs.exists("D:\\Doom2\\dmpatch95.pif"));
  EXPECT_FALSE(fs.exists("D:\\Doom2\\arg_pass.com"));
  EXPECT_TRUE(prompter.boxes().empty());
  EXPECT_EQ(heard, std::vector<std::string>{"D:\\MYMAPS~1\\SOMEMA~1.WAD"});
}

TEST_F(NativeLaunchTest, ConfigurationFilesAreStillEdited) {
  game().set(game_info::ConfigFile, "default.cfg", 0);
  game().set(game_info::ConfigFileFlag, "N", 0);
  game().set(game_info::SkillCommand, "skill <var>@Default File1");
  cat->WriteGameRecord(slot, game());
  fs.deleteFile(gameDataPath(kStartup, slot));
  cat->SwitchCurrentSlot(slot);  // a new game data record takes the configuration names
  fs.putFile("D:\\Doom2\\default.cfg", "skill 1\r\n");
  data().set(game_data::SkillIndex, 2);
  ASSERT_EQ(run(), LaunchOutcome::kReturned);
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_EQ(processes.calls()[0].kind, FakeProcesses::Kind::kNative);
  const auto text = fs.readWhole("D:\\Doom2\\default.cfg");
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(std::string(text->begin(), text->end()), "skill 3\r\n");
}

TEST_F(NativeLaunchTest, AFailedStartIsShownAndDosboxAgainStartsTheSession) {
  processes.scriptFailure("The program \"/usr/games/chocolate-doom\" was not found");
  ASSERT_EQ(run(), LaunchOutcome::kReturned);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"The program \"/usr/games/chocolate-doom\" was not found"});

  // Switched back: the DOS session's way, with 8.3 paths, the program and arguments kept.
  ASSERT_TRUE(cat->setRunWith(slot, RunWith{false, kPort.program, kPort.arguments}));
  pick("D:\\MYMAPS~1\\SOMEMA~1.WAD");
  ASSERT_EQ(run(), LaunchOutcome::kReturned) << ::testing::PrintToString(prompter.texts());
  const FakeProcesses::Call& call = processes.calls().back();
  EXPECT_EQ(call.kind, FakeProcesses::Kind::kPifWait);
  EXPECT_TRUE(fs.exists("D:\\Doom2\\dmpatch95.pif"));
  EXPECT_EQ(call.args.back(), "-file D:\\MYMAPS~1\\SOMEMA~1.WAD");
}

TEST_F(NativeLaunchTest, APortWithoutAProgramOrAPathNoFolderHoldsStartsNothing) {
  ASSERT_TRUE(cat->setRunWith(slot, RunWith{true, "", {}}));
  EXPECT_EQ(run(), LaunchOutcome::kAbandoned);
  ASSERT_TRUE(cat->setRunWith(slot, kPort));
  pick("Q:\\NOWHERE\\X.WAD");
  EXPECT_EQ(run(), LaunchOutcome::kAbandoned);
  EXPECT_TRUE(processes.calls().empty());
  ASSERT_EQ(prompter.texts().size(), 2u);
  EXPECT_NE(prompter.texts()[1].find("Q:\\NOWHERE\\X.WAD cannot be given to"), std::string::npos)
      << prompter.texts()[1];
}

}  // namespace
