// Message boxes on a terminal, for the console driver: each box is printed; the answer is read
// from the input stream when one is given, else the box gets its safe answer (OK, or
// Cancel/No for a question).
#pragma once

#include <iosfwd>

#include "platform/prompter.h"

namespace platform {

class ConsolePrompter : public Prompter {
 public:
  ConsolePrompter(std::ostream& out, std::istream* in);
  Answer ask(const std::string& caption, const std::string& text, Buttons buttons) override;

 private:
  std::ostream& out_;
  std::istream* in_;
};

}  // namespace platform
