// "Run" end to end over fakes: what is written into the game directory, what is started, and
// what the user is asked afterwards.
#include "launch/launch_pipeline.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "launch/arg_pass_patch.h"
#include "launch/option_lines.h"
#include "launch/pif.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_registry.h"
#include "platform/pif_fields.h"
#include "support/catalogue_fixture.h"

namespace {

using namespace catalogue;
using launch::LaunchOutcome;
using platform::Answer;

constexpr const char* kPauseQuestion =
    "Do you wish to to set the Pause-Before-Returning-From-Game option?\r\n  This option can be "
    "used to trouble-shoot a launching problem.\r\nSee help file for more information.";

// Sessions that take as long as the test says.
class TimedProcesses : public platform::FakeProcesses {
 public:
  explicit TimedProcesses(platform::FakeClock& clock) : clock_(clock) {}
  int startPifAndWait(const std::string& pif, const std::vector<std::string>& args,
                      std::string* error) override {
    clock_.advance(sessionMs);
    return FakeProcesses::startPifAndWait(pif, args, error);
  }
  uint64_t sessionMs = 60000;

 private:
  platform::FakeClock& clock_;
};

std::vector<uint8_t> builtFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class LaunchPipelineTest : public testsupport::CatalogueTest {
 protected:
  LaunchPipelineTest() : processes(clock) {
    fs.putFile("C:\\QF95\\arg_pass.com", builtFile(QF95_ARG_PASS_PATH));
    fs.putFile("D:\\GAMES\\DUKE3D\\DUKE3D.EXE", "MZ");
    EXPECT_TRUE(makeCatalogue().LoadCatalogue());
    useBareDefinition();
    pipeline = std::make_unique<launch::LaunchPipeline>(
        launch::LaunchServices{fs, processes, registry, prompter, clock}, *cat, session);
  }
  GameInfoRecord& game() { return cat->current(); }
  GameDataRecord& data() { return cat->gameData(); }
  LaunchOutcome run() {
    state = pipeline->newLaunchState();
    return pipeline->launchGame(state);
  }
  platform::PifStart writtenPif(const std::string& path = "D:\\GAMES\\DUKE3D\\dmpatch95.pif") {
    auto bytes = fs.readWhole(path);
    EXPECT_TRUE(bytes.has_value()) << path;
    if (!bytes) return {};
    EXPECT_EQ(bytes->size(), launch::kPifSize);
    return platform::readPif(*bytes).value_or(platform::PifStart{});
  }
  std::string text(const std::string& path) {
    auto b = fs.readWhole(path);
    return b ? std::string(b->begin(), b->end()) : "<missing>";
  }

  platform::FakeClock clock;
  TimedProcesses processes;
  platform::FakeRegistry registry;
  launch::LaunchSession session;
  launch::LaunchState state;
  std::unique_ptr<launch::LaunchPipeline> pipeline;
};

TEST_F(LaunchPipelineTest, PlainLaunchWritesThePifStartsItAndWaits) {
  game().set(game_info::SkillCommand, "<cml>-s<var>");
  data().set(game_data::SkillIndex, 2);
  game().set(game_info::SkillMin, 1);
  ASSERT_EQ(run(), LaunchOutcome::kReturned);

  platform::PifStart pif = writtenPif();
  EXPECT_EQ(pif.program, "duke3d.exe");
  EXPECT_EQ(pif.workingDirectory, "D:\\GAMES\\DUKE3D");  // as the DOS program is to see it
  EXPECT_TRUE(pif.closeOnExit);
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_EQ(processes.calls()[0].kind, platform::FakeProcesses::Kind::kPifWait);
  EXPECT_EQ(processes.calls()[0].program, "D:\\GAMES\\DUKE3D\\dmpatch95.pif");
  EXPECT_EQ(processes.calls()[0].args, std::vector<std::string>{"-s3"});
  EXPECT_TRUE(prompter.boxes().empty());  // a long session asks nothing
  EXPECT_EQ(fs.longPathName(fs.currentDirectory()), fs.longPathName("D:\\GAMES\\DUKE3D\\"));
}

TEST_F(LaunchPipelineTest, ASessionUnderTenSecondsOffersThePauseOption) {
  processes.sessionMs = 9999;
  prompter.script({Answer::kYes});
  run();
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{kPauseQuestion});
  EXPECT_EQ(data().get(game_data::PauseBeforeReturn), 1);

  // With the option on, the PIF keeps the window open and nothing is asked.
  run();
  EXPECT_EQ(prompter.boxes().size(), 1u);
  EXPECT_FALSE(writtenPif().closeOnExit);

