#include "platform/fake/scripted_prompter.h"

namespace platform {

Answer ScriptedPrompter::ask(const std::string& caption, const std::string& text, Buttons buttons) {
  Answer answer;
  if (answers_.empty()) {
    ++unscripted_;
    answer =
        (buttons == Buttons::kOk || buttons == Buttons::kOkCancel) ? Answer::kOk : Answer::kYes;
  } else {
    answer = answers_.front();
    answers_.pop_front();
  }
  boxes_.push_back(Box{caption, text, buttons, answer});
  return answer;
}

std::vector<std::string> ScriptedPrompter::texts() const {
  std::vector<std::string> all;
  all.reserve(boxes_.size());
  for (const Box& box : boxes_) all.push_back(box.text);
  return all;
}

}  // namespace platform
