// Checks of the factory game definitions and the game list that the definitions builder
// cannot make on its own: every placeholder a template uses is one the launch knows, every
// "@Default FileN" names a configuration file the game has, "<fileonly>" ends its piece (it
// swallows the character after it), the Min/Max pairs are in order, and the game list's
// values fit the fields they go to.
#pragma once

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/game_info_record.h"
#include "catalogue/game_list_reader.h"
#include "launch/template_markers.h"

namespace definitions::lint {

namespace gi = catalogue::game_info;

// Every marker the launch understands (launch/template_markers.h).
inline bool isKnownMarker(std::string_view m) {
  namespace mk = launch::markers;
  for (std::string_view known : mk::kPlain)
    if (m == known) return true;
  for (int n = 1; n <= mk::kHighestNumbered; ++n) {
    const std::string d = std::to_string(n) + ">";
    for (std::string_view numbered :
         {mk::kFileOnlyNumbered, mk::kFileOnlyNameNumbered, mk::kDefaultFileNumbered})
      if (m == std::string(numbered) + d) return true;
  }
  // "<path = X>": a placement directory for "<fileonly_name>".
  return m.starts_with(mk::kPathOf) && m.size() > mk::kPathOf.size() + 1;
}

// The markers of a text, each from "<" to the next ">". A "<" without a closing ">" is
// returned as it stands, so that it is reported.
inline std::vector<std::string> markersOf(std::string_view text) {
  std::vector<std::string> out;
  for (size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
    size_t close = text.find('>', at);
    out.emplace_back(text.substr(at, close == std::string_view::npos ? close : close - at + 1));
    if (close == std::string_view::npos) break;
    at = close;
  }
  return out;
}

// The configuration slots (1-5) a text names with "@Default FileN".
inline std::vector<int> defaultFileSlots(std::string_view text) {
  static constexpr std::string_view kTag = "@Default File";
  std::vector<int> slots;
  for (size_t at = text.find(kTag); at != std::string_view::npos; at = text.find(kTag, at + 1)) {
    size_t digit = at + kTag.size();
    slots.push_back(
        digit < text.size() && text[digit] >= '1' && text[digit] <= '5' ? text[digit] - '0' : 0);
  }
  return slots;
}

// Problems of one template text, named `where` in the messages.
inline std::vector<std::string> checkTemplate(std::string_view text, const std::string& where,
                                              const catalogue::GameInfoRecord& game) {
  std::vector<std::string> problems;
  for (const std::string& m : markersOf(text))
    if (!isKnownMarker(m)) problems.push_back(where + ": unknown placeholder '" + m + "'");
  for (int slot : defaultFileSlots(text)) {
    if (slot == 0)
      problems.push_back(where + ": \"@Default File\" without a slot 1-5");
    else if (game.get(gi::ConfigFile, size_t(slot - 1)).empty())
      problems.push_back(where + ": names configuration slot " + std::to_string(slot) +
                         " but ConfigFile[" + std::to_string(slot - 1) + "] is empty");
  }
  // "<fileonly>" resumes one character after its ">": inside a piece it must be last or be
  // followed by a blank that may go.
  static constexpr std::string_view kFileOnly = "<fileonly>";
  for (size_t at = text.find(kFileOnly); at != std::string_view::npos;
       at = text.find(kFileOnly, at + 1)) {
    size_t next = at + kFileOnly.size();
    if (next < text.size() && text[next] != '|' && text[next] != '@' && text[next] != ' ')
      problems.push_back(where + ": \"<fileonly>\" is followed by '" + std::string(1, text[next]) +
                         "', which the expansion drops");
  }
  return problems;
}

// Every text field of a record, each element, as (name, text).
inline std::vector<std::pair<std::string, std::string>> textsOf(
    const catalogue::GameInfoRecord& game) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const catalogue::FieldInfo& f : gi::kFields) {
    if (f.kind != catalogue::FieldKind::kText) continue;
    const catalogue::TextField<catalogue::GameInfoTag> field{{f.name, f.offset, f.size, f.count}};
    for (size_t i = 0; i < f.count; ++i) {
      std::string text = game.get(field, i);
      if (text.empty()) continue;
      out.emplace_back(
          f.count == 1 ? std::string(f.name) : std::string(f.name) + "[" + std::to_string(i) + "]",
          std::move(text));
    }
  }
  return out;
}

