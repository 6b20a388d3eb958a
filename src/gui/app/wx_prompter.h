// The program's message boxes as wx message dialogs.
#pragma once

#include "platform/prompter.h"

namespace gui {

class WxPrompter : public platform::Prompter {
 public:
  platform::Answer ask(const std::string& caption, const std::string& text,
                       platform::Buttons buttons) override;
};

}  // namespace gui
