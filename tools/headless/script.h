// The headless driver's script: one directive per line, "#" starts a comment line.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace headless {

struct Directive {
  enum class Kind {
    kAnswer,
    kCommand,
    kSelectFile,
    kSelectDir,
    kSelectFavourite,
    kSet,
    kType,
    kShow,
    kOpen,
    kListen,
    kField,
    kPress,
    kChooseFolder,
    kDrives,
    kJoystick,
    kDefineGame
  };
  Kind kind = Kind::kCommand;
  int line = 0;
  platform::Answer answer = platform::Answer::kOk;
  // command: the id; select-favourite: the line, from 1; listen: seconds; joystick: ticks;
  // define-game: the slot
  int command = 0;
  std::string
      path;  // select-file, select-dir: the DOS path; choose-folder, drives: the host folder
  bool cancel = false;  // choose-folder: the chooser is cancelled
  std::string action;   // drives: add, change or remove
  char letter = 0;      // drives change|remove: the drive, upper case
  // set: skill, episode, level, bots, players, comm, name, socket, connect, god, weapons, ai or
  // auto-launch; type: name, socket or number; show: multiplayer
  std::string what;
  std::string value;  // set: the entry as shown, or on/off; type: the text typed; field: value
  std::string field;  // field: the name of a field of the next dialog
  bool ok = false;    // press: OK (else Cancel)
};

struct Script {
  std::vector<Directive> directives;
  std::string error;  // "line N: ..." for the first line that could not be read
};

Script readScript(std::istream& in);

std::optional<platform::Answer> answerNamed(const std::string& word);
const char* answerName(platform::Answer answer);
// Whether a box with these buttons offers the answer.
bool offers(platform::Buttons buttons, platform::Answer answer);
// A text on one transcript line: line breaks become "\n".
std::string oneLine(const std::string& text);

}  // namespace headless
