// A Duke Nukem 3D 1.4/1.5 launch of a 1.3 add-on, through the launch services the program
// composes: the add-on's CON files are converted and the game is told to run the twins.
#include <gtest/gtest.h>

#include "catalogue/game_types.h"
#include "content/con_conversion.h"
#include "launch/launch_pipeline.h"
#include "platform/fake/fake_processes.h"
#include "support/catalogue_fixture.h"

namespace {

using namespace catalogue;
using launch::LaunchOutcome;

const std::string kUser13 =
    "gamestartup 512 5 100\r\n NUMFREEZEBOUNCES FREEZERHURTOWNER\r\n"
    "definesound ENDSEQVOL3SND1 endseq.voc 0 0 255 0 0\r\n"
    "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n";

class ConLaunchTest : public testsupport::CatalogueTest {
 protected:
  ConLaunchTest() {
    fs.putFile("D:\\GAMES\\DUKE3D\\DUKE3D.EXE", "MZ");
    fs.putFile("D:\\GAMES\\DUKE3D\\GAME.CON", "include USER.CON\r\n");
    fs.putFile("D:\\ADDON\\GAME.CON", "include DEFS.CON\r\ninclude USER.CON\r\n");
    fs.putFile("D:\\ADDON\\USER.CON", kUser13);
    fs.putFile("D:\\ADDON\\CITY.MAP", "map");
    EXPECT_TRUE(makeCatalogue().LoadCatalogue());
    useBareDefinition();
    cat->current().set(game_info::GameKind, kKindDukeAtomic);
  }
  LaunchOutcome run(const std::string& picked, const std::string& switchText) {
    cat->gameData().set(game_data::SelectedFile, picked);
    cat->gameData().set(game_data::SelectedFileTemplate, switchText);
    launch::LaunchPipeline pipeline(program->launchServices(&processes), *cat, program->session());
    state = pipeline.newLaunchState();
    return pipeline.launchGame(state);
  }
  std::vector<std::string> lastArgs() {
    return processes.calls().empty() ? std::vector<std::string>{} : processes.calls().back().args;
  }

  platform::FakeProcesses processes;
  launch::LaunchState state;
};

TEST_F(ConLaunchTest, AMapOfA13AddOnRunsWithTheConvertedMainFile) {
  ASSERT_EQ(run("D:\\ADDON\\CITY.MAP", "<cml>-map <fileonly>"), LaunchOutcome::kReturned);
  EXPECT_EQ(lastArgs(), (std::vector<std::string>{"/xGAME.V15", "-map CITY.MAP"}));
  EXPECT_TRUE(fs.exists("D:\\ADDON\\USER.V15"));
  EXPECT_TRUE(fs.exists("D:\\ADDON\\plut.con"));
}

TEST_F(ConLaunchTest, APickedMainFileIsLoadedAsItsTwinAndAFailureEndsTheLaunch) {
  ASSERT_EQ(run("D:\\ADDON\\GAME.CON", "<cml>/x<fileonly>"), LaunchOutcome::kReturned);
  EXPECT_EQ(lastArgs(), std::vector<std::string>{"/xGAME.V15"});
  // The player's pick stays the file they picked.
  EXPECT_EQ(cat->gameData().get(game_data::SelectedFile), "D:\\ADDON\\GAME.CON");

  // Again: the twins are found and the same file runs.
  ASSERT_EQ(run("D:\\ADDON\\GAME.CON", "<cml>/x<fileonly>"), LaunchOutcome::kReturned);
  EXPECT_EQ(lastArgs(), std::vector<std::string>{"/xGAME.V15"});

  fs.putFile("D:\\OTHER\\GAME.CON", "include USER.CON\r\n");
  fs.putFile("D:\\OTHER\\USER.CON", "gamestartup 1\r\n");  // 1.3, but nothing to convert by
  const size_t started = processes.calls().size();
  EXPECT_EQ(run("D:\\OTHER\\GAME.CON", "<cml>/x<fileonly>"), LaunchOutcome::kAbandoned);
  EXPECT_EQ(processes.calls().size(), started);
  EXPECT_EQ(prompter.texts().back(), std::string(content::kConvertFailed));
}

}  // namespace
