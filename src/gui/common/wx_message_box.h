// One modal message box: the buttons of the request, the icon and style the caller adds, CR LF
// shown as line breaks; the answer is the button pressed.
//
// The box is wx's own message dialog, not the toolkit's native one: a native box runs a loop of
// its own that wx cannot end, so a SIGTERM could not close the program while one was up, and it
// is no wx window, so nothing in the program could tell that it is showing. Keys answer it
// this way: Return presses the default button (Yes, or OK); Escape presses Cancel, or No in a
// Yes/No box (never Yes, the affirmative button wx would take), or OK in a box with OK only.
#pragma once

#include <wx/msgdlg.h>
// The generic dialog after the native one's header, which declares its base class.
#include <wx/generic/msgdlgg.h>
#include <wx/window.h>

#include <string>

#include "gui/common/wx_text.h"
#include "platform/prompter.h"

namespace gui {

// The answer to a box with these buttons when it ended with `id`. A box can also end without a
// button of its own (closed from the title bar, or by the program while it closes).
inline platform::Answer answerOfMessageBox(platform::Buttons buttons, int id) {
  switch (id) {
    case wxID_YES:
      return platform::Answer::kYes;
    case wxID_NO:
      return platform::Answer::kNo;
    case wxID_OK:
      return platform::Answer::kOk;
    default:
      return platform::answerWithoutButton(buttons);
  }
}

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
  wxGenericMessageDialog box(parent, message, toWx(caption), style);
  // Escape (and the title bar's close) would press Yes, the box's affirmative button, when
  // there is no Cancel: make it No.
  if (buttons == platform::Buttons::kYesNo) box.SetEscapeId(wxID_NO);
  // The window is made only when it is shown, with the standard dialog style: keep it above
  // the others there when asked to.
  if (extraStyle & wxSTAY_ON_TOP)
    box.Bind(wxEVT_INIT_DIALOG, [&box](wxInitDialogEvent& event) {
      event.Skip();
      box.SetWindowStyleFlag(box.GetWindowStyleFlag() | wxSTAY_ON_TOP);
    });
  return answerOfMessageBox(buttons, box.ShowModal());
}

}  // namespace gui
