#include "gui/app/termination.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <csignal>

namespace gui {

namespace {

// The newest modal dialog: the one whose loop runs, as the program makes each dialog where it
// shows it, so the loops nest in the order the dialogs were made.
wxDialog* innermostModal() {
  wxDialog* innermost = nullptr;
  for (wxWindow* window : wxTopLevelWindows)
    if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal())
      innermost = dialog;
  return innermost;
}

// Run at idle from a SIGTERM on until the program closes: ends the modal dialogs one loop at a
// time, innermost first (a loop can only be left from inside it), each answered as Cancel
// would; once the loops have unwound the program closes as "Exit" closes it. A command that
// opens another box after one was ended gets that box ended too. Idle, not a queued call: the
// queue is worked off inside the loop that is being left, before it can return.
std::function<bool()>& busyCheck() {
  static std::function<bool()> busy;
  return busy;
}

void closeStep(wxIdleEvent& event) {
  event.Skip();
  if (wxDialog* dialog = innermostModal()) {
    dialog->EndModal(wxID_CANCEL);
    event.RequestMore();
    return;
  }
  // The busy check asks the top window, so only while there is one.
  const bool busy = wxTheApp->GetTopWindow() && busyCheck() && busyCheck()();
  if (wxEventLoopBase::GetActive() != wxTheApp->GetMainLoop() || busy) {
    event.RequestMore();
    return;
  }
  wxTheApp->Unbind(wxEVT_IDLE, closeStep);
  if (wxWindow* top = wxTheApp->GetTopWindow())
    top->Close(true);
  else
    wxTheApp->ExitMainLoop();
}

void onTerminate(int) {
  static bool closing = false;
  if (closing || !wxTheApp) return;
  closing = true;
  wxTheApp->Bind(wxEVT_IDLE, closeStep);
  wxWakeUpIdle();
}

}  // namespace

void installTermination(std::function<bool()> busy) {
  busyCheck() = std::move(busy);
  wxTheApp->SetSignalHandler(SIGTERM, onTerminate);
}

}  // namespace gui
