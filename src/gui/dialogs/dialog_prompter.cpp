#include "gui/dialogs/dialog_prompter.h"

#include <wx/msgdlg.h>

#include "gui/dialogs/view_support.h"

namespace gui::dialogs {

platform::Answer WxDialogPrompter::ask(const std::string& caption, const std::string& text,
                                       platform::Buttons buttons) {
  long style = wxOK;
  switch (buttons) {
    case platform::Buttons::kOk:
      style = wxOK;
      break;
    case platform::Buttons::kOkCancel:
      style = wxOK | wxCANCEL;
      break;
    case platform::Buttons::kYesNo:
      style = wxYES_NO;
      break;
    case platform::Buttons::kYesNoCancel:
      style = wxYES_NO | wxCANCEL;
      break;
  }
  wxMessageDialog box(parent_, toWx(text), toWx(caption), style);
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

}  // namespace gui::dialogs
