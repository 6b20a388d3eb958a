#include "gui/dialogs/dialog_prompter.h"

#include "gui/common/wx_message_box.h"

namespace gui::dialogs {

platform::Answer WxDialogPrompter::ask(const std::string& caption, const std::string& text,
                                       platform::Buttons buttons) {
  return showMessageBox(parent_, caption, text, buttons, 0);
}

}  // namespace gui::dialogs
