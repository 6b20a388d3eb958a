// The registry over a Wine prefix's user.reg and the in-memory one for tests: which keys open,
// what a write puts into the file and what it leaves alone, and files that are not quite right.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

#include "platform/fake/fake_registry.h"
#include "platform/host/wine_registry.h"
#include "support/temp_dir.h"

namespace platform {
namespace {

using wine_reg::KeyPath;

const std::string kUserReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Control Panel\\\\Desktop] 1700000000\n"
    "#time=1da1b2c3d4e5f60\n"
    "\"Wallpaper\"=\"\"\n"
    "\n"
    "[Software\\\\Maker\\\\Game] 1700000001\n"
    "#time=1da1b2c3d4e5f61\n"
    "\"Blob\"=hex:01,02,03,\\\n"
    "  04,05\n"
    "\"Detail\"=dword:00000001\n"
    "\"Player\"=\"Nobody\"\n"
    "\n"
    "[Software\\\\Wine\\\\Fonts] 1700000002\n"
    "\"Codepages\"=\"1252,437\"\n";

std::string readHostFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeHostFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The text with the first occurrence of `line` (and its "\n") taken out.
std::string withoutLine(std::string text, const std::string& line) {
  size_t at = text.find(line + "\n");
  if (at != std::string::npos) text.erase(at, line.size() + 1);
  return text;
}

class WineRegistryTest : public ::testing::Test {
 protected:
  WineRegistryTest() { writeHostFile(path, kUserReg); }
  std::string text() const { return readHostFile(path); }

