// Registry edits before a launch: which option lines write, what name and type they write, where
// the key path leads, and the values a game then finds in a Wine prefix's user.reg.
#include "launch/registry_edits.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/fake/fake_registry.h"
#include "platform/host/wine_registry.h"
#include "support/temp_dir.h"

namespace launch {
namespace {

using platform::FakeRegistry;

const std::string kGameKey = "Software\\Maker\\Game";

class RegistryEditsTest : public ::testing::Test {
 protected:
  RegistryEditsTest() { registry.addKey(kGameKey); }

  void line(size_t index, std::string text, std::string value, int state = 0) {
    lines[index] = {std::move(text), std::move(value), state};
  }
  void apply(const std::string& regKey = kGameKey, const std::string& launchName = "duke3d") {
    applyRegistryEdits(lines, regKey, launchName, registry);
  }

  OptionLines lines;
  FakeRegistry registry;
};

TEST_F(RegistryEditsTest, WritesTheValueWithTheTypeAndNameTheMarkersGive) {
  line(3, "<RegEdit><DWord><SubKey>Detail", "3");
  line(4, "<regedit><SubKey>Player", "Duke");
  line(5, "<REGEDIT>", "whole key");
  apply();

  auto detail = registry.value(kGameKey, "Detail");
  ASSERT_TRUE(detail);
  EXPECT_EQ(detail->type, FakeRegistry::Type::kDword);
  EXPECT_EQ(detail->dword, 3u);
  auto player = registry.value(kGameKey, "Player");
  ASSERT_TRUE(player);
  EXPECT_EQ(player->type, FakeRegistry::Type::kString);
  EXPECT_EQ(player->text, "Duke");
  auto fallback = registry.value(kGameKey, "");
  ASSERT_TRUE(fallback);
  EXPECT_EQ(fallback->text, "whole key");
  EXPECT_EQ(registry.valueCount(), 3u);
}

TEST_F(RegistryEditsTest, OnlyTheFirstPieceDescribesTheEdit) {
  line(0, "<RegEdit><SubKey>Name|<DWord>", "12");
  line(1, "<RegEdit>|<SubKey>Other", "x");
  line(2, "<RegEdit><SubKey>Speed<DWord>", "7");  // the name runs to the end of the piece
  apply();
  EXPECT_EQ(registry.value(kGameKey, "Name")->type, FakeRegistry::Type::kString);
  EXPECT_EQ(registry.value(kGameKey, "Name")->text, "12");
  EXPECT_EQ(registry.value(kGameKey, "")->text, "x");
  EXPECT_FALSE(registry.value(kGameKey, "Other"));
  EXPECT_EQ(registry.value(kGameKey, "Speed<DWord>")->dword, 7u);
}

TEST_F(RegistryEditsTest, DwordsAreReadAsTheCLibraryReadsDecimals) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"42abc", 42}, {"  -1", 0xFFFFFFFFu},       {"+8", 8},
      {"abc", 0},    {"99999999999", 0x7FFFFFFF}, {"-99999999999", 0x80000000u}};
  for (const auto& [text, expected] : cases) {
    line(0, "<RegEdit><DWord><SubKey>N", text);
    apply();
    EXPECT_EQ(registry.value(kGameKey, "N")->dword, expected) << text;
  }
}

TEST_F(RegistryEditsTest, LinesThatAreNoEditsOrHaveNothingToSayAreSkipped) {
  line(0, "-map <var>", "E1L1.MAP");
  line(1, "<RegEdit><SubKey>Empty", "", 2);  // empty and optional
  line(2, "<RegEdit><SubKey>Blank", "", 1);  // empty but written
  line(3, "", "x");
  apply();
  EXPECT_FALSE(registry.value(kGameKey, "Empty"));
  ASSERT_TRUE(registry.value(kGameKey, "Blank"));
  EXPECT_EQ(registry.value(kGameKey, "Blank")->text, "");
  EXPECT_EQ(registry.valueCount(), 1u);
}

