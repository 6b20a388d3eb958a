// What a game runs with: the settings file beside the records and the arguments' one-line form.
#include "catalogue/run_with.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

namespace {

using catalogue::joinArguments;
using catalogue::RunWith;
using catalogue::RunWithSettings;
using catalogue::splitArguments;

TEST(RunWithSettings, SlotsRoundTripThroughTheFileWithBlanksKept) {
  platform::FakeFileSystem fs;
  fs.makeDirectories("C:\\QF95");
  RunWithSettings settings;
  const RunWith native{true, "/opt/My Ports/port", {"-iwad", "/home/a b/x.wad", ""}};
  settings.set(20, native);
  // DOSBox chosen, the program kept for a switch back.
  settings.set(21, RunWith{false, "/usr/games/chocolate-doom", {}});
  settings.set(22, RunWith{});
  ASSERT_TRUE(settings.save(fs, "C:\\QF95"));

  const RunWithSettings read = RunWithSettings::load(fs, "C:\\QF95\\");
  EXPECT_EQ(read.get(20), native);
  EXPECT_EQ(read.get(21), (RunWith{false, "/usr/games/chocolate-doom", {}}));
  EXPECT_EQ(read.get(22), RunWith{});
  EXPECT_EQ(read.text(), settings.text());
  EXPECT_EQ(settings.text().find("[22]"), std::string::npos);  // the default takes no section

  // Back to the default: the section goes.
  settings.set(21, RunWith{});
  EXPECT_EQ(settings.text().find("[21]"), std::string::npos);
}

TEST(RunWithSettings, AHandEditedFileIsReadWithoutTrust) {
  const RunWithSettings read = RunWithSettings::parse(
      "Program=/before/any/section\r\n"
      "[7]\r\nRunWith=native\r\nProgram=/usr/games/chocolate-doom\r\nArgument=-iwad\r\n"
      "Unknown=x\r\n"
      "[x7]\nRunWith=native\n[99999]\nRunWith=native\n[601]\nRunWith=native\n"
      "[8]\nRunWith=Native\nProgram=\n");
  EXPECT_EQ(read.get(7), (RunWith{true, "/usr/games/chocolate-doom", {"-iwad"}}));
  EXPECT_EQ(read.get(8), RunWith{});  // only "native" is native
  EXPECT_EQ(read.get(601), RunWith{});
  EXPECT_EQ(RunWithSettings::parse("").get(0), RunWith{});
  // A CR inside a line ends its value, as it would end the line written back.
  EXPECT_EQ(RunWithSettings::parse("[9]\nProgram=/a\rb\nArgument=\rx\n").get(9),
            (RunWith{false, "/a", {""}}));

  // A line break inside an argument cannot be written as one line: the rest is dropped.
  RunWithSettings settings;
  settings.set(3, RunWith{true, "p", {"a\nRunWith=dosbox"}});
  EXPECT_EQ(RunWithSettings::parse(settings.text()).get(3), (RunWith{true, "p", {"a"}}));
}

TEST(RunWithArguments, OneLineAndBack) {
  const std::vector<std::vector<std::string>> cases{
      {},
      {"-iwad", "/usr/share/games/doom/freedoom2.wad"},
      {"-file", "/home/ann/My Maps/a map.wad"},
      {"", "say \"hi\"", "back\\slash", "end\\"},
      {"$HOME", "a;b", "`x`", "*"},  // no shell reads it: nothing else is special
  };
  for (const auto& arguments : cases)
    EXPECT_EQ(splitArguments(joinArguments(arguments)), arguments) << joinArguments(arguments);
  EXPECT_EQ(joinArguments({"-iwad", "/a b/x.wad"}), "-iwad \"/a b/x.wad\"");
  EXPECT_EQ(splitArguments("  -warp   7\t\"a b\"c  "),
            (std::vector<std::string>{"-warp", "7", "a bc"}));
  EXPECT_EQ(splitArguments("\"unclosed quote"), std::vector<std::string>{"unclosed quote"});
  EXPECT_EQ(splitArguments("C:\\GAMES\\x"), std::vector<std::string>{"C:\\GAMES\\x"});
}

}  // namespace
