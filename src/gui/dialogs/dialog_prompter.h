// The message boxes of the dialogs, as wx message dialogs over the dialog that asks.
#pragma once

#include <wx/window.h>

#include "platform/prompter.h"

namespace gui::dialogs {

class WxDialogPrompter : public platform::Prompter {
 public:
  explicit WxDialogPrompter(wxWindow* parent) : parent_(parent) {}
  void setParent(wxWindow* parent) { parent_ = parent; }
  platform::Answer ask(const std::string& caption, const std::string& text,
                       platform::Buttons buttons) override;

 private:
  wxWindow* parent_;
};

}  // namespace gui::dialogs