  data().set(game_data::PauseBeforeReturn, 0);
  processes.sessionMs = 10000;
  run();
  EXPECT_EQ(prompter.boxes().size(), 1u);
}

TEST_F(LaunchPipelineTest, AFailedStartShowsTheSystemsTextThenThePauseQuestion) {
  processes.scriptFailure("No such file or directory");
  prompter.script({Answer::kOk, Answer::kNo});
  EXPECT_EQ(run(), LaunchOutcome::kReturned);
  ASSERT_EQ(prompter.texts().size(), 2u);
  EXPECT_EQ(prompter.texts()[0], "No such file or directory");
  EXPECT_EQ(prompter.texts()[1], kPauseQuestion);
  EXPECT_EQ(data().get(game_data::PauseBeforeReturn), 0);
}

TEST_F(LaunchPipelineTest, UserPathLaunchGoesThroughThePatchedHelper) {
  game().set(game_info::UseArgPassProgram, 1);
  game().set(game_info::LaunchInUserPath, 1);
  game().set(game_info::FileKindLoadCommand, "<cml>-map <fileonly>", 0);
  fs.putFile("D:\\MAPS\\CITY.MAP", "map");
  data().set(game_data::SelectedFile, "D:\\MAPS\\CITY.MAP");
  data().set(game_data::SelectedFileTemplate, "<cml>-map <fileonly>");
  ASSERT_EQ(run(), LaunchOutcome::kReturned);

  EXPECT_EQ(writtenPif().program, "arg_pass.com");
  auto helper = *fs.readWhole("D:\\GAMES\\DUKE3D\\arg_pass.com");
  EXPECT_EQ(helper.size(), launch::kArgPassSize);
  const std::string image(helper.begin(), helper.end());
  EXPECT_NE(image.find(std::string("xxchdirD:\\MAPS\0", 15)), std::string::npos);
  EXPECT_NE(image.find(std::string("yydukedirD:\\GAMES\\DUKE3D\\duke3d.exe\0", 36)),
            std::string::npos);
  EXPECT_EQ(processes.calls().at(0).args, std::vector<std::string>{"-map CITY.MAP"});
}

TEST_F(LaunchPipelineTest, DosModeHandsOverAndWindowsModeReturnsAtOnce) {
  game().set(game_info::DosModeOnly, 1);
  EXPECT_EQ(run(), LaunchOutcome::kHandedOver);
  EXPECT_EQ(processes.calls().back().kind, platform::FakeProcesses::Kind::kPifExec);

  game().set(game_info::DosModeOnly, 0);
  game().set(game_info::WindowsModeOnly, 1);
  game().set(game_info::SkillCommand, "<cml>-s<var>");
  data().set(game_data::SkillIndex, 1);
  processes.sessionMs = 0;
  EXPECT_EQ(run(), LaunchOutcome::kReturned);
  const auto& call = processes.calls().back();
  EXPECT_EQ(call.kind, platform::FakeProcesses::Kind::kWindowsProgram);
  EXPECT_EQ(call.program, "duke3d.exe");
  EXPECT_EQ(call.args, std::vector<std::string>{"duke3d.exe -s1"});
  EXPECT_EQ(call.directory, "D:\\games\\Duke3d\\");
  EXPECT_TRUE(prompter.boxes().empty());

  cat->univ().set(univ_info::CloseOnLaunch, 1);
  EXPECT_EQ(run(), LaunchOutcome::kHandedOver);
}

TEST_F(LaunchPipelineTest, TheRecorderHearsOfEachGameThatStartedWithAPickedFile) {
  std::vector<std::string> heard;
  pipeline->setLaunchRecorder([&](const std::string& file, const std::string& arguments) {
    heard.push_back(file + "|" + arguments);
  });
  game().set(game_info::SkillCommand, "<cml>-s<var>");
  data().set(game_data::SkillIndex, 2);
  fs.putFile("D:\\MAPS\\CITY.MAP", "map");
  data().set(game_data::SelectedFile, "D:\\MAPS\\CITY.MAP");
  data().set(game_data::SelectedFileTemplate, "<cml>-map <fileonly>");
  run();
  processes.scriptFailure("No such file or directory");  // a start that failed is no launch
  run();
  // An editor run edits the file, it does not play it.
  game().set(game_info::FileKindEditProgram, "mapedit.exe", 0);
  state = pipeline->newLaunchState();
  state.EditorLaunch = true;
  pipeline->launchGame(state);
  // A hand-over is counted before it: it never comes back.
  game().set(game_info::DosModeOnly, 1);
  ASSERT_EQ(run(), LaunchOutcome::kHandedOver);
  EXPECT_EQ(processes.calls().size(), 4u);
  EXPECT_EQ(heard, std::vector<std::string>(2, "D:\\MAPS\\CITY.MAP|-s2 -map CITY.MAP"));

  data().set(game_data::SelectedFile, "");
  run();
  EXPECT_EQ(heard.size(), 2u);
}

