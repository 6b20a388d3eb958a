#include "content/con_conversion.h"

#include <algorithm>
#include <array>
#include <optional>

#include "catalogue/game_types.h"
#include "content/con_text_blocks.h"
#include "content/key_scanner.h"
#include "content/text_lines.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace content {

namespace {

using platform::dos::containsIgnoreCase;
using platform::dos::endsWithIgnoreCase;
using platform::dos::equalsIgnoreCase;
using platform::dos::findIgnoreCase;

// How much of a main file the include search looks at, and how far past "include" the
// included name may stand.
constexpr size_t kIncludeHead = 3200;
constexpr size_t kIncludeReach = 160;
// An included name starts at most this far before the "user" or ".CON" found in it.
constexpr size_t kNameBack = 4;
constexpr size_t kMaxNameChars = 13;
// The part of a line the include rewrite looks at (the line itself is kept whole).
constexpr size_t kMaxLineChars = 512;
constexpr int kMaxIncludeLines = 10;
// Only this much of the main file's head has the USER file's name changed in its twin.
constexpr size_t kMainTwinWindow = 10000;
// CON files are read whole up to this size; a bigger one is scanned only this far and is never
// rewritten (a cut copy would lose the rest).
constexpr size_t kMaxConBytes = 600000;

constexpr std::string_view kConExtension = ".CON";
constexpr std::string_view kTwinExtension = ".V15";

// Where the main file is looked for, and the order in which its presence is checked.
constexpr std::array<const char*, 9> kMainPatterns = {
    "game.con",  "?game.con",  "??game.con",  "???game.con", "????game.con",
    "game?.con", "game??.con", "game???.con", "game????.con"};
constexpr std::array<const char*, 9> kMainPresencePatterns = {
    "game.con",  "????game.con", "???game.con", "??game.con",  "?game.con",
    "game?.con", "game??.con",   "game???.con", "game????.con"};

// `name` with its first `from` (any case) overwritten by `to`, which is as long.
std::optional<std::string> overwritten(std::string_view name, std::string_view from,
                                       std::string_view to) {
  const size_t at = findIgnoreCase(name, from);
  if (at == std::string_view::npos) return std::nullopt;
  std::string result(name);
  result.replace(at, from.size(), to);
  return result;
}

std::optional<std::string> twinName(std::string_view name) {
  return overwritten(name, kConExtension, kTwinExtension);
}

// The name a DOS game can be given: the stored one when it fits 8.3, else its alias.
std::string dosName(const platform::FindData& found) {
  return equalsIgnoreCase(found.longName, found.shortName) ? found.longName : found.shortName;
}

// The first `limit` bytes of a file (all of a shorter one); nothing when it can't be read.
std::optional<std::string> readHead(platform::FileSystem& fs, const std::string& path,
                                    size_t limit) {
  auto file = fs.open(path, platform::OpenMode::kRead);
  if (!file) return std::nullopt;
  const size_t want = size_t(std::min<uint64_t>(file->length(), limit));
  std::string text(want, '\0');
  text.resize(file->read(text.data(), want));
  return text;
}

// The whole file, when it can be read whole and holds at most kMaxConBytes.
std::optional<std::string> readWhole(platform::FileSystem& fs, const std::string& path) {
  auto file = fs.open(path, platform::OpenMode::kRead);
  if (!file || file->length() > kMaxConBytes) return std::nullopt;
  std::string text(size_t(file->length()), '\0');
  if (file->read(text.data(), text.size()) != text.size()) return std::nullopt;
  return text;
}

bool writeWhole(platform::FileSystem& fs, const std::string& path, std::string_view text) {
  fs.setAttributesNormal(path);
  return fs.replaceWhole(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) (text += line) += "\r\n";
  return text;
}

bool isNameByte(char c) {
  return c != ' ' && isValueChar(static_cast<unsigned char>(c));
}

// The name the first "include" of a main file's head names: the word around the "user" (else
// the ".CON") that follows it closely. "" when there is none.
std::string includedName(std::string_view head) {
  const size_t include = findIgnoreCase(head, "include");
  if (include == std::string_view::npos) return {};
  const std::string_view reach = head.substr(include, kIncludeReach);
  size_t at = findIgnoreCase(reach, "user");
  if (at == std::string_view::npos) at = findIgnoreCase(reach, kConExtension);
  if (at == std::string_view::npos) return {};
  size_t start = include + at;
  for (size_t back = 0; back < kNameBack && start > 0 && isNameByte(head[start - 1]); ++back)
    --start;
  size_t end = start;
  while (end < head.size() && end - start < kMaxNameChars && isNameByte(head[end])) ++end;
  return std::string(head.substr(start, end - start));
}

// Every line holding `oldName` gets `newName` in its place; lines end in CR LF.
bool replaceNameInLines(ConTools& tools, const std::string& path, std::string_view oldName,
                        std::string_view newName) {
  const auto text = readWhole(tools.fs, path);
  if (!text) return false;
  std::vector<std::string> lines;
  for (std::string_view view : linesOf(*text)) {
    std::string line(view);
    for (size_t at = line.find(oldName); at != std::string::npos;
         at = line.find(oldName, at + newName.size()))
      line.replace(at, oldName.size(), newName);
    lines.push_back(std::move(line));
  }
  return writeWhole(tools.fs, path, joinLines(lines));
}

// A CON file of `directory` that names levels but isn't a main file: the USER file of an
// add-on that has no main file of its own.
std::optional<std::string> levelConIn(ConTools& tools, const std::string& directory) {
  for (const platform::FindData& found : tools.fs.find(directory + "*.con")) {
    if (found.isDirectory()) continue;
    const std::string name = dosName(found);
    if (containsIgnoreCase(name, "game")) continue;
    const auto text = readHead(tools.fs, directory + name, kMaxConBytes);
    if (text && text->find("definelevelname") != std::string::npos) return name;
  }
  return std::nullopt;
}

bool sameDirectory(ConTools& tools, const std::string& a, const std::string& b) {
  return tools.fs.samePath(a, b);
}

// The name after "include " on the main file's first line that includes a definitions file.
std::optional<std::string> definitionsInclude(std::string_view mainText) {
  for (std::string_view line : linesOf(mainText)) {
    const size_t include = findIgnoreCase(line, "include ");
    if (include == std::string_view::npos || !containsIgnoreCase(line, "defs") ||
        !containsIgnoreCase(line, kConExtension))
      continue;
    std::string_view rest = line.substr(include + 8);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    const size_t end = rest.find_first_of(" \t");
    return std::string(rest.substr(0, end));
  }
  return std::nullopt;
}

// The main file's text with the USER file's old name changed to its twin's in its head.
std::string withUserTwin(std::string text, std::string_view oldName, std::string_view newName) {
  const size_t window = std::min(text.size(), kMainTwinWindow);
  for (size_t at = findIgnoreCase(text, oldName);
       at != std::string::npos && at + oldName.size() <= window;
       at = findIgnoreCase(text, oldName, at + newName.size()))
    text.replace(at, oldName.size(), newName);
  return text;
}

std::string filledMessage(std::string_view format, std::string_view first,
                          std::string_view second) {
  std::string text(format);
  for (std::string_view value : {first, second}) {
    const size_t mark = text.find("%s");
    if (mark == std::string::npos) break;
    text.replace(mark, 2, value);
  }
  return text;
}

// Cuts a "maps\" or "map\" directory off the add-on directory.
void splitSubDirectory(ConLaunchContext& context) {
  std::string& dir = context.conDirectory;
  for (std::string_view sub : {"maps\\", "map\\"}) {
    if (dir.size() > sub.size() && endsWithIgnoreCase(dir, sub) &&
        dir[dir.size() - sub.size() - 1] == '\\') {
      context.subDirectory = dir.substr(dir.size() - sub.size());
      dir.resize(dir.size() - sub.size());
      return;
    }
  }
}

}  // namespace

