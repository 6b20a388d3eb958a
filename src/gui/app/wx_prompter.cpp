#include "gui/app/wx_prompter.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/window.h>

#include "gui/app/wx_text.h"

namespace gui {

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
  if (caption == platform::kCaptionError)
    style |= wxICON_ERROR;
  else if (buttons == platform::Buttons::kYesNo || buttons == platform::Buttons::kYesNoCancel)
    style |= wxICON_QUESTION;
  else
    style |= wxICON_INFORMATION;
  wxString message = toWx(text);
  message.Replace("\r\n", "\n");
  wxWindow* parent = wxGetActiveWindow();
  if (!parent && wxTheApp) parent = wxTheApp->GetTopWindow();
  if (parent && !parent->IsShown()) parent = nullptr;
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

}  // namespace gui
