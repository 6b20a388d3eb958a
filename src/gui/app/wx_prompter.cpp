#include "gui/app/wx_prompter.h"

#include <wx/app.h>
#include <wx/window.h>

#include "gui/common/wx_message_box.h"

namespace gui {

platform::Answer WxPrompter::ask(const std::string& caption, const std::string& text,
                                 platform::Buttons buttons) {
  long icon = wxICON_INFORMATION;
  if (caption == platform::kCaptionError)
    icon = wxICON_ERROR;
  else if (buttons == platform::Buttons::kYesNo || buttons == platform::Buttons::kYesNoCancel)
    icon = wxICON_QUESTION;
  wxWindow* parent = wxGetActiveWindow();
  if (!parent && wxTheApp) parent = wxTheApp->GetTopWindow();
  if (parent && !parent->IsShown()) parent = nullptr;
  return showMessageBox(parent, caption, text, buttons, icon);
}

}  // namespace gui