TEST_F(LaunchPipelineTest, ACommandLineTooLongForDosIsRefusedBeforeAnythingStarts) {
  data().set(game_data::ExtraOptions, "<cml>" + std::string(122, 'x'));
  game().set(game_info::SkillCommand, "<cml>-s<var>");
  data().set(game_data::SkillIndex, 1);
  EXPECT_EQ(run(), LaunchOutcome::kAbandoned);
  EXPECT_TRUE(processes.calls().empty());
  ASSERT_EQ(prompter.boxes().size(), 1u);
  EXPECT_EQ(prompter.boxes()[0].caption, platform::kCaptionError);
  EXPECT_NE(prompter.texts()[0].find("too long"), std::string::npos);
  EXPECT_FALSE(fs.exists("D:\\GAMES\\DUKE3D\\dmpatch95.pif"));
}

TEST_F(LaunchPipelineTest, AnswerFileForAGameThatAsksBeforeItStarts) {
  game().set(game_info::MapEditorLaunchFlag, 1);
  run();
  EXPECT_EQ(text("D:\\GAMES\\DUKE3D\\editpatch.bat"),
            "duke3d.exe %1 %2 %3 %4 %5 %6 %7 %8 %9 <keys\r\n");
  EXPECT_EQ(text("D:\\GAMES\\DUKE3D\\keys"), "Y");
  EXPECT_EQ(writtenPif().program, "editpatch.bat");
  fs.putFile("D:\\GAMES\\DUKE3D\\keys", "N\r\n");
  run();
  EXPECT_EQ(text("D:\\GAMES\\DUKE3D\\keys"), "N\r\n");
}

TEST_F(LaunchPipelineTest, MultiplayerStartsTheConnectionProgram) {
  cat->univ().set(univ_info::MultiplayerMode, 1);
  cat->univ().set(univ_info::ConnectionType, 2);
  game().set(game_info::IpxExecuteFile, "commit.exe");
  run();
  EXPECT_EQ(writtenPif().program, "commit.exe");
  // Its session joins the IPX network, and only for this launch.
  ASSERT_FALSE(processes.calls().empty());
  EXPECT_TRUE(processes.calls().back().ipxNetwork);
  EXPECT_FALSE(processes.ipxNetwork());

  cat->univ().set(univ_info::ConnectionType, 1);  // a modem game has no IPX
  game().set(game_info::ModemExecuteFile, "commit.exe");
  run();
  EXPECT_FALSE(processes.calls().back().ipxNetwork);
}

TEST_F(LaunchPipelineTest, RegistryEditsAndConfigurationFilesAreWrittenBeforeTheStart) {
  registry.addKey("Software\\Maker\\Duke");
  game().set(game_info::RegKey, "Software\\Maker\\Duke");
  game().set(game_info::ConfigFile, "duke3d.cfg", 0);
  game().set(game_info::ConfigFileFlag, "N", 0);
  game().set(game_info::EpisodeCommand, "Episode = <var>@Default File1");
  cat->WriteGameRecord(0, game());
  fs.deleteFile(gameDataPath(kStartup, 0));
  cat->SwitchCurrentSlot(0);  // a new game data record takes the configuration names
  fs.putFile("D:\\GAMES\\DUKE3D\\duke3d.cfg", "[Setup]\r\nEpisode = 1\r\n");
  data().set(game_data::EpisodeIndex, 2);
  data().set(game_data::ExtraOptions, "<RegEdit><SubKey>Player");
  run();
  EXPECT_EQ(text("D:\\GAMES\\DUKE3D\\duke3d.cfg"), "[Setup]\r\nEpisode = 2\r\n");
  auto value = registry.value("Software\\Maker\\Duke", "Player");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->type, platform::FakeRegistry::Type::kString);
}