  testsupport::TempDir dir;
  std::string path = dir / "user.reg";
  WineRegistry registry{path};
};

TEST_F(WineRegistryTest, OpensKeysThatHaveASectionOrLieAboveOne) {
  EXPECT_TRUE(registry.openCurrentUserKey("Software"));  // only through its subkeys
  EXPECT_TRUE(registry.openCurrentUserKey("software\\MAKER\\game"));
  auto software = registry.openCurrentUserKey("Software");
  ASSERT_TRUE(software);
  auto maker = software->openSubKey("Maker");
  ASSERT_TRUE(maker);
  EXPECT_TRUE(maker->openSubKey("Game"));

  EXPECT_FALSE(maker->openSubKey("Gam"));
  EXPECT_FALSE(maker->openSubKey("Game\\Deeper"));
  EXPECT_FALSE(registry.openCurrentUserKey("Soft"));
  EXPECT_FALSE(registry.openCurrentUserKey("Hardware"));
  EXPECT_FALSE(registry.openCurrentUserKey("Wallpaper"));  // a value, not a key
}

TEST_F(WineRegistryTest, WithoutAUsableFileNothingOpens) {
  WineRegistry missing(dir / "nothing.reg");
  EXPECT_FALSE(missing.openCurrentUserKey(""));
  EXPECT_FALSE(missing.openCurrentUserKey("Software"));

  // A file without the header is not taken for a registry, and is not written to.
  const std::string other = "[Software\\\\Maker\\\\Game] 1\n\"A\"=\"b\"\n";
  writeHostFile(path, other);
  EXPECT_FALSE(registry.openCurrentUserKey("Software"));
  EXPECT_FALSE(wine_reg::setValue(other, {"Software", "Maker", "Game"}, "A", "dword:1", 0));
}

TEST_F(WineRegistryTest, StringAndDwordWritesRoundTrip) {
  auto game = registry.openCurrentUserKey("Software\\Maker\\Game");
  ASSERT_TRUE(game);
  ASSERT_TRUE(game->setDword("Skill", 3));
  ASSERT_TRUE(game->setDword("Huge", 0xFFFFFFFEu));
  ASSERT_TRUE(game->setString("Name", "Duke"));
  ASSERT_TRUE(game->setString("", "Default text"));

  const std::string now = text();
  const KeyPath key = {"Software", "Maker", "Game"};
  EXPECT_NE(now.find("\"Skill\"=dword:00000003\n"), std::string::npos);
  EXPECT_NE(now.find("\"Huge\"=dword:fffffffe\n"), std::string::npos);
  EXPECT_NE(now.find("\"Name\"=\"Duke\"\n"), std::string::npos);
  EXPECT_NE(now.find("@=\"Default text\"\n"), std::string::npos);
  EXPECT_EQ(wine_reg::parseDwordData(*wine_reg::valueData(now, key, "skill")), 3u);
  EXPECT_EQ(wine_reg::parseDwordData(*wine_reg::valueData(now, key, "Huge")), 0xFFFFFFFEu);
  EXPECT_EQ(wine_reg::parseStringData(*wine_reg::valueData(now, key, "NAME")), "Duke");
  EXPECT_EQ(wine_reg::parseStringData(*wine_reg::valueData(now, key, "")), "Default text");
  // New values sit in the game's section, not in the one after it.
  EXPECT_LT(now.find("\"Skill\""), now.find("[Software\\\\Wine\\\\Fonts]"));
  EXPECT_GT(now.find("\"Skill\""), now.find("[Software\\\\Maker\\\\Game]"));
}

TEST_F(WineRegistryTest, AnExistingValueIsReplacedInPlaceAndKeepsItsSpelling) {
  auto game = registry.openCurrentUserKey("Software\\Maker\\Game");
  ASSERT_TRUE(game);
  ASSERT_TRUE(game->setDword("DETAIL", 7));
  std::string expected = kUserReg;
  expected.replace(expected.find("\"Detail\"=dword:00000001"), 23, "\"Detail\"=dword:00000007");
  EXPECT_EQ(text(), expected);

  // A value carried over several lines goes as a whole.
  ASSERT_TRUE(game->setString("blob", "x"));
  expected.replace(expected.find("\"Blob\"=hex:01,02,03,\\\n  04,05"), 29, "\"Blob\"=\"x\"");
  EXPECT_EQ(text(), expected);
}

TEST_F(WineRegistryTest, AWriteChangesNothingElseInTheFile) {
  auto game = registry.openCurrentUserKey("Software\\Maker\\Game");
  ASSERT_TRUE(game);
  ASSERT_TRUE(game->setString("Level", "E1L1"));
  EXPECT_EQ(withoutLine(text(), "\"Level\"=\"E1L1\""), kUserReg);

  // Carriage returns and a missing last line break survive too.
  std::string dos = kUserReg;
  for (size_t at = 0; (at = dos.find('\n', at)) != std::string::npos; at += 2) dos.insert(at, "\r");
  dos.pop_back();
  dos.pop_back();
  writeHostFile(path, dos);
  ASSERT_TRUE(game->setDword("Detail", 2));
  std::string expected = dos;
  expected.replace(expected.find("dword:00000001"), 14, "dword:00000002");
  EXPECT_EQ(text(), expected);
}

TEST_F(WineRegistryTest, TextsAreEscapedBothWays) {
  auto game = registry.openCurrentUserKey("Software\\Maker\\Game");
  ASSERT_TRUE(game);
  const std::string tricky = "C:\\GAMES\\\"DUKE\"\t\x01\xE9\x80";
  ASSERT_TRUE(game->setString("Say \"hi\"\\", tricky));
  const std::string now = text();
  EXPECT_NE(
      now.find("\"Say \\\"hi\\\"\\\\\"=\"C:\\\\GAMES\\\\\\\"DUKE\\\"\\t\\001\\x00e9\\x20ac\"\n"),
      std::string::npos);
  auto data = wine_reg::valueData(now, {"Software", "Maker", "Game"}, "say \"HI\"\\");
  ASSERT_TRUE(data);
  EXPECT_EQ(wine_reg::parseStringData(*data), tricky);
}

TEST_F(WineRegistryTest, AKeyWithoutItsOwnSectionGetsOne) {
  auto maker = registry.openCurrentUserKey("SOFTWARE\\maker");
  ASSERT_TRUE(maker);
  ASSERT_TRUE(maker->setDword("Installed", 1));
  const std::string now = text();
  // Spelled as the file spells it, stamped, and placed before its first subkey.
  size_t header = now.find("\n[Software\\\\Maker] ");
  ASSERT_NE(header, std::string::npos);
  EXPECT_LT(header, now.find("[Software\\\\Maker\\\\Game]"));
  EXPECT_NE(now.find("#time=", header), std::string::npos);
  EXPECT_EQ(wine_reg::valueData(now, {"Software", "Maker"}, "Installed"), "dword:00000001");
  EXPECT_TRUE(registry.openCurrentUserKey("Software\\Maker\\Game"));
  EXPECT_EQ(wine_reg::valueData(now, {"Software", "Maker", "Game"}, "Player"), "\"Nobody\"");
}

TEST_F(WineRegistryTest, AWriteFailsWhenTheKeyIsGone) {
  auto game = registry.openCurrentUserKey("Software\\Maker\\Game");
  ASSERT_TRUE(game);
  writeHostFile(path, "WINE REGISTRY Version 2\n");
  EXPECT_FALSE(game->setDword("Detail", 3));
  EXPECT_EQ(text(), "WINE REGISTRY Version 2\n");
}

TEST(WineRegistryText, MalformedFilesNeverBreakTheParser) {
  // Lines of every kind, broken in the ways a hand-edited file breaks, shuffled and cut at
  // random. Whatever comes out, a write that succeeds can be read back.
  const std::vector<std::string> pieces = {"[Software\\\\Maker\\\\Game] 1",
                                           "[Software\\\\Maker",
                                           "[]",
                                           "[\\",
                                           "\"Detail\"=dword:3",
                                           "\"Detail\"=hex:01,\\",
                                           "  02,\\",
                                           "\"Open",
                                           "@=\"x",
                                           "@=\"y\"",
                                           "\"\\x\"=\"\\x12345\"",
                                           "#time=1",
                                           "",
                                           "\r",
                                           "\"a\"=\"\\",
                                           "[Software\\\\Maker\\\\Game\\\\Sub] 2",
                                           "\xFF\xFE\x01",
                                           "\"detail\" = \"z\"",
                                           "[software\\\\MAKER\\\\game]",
                                           "\\",
                                           "\"Q\"=str(2):\"%PATH%\""};
  std::mt19937 random(1234);
  const KeyPath key = {"Software", "Maker", "Game"};
  size_t written = 0;
  for (int round = 0; round < 2000; ++round) {
    std::string text = "WINE REGISTRY Version 2\n";
    size_t count = random() % 12;
    for (size_t i = 0; i < count; ++i) text += pieces[random() % pieces.size()] + "\n";
    if (!text.empty() && random() % 3 == 0) text.resize(random() % text.size());
    for (const KeyPath& k : {key, KeyPath{"Software"}, KeyPath{}, KeyPath{"Software", "Maker"}})
      (void)wine_reg::hasKey(text, k);
    for (const char* name : {"Detail", "", "New"}) {
      auto out = wine_reg::setValue(text, key, name, "dword:0000002a", 5);
      if (!out) {
        EXPECT_FALSE(wine_reg::hasKey(text, key) && wine_reg::isRegistryText(text)) << text;
        continue;
      }
      ++written;
      EXPECT_EQ(wine_reg::valueData(*out, key, name), "dword:0000002a") << text;
    }
  }
  EXPECT_GT(written, 100u);  // the garbage did not keep every write away
}

TEST(FakeRegistry, OpensAddedKeysAndKeepsWhatWasWrittenWithItsType) {
  FakeRegistry registry;
  registry.addKey("Software\\Maker\\Game");
  EXPECT_FALSE(registry.openCurrentUserKey("Hardware"));
  auto software = registry.openCurrentUserKey("SOFTWARE");  // every key above was made too
  ASSERT_TRUE(software);
  EXPECT_FALSE(software->openSubKey("Game"));
  auto game = software->openSubKey("maker\\game");
  ASSERT_TRUE(game);
  EXPECT_EQ(registry.openCalls(), 4u);

  ASSERT_TRUE(game->setDword("Detail", 3));
  EXPECT_EQ(registry.value("software\\maker\\game", "DETAIL")->dword, 3u);
  ASSERT_TRUE(game->setString("", "default"));
  ASSERT_TRUE(game->setString("detail", "now a text"));
  auto detail = registry.value("Software\\Maker\\Game", "Detail");
  ASSERT_TRUE(detail);
  EXPECT_EQ(detail->type, FakeRegistry::Type::kString);
  EXPECT_EQ(detail->text, "now a text");
  EXPECT_EQ(registry.value("Software\\Maker\\Game", "")->text, "default");
  EXPECT_FALSE(registry.value("Software\\Maker", "Detail"));

  registry.failWrites(true);
  EXPECT_FALSE(game->setDword("Other", 1));
  EXPECT_EQ(registry.valueCount(), 2u);
}

}  // namespace
}  // namespace platform
