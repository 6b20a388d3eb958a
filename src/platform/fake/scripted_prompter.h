// A Prompter for tests: answers from a script and records every box it was asked to show.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace platform {

class ScriptedPrompter : public Prompter {
 public:
  struct Box {
    std::string caption;
    std::string text;
    Buttons buttons;
    Answer answer;
  };

  // Answers are taken in order; once the script is used up every box gets the first button
  // (OK or Yes) and is counted as unscripted.
  void script(std::initializer_list<Answer> answers) { answers_.insert(answers_.end(), answers); }
  Answer ask(const std::string& caption, const std::string& text, Buttons buttons) override;

  const std::vector<Box>& boxes() const { return boxes_; }
  size_t unscripted() const { return unscripted_; }
  // The texts of every box shown, in order.
  std::vector<std::string> texts() const;

 private:
  std::deque<Answer> answers_;
  std::vector<Box> boxes_;
  size_t unscripted_ = 0;
};

}  // namespace platform
