// The option pages of a game definition: every labelled field of the game record is on exactly
// one page, and the page editor stores what the boxes hold, cut to the fields.
#include "catalogue/dialogs/definition_pages.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

using namespace catalogue;
using namespace catalogue::dialogs;

// (field, element) -> where it is shown.
std::map<std::pair<std::string, size_t>, std::string> everyCell() {
  std::map<std::pair<std::string, size_t>, std::string> cells;
  for (DefinitionPage page : kDefinitionPages) {
    const PageLayout& layout = pageLayout(page);
    for (const PageSection& section : layout.sections)
      for (const PageRow& row : section.rows)
        for (const PageCell& cell : row.cells) {
          auto key = std::make_pair(std::string(cell.field.name), cell.index);
          EXPECT_TRUE(cells.emplace(key, layout.caption + "/" + row.label).second)
              << cell.field.name << "[" << cell.index << "] is on two pages";
        }
  }
  return cells;
}

TEST(DefinitionPages, EveryCellIsAFieldOfTheGameRecord) {
  for (DefinitionPage page : kDefinitionPages) {
    const PageLayout& layout = pageLayout(page);
    EXPECT_FALSE(layout.caption.empty());
    for (const PageSection& section : layout.sections)
      for (const PageRow& row : section.rows) {
        EXPECT_FALSE(row.label.empty()) << layout.caption;
        if (!section.columns.empty()) {
          EXPECT_EQ(row.cells.size(), section.columns.size());
        }
        for (const PageCell& cell : row.cells) {
          EXPECT_GT(cell.field.size, 0u) << row.label << ": unknown field " << cell.field.name;
          EXPECT_LT(cell.index, cell.field.count) << row.label;
          if (cell.kind == CellKind::kFlag) {
            EXPECT_EQ(cell.field.kind, FieldKind::kInt);
          }
        }
      }
  }
}

TEST(DefinitionPages, EveryLabelledFieldCanBeEdited) {
  const auto cells = everyCell();
  const std::vector<std::pair<std::string, size_t>> arrays = {
      {"HelpFile", 10},
      {"DeathMatchTypeCommand", 4},
      {"ColorValue", 8},
      {"FewerPacketCommand", 3},
      {"ModemSetupCommand", 14},
      {"FileKindSetOnly", 18},
      {"FileKindEditProgram", 18},
      {"FileKindExtension", 18},
      {"FileKindLoadCommand", 18},
      {"FileKindShortDir", 18},
      {"FileKindLongDir", 18},
      {"FileKindMisc1Dir", 18},
      {"FileKindMisc2Dir", 18},
      {"ConfigFile", 5},
      {"ConfigFileCommand", 5},
      {"ConfigFileFlag", 5},
      {"VideoModeDescription", 12},
      {"VideoModeCommand", 12},
  };
  for (const auto& [name, count] : arrays)
    for (size_t i = 0; i < count; ++i)
      EXPECT_TRUE(cells.count({name, i})) << name << "[" << i << "]";
  const char* singles[] = {
      "ModemExecuteFile",
      "SerialExecuteFile",
      "IpxExecuteFile",
      "InternetExecuteFile",
      "NetServerExecuteFile",
      "InternetServerExecuteFile",
      "GameSetupProgram",
      "EditorSetupProgram",
      "GameHelpFile",
      "EditorHelpFile",
      "PlayerNameCommand",
      "PlayerQtyCommand",
      "ShirtColorCommand",
      "PantsColorCommand",
      "SocketCommand",
      "DefaultSocketNumber",
      "TimeLimitCommand",
      "FragLimitCommand",
      "UserPathCommand",
      "LaunchInUserPath",
      "LaunchNameCommand",
      "UseArgPassProgram",
      "MemoryCommand",
      "RunSavedGameCommand",
      "LimitCommandOption",
      "PlayerQtyMax",
      "SoundOnCommand",
      "MusicOnCommand",
      "SoundEffectsOnCommand",
      "SoundMiscOnCommand",
      "SoundOffCommand",
      "MusicOffCommand",
      "SoundEffectsOffCommand",
      "SoundMiscOffCommand",
      "NoMonstersCommand",
      "RespawnAllCommand",
      "RespawnMonstersCommand",
      "RespawnItemsCommand",
      "RespawnInventoryCommand",
      "DosModeOnly",
      "WindowsModeOnly",
      "HideWindowsFromGame",
  };
  for (const char* name : singles) EXPECT_TRUE(cells.count({name, 0})) << name;
  // The define-game dialog's own fields are not repeated on a page.
  for (const char* own : {"GameName", "GameDir", "ExecuteFile", "SkillCommand", "SkillMin",
                          "GameKind", "PreventOverride"})
    EXPECT_FALSE(cells.count({own, 0})) << own;
}

