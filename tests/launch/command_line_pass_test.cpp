// The command-line pass: which lines and pieces become arguments, the caps, the map directory
// prefix and the group file of a Duke Nukem 3D add-on.
#include "support/launch_pass_fixture.h"

namespace {

namespace gd = catalogue::game_data;
namespace gi = catalogue::game_info;

using Args = std::vector<std::string>;

class CommandLinePassTest : public testsupport::LaunchPassTest {};

TEST_F(CommandLinePassTest, WorkedExampleArguments) {
  setLine(0, "<cml>-map <fileonly>", kMap);
  setLine(1, "<cml>-skill <var>", "3");
  setLine(2, "Map <fileonly_name>@Default File1", kMap);
  setLine(3, "<cml>-x<fileonly>y", kMap);
  EXPECT_EQ(compose(), (Args{"-map HELL.MAP", "-skill 3", "-xHELL.MAP"}));
  EXPECT_FALSE(fs.exists("C:\\GAMES\\DUKE3D\\HELL.MAP"));  // only the other pass copies
}

TEST_F(CommandLinePassTest, WhichLinesTakePart) {
  setLine(0, "<cml>-map <var>", "E1L2");
  setLine(1, "<cml>-skip <var>", "", 2);
  setLine(2, "<cml>-kept <var>", "", 4);
  setLine(3, "<cml>-skill <x>", "26");
  setLine(4, "<CML>-game  <var>  ", "MOD");
  setLine(5, "-noswitch <var>", "x");
  setLine(6, "", "value");
  EXPECT_EQ(compose(), (Args{"-map E1L2", "-kept ", "-skill 1a", "-game  MOD  "}));
}

TEST_F(CommandLinePassTest, PiecesEndAtDirectivesEmptyPiecesAndTheTenthPiece) {
  setLine(0, "<cml>-a|//<cml>-comment|plain|<cml>-b");
  setLine(1, "<cml>-c||<cml>-lost");
  setLine(2, "<cml>-d|<cml>x@Default File1|<cml>-lost");
  setLine(3, "//1|<cml>2|<cml>3|<cml>4|<cml>5|<cml>6|<cml>7|<cml>8|<cml>9|<cml>10|<cml>11");
  EXPECT_EQ(compose(), (Args{"-a", "-b", "-c", "-d", "2", "3", "4", "5", "6", "7"}));
  state.Args.args.clear();
  state.OptionStart = 3;
  EXPECT_EQ(compose(), (Args{"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

TEST_F(CommandLinePassTest, TheEleventhArgumentIsNotAdded) {
  for (size_t i = 0; i < 11; ++i) setLine(i, "<cml>-a" + std::to_string(i));
  Args got = compose();
  ASSERT_EQ(got.size(), 10u);
  EXPECT_EQ(got.back(), "-a9");
  state.Args.args = {"x", "x", "x", "x", "x", "x", "x", "x", "x"};
  EXPECT_EQ(compose().size(), 10u);
}

TEST_F(CommandLinePassTest, CurrentMapDirectoryGoesInFrontOfTheMapValue) {
  setLine(0, "<cml>-Map <var>", "E1L1.MAP");
  setLine(1, "<cml>-map <var>", "E1L2.MAP");
  state.CurrentMapDir = "C:\\MAPS\\";
  EXPECT_EQ(compose(), (Args{"-Map C:\\MAPS\\E1L1.MAP", "-map E1L2.MAP"}));
  EXPECT_EQ(composed[0].Value, "C:\\MAPS\\E1L1.MAP");
  state = {};
  EXPECT_EQ(compose(), (Args{"-Map E1L1.MAP", "-map E1L2.MAP"}));
}

TEST_F(CommandLinePassTest, DukeAddOnBringsItsGroupFileOnce) {
  fs.putFile("C:\\ADDONS\\HELL\\HELLTOWN.GRP", "grp");
  EXPECT_EQ(compose(), (Args{"/gHELLTOWN.GRP"}));
  EXPECT_EQ(compose(), (Args{"/gHELLTOWN.GRP"}));  // an equal argument is not added again
  state.Args.args.clear();
  state.SelectedDir = kGameDir;
  fs.putFile("C:\\GAMES\\DUKE3D\\DUKE3D.GRP", "grp");
  EXPECT_EQ(compose(), Args{});
  state.SelectedDir = kAddonDir;
  game.set(gi::GameKind, 4);
  EXPECT_EQ(compose(), Args{});
}

}  // namespace
