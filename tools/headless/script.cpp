#include "script.h"

#include <cctype>
#include <charconv>
#include <sstream>

namespace headless {

namespace {

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::optional<int> number(const std::string& word) {
  int value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

// "D" or "d:".
std::optional<char> driveLetter(const std::string& word) {
  if (word.empty() || word.size() > 2 || (word.size() == 2 && word[1] != ':')) return std::nullopt;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  return letter;
}

}  // namespace

std::optional<platform::Answer> answerNamed(const std::string& word) {
  if (word == "yes") return platform::Answer::kYes;
  if (word == "no") return platform::Answer::kNo;
  if (word == "ok") return platform::Answer::kOk;
  if (word == "cancel") return platform::Answer::kCancel;
  return std::nullopt;
}

const char* answerName(platform::Answer answer) {
  switch (answer) {
    case platform::Answer::kYes:
      return "yes";
    case platform::Answer::kNo:
      return "no";
    case platform::Answer::kCancel:
      return "cancel";
    case platform::Answer::kOk:
      break;
  }
  return "ok";
}

bool offers(platform::Buttons buttons, platform::Answer answer) {
  using platform::Answer;
  switch (buttons) {
    case platform::Buttons::kOk:
      return answer == Answer::kOk;
    case platform::Buttons::kOkCancel:
      return answer == Answer::kOk || answer == Answer::kCancel;
    case platform::Buttons::kYesNo:
      return answer == Answer::kYes || answer == Answer::kNo;
    case platform::Buttons::kYesNoCancel:
      return answer != Answer::kOk;
  }
  return false;
}

std::string oneLine(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' || text[i] == '\r')
      out += "\\n";
    else
      out += text[i];
  }
  return out;
}

Script readScript(std::istream& in) {
  Script script;
  std::string raw;
  int lineNo = 0;
  const auto fail = [&](const std::string& why) {
    script.error = "line " + std::to_string(lineNo) + ": " + why;
  };
  while (std::getline(in, raw)) {
    ++lineNo;
    const std::string line = trimmed(raw);
    if (line.empty() || line[0] == '#') continue;
    const size_t blank = line.find_first_of(" \t");
    const std::string word = line.substr(0, blank);
    const std::string rest = blank == std::string::npos ? "" : trimmed(line.substr(blank));
    Directive d;
    d.line = lineNo;
    if (word == "answer") {
      const auto answer = answerNamed(rest);
      if (!answer) return fail("answer takes yes, no, ok or cancel"), script;
      d.kind = Directive::Kind::kAnswer;
      d.answer = *answer;
    } else if (word == "command") {
      const auto id = number(rest);
      if (!id) return fail("command takes a command id"), script;
      d.kind = Directive::Kind::kCommand;
      d.command = *id;
    } else if (word == "select-favourite") {
      const auto line = number(rest);
      if (!line || *line < 1) return fail("select-favourite takes a line number from 1"), script;
      d.kind = Directive::Kind::kSelectFavourite;
      d.command = *line;
    } else if (word == "select-file") {
      // The path is the rest of the line: long names may hold blanks.
      if (rest.empty()) return fail("select-file takes a DOS path"), script;
      d.kind = Directive::Kind::kSelectFile;
      d.path = rest;
    } else if (word == "select-dir") {
      if (rest.empty()) return fail("select-dir takes a DOS path"), script;
      d.kind = Directive::Kind::kSelectDir;
      d.path = rest;
    } else if (word == "set") {
      const size_t cut = rest.find_first_of(" \t");
      d.what = rest.substr(0, cut);
      d.value = cut == std::string::npos ? "" : trimmed(rest.substr(cut));
      const bool numeric = d.what == "skill" || d.what == "episode" || d.what == "level" ||
                           d.what == "bots" || d.what == "players";
      const bool check =
          d.what == "god" || d.what == "weapons" || d.what == "ai" || d.what == "auto-launch";
      // An entry of a list as it shows it: the rest of the line, blanks and all.
      const bool entry =
          d.what == "comm" || d.what == "name" || d.what == "socket" || d.what == "connect";
      if ((!numeric && !check && !entry) || d.value.empty())
        return fail(
                   "set takes skill|episode|level|bots|players N, god|weapons|ai|auto-launch "
                   "on|off or comm|name|socket|connect|number ENTRY"),
               script;
      if (numeric && !number(d.value)) return fail("set " + d.what + " takes a number"), script;
      if (check && d.value != "on" && d.value != "off")
        return fail("set " + d.what + " takes on or off"), script;
      d.kind = Directive::Kind::kSet;
    } else if (word == "type") {
      const size_t cut = rest.find_first_of(" \t");
      d.what = rest.substr(0, cut);
      d.value = cut == std::string::npos ? "" : trimmed(rest.substr(cut));
      if (d.what != "name" && d.what != "socket" && d.what != "number")
        return fail("type takes name|socket|number TEXT"), script;
      d.kind = Directive::Kind::kType;
    } else if (word == "field") {
      // "field NAME = VALUE": names hold blanks, so the first " = " ends the name.
      const size_t eq = rest.find(" = ");
      if (eq == std::string::npos || eq == 0) return fail("field takes NAME = VALUE"), script;
      d.kind = Directive::Kind::kField;
      d.field = trimmed(rest.substr(0, eq));
      d.value = trimmed(rest.substr(eq + 3));
    } else if (word == "press") {
      if (rest != "ok" && rest != "cancel") return fail("press takes ok or cancel"), script;
      d.kind = Directive::Kind::kPress;
      d.ok = rest == "ok";
    } else if (word == "listen") {
      // Seconds the idle listener waits for a server's announcement.
      const auto seconds = number(rest);
      if (!seconds || *seconds < 1) return fail("listen takes a number of seconds"), script;
      d.kind = Directive::Kind::kListen;
      d.command = *seconds;
    } else if (word == "joystick") {
      // Ticks of the window's 100 ms joystick timer.
      const auto ticks = number(rest);
      if (!ticks || *ticks < 1) return fail("joystick takes a number of ticks"), script;
      d.kind = Directive::Kind::kJoystick;
      d.command = *ticks;
    } else if (word == "open") {
      // A dialog the main panel opens with a button of its own.
      if (rest != "other-options") return fail("open takes other-options"), script;
      d.kind = Directive::Kind::kOpen;
      d.what = rest;
    } else if (word == "show") {
      if (rest != "multiplayer") return fail("show takes multiplayer"), script;
      d.kind = Directive::Kind::kShow;
      d.what = rest;
    } else if (word == "define-game") {
      // The define-game dialog of a slot, as a game select button opens it.
      const auto slot = number(rest);
      if (!slot || *slot < 0 || *slot > 600)
        return fail("define-game takes a slot, 0 to 600"), script;
      d.kind = Directive::Kind::kDefineGame;
      d.command = *slot;
    } else if (word == "choose-folder") {
      // The folder is the rest of the line: host names may hold blanks.
      if (rest.empty()) return fail("choose-folder takes a folder or cancel"), script;
      d.kind = Directive::Kind::kChooseFolder;
      d.cancel = rest == "cancel";
      if (!d.cancel) d.path = rest;
    } else if (word == "drives") {
      const size_t cut = rest.find_first_of(" \t");
      d.kind = Directive::Kind::kDrives;
      d.action = rest.substr(0, cut);
      std::string args = cut == std::string::npos ? "" : trimmed(rest.substr(cut));
      if (d.action == "change" || d.action == "remove") {
        const size_t end = args.find_first_of(" \t");
        const auto letter = driveLetter(args.substr(0, end));
        if (!letter) return fail("drives " + d.action + " takes a drive letter first"), script;
        d.letter = *letter;
        args = end == std::string::npos ? "" : trimmed(args.substr(end));
      }
      if (d.action == "add" || d.action == "change") {
        if (args.empty()) return fail("drives " + d.action + " takes a folder"), script;
        d.path = args;
      } else if (d.action == "remove") {
        if (!args.empty()) return fail("drives remove takes a drive letter only"), script;
      } else if (d.action != "show" || !args.empty()) {
        return fail("drives takes add FOLDER, change LETTER FOLDER, remove LETTER or show"), script;
      }
    } else {
      return fail("unknown directive \"" + word + "\""), script;
    }
    script.directives.push_back(std::move(d));
  }
  return script;
}

}  // namespace headless
