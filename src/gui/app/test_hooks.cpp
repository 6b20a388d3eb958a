#include "gui/app/test_hooks.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <csignal>
#include <memory>

#include "gui/app/main_frame.h"

namespace gui {

namespace {

wxTopLevelWindow* frontWindow() {
  wxTopLevelWindow* front = nullptr;
  for (wxWindow* window : wxTopLevelWindows) {
    auto* top = dynamic_cast<wxTopLevelWindow*>(window);
    if (top && top->IsShownOnScreen() && !top->IsBeingDeleted()) front = top;
  }
  // A modal dialog is in front of whatever else is shown.
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = dynamic_cast<wxDialog*>(window);
    if (dialog && dialog->IsModal() && dialog->IsShownOnScreen()) front = dialog;
  }
  return front;
}

void writeReady(const wxString& path, const wxString& title) {
  const wxString temporary = path + ".tmp";
  {
    wxFFile file(temporary, "w");
    if (!file.IsOpened()) return;
    file.Write(title + "\n");
  }
  wxRenameFile(temporary, path, true);
}

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
void closeStep(wxIdleEvent& event) {
  event.Skip();
  if (wxDialog* dialog = innermostModal()) {
    dialog->EndModal(wxID_CANCEL);
    event.RequestMore();
    return;
  }
  if (wxEventLoopBase::GetActive() != wxTheApp->GetMainLoop()) {
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

void installTestHooks(CMainFrame* frame) {
  wxTheApp->SetSignalHandler(SIGTERM, onTerminate);

  wxString readyFile;
  if (wxGetEnv("QF95_TEST_READY_FILE", &readyFile) && !readyFile.empty()) {
    auto last = std::make_shared<wxString>();
    wxTheApp->Bind(wxEVT_IDLE, [readyFile, last](wxIdleEvent& event) {
      event.Skip();
      wxTopLevelWindow* front = frontWindow();
      if (!front) return;
      const wxString title = front->GetTitle();
      if (title == *last) return;
      *last = title;
      front->Update();
      writeReady(readyFile, title);
    });
  }

  wxString command;
  long id = 0;
  if (wxGetEnv("QF95_TEST_COMMAND", &command) && command.ToLong(&id)) {
    auto done = std::make_shared<bool>(false);
    frame->Bind(wxEVT_IDLE, [frame, id, done](wxIdleEvent& event) {
      event.Skip();
      if (*done || !frame->IsShownOnScreen()) return;
      *done = true;
      frame->CallAfter([frame, id] { frame->window().execute(int(id)); });
    });
  }
}

}  // namespace gui