bool hasActiveInclude(ConTools& tools, const ConLaunchContext& context, const std::string& name) {
  if (name.empty()) return false;
  const auto text = readHead(tools.fs, context.conDirectory + name, kMaxConBytes);
  if (!text) return false;
  for (std::string_view line : linesOf(*text)) {
    const size_t include = findIgnoreCase(line, "include ");
    if (include == std::string_view::npos) continue;
    // An include behind a comment opener on its own line is commented out.
    const size_t comment = std::min(line.find("/*"), line.find("//"));
    if (include < comment) return true;
  }
  return false;
}

void findUserCon(ConTools& tools, ConLaunchContext& context) {
  const bool selectedIsMain =
      !context.selectedCon.empty() &&
      !containsIgnoreCase(platform::dos::fileNameOf(context.selectedCon), "user");
  const std::string main = selectedIsMain ? context.selectedCon : context.mainCon;
  if (main.empty() && !context.selectedCon.empty()) return;  // the selected one is the USER file
  const std::string mainPath = context.conDirectory + main;
  const std::string byName = overwritten(main, "GAME", "USER").value_or("");

  const auto head = main.empty() ? std::nullopt : readHead(tools.fs, mainPath, kIncludeHead);
  if (!head) {
    std::string user = byName;
    if (!sameDirectory(tools, context.conDirectory, tools.gameDirectory))
      if (auto level = levelConIn(tools, context.conDirectory)) user = *level;
    context.selectedCon = user;
    return;
  }
  std::string included = includedName(*head);
  if (included.empty()) {
    context.selectedCon = byName;
    return;
  }
  if (!tools.fs.exists(context.conDirectory + included) && !byName.empty()) {
    // The include names a file the add-on lacks: its USER file goes by the main file's name.
    if (tools.fs.exists(context.conDirectory + byName))
      replaceNameInLines(tools, mainPath, included, byName);
    included = byName;
  }
  context.selectedCon = included;
}

