#include "gui/app/test_hooks.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

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

// Every button shown in `window`, one line each: its label, a tab, the screen point of its
// middle ("Play\t812 540").
void listButtons(wxWindow* window, wxString& lines) {
  for (wxWindow* child : window->GetChildren()) {
    if (auto* button = dynamic_cast<wxButton*>(child); button && button->IsShownOnScreen()) {
      const wxRect r = button->GetScreenRect();
      lines << button->GetLabel() << "\t" << r.x + r.width / 2 << " " << r.y + r.height / 2 << "\n";
    }
    listButtons(child, lines);
  }
}

}  // namespace

void installTestHooks(CMainFrame* frame) {
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

  // Where the main window's buttons are, for tests that point at them.
  wxString buttonsFile;
  if (wxGetEnv("QF95_TEST_BUTTONS_FILE", &buttonsFile) && !buttonsFile.empty()) {
    auto done = std::make_shared<bool>(false);
    frame->Bind(wxEVT_IDLE, [frame, buttonsFile, done](wxIdleEvent& event) {
      event.Skip();
      if (*done || !frame->IsShownOnScreen()) return;
      *done = true;
      wxString lines;
      listButtons(frame, lines);
      writeReady(buttonsFile, lines);
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
