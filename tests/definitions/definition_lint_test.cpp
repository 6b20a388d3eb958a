// The factory definitions and the sample game list hold only templates the launch can expand.
#include "tools/definition_lint.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/built_in_fixture.h"

namespace {

namespace gi = catalogue::game_info;
using definitions::lint::checkGameList;
using definitions::lint::checkRecord;
using definitions::lint::checkTemplate;

std::string sampleGameList() {
  std::ifstream in(QF95_SOURCE_DIR "/data/gamelst1.cfg", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string joined(const std::vector<std::string>& problems) {
  std::string out;
  for (const std::string& p : problems) out += p + "\n";
  return out;
}

TEST(DefinitionLint, FactoryDefinitionsAreClean) {
  const auto& types = testsupport::factoryDefinitions();
  ASSERT_EQ(types.size(), 20u);
  for (size_t slot = 0; slot < types.size(); ++slot)
    EXPECT_EQ(joined(checkRecord(types[slot], "slot " + std::to_string(slot))), "");
}

TEST(DefinitionLint, SampleGameListIsClean) {
  const std::string list = sampleGameList();
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(joined(checkGameList(list, testsupport::factoryDefinitions())), "");
}

TEST(DefinitionLint, ReportsTemplateFaults) {
  catalogue::GameInfoRecord game;
  game.set(gi::ConfigFile, "game.cfg", 0);
  EXPECT_TRUE(checkTemplate("<cml>-x <var>|<cml><fileonly> @Default File1", "t", game).empty());
  EXPECT_TRUE(
      checkTemplate("<RegEdit><DWord><SubKey>Detail|<path = maps><fileonly_name 2>", "t", game)
          .empty());

  const std::pair<const char*, const char*> faults[] = {
      {"<cml>-warp <level>", "unknown placeholder '<level>'"},
      {"<cml>-map <var", "unknown placeholder '<var'"},
      {"<fileonly 6>", "unknown placeholder"},
      {"Key = <var>@Default File2", "slot 2 but ConfigFile[1] is empty"},
      {"Key = <var>@Default File", "without a slot 1-5"},
      {"<cml>/x<fileonly>.bak", "followed by '.'"},
  };
  for (const auto& [text, expected] : faults) {
    const std::string found = joined(checkTemplate(text, "t", game));
    EXPECT_NE(found.find(expected), std::string::npos) << text << " gave: " << found;
  }
}

TEST(DefinitionLint, ReportsRangeFaults) {
  catalogue::GameInfoRecord game = testsupport::factoryDefinitions()[7];
  game.set(gi::LevelMin, 40);
  EXPECT_NE(joined(checkRecord(game, "g")).find("level Min 40 > Max 32"), std::string::npos);
  game.set(gi::LevelMin, 0);
  game.set(gi::LevelMax, 0);
  EXPECT_NE(joined(checkRecord(game, "g")).find("a level command with Max 0"), std::string::npos);
}

TEST(DefinitionLint, ReportsGameListFaults) {
  const auto& types = testsupport::factoryDefinitions();
  const std::string longName(13, 'X');
  const std::pair<std::string, const char*> faults[] = {
      {"[A]\nExecuteFile = \"" + longName + "\"\n", "do not fit ExecuteFile (12)"},
      {"[A]\nExecuteFile = \"a.exe\"\nGameType = \"20\"\n", "GameType '20' is not 1-19"},
      {"[A]\nExecuteFile = \"a.exe\"\nLoadSkillInstructions = \"<cml>-s <skill>\"\n",
       "unknown placeholder '<skill>'"},
      // Heretic has one configuration file: a template may not name a second.
      {"[A]\nExecuteFile = \"a.exe\"\nGameType = \"9\"\n"
       "LoadLevelInstructions = \"Level = <var>@Default File2\"\n",
       "ConfigFile[1] is empty"},
      {"[A]\nExecuteFile = \"a.exe\"\nWindowsOnly = \"maybe\"\n", "neither yes nor no"},
      {"[A]\nSearchDir = \"A\"\n", "no ExecuteFile"},
      {"; nothing\n", "no entry"},
  };
  for (const auto& [list, expected] : faults) {
    const std::string found = joined(checkGameList(list, types));
    EXPECT_NE(found.find(expected), std::string::npos) << list << " gave: " << found;
  }
  // A configuration file the entry itself adds may be named.
  EXPECT_EQ(joined(checkGameList("[A]\nExecuteFile = \"a.exe\"\nGameType = \"9\"\n"
                                 "CFGFile2 = \"b.cfg\"\n"
                                 "LoadLevelInstructions = \"Level = <var>@Default File2\"\n",
                                 types)),
            "");
}

}  // namespace
