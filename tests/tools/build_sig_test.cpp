#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/definition_file.h"

namespace {

namespace fs = std::filesystem;
namespace gi = catalogue::game_info;
using catalogue::GameInfoRecord;
using definitions::Definition;

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& p, const std::string& text) {
  std::ofstream(p) << text;
}

struct BuiltIn {
  const char* name;
  const char* exe;
  bool windowsOnly;
};
const BuiltIn kBuiltIn[19] = {
    {"Duke3D 1.3 Reg.", "duke3d.exe", false},
    {"Duke3D 1.4 && 1.5", "duke3d.exe", false},
    {"RedNeck Rampage", "rr.exe", false},
    {"Blood", "Blood.exe", false},
    {"Shadow Warrior", "sw.exe", false},
    {"Quake", "quake.exe", false},
    {"Descent", "descentr.exe", false},
    {"Doom II", "doom2.exe", false},
    {"Doom I", "doom.exe", false},
    {"Heretic", "Heretic.exe", false},
    {"Hexen", "Hexen.exe", false},
    {"Strife", "STRIFE1.exe", false},
    {"Terminal Velocity", "tv.exe", false},
    {"Rise of the Triads", "rott.exe", false},
    {"Power Slave", "ps.exe", false},
    {"WinQuake", "winquake.exe", true},
    {"Doom I SE", "doom.exe", false},
    {"Quake2", "Quake2.exe", true},
    {"Hexen2", "H2.exe", true},
};
const catalogue::TextField<catalogue::GameInfoTag> kExecutables[] = {
    gi::ExecuteFile,          gi::ModemExecuteFile,         gi::SerialExecuteFile,
    gi::IpxExecuteFile,       gi::KahnExecuteFile,          gi::InternetExecuteFile,
    gi::NetServerExecuteFile, gi::InternetServerExecuteFile};

TEST(FactoryDefinitions, HoldTheBuiltInGameTypesInSlotOrder) {
  std::string file = readFile(QF95_SIG_PATH);
  ASSERT_EQ(file.size(), 245100u);
  for (size_t s = 0; s < 20; ++s) {
    SCOPED_TRACE("slot " + std::to_string(s));
    auto r = GameInfoRecord::fromBytes(
        std::span(reinterpret_cast<const uint8_t*>(file.data()) + s * GameInfoRecord::kSize,
                  GameInfoRecord::kSize));
    EXPECT_EQ(r.get(gi::Marker), catalogue::kValidMarker);
    if (s == 19) {
      EXPECT_EQ(r.get(gi::GameName), "Generic");
      EXPECT_EQ(r.get(gi::GameKind), 0);
      for (const auto& f : kExecutables) EXPECT_EQ(r.get(f), "") << f.name;
      continue;
    }
    EXPECT_EQ(r.get(gi::GameName), kBuiltIn[s].name);
    EXPECT_EQ(size_t{r.get(gi::GameKind)}, s + 1);
    EXPECT_EQ(r.get(gi::ExecuteFile), kBuiltIn[s].exe);
    // Configured: a built-in type names a program for modem play (its own or a driver).
    EXPECT_NE(r.get(gi::ModemExecuteFile), "");
    EXPECT_EQ(r.get(gi::IsDefined), 1);
    EXPECT_EQ(r.get(gi::WindowsModeOnly), kBuiltIn[s].windowsOnly ? 1 : 0);
  }
}

TEST(DefinitionFile, StoresTextArrayElementsAndNumbers) {
  Definition d = definitions::parseDefinition(
      "# comment\n\n"
      "Slot = \"3\"\r\n"
      "GameDir = \"C:\\GAMES\\Duke3d\\\"\n"
      "GameName = \"1234567890123456789\"\n"
      "HelpFile = \"first.txt\"\n"
      "HelpFile[9] = \"last.txt\"\n"
      "ConfigFileFlag[4] = \"Y\"\n"
      "DefaultSocketNumber = 0x8888\n"
      "LimitCommandOption = \"-2\"\n"
      "SkillMax = 5\n"
      "Marker = 1.5\n",
      "t.txt");
  ASSERT_TRUE(d.errors.empty()) << definitions::format(d.errors[0]);
  EXPECT_EQ(d.slot, 3);
  const GameInfoRecord& r = d.record;
  EXPECT_EQ(r.get(gi::GameDir), "C:\\GAMES\\Duke3d\\");
  EXPECT_EQ(r.get(gi::GameName), "1234567890123456789");
  EXPECT_EQ(r.get(gi::HelpFile, 0), "first.txt");
  EXPECT_EQ(r.get(gi::HelpFile, 1), "");
  EXPECT_EQ(r.get(gi::HelpFile, 9), "last.txt");
  EXPECT_EQ(r.get(gi::ConfigFileFlag, 4), "Y");
  EXPECT_EQ(r.get(gi::DefaultSocketNumber), 0x8888);
  EXPECT_EQ(r.get(gi::LimitCommandOption), -2);
  EXPECT_EQ(r.get(gi::SkillMax), 5);
  EXPECT_EQ(r.get(gi::Marker), 1.5f);  // a file that sets the marker keeps its value

  EXPECT_EQ(definitions::parseDefinition("Slot = 0", "t.txt").record.get(gi::Marker),
            catalogue::kValidMarker);
}

