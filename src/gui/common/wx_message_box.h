// One modal message box as a wx message dialog: the buttons of the request, the icon and
// style the caller adds, CR LF shown as line breaks; the answer is the button pressed.
#pragma once

#include <wx/msgdlg.h>
#include <wx/window.h>

#include <string>

#include "gui/common/wx_text.h"
#include "platform/prompter.h"

namespace gui {

inline platform::Answer showMessageBox(wxWindow* parent, const std::string& caption,
                                       const std::string& text, platform::Buttons buttons,
                                       long extraStyle) {
  long style = wxCENTRE | extraStyle;
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
  wxString message = toWx(text);
  message.Replace("\r\n", "\n");
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
