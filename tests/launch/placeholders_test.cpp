// The placeholder table: values, order, first occurrence only, and the copies the
// configuration pass makes while it expands file names.
#include "launch/placeholders.h"

#include "support/launch_pass_fixture.h"

namespace {

namespace gd = catalogue::game_data;
namespace gi = catalogue::game_info;
using launch::Pass;

class PlaceholdersTest : public testsupport::LaunchPassTest {
 protected:
  std::string expand(Pass pass, std::string piece, size_t index = 0) {
    launch::PlaceholderExpander expander(pass, {game, data}, state, fs, kAddonDir);
    expander.expand(piece, lines, index);
    return piece;
  }
  static constexpr const char* kCopy = "C:\\GAMES\\DUKE3D\\HELL.MAP";
};

TEST_F(PlaceholdersTest, ValuesInTableOrderFirstOccurrenceOnly) {
  game.set(gi::EpisodeMin, 1);
  data.set(gd::EpisodeIndex, 2);
  data.set(gd::LevelIndex, 4);
  setLine(0, "t", "26");
  setLine(1, "t", "<var>");
  EXPECT_EQ(expand(Pass::kCommandLine, "<e><E> <l><L> <n><N> <x><X> <p> <e>"),
            "33 44 2626 1a1a 26 <e>");
  EXPECT_EQ(lines[0].State, 1);
  setLine(0, "t", "v", 2);
  EXPECT_EQ(expand(Pass::kCommandLine, "plain"), "plain");
  EXPECT_EQ(lines[0].State, 2);  // nothing expanded
  EXPECT_EQ(expand(Pass::kCommandLine, "<var> <VAR> <Var> <V> <var> <vAr>"), "v v v v <var> <vAr>");
  setLine(0, "t", "<n>");  // an earlier row never sees what a later one brings in
  EXPECT_EQ(expand(Pass::kCommandLine, "<var>"), "<n>");
  for (auto [value, hex] : {std::pair{"-1", "ffffffff"}, {"12abc", "c"}, {"x", "0"}}) {
    setLine(0, "t", value);
    EXPECT_EQ(expand(Pass::kCommandLine, "<x>"), hex);
  }
  EXPECT_EQ(expand(Pass::kCommandLine, "[<p>]", 59), "[]");
}

TEST_F(PlaceholdersTest, FileOnlyDropsOneCharacterAndCopiesOnlyInTheConfigPass) {
  setLine(0, "t", kMap);
  EXPECT_EQ(expand(Pass::kCommandLine, "-x<fileonly>y! <fileonly_name>.x <fileonly 2>z"),
            "-xHELL.MAP! HELL.x <fileonly 2>z");
  EXPECT_FALSE(fs.exists(kCopy));
  EXPECT_EQ(expand(Pass::kConfig, "<fileonly>"), "HELL.MAP");
  EXPECT_EQ(text(kCopy), "map bytes");
  EXPECT_TRUE(state.FileCopied);
  EXPECT_EQ(state.CopiedFile, "");
  fs.putFile(kMap, "changed");
  expand(Pass::kConfig, "<fileonly>");
  EXPECT_EQ(text(kCopy), "map bytes");  // never overwritten
  data.set(gd::ConfigFileCopy, "GAME.CFG", 1);
  EXPECT_EQ(expand(Pass::kConfig, "a<fileonly 2>zb <fileonly 7>"), "aHELL.MAPb <fileonly 7>");
  EXPECT_EQ(text("C:\\GAMES\\DUKE3D\\GAME.CFG"), "changed");
  data.set(gd::ConfigFileCopy, "HELL.MAP", 0);
  EXPECT_EQ(expand(Pass::kConfig, "<fileonly_name 1>"), "HELL");
  EXPECT_EQ(text(kCopy), "changed");  // the numbered name form always overwrites
}

TEST_F(PlaceholdersTest, FileOnlyNamePlacement) {
  fs.addDrive('D');
  setLine(0, "t", kMap);
  for (auto [piece, result, target] :
       {std::tuple{"Map <fileonly_name><path = maps>", "Map HELL", "C:\\GAMES\\DUKE3D\\maps\\"},
        {"<path = \\sub\\>Map <fileonly_name>", "Map HELL", "C:\\GAMES\\DUKE3D\\sub\\"},
        {"Map <fileonly_name> <path = D:\\X>", "Map HELL ", "D:\\X\\"},
        {"Map <fileonly_name>", "Map HELL", kGameDir}}) {
    fs.makeDirectories(target);
    state.CopiedFile.clear();
    EXPECT_EQ(expand(Pass::kConfig, piece), result);
    EXPECT_EQ(state.CopiedFile, std::string(target) + "HELL.MAP");
  }
  // The user moved on during the launch: the directory the launch began in, unless the file
  // is there already.
  state.SelectedDir = kGameDir;
  fs.putFile("C:\\ADDONS\\CITY.MAP", "city");
  setLine(0, "t", "C:\\ADDONS\\CITY.MAP");
  expand(Pass::kConfig, "<fileonly_name>");
  EXPECT_EQ(text("C:\\ADDONS\\HELL\\CITY.MAP"), "city");
  fs.putFile("C:\\ADDONS\\HELL.MAP", "other");
  setLine(0, "t", "C:\\ADDONS\\HELL.MAP");
  expand(Pass::kConfig, "<fileonly_name>");
  EXPECT_EQ(text(kMap), "map bytes");
  // A value on the mod line means the game finds the file where it is.
  setLine(0, "t", "C:\\ADDONS\\CITY.MAP");
  fs.deleteFile("C:\\ADDONS\\HELL\\CITY.MAP");
  setLine(launch::kLineModDirectory, "<cml>-game <var>", "MYMOD");
  expand(Pass::kConfig, "<fileonly_name>");
  EXPECT_FALSE(fs.exists("C:\\ADDONS\\HELL\\CITY.MAP"));
}

TEST_F(PlaceholdersTest, MapAndPathsBelongToOnePassEach) {
  setLine(0, "t", "fallback");
  state.SelectedDir = "C:\\GAMES\\DUKE3D\\ADDON\\";
  EXPECT_EQ(expand(Pass::kCommandLine, "<map> <path> <path_s>"), "<map> C:\\GAMES\\DUKE3D\\ ADDON");
  EXPECT_EQ(state.SelectedDir, kGameDir);
  EXPECT_EQ(expand(Pass::kCommandLine, "[<path_s>]"), "[]");
  EXPECT_EQ(expand(Pass::kConfig, "<map> <path> <path_s>"), "fallback <path> <path_s>");
  game.set(gi::LevelCommand, "<cml>-map E<e>L<l>.MAP@x|y");
  EXPECT_EQ(expand(Pass::kConfig, "[<map>]"), "[E0L0.MAP]");
  data.set(gd::SelectedFile, "C:\\ADDONS\\HELL.map");
  EXPECT_EQ(expand(Pass::kConfig, "<map>"), "C:\\ADDONS\\HELL.map");
}

}  // namespace
