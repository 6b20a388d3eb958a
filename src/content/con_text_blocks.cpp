#include "content/con_text_blocks.h"

#include <array>
#include <utility>

namespace content {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// "define NAME   VALUE" with the value's last character in `endColumn` (a line that cannot
// reach it keeps one blank), as the strengths are laid out.
std::string rightAlignedDefine(std::string_view name, std::string_view value, size_t endColumn) {
  std::string line = "define ";
  line += name;
  const size_t used = line.size() + value.size();
  line.append(used < endColumn ? endColumn - used : 1, ' ');
  line += value;
  return line;
}

// "define NAME   VALUE" with the value starting at `column` (at least one blank).
std::string columnDefine(std::string_view name, std::string_view value, size_t column) {
  std::string line = "define ";
  line += name;
  line.append(line.size() < column ? column - line.size() : 1, ' ');
  line += value;
  return line;
}

std::string makeHeader() {
  constexpr std::array<std::string_view, 9> kLines = {
      "",
      "// To convert this file back to a 1.3 con file",
      "// Remove all lines that say \"***REMOVE ME***\"",
      "// ******* Start of Plutonium Patch ******* ",
      "// MAXXSTRETCH ***REMOVE ME***",
      "include PLUT.CON // ***REMOVE ME***",
      "/*   ***REMOVE ME***",
      "",
      "gamestartup",  // the old statement follows it, inside the comment
  };
  std::string text;
  for (size_t i = 0; i < kLines.size(); ++i) {
    if (i > 0) text += kLineEnd;
    text += kLines[i];
  }
  return text;
}

std::string makeStockDefines() {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kDefines = {{
      {"PIRATEGALSTRENGTH", "200"},
      {"ROBOTMOUSESTRENGTH", "45"},
      {"DOLPHINSTRENGTH", "50"},
      {"GROWCRYSTALAMMOAMOUNT", "20"},
      {"MANWOMANSTRENGTH", "100"},
      {"GROWSPARK_WEAPON_STRENGTH", "15"},
      {"BOSS4STRENGTH", "6000"},
      {"NEWBEASTSTRENGTH", "300"},
      {"NEWBEASTSCRATCHAMOUNT", "-22"},
  }};
  std::string text;
  for (size_t i = 0; i < kDefines.size(); ++i) {
    if (i > 0) text += kLineEnd;
    text += rightAlignedDefine(kDefines[i].first, kDefines[i].second, 33);
  }
  return text;
}

std::string makeSettings() {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kDefines = {{
      {"MAXXSTRETCH", "70"},
      {"MAXYSTRETCH", "70"},
      {"MINXSTRETCH", "9"},
      {"MINYSTRETCH", "8"},
      {"MAXGROWAMMO", "50"},
      {"TRIPBOMBLASERMODE", "0"},
      {"QSIZE", "64"},
      {"GRAVITATIONALCONSTANT", "176"},
  }};
  constexpr std::array<std::string_view, 30> kStartup = {
      "DEFAULTVISIBILITY",
      "GENERICIMPACTDAMAGE",
      "MAXPLAYERHEALTH",
      "STARTARMORHEALTH",
      "RESPAWNACTORTIME",
      "RESPAWNITEMTIME",
      "RUNNINGSPEED",
      "GRAVITATIONALCONSTANT",
      "RPGBLASTRADIUS",
      "PIPEBOMBRADIUS",
      "SHRINKERBLASTRADIUS",
      "TRIPBOMBBLASTRADIUS",
      "MORTERBLASTRADIUS",
      "BOUNCEMINEBLASTRADIUS",
      "SEENINEBLASTRADIUS",
      "MAXPISTOLAMMO",
      "MAXSHOTGUNAMMO",
      "MAXCHAINGUNAMMO",
      "MAXRPGAMMO",
      "MAXHANDBOMBAMMO",
      "MAXSHRINKERAMMO",
      "MAXDEVISTATORAMMO",
      "MAXTRIPBOMBAMMO",
      "MAXFREEZEAMMO",
      "MAXGROWAMMO",
      "CAMERASDESTRUCTABLE",
      "NUMFREEZEBOUNCES",
      "FREEZERHURTOWNER",
      "QSIZE",
      "TRIPBOMBLASERMODE",
  };
  constexpr std::array<std::string_view, 8> kNames = {
      "definevolumename 0 INSERTVOLQF",   "definevolumename 1 LUNAR APOCALYPSE",
      "definevolumename 2 SHRAPNEL CITY", "definevolumename 3 THE BIRTH",
      "defineskillname 0 Mommy Mommy",    "defineskillname 1 LET'S ROCK",
      "defineskillname 2 COME GET SOME",  "defineskillname 3 DAMN I'M GOOD",
  };
  struct Level {
    std::string_view par, record, name;
  };
  constexpr std::array<Level, 11> kLevels = {{
      {"03:04", "01:32", "IT'S IMPOSSIBLE"},
      {"04:00", "02:00", "DUKE-BURGER"},
      {"03:30", "01:45", "SHOP-N-BAG"},
      {"06:32", "03:16", "BABE LAND"},
      {"02:02", "01:01", "PIGSTY"},
      {"03:04", "01:52", "GOING POSTAL"},
      {"01:24", "00:42", "XXX-STACY"},
      {"03:18", "01:59", "CRITICAL MASS"},
      {"05:02", "02:51", "DERELICT"},
      {"10:50", "05:25", "THE QUEEN"},
      {"04:20", "02:10", "AREA 51"},
  }};

  std::string text(kLineEnd);
  for (const auto& [name, value] : kDefines) (text += columnDefine(name, value, 23)) += kLineEnd;
  for (size_t i = 0; i < kStartup.size(); i += 3) {
    text += i == 0 ? std::string(kGameStartup) + " " : std::string(16, ' ');
    text.append(kStartup[i]).append(" ").append(kStartup[i + 1]).append(" ");
    (text += kStartup[i + 2]) += kLineEnd;
  }
  for (std::string_view line : kNames) (text += line) += kLineEnd;
  for (size_t l = 0; l < kLevels.size(); ++l) {
    text += "definelevelname 3 " + std::to_string(l) + " E4L" + std::to_string(l + 1) + ".map ";
    text.append(kLevels[l].par).append(" ").append(kLevels[l].record).append(" ");
    (text += kLevels[l].name) += kLineEnd;
  }
  return text;
}

}  // namespace

const std::string& conHeaderBlock() {
  static const std::string text = makeHeader();
  return text;
}

const std::string& conClosingBlock() {
  static const std::string text = std::string(kFreezeSettings) +
                                  "\r\n ***REMOVE ME*** */\r\n"
                                  "// ******* End of Plutonium Patch ******* \r\n";
  return text;
}

const std::string& plutStockDefines() {
  static const std::string text = makeStockDefines();
  return text;
}

const std::string& plutShuttleDefine() {
  static const std::string text = "define SPACESHUTTLE 487";
  return text;
}

const std::string& plutSettings() {
  static const std::string text = makeSettings();
  return text;
}

}  // namespace content