TEST_F(RegistryEditsTest, TheFirstMiscMarkerOfEveryLineBecomesTheLaunchName) {
  line(0, "<RegEdit><SubKey><misc>", "on");
  line(1, "<misc> -x <misc>", "");
  line(2, "<MISC>", "");
  apply(kGameKey, "duke3d.exe");
  EXPECT_EQ(registry.value(kGameKey, "duke3d.exe")->text, "on");
  EXPECT_EQ(lines[0].Text, "<RegEdit><SubKey>duke3d.exe");
  EXPECT_EQ(lines[1].Text, "duke3d.exe -x <misc>");
  EXPECT_EQ(lines[2].Text, "<MISC>");

  // Without a key the pass leaves the lines alone too.
  line(1, "<misc>", "");
  apply("", "duke3d.exe");
  EXPECT_EQ(lines[1].Text, "<misc>");
}

TEST_F(RegistryEditsTest, OnlyAMissingLastComponentIsLeftOut) {
  line(0, "<RegEdit><SubKey>Player", "Duke");
  apply("Software\\Missing\\Game");
  apply("Hardware");  // not even when it is the only one
  apply("Nowhere\\Game");
  EXPECT_EQ(registry.valueCount(), 0u);

  apply("Software\\Maker\\NotInstalled");
  EXPECT_EQ(registry.value("Software\\Maker", "Player")->text, "Duke");
  EXPECT_EQ(registry.valueCount(), 1u);
}

TEST_F(RegistryEditsTest, OnlyTheFirstTenComponentsAreOpened) {
  const std::string ten = "A\\B\\C\\D\\E\\F\\G\\H\\I\\J";
  registry.addKey(ten + "\\K");
  line(0, "<RegEdit><SubKey>Deep", "v");
  size_t before = registry.openCalls();
  apply(ten + "\\K");
  EXPECT_EQ(registry.openCalls() - before, 10u);
  EXPECT_EQ(registry.value(ten, "Deep")->text, "v");
  EXPECT_FALSE(registry.value(ten + "\\K", "Deep"));
}

TEST_F(RegistryEditsTest, AFailedWriteIsPassedOverSilently) {
  registry.failWrites(true);
  line(0, "<RegEdit><SubKey>A", "1");
  line(1, "<RegEdit><SubKey>B", "2");
  apply();
  EXPECT_EQ(registry.valueCount(), 0u);
  // Each line tries on its own: every one opened the whole path.
  EXPECT_EQ(registry.openCalls(), 6u);
}

TEST(RegistryEditsInWine, TheGameFindsItsValuesInUserReg) {
  testsupport::TempDir dir;
  const std::string path = dir / "user.reg";
  const std::string before =
      "WINE REGISTRY Version 2\n"
      ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
      "\n"
      "[Software\\\\Maker\\\\Game] 1700000000\n"
      "#time=1da1b2c3d4e5f60\n"
      "\"Detail\"=dword:00000001\n"
      "\n"
      "[Software\\\\Other] 1700000000\n"
      "\"Detail\"=dword:00000009\n";
  std::ofstream(path, std::ios::binary) << before;

  OptionLines lines;
  lines[10] = {"<RegEdit><DWord><SubKey>Detail", "3", 0};
  lines[11] = {"<RegEdit><SubKey>Player|ignored", "Duke", 0};
  platform::WineRegistry registry(path);
  applyRegistryEdits(lines, kGameKey, "duke3d", registry);

  std::ifstream in(path, std::ios::binary);
  const std::string after(std::istreambuf_iterator<char>(in), {});
  size_t game = after.find("[Software\\\\Maker\\\\Game]");
  size_t other = after.find("[Software\\\\Other]");
  ASSERT_NE(game, std::string::npos);
  ASSERT_NE(other, std::string::npos);
  size_t detail = after.find("\"Detail\"=dword:00000003\n");
  size_t player = after.find("\"Player\"=\"Duke\"\n");
  EXPECT_TRUE(detail > game && detail < other) << after;
  EXPECT_TRUE(player > game && player < other) << after;
  EXPECT_NE(after.find("\"Detail\"=dword:00000009\n", other), std::string::npos);
  EXPECT_EQ(after.find("dword:00000001"), std::string::npos);
}

}  // namespace
}  // namespace launch
