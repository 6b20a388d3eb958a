#include "platform/host/console_prompter.h"

#include <istream>
#include <ostream>
#include <vector>

namespace platform {
namespace {

struct Choice {
  char key;
  const char* label;
  Answer answer;
};

std::vector<Choice> choicesFor(Buttons buttons) {
  const Choice ok{'o', "OK", Answer::kOk};
  const Choice cancel{'c', "Cancel", Answer::kCancel};
  const Choice yes{'y', "Yes", Answer::kYes};
  const Choice no{'n', "No", Answer::kNo};
  switch (buttons) {
    case Buttons::kOk:
      return {ok};
    case Buttons::kOkCancel:
      return {ok, cancel};
    case Buttons::kYesNo:
      return {yes, no};
    case Buttons::kYesNoCancel:
      return {yes, no, cancel};
  }
  return {ok};
}

const char* labelOf(Answer answer) {
  switch (answer) {
    case Answer::kOk:
      return "OK";
    case Answer::kCancel:
      return "Cancel";
    case Answer::kYes:
      return "Yes";
    case Answer::kNo:
      return "No";
  }
  return "";
}

}  // namespace

ConsolePrompter::ConsolePrompter(std::ostream& out, std::istream* in) : out_(out), in_(in) {}

Answer ConsolePrompter::ask(const std::string& caption, const std::string& text, Buttons buttons) {
  const std::vector<Choice> choices = choicesFor(buttons);
  out_ << "[" << caption << "] " << text << "\n";
  std::string prompt;
  for (const Choice& choice : choices)
    prompt += std::string(prompt.empty() ? "" : " ") + "[" + choice.label + "]";
  while (true) {
    out_ << prompt << " " << std::flush;
    std::string line;
    if (!in_ || !std::getline(*in_, line)) break;
    size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) continue;
    char key = static_cast<char>(line[first] | 0x20);  // ASCII lower case
    for (const Choice& choice : choices) {
      if (choice.key == key) return choice.answer;
    }
  }
  Answer answer = answerWithoutButton(buttons);
  out_ << labelOf(answer) << "\n";
  return answer;
}

}  // namespace platform