TEST(DefinitionFile, RejectsWhatWouldNotSurviveIntoTheRecord) {
  const std::pair<const char*, const char*> cases[] = {
      {"GameName = \"12345678901234567890\"", "GameName holds at most 19 characters"},
      {"ConfigFileFlag[0] = \"YY\"", "holds at most 1 characters"},
      {"Nonsense = \"x\"", "unknown field 'Nonsense'"},
      {"HelpFile[10] = \"x\"", "index 10 is out of range"},
      {"HelpFile[x] = \"x\"", "bad field name"},
      {"GameKind = 256", "needs a byte"},
      {"DefaultSocketNumber = 12abc", "needs an integer"},
      {"Marker = nan", "needs a decimal number"},
      {"RtsEditorArea = \"x\"", "raw region"},
      {"GameName = Doom", "must be in double quotes"},
      {"GameName = \"Doom", "unterminated quote"},
      {"GameName = \"Doom\" II", "outside the quotes"},
      {"GameName = \"Caf\xe9\"", "not printable ASCII"},
      {"Slot = 20", "Slot must be a number"},
      {"GameName = \"a\"\nGameName[0] = \"b\"", "GameName already set on line 2"},
      {"HelpFile[3] = \"a\"\nHelpFile[3] = \"b\"", "HelpFile[3] already set on line 2"},
  };
  for (const auto& [text, message] : cases) {
    Definition d = definitions::parseDefinition(std::string("Slot = 1\n") + text, "t.txt");
    ASSERT_FALSE(d.errors.empty()) << text;
    const definitions::Diagnostic& e = d.errors.back();
    EXPECT_NE(definitions::format(e).find(message), std::string::npos)
        << text << " gave " << definitions::format(e);
    EXPECT_GE(e.line, 2u) << text;
  }
  Definition noSlot = definitions::parseDefinition("GameName = \"a\"", "t.txt");
  ASSERT_EQ(noSlot.errors.size(), 1u);
  EXPECT_EQ(definitions::format(noSlot.errors[0]), "t.txt: no 'Slot = N' line");
}

// Runs the real tool over a directory of minimal definitions.
class BuildSigTool : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/qf95_build_sig_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    root_ = tmpl;
    fs::create_directory(root_ / "defs");
    for (int s = 0; s < 20; ++s)
      writeFile(root_ / "defs" / (std::to_string(s) + ".txt"), "Slot = " + std::to_string(s));
  }
  void TearDown() override { fs::remove_all(root_); }

  // Exit status of the tool; its messages go to `output_`.
  int run() {
    std::string cmd = std::string("'") + QF95_BUILD_SIG_TOOL + "' '" + (root_ / "defs").string() +
                      "' '" + sig().string() + "' 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    output_.clear();
    for (int c; (c = fgetc(p)) != EOF;) output_ += char(c);
    int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  fs::path sig() const { return root_ / "Quillfen.Sig"; }

  fs::path root_;
  std::string output_;
};

TEST_F(BuildSigTool, WritesTwentyRecords) {
  writeFile(root_ / "defs" / "7.txt", "Slot = 7\nGameName = \"Seven\"\n");
  ASSERT_EQ(run(), 0) << output_;
  std::string file = readFile(sig());
  ASSERT_EQ(file.size(), 245100u);
  EXPECT_EQ(file.substr(7 * GameInfoRecord::kSize, 6), std::string("Seven\0", 6));
  EXPECT_FALSE(fs::exists(sig().string() + ".partial"));
}

TEST_F(BuildSigTool, ReportsErrorsAndLeavesTheOldFile) {
  writeFile(sig(), "old");
  fs::remove(root_ / "defs" / "12.txt");
  writeFile(root_ / "defs" / "5.txt", "Slot = 5\nGameNam = \"x\"\n");
  writeFile(root_ / "defs" / "9.txt", "Slot = 7\n");
  EXPECT_EQ(run(), 1);
  std::string defs = (root_ / "defs").string();
  EXPECT_NE(output_.find(defs + "/5.txt:2: unknown field 'GameNam'"), std::string::npos) << output_;
  EXPECT_NE(output_.find(defs + "/9.txt:1: slot 7 is already defined in"), std::string::npos);
  EXPECT_NE(output_.find(defs + ": no file defines slot 9"), std::string::npos);
  EXPECT_NE(output_.find(defs + ": no file defines slot 12"), std::string::npos);
  EXPECT_EQ(readFile(sig()), "old");
}

}  // namespace