TEST_F(LaunchPipelineTest, MapEditorWorksOnATemporaryCopyAndCopiesItBack) {
  state = pipeline->newLaunchState();
  EXPECT_EQ(pipeline->launchMapEditor(state, ""), LaunchOutcome::kAbandoned);
  EXPECT_EQ(prompter.texts().back(),
            " Sorry, could not find Build.exe file. Need to copy Build.exe to Duke3D directroy. "
            "SEE BUILD NOTE for more information.");

  fs.putFile("D:\\GAMES\\DUKE3D\\Build.exe", "MZ");
  fs.putFile("D:\\MAPS\\CITY.MAP", "v1");
  data().set(game_data::BypassBuildPrompt, 1);
  data().set(game_data::AutoBackupEditMap, 1);
  state.SelectedDir = "D:\\MAPS\\";
  EXPECT_EQ(pipeline->launchMapEditor(state, "D:\\MAPS\\CITY.MAP"), LaunchOutcome::kReturned);
  EXPECT_EQ(text("D:\\MAPS\\CITY.bck"), "v1");
  EXPECT_EQ(text("D:\\GAMES\\DUKE3D\\buildpatch.bat"), "Build.exe ~tempmap.map <keys");
  EXPECT_EQ(writtenPif("D:\\GAMES\\DUKE3D\\dmpatch95ForBuild.pif").program, "buildpatch.bat");
  EXPECT_EQ(processes.calls().back().args, (std::vector<std::string>{"~tempmap.map", "<keys"}));
  EXPECT_EQ(text("D:\\GAMES\\DUKE3D\\keys"), "Y");
}

}  // namespace

// A game defined with long names and a file picked as the file manager keeps it for a DOS
// program (8.3): both spellings name the same directories, and the launch treats them so.
class LongNamedGameTest : public LaunchPipelineTest {
 protected:
  LongNamedGameTest() {
    fs.putFile("D:\\Games\\Duke Nukem 3D\\DUKE3D.EXE", "MZ");
    fs.putFile("D:\\Games\\Duke Nukem 3D\\DUKE3D.GRP", "group");
    fs.putFile("D:\\Games\\Duke Nukem 3D\\E1L1.MAP", "map");
    fs.putFile("D:\\Games\\Duke Nukem 3D\\Capture The Flag\\maps\\CTF1.BSP", "bsp");
    game().set(game_info::GameDir, "D:\\Games\\Duke Nukem 3D\\");
    game().set(game_info::GameKind, 1);
  }
  void pick(const std::string& longPath, const std::string& loadTemplate) {
    auto dosForm = fs.shortPathName(longPath);
    ASSERT_TRUE(dosForm.has_value()) << longPath;
    data().set(game_data::SelectedFile, *dosForm);
    data().set(game_data::SelectedFileTemplate, loadTemplate);
  }
};

TEST_F(LongNamedGameTest, AMapInTheGameDirectoryIsNoAddOn) {
  pick("D:\\Games\\Duke Nukem 3D\\E1L1.MAP", "<cml>-map <fileonly>");
  ASSERT_EQ(run(), LaunchOutcome::kReturned);
  EXPECT_EQ(state.LaunchDir, "D:\\GAMES\\DUKENU~1\\");
  EXPECT_EQ(state.SelectedDir, state.LaunchDir);
  ASSERT_EQ(processes.calls().size(), 1u);
  // No "/g" for the game's own group file: it is no add-on.
  EXPECT_EQ(processes.calls()[0].args, std::vector<std::string>{"-map E1L1.MAP"});
  EXPECT_EQ(writtenPif("D:\\GAMES\\DUKENU~1\\dmpatch95.pif").workingDirectory,
            "D:\\GAMES\\DUKENU~1");
}

TEST_F(LongNamedGameTest, TheDirectoryBelowTheGamesIsFoundWhicheverSpellingNamesThem) {
  pick("D:\\Games\\Duke Nukem 3D\\Capture The Flag\\maps\\CTF1.BSP", "<cml><path_s> <fileonly>");
  ASSERT_EQ(run(), LaunchOutcome::kReturned);
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_EQ(processes.calls()[0].args, std::vector<std::string>{"CAPTUR~1\\MAPS CTF1.BSP"});

  // Quake's mod maps: the mod's own "maps\" below the game directory.
  game().set(game_info::GameKind, 6);
  pick("D:\\Games\\Duke Nukem 3D\\Capture The Flag\\maps\\CTF1.BSP", "<cml>+map <fileonly_name>");
  launch::LaunchState quake = pipeline->newLaunchState();
  launch::OptionLines lines;
  launch::buildOptionLines(
      lines,
      launch::OptionLineInputs{game(), data(), cat->univ(), cat->launchLink().workingCopies(),
                               quake.LaunchDir, quake.SelectedDir, fs},
      session);
  EXPECT_EQ(lines[45].Value, "CAPTUR~1");
  EXPECT_EQ(lines[44].Value, "CTF1.BSP");
}