// Problems of one game definition.
inline std::vector<std::string> checkRecord(const catalogue::GameInfoRecord& game,
                                            const std::string& where) {
  std::vector<std::string> problems;
  for (const auto& [name, text] : textsOf(game))
    for (std::string& p : checkTemplate(text, where + " " + name, game))
      problems.push_back(std::move(p));

  struct Range {
    const char* what;
    const catalogue::TextField<catalogue::GameInfoTag>& command;
    const catalogue::ByteField<catalogue::GameInfoTag>& min;
    const catalogue::ByteField<catalogue::GameInfoTag>& max;
  };
  const Range ranges[] = {{"skill", gi::SkillCommand, gi::SkillMin, gi::SkillMax},
                          {"level", gi::LevelCommand, gi::LevelMin, gi::LevelMax},
                          {"episode", gi::EpisodeCommand, gi::EpisodeMin, gi::EpisodeMax}};
  for (const Range& r : ranges) {
    const int min = game.get(r.min), max = game.get(r.max);
    if (min > max)
      problems.push_back(where + ": " + r.what + " Min " + std::to_string(min) + " > Max " +
                         std::to_string(max));
    else if (!game.get(r.command).empty() && max == 0)
      problems.push_back(where + ": a " + std::string(r.what) + " command with Max 0");
  }
  return problems;
}

// The game list keys and the fields their values go to (GameType and the yes/no keys are
// checked by value, the search paths only for printable text).
struct ListKey {
  const char* key;
  const catalogue::TextField<catalogue::GameInfoTag>* field;
  size_t index = 0;
};
inline const std::vector<ListKey>& listKeys() {
  static const std::vector<ListKey> keys = {
      {"ExecuteFile", &gi::ExecuteFile},
      {"GameVerFileOverrideName", &gi::ExecuteFile},
      {"RegKey", &gi::RegKey},
      {"LoadFileInstructions", &gi::FileKindLoadCommand, 0},
      {"LoadPlayerNameInstructions", &gi::PlayerNameCommand},
      {"LoadSkillInstructions", &gi::SkillCommand},
      {"LoadLevelInstructions", &gi::LevelCommand},
      {"LoadEpisodeInstructions", &gi::EpisodeCommand},
      {"LoadSocketInstructions", &gi::SocketCommand},
      {"LoadPlayerQtyInstructions", &gi::PlayerQtyCommand},
      {"CFGFile1", &gi::ConfigFile, 0},
      {"CFGFile2", &gi::ConfigFile, 1},
      {"CFGFile3", &gi::ConfigFile, 2},
      {"CFGFile4", &gi::ConfigFile, 3},
      {"CFGFile5", &gi::ConfigFile, 4},
      {"CFGFile6", &gi::ConfigFile, 5},
  };
  return keys;
}

// Problems of a game list against the factory definitions it starts from (20 records).
inline std::vector<std::string> checkGameList(std::string content,
                                              std::span<const catalogue::GameInfoRecord> types) {
  std::vector<std::string> problems;
  catalogue::GameListReader list(std::move(content));
  size_t entries = 0;
  while (list.NextEntry()) {
    ++entries;
    const std::string where = "[" + list.entryName() + "]";
    if (list.entryName().empty()) problems.push_back("an entry without a name ends the list");
    if (list.ReadSetting("ExecuteFile").empty()) problems.push_back(where + ": no ExecuteFile");

    // The record the entry starts from, as the search builds it.
    const std::string type = list.ReadSetting("GameType");
    int slot = 19;
    if (!type.empty()) {
      slot = 0;
      for (char c : type) slot = (c >= '0' && c <= '9' && slot < 100) ? slot * 10 + (c - '0') : 100;
      if (slot < 1 || slot > 19)
        problems.push_back(where + ": GameType '" + type + "' is not 1-19");
      if (slot < 1 || slot > 19) slot = 19;
    }
    catalogue::GameInfoRecord game = types[size_t(slot)];

    for (const ListKey& k : listKeys()) {
      const std::string value = list.ReadSetting(k.key);
      if (value.empty()) continue;
      if (value.size() > k.field->size - 1)
        problems.push_back(where + " " + k.key + ": " + std::to_string(value.size()) +
                           " characters do not fit " + std::string(k.field->name) + " (" +
                           std::to_string(k.field->size - 1) + ")");
      game.set(*k.field, value, k.index);
    }
    for (const ListKey& k : listKeys())
      if (const std::string value = list.ReadSetting(k.key); !value.empty())
        for (std::string& p : checkTemplate(value, where + " " + k.key, game))
          problems.push_back(std::move(p));
    for (const char* key : {"WindowsOnly", "CloseOnGameLaunch", "MultiplayerExecuteSameAsSingle"}) {
      std::string v = list.ReadSetting(key);
      for (char& c : v) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      if (!v.empty() && v != "yes" && v != "no")
        problems.push_back(where + " " + key + ": '" + v + "' is neither yes nor no");
    }
  }
  if (entries == 0) problems.push_back("the game list has no entry");
  return problems;
}

}  // namespace definitions::lint
