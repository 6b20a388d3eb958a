// "Run" for real: the catalogue finds a stand-in game on drive D:, the launch patches the
// argument helper, edits the game's configuration file, writes the PIF and starts it in a
// headless DOSBox. The stand-in writes the directory it ran in and its command tail.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue/catalogue.h"
#include "launch/launch_pipeline.h"
#include "platform/fake/scripted_prompter.h"
#include "platform/host/host_clock.h"
#include "platform/host/wine_registry.h"
#include "support/process_fixture.h"
#include "support/bare_definition.h"

namespace {

using namespace catalogue;

std::string fileText(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class DosSessionLaunchTest : public testsupport::ProcessTest {
 protected:
  void SetUp() override {
    options.dosbox = platform::HostProcessOptions::fromEnvironment().dosbox;
    if (::system(("command -v " + options.dosbox[0] + " > /dev/null").c_str()) != 0)
      GTEST_SKIP() << options.dosbox[0] << " is not installed";
    put("prefix/drive_c/QF95/Quillfen.Sig", fileText(QF95_SIG_PATH));
    put("prefix/drive_c/QF95/arg_pass.com", fileText(QF95_ARG_PASS_PATH));
    put("d/GAMES/DUKE3D/DUKE3D.EXE", fileText(QF95_STANDIN_COM));
    put("d/GAMES/DUKE3D/DUKE3D.CFG", "[Screen Setup]\r\nScreenMode = 1\r\nScreenWidth = 320\r\n");
    put("d/Maps From Friends/CITY.MAP", "a map");
    fs->setCurrentDirectory("C:\\QF95\\");
    processes = std::make_unique<platform::HostProcesses>(*fs, options);
    registry = std::make_unique<platform::WineRegistry>(dir / "prefix/user.reg");
    cat = std::make_unique<Catalogue>(*fs, prompter, fs->currentDirectory(), link);
    ASSERT_TRUE(cat->LoadCatalogue());
    ASSERT_EQ(cat->currentSlot(), 0);
    testsupport::useBareDefinition(*cat, *fs);
  }

  platform::ScriptedPrompter prompter;
  platform::HostClock clock;
  BasicLaunchLink link;
  launch::LaunchSession session;
  std::unique_ptr<platform::HostProcesses> processes;
  std::unique_ptr<platform::WineRegistry> registry;
  std::unique_ptr<Catalogue> cat;
};

TEST_F(DosSessionLaunchTest, TheHelperRunsTheGameInTheMapsDirectoryWithTheComposedArguments) {
  GameInfoRecord& game = cat->current();
  game.set(game_info::UseArgPassProgram, 1);
  game.set(game_info::LaunchInUserPath, 1);
  game.set(game_info::SkillCommand, "<cml>/s<var>");
  game.set(game_info::SkillMin, 1);
  game.set(game_info::ConfigFile, "DUKE3D.CFG", 0);
  game.set(game_info::ConfigFileFlag, "N", 0);
  cat->WriteGameRecord(0, game);
  fs->deleteFile(gameDataPath(cat->startupDirectory(), 0));
  cat->SwitchCurrentSlot(0);  // a new game data record takes the configuration names

  GameDataRecord& data = cat->gameData();
  auto shortMap = fs->shortPathName("D:\\Maps From Friends\\CITY.MAP");
  ASSERT_TRUE(shortMap.has_value());
  EXPECT_EQ(*shortMap, "D:\\MAPSFR~1\\CITY.MAP");
  data.set(game_data::SelectedFile, *shortMap);
  data.set(game_data::SelectedFileTemplate, "<cml>-map <fileonly> |ScreenMode = 2@Default File1");
  data.set(game_data::SkillIndex, 2);
  data.set(game_data::ExtraOptions, "ScreenMode = 2@Default File1");

  launch::LaunchPipeline pipeline({*fs, *processes, *registry, prompter, clock}, *cat, session);
  launch::LaunchState state = pipeline.newLaunchState();
  EXPECT_EQ(state.SelectedDir, "D:\\MAPSFR~1\\");
  prompter.script({platform::Answer::kNo});
  ASSERT_EQ(pipeline.launchGame(state), launch::LaunchOutcome::kReturned) << read("output.txt");

  EXPECT_EQ(read("d/Maps From Friends/QFRUN.TXT"),
            "CWD=D:\\MAPSFR~1\r\nTAIL= /s3 -map CITY.MAP\r\n")
      << read("output.txt");
  EXPECT_EQ(read("d/GAMES/DUKE3D/DUKE3D.CFG"),
            "[Screen Setup]\r\nScreenMode = 2\r\nScreenWidth = 320\r\n");
  // The session took under ten seconds: the pause option was offered.
  ASSERT_EQ(prompter.texts().size(), 1u);
  EXPECT_EQ(prompter.texts()[0].substr(0, 40), "Do you wish to to set the Pause-Before-R");
  EXPECT_NE(logText().find("dos-wait\tprogram=D:\\GAMES\\DUKE3D\\ARG_PASS.COM"), std::string::npos)
      << logText();
}

// A player's own install: the game in a folder with long names and blanks, the map in another.
// The game gets 8.3 paths only, and the helper changes into the map's directory.
class DosSessionLongNamedInstallTest : public DosSessionLaunchTest {
 protected:
  // Makes the current game the stand-in in `gameDir` (a DOS path) with the map `map` picked
  // as the file manager picks it for a DOS program, and runs it.
  void runWith(const std::string& gameDir, const std::string& map) {
    GameInfoRecord& game = cat->current();
    game.set(game_info::GameDir, gameDir);
    game.set(game_info::UseArgPassProgram, 1);
    game.set(game_info::LaunchInUserPath, 1);
    cat->WriteGameRecord(0, game);
    auto shortMap = fs->shortPathName(map);
    ASSERT_TRUE(shortMap.has_value()) << map;
    cat->gameData().set(game_data::SelectedFile, *shortMap);
    cat->gameData().set(game_data::SelectedFileTemplate, "<cml>-map <fileonly>");
    launch::LaunchPipeline pipeline({*fs, *processes, *registry, prompter, clock}, *cat, session);
    launch::LaunchState state = pipeline.newLaunchState();
    prompter.script({platform::Answer::kNo});
    ASSERT_EQ(pipeline.launchGame(state), launch::LaunchOutcome::kReturned) << read("output.txt");
  }
};

TEST_F(DosSessionLongNamedInstallTest, TheGameInALongNamedFolderGetsTheMapFromAnotherOne) {
  put("prefix/drive_c/Games/Duke Nukem 3D/DUKE3D.EXE", fileText(QF95_STANDIN_COM));
  runWith("C:\\Games\\Duke Nukem 3D\\", "D:\\Maps From Friends\\CITY.MAP");
  EXPECT_EQ(read("d/Maps From Friends/QFRUN.TXT"), "CWD=D:\\MAPSFR~1\r\nTAIL= -map CITY.MAP\r\n")
      << read("output.txt");
  EXPECT_NE(logText().find("program=C:\\GAMES\\DUKENU~1\\ARG_PASS.COM"), std::string::npos)
      << logText();
}

TEST_F(DosSessionLongNamedInstallTest, AMapInTheGameDirectoryIsNoAddOnWhicheverSpellingNamesIt) {
  put("prefix/drive_c/Games/Duke Nukem 3D/DUKE3D.EXE", fileText(QF95_STANDIN_COM));
  put("prefix/drive_c/Games/Duke Nukem 3D/CITY.MAP", "a map");
  put("prefix/drive_c/Games/Duke Nukem 3D/GAME.CON", "the game's own");
  runWith("C:\\Games\\Duke Nukem 3D\\", "C:\\Games\\Duke Nukem 3D\\CITY.MAP");
  EXPECT_EQ(read("prefix/drive_c/Games/Duke Nukem 3D/QFRUN.TXT"),
            "CWD=C:\\GAMES\\DUKENU~1\r\nTAIL= -map CITY.MAP\r\n")
      << read("output.txt");
  EXPECT_EQ(read("prefix/drive_c/Games/Duke Nukem 3D/GAME.CON"), "the game's own");
}

TEST_F(DosSessionLongNamedInstallTest, AGameReachedOnlyThroughZStartsInDosbox) {
  // The games live in a folder of their own under /tmp whose name needs no alias: the temporary
  // directories of other tests come and go beside it meanwhile, and a "~N" alias there would
  // depend on who is present when DOSBox looks.
  const std::filesystem::path home = "/tmp/Q" + std::to_string(::getpid() % 10000000);
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home / "My Games/Duke Nukem 3D");
  struct Cleanup {
    std::filesystem::path path;
    ~Cleanup() { std::filesystem::remove_all(path); }
  } cleanup{home};
  std::ofstream(home / "My Games/Duke Nukem 3D/DUKE3D.EXE", std::ios::binary)
      << fileText(QF95_STANDIN_COM);
  std::ofstream(home / "My Games/Duke Nukem 3D/E1L1.MAP") << "a map";
  std::string zDir = "Z:" + (home / "My Games/Duke Nukem 3D").string();
  std::replace(zDir.begin(), zDir.end(), '/', '\\');
  runWith(zDir + "\\", zDir + "\\E1L1.MAP");
  std::ifstream in(home / "My Games/Duke Nukem 3D/QFRUN.TXT", std::ios::binary);
  const std::string ran(std::istreambuf_iterator<char>(in), {});
  EXPECT_EQ(ran, "CWD=Y:\\TMP\\" + home.filename().string() +
                     "\\MYGAME~1\\DUKENU~1\r\nTAIL= -map E1L1.MAP\r\n")
      << read("output.txt");
}

TEST_F(DosSessionLaunchTest, TheSessionRunsWithThePlayersCycles) {
  put("home/.dosbox/dosbox-0.74-3.conf", "[cpu]\ncycles=12345\n[autoexec]\nmount c /nowhere\n");
  options.dosboxUserConfig = dir / "home/.dosbox/dosbox-0.74-3.conf";
  platform::HostProcesses withPlayersSetup(*fs, options);
  // DOSBox's own "config" writes the settings in force to a file of the host.
  const std::string written = dir / "in-force.conf";
  EXPECT_EQ(withPlayersSetup.runCommand("config -writeconf " + written), 0)
      << withPlayersSetup.lastError();
  EXPECT_NE(read("in-force.conf").find("cycles=12345"), std::string::npos) << read("output.txt");
}

}  // namespace