std::string userConOf(ConTools& tools, const ConLaunchContext& context,
                      const std::string& mainName) {
  ConLaunchContext probe = context;
  probe.selectedCon = mainName;
  probe.mainCon = mainName;
  findUserCon(tools, probe);
  return probe.selectedCon;
}

std::string findMainCon(ConTools& tools, ConLaunchContext& context) {
  platform::FileSystem& fs = tools.fs;
  const std::string& dir = context.conDirectory;
  std::string found;
  for (const char* pattern : kMainPatterns) {
    for (const platform::FindData& entry : fs.find(dir + pattern)) {
      if (entry.isDirectory()) continue;
      const std::string name = dosName(entry);
      if (userConOf(tools, context, name).empty()) continue;
      found = name;
      break;
    }
    if (!found.empty()) break;
  }
  if (found.empty()) {
    for (const platform::FindData& entry : fs.find(dir + "*.con")) {
      const std::string name = dosName(entry);
      if (entry.isDirectory() || containsIgnoreCase(name, "user")) continue;
      if (!hasActiveInclude(tools, context, name)) continue;
      found = name;
      break;
    }
  }
  if (found.empty()) return {};
  if (containsIgnoreCase(found, "GAME")) {
    context.mainCon = found;
    return found;
  }
  if (!sameDirectory(tools, dir, tools.gameDirectory) && hasActiveInclude(tools, context, found)) {
    // The game looks for a main file by its name: give it one it finds.
    const std::string renamed = dir + std::string(kRenamedMainCon);
    fs.moveFile(dir + found, renamed);
    if (fs.exists(renamed) && !fs.exists(dir + found)) {
      if (equalsIgnoreCase(context.launchFile, found)) context.launchFile = kRenamedMainCon;
      found = kRenamedMainCon;
      context.mainCon = found;
    }
  }
  return found;
}

