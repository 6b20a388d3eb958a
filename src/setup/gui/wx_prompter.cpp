#include "setup/gui/wx_prompter.h"

#include <wx/app.h>

#include "gui/common/wx_message_box.h"
#include "setup/installer.h"

namespace setup::gui {

platform::Answer WxPrompter::ask(const std::string& caption, const std::string& text,
                                 platform::Buttons buttons) {
  // The completion boxes show a question mark and come to the front; errors are plain.
  const long style = caption == kCaptionComplete ? wxICON_QUESTION | wxSTAY_ON_TOP : wxICON_NONE;
  wxWindow* parent = wxGetActiveWindow();
  if (!parent && wxTheApp) parent = wxTheApp->GetTopWindow();
  return ::gui::showMessageBox(parent, caption, text, buttons, style);
}

}  // namespace setup::gui
