#include "setup/gui/wx_prompter.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "setup/gui/wx_text.h"
#include "setup/installer.h"

namespace setup::gui {

platform::Answer WxPrompter::ask(const std::string& caption, const std::string& text,
                                 platform::Buttons buttons) {
  long style = wxCENTRE;
  switch (buttons) {
    case platform::Buttons::kOk:
      style |= wxOK;
      break;
    case platform::Buttons::kOkCancel:
      style |= wxOK | wxCANCEL;
      break;
    case platform::Buttons::kYesNo:
      style |= wxYES_NO;
      break;
    case platform::Buttons::kYesNoCancel:
      style |= wxYES_NO | wxCANCEL;
      break;
  }
  // The completion boxes show a question mark and come to the front; errors are plain.
  style |= caption == kCaptionComplete ? wxICON_QUESTION | wxSTAY_ON_TOP : wxICON_NONE;
  wxString message = toWx(text);
  message.Replace("\r\n", "\n");
  wxWindow* parent = wxGetActiveWindow();
  if (!parent && wxTheApp) parent = wxTheApp->GetTopWindow();
  wxMessageDialog box(parent, message, toWx(caption), style);
  switch (box.ShowModal()) {
    case wxID_YES:
      return platform::Answer::kYes;
    case wxID_NO:
      return platform::Answer::kNo;
    case wxID_CANCEL:
      return platform::Answer::kCancel;
    default:
      return platform::Answer::kOk;
  }
}

}  // namespace setup::gui