bool rewriteUserInclude(ConTools& tools, const std::string& mainPath, const std::string& userName) {
  const auto text = readWhole(tools.fs, mainPath);
  if (!text) return false;
  std::vector<std::string> lines;
  int includes = 0;
  bool pastActors = false;
  for (std::string_view line : linesOf(*text)) {
    const std::string_view head = line.substr(0, kMaxLineChars);
    // The includes that matter stand before the first actor's code.
    if (head.find("AITROOPSEEKPLAYE") != std::string_view::npos) pastActors = true;
    bool replace = false;
    if (findIgnoreCase(head, "include ") != std::string_view::npos) {
      ++includes;
      replace = !pastActors && includes <= kMaxIncludeLines &&
                (includes == 2 || containsIgnoreCase(head, "user"));
    }
    lines.push_back(replace ? "include " + userName : std::string(line));
  }
  return writeWhole(tools.fs, mainPath, joinLines(lines));
}

bool convertUserCon13(ConTools& tools, ConLaunchContext& context) {
  platform::FileSystem& fs = tools.fs;
  if (context.selectedCon.empty()) return false;
  // A selected name with a drive is a whole path.
  const std::string dir =
      context.selectedCon.find(':') != std::string::npos ? "" : context.conDirectory;
  std::string main = context.mainCon.empty() ? context.selectedCon : context.mainCon;
  {
    const size_t nameAt = main.size() - platform::dos::fileNameOf(main).size();
    if (auto named = overwritten(std::string_view(main).substr(nameAt), "user", "GAME"))
      main = main.substr(0, nameAt) + *named;
  }
  if (main.empty()) main = "GAME.CON";
  const std::string mainPath = dir + main;

  bool fromStock = false;
  if (!fs.exists(mainPath)) {
    fromStock = fs.copyFile(tools.gameDirectory + "game.con", mainPath, /*failIfExists=*/true);
    if (fromStock) rewriteUserInclude(tools, mainPath, context.selectedCon);
  }

  const std::string userPath = dir + context.selectedCon;
  const auto user = readWhole(fs, userPath);
  if (!user) return false;
  if (user->find(kVersion15Marker) != std::string::npos) return true;

  // The old gamestartup statement ends up inside a comment; plut.con holds the new one.
  std::string text = *user;
  const size_t startup = text.find(kGameStartup);
  if (startup == std::string::npos) return false;
  text.replace(startup, kGameStartup.size(), conHeaderBlock());
  const size_t freeze = text.find(kFreezeSettings);
  if (freeze == std::string::npos) return false;
  text.replace(freeze, kFreezeSettings.size(), conClosingBlock());
  const size_t sound = text.find(kEndSequenceSound);
  if (sound == std::string::npos) return false;
  text.insert(sound, kSoundLineOff);

  const auto userTwin = twinName(context.selectedCon);
  if (!userTwin) return false;  // a twin of the same name would overwrite the original
  const std::string oldUser = platform::dos::fileNameOf(context.selectedCon);
  const std::string newUser = platform::dos::fileNameOf(*userTwin);

  const auto mainText = readWhole(fs, mainPath);
  std::optional<std::string> mainTwin;
  if (containsIgnoreCase(platform::dos::fileNameOf(main), "game")) {
    mainTwin = twinName(main);
    if (!mainText || !mainTwin) {
      tools.prompter.ask(platform::kCaptionError, filledMessage(kMainConMissing, oldUser, main),
                         platform::Buttons::kOk);
      return false;
    }
  }

  std::string plut = (fromStock ? plutStockDefines() : plutShuttleDefine()) + plutSettings();
  bool useVer13 = false;
  if (!context.mainCon.empty() && mainText &&
      !sameDirectory(tools, context.conDirectory, tools.gameDirectory)) {
    if (auto defs = definitionsInclude(*mainText)) {
      // An add-on with definitions of its own defines the shuttle itself.
      if (!fromStock && fs.exists(context.conDirectory + *defs))
        plut.replace(0, kPlutFirstLineOff.size(), kPlutFirstLineOff);
      useVer13 = fromStock && fs.exists(tools.gameDirectory + "ver13.con");
    }
  }

  if (!writeWhole(fs, context.conDirectory + std::string(kPlutName), plut)) return false;
  fs.setAttributesNormal(userPath);
  if (!writeWhole(fs, dir + *userTwin, text)) return false;
  if (mainTwin && !writeWhole(fs, dir + *mainTwin, withUserTwin(*mainText, oldUser, newUser))) {
    // Without its main twin the USER twin would be found by the next launch and run broken.
    fs.deleteFile(dir + *userTwin);
    return false;
  }

  context.selectedCon = *userTwin;
  if (auto name = twinName(context.launchFile)) context.launchFile = *name;
  if (auto name = twinName(context.mainCon)) context.mainCon = *name;
  // A main file found or made only here is the one the game must be told to run.
  if (mainTwin && context.mainCon.empty() && dir == context.conDirectory)
    context.mainCon = *mainTwin;

  const bool hasMain = std::any_of(
      kMainPresencePatterns.begin(), kMainPresencePatterns.end(), [&](const char* pattern) {
        for (const auto& entry : fs.find(context.conDirectory + pattern))
          if (!entry.isDirectory()) return true;
        return false;
      });
  if (!hasMain)
    tools.prompter.ask(platform::kCaptionAttension, std::string(kNoGameConWarning),
                       platform::Buttons::kOk);

  if (useVer13 && fs.copyFile(tools.gameDirectory + "ver13.con", mainPath, false))
    rewriteUserInclude(tools, mainPath, oldUser);
  return true;
}