// The cell of `page` that edits `field`[index].
std::tuple<size_t, size_t, size_t> find(DefinitionPage page, std::string_view field,
                                        size_t index = 0) {
  const PageLayout& layout = pageLayout(page);
  for (size_t s = 0; s < layout.sections.size(); ++s)
    for (size_t r = 0; r < layout.sections[s].rows.size(); ++r)
      for (size_t c = 0; c < layout.sections[s].rows[r].cells.size(); ++c) {
        const PageCell& cell = layout.sections[s].rows[r].cells[c];
        if (cell.field.name == field && cell.index == index) return {s, r, c};
      }
  ADD_FAILURE() << field << " is not on the page";
  return {0, 0, 0};
}

TEST(DefinitionPageEditor, StoresTextsNumbersFlagsAndCharactersOnOk) {
  GameInfoRecord record;
  record.set(game_info::DefaultSocketNumber, 0x4455);
  record.set(game_info::PlayerQtyMax, 8);
  record.set(game_info::ConfigFile, "GAME.CFG", 2);

  DefinitionPageEditor multi(record, DefinitionPage::kMultiPlayer);
  auto [ss, sr, sc] = find(DefinitionPage::kMultiPlayer, "DefaultSocketNumber");
  EXPECT_EQ(multi.value(ss, sr, sc), std::to_string(0x4455));
  multi.setValue(ss, sr, sc, "1234");
  auto [qs, qr, qc] = find(DefinitionPage::kMultiPlayer, "PlayerQtyMax");
  multi.setValue(qs, qr, qc, "300");  // does not fit a byte: kept
  auto [ms, mr, mc] = find(DefinitionPage::kMultiPlayer, "ModemSetupCommand", 13);
  multi.setValue(ms, mr, mc, std::string(60, 'a'));
  EXPECT_EQ(record.get(game_info::DefaultSocketNumber), 0x4455);  // nothing before OK
  multi.ok();
  EXPECT_EQ(record.get(game_info::DefaultSocketNumber), 1234);
  EXPECT_EQ(record.get(game_info::PlayerQtyMax), 8);
  EXPECT_EQ(record.get(game_info::ModemSetupCommand, 13), std::string(50, 'a'));
  EXPECT_EQ(record.get(game_info::TimeLimitCommand), "");  // the next field is untouched

  DefinitionPageEditor config(record, DefinitionPage::kConfigFiles);
  auto [fs, fr, fc] = find(DefinitionPage::kConfigFiles, "ConfigFile", 2);
  EXPECT_EQ(config.value(fs, fr, fc), "GAME.CFG");
  auto [gs, gr, gc] = find(DefinitionPage::kConfigFiles, "ConfigFileFlag", 1);
  config.setValue(gs, gr, gc, "X");
  auto [ls, lr, lc] = find(DefinitionPage::kConfigFiles, "LaunchInUserPath");
  EXPECT_EQ(config.value(ls, lr, lc), "0");
  config.setValue(ls, lr, lc, "1");
  config.ok();
  EXPECT_EQ(record.get(game_info::ConfigFileFlag, 1), std::string("X"));
  EXPECT_EQ(record.get(game_info::ConfigFileFlag, 0), std::string(1, '\0'));
  EXPECT_EQ(record.get(game_info::LaunchInUserPath), 1);
}

TEST(DefinitionPages, DecimalNumbers) {
  EXPECT_EQ(parseDecimal(" 42 "), 42);
  EXPECT_EQ(parseDecimal("-7"), -7);
  EXPECT_FALSE(parseDecimal(""));
  EXPECT_FALSE(parseDecimal("4x"));
  EXPECT_FALSE(parseDecimal("99999999999"));
}

}  // namespace