namespace {

// Linux allows names DOS does not: a map called "x>e1l1.map" would make the game's command a
// redirection that empties E1L1.MAP. DOSBox shows such names as they are, so no safe DOS name
// exists: the launch is refused, and nothing in the directory changes.
TEST_F(DosSessionLaunchTest, AMapNameThatWouldBeACommandIsRefused) {
  put("d/GAMES/DUKE3D/E1L1.MAP", "the first level");
  put("d/GAMES/DUKE3D/x>e1l1.map", "a map");
  put("d/GAMES/DUKE3D/a|b.map", "another map");
  // What DOSBox itself shows for them.
  EXPECT_EQ(processes->runCommand("dir /b D:\\GAMES\\DUKE3D\\*.MAP > C:\\LIST.TXT"), 0);
  const std::string shown = read("prefix/drive_c/LIST.TXT");
  for (const char* name : {"X>E1L1.MAP", "A|B.MAP"})
    EXPECT_NE(shown.find(std::string(name) + "\r\n"), std::string::npos) << shown;

  cat->current().set(game_info::FileKindLoadCommand, "<cml>-map <fileonly>", 0);
  // Picked in the file lists, which show the names as DOSBox does.
  for (const char* name : {"X>E1L1.MAP", "A|B.MAP"}) {
    cat->gameData().set(game_data::SelectedFile, std::string("D:\\GAMES\\DUKE3D\\") + name);
    cat->gameData().set(game_data::SelectedFileTemplate, "<cml>-map <fileonly>");
    launch::LaunchPipeline pipeline({*fs, *processes, *registry, prompter, clock}, *cat, session);
    launch::LaunchState state = pipeline.newLaunchState();
    prompter.script({platform::Answer::kOk});
    EXPECT_EQ(pipeline.launchGame(state), launch::LaunchOutcome::kAbandoned);
    ASSERT_FALSE(prompter.texts().empty());
    const std::string expected =
        std::string("D:\\GAMES\\DUKE3D\\") + name + " cannot be given to a DOS program";
    EXPECT_EQ(prompter.texts().back().rfind(expected, 0), 0u) << prompter.texts().back();
  }
  EXPECT_EQ(read("d/GAMES/DUKE3D/E1L1.MAP"), "the first level");
  EXPECT_FALSE(exists("d/GAMES/DUKE3D/QFRUN.TXT"));
  EXPECT_FALSE(exists("d/GAMES/DUKE3D/dmpatch95.pif"));
  EXPECT_EQ(logText().find("dos-wait"), std::string::npos) << logText();
}

}  // namespace