bool prepareConLaunch(ConTools& tools, ConLaunchContext& context) {
  platform::FileSystem& fs = tools.fs;
  splitSubDirectory(context);
  const std::string& dir = context.conDirectory;

  // A launch after a conversion runs the twins it left.
  if (auto twin = twinName(context.launchFile); twin && fs.exists(dir + *twin)) {
    context.selectedCon = context.mainCon = context.launchFile = *twin;
    return true;
  }
  if (containsIgnoreCase(context.selectedCon, "GAME")) context.mainCon = context.selectedCon;
  if (endsWithIgnoreCase(context.selectedCon, ".GRP") && tools.gameKind == catalogue::kKindDuke13)
    return true;

  const bool inGameDir = sameDirectory(tools, dir, tools.gameDirectory);
  if (!containsIgnoreCase(context.selectedCon, kConExtension) && !inGameDir)
    context.selectedCon = findMainCon(tools, context);
  if (!context.selectedCon.empty() && !hasActiveInclude(tools, context, context.selectedCon))
    context.selectedCon = findMainCon(tools, context);

  findUserCon(tools, context);
  // No USER file anywhere: nothing to convert.
  if (!context.selectedCon.empty() && !convertUserCon13(tools, context)) {
    tools.prompter.ask(platform::kCaptionError, std::string(kConvertFailed),
                       platform::Buttons::kOk);
    return false;
  }

  if (context.selectedCon.empty() && context.mainCon.empty()) {
    if (inGameDir && context.makeV15) {
      const std::string v15 = dir + "game.v15";
      if (fs.exists(v15) || fs.copyFile(tools.gameDirectory + "game.con", v15, true))
        context.gameArguments.push_back("/x" + v15);
    }
  } else if (!containsIgnoreCase(context.launchFile, kConExtension) &&
             !containsIgnoreCase(context.launchFile, kTwinExtension) && !context.mainCon.empty() &&
             !equalsIgnoreCase(context.mainCon, "GAME.CON") && fs.exists(dir + context.mainCon)) {
    context.gameArguments.push_back("/x" + context.mainCon);
  }
  return true;
}

}  // namespace content
