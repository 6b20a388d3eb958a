// The toolkit's own start-up, the baseline of the cold start benchmark: one empty frame of the
// main window's size. It writes its title to $QF95_TEST_READY_FILE once the frame is shown and
// drawn, and closes on SIGTERM, as quillfen95's test hooks do, so both are timed alike.
#include <wx/app.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include <csignal>

namespace {

class BareFrameApp : public wxApp {
 public:
  bool OnInit() override {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Bare frame", wxDefaultPosition, wxSize(960, 640));
    SetTopWindow(frame);
    frame->Show();
    SetSignalHandler(SIGTERM, [](int) {
      wxTheApp->CallAfter([] {
        if (wxWindow* top = wxTheApp->GetTopWindow()) top->Close(true);
      });
    });
    wxString ready;
    if (wxGetEnv("QF95_TEST_READY_FILE", &ready) && !ready.empty()) {
      Bind(wxEVT_IDLE, [this, frame, ready](wxIdleEvent& event) {
        event.Skip();
        if (written_ || !frame->IsShownOnScreen()) return;
        written_ = true;
        frame->Update();
        const wxString temporary = ready + ".tmp";
        {
          wxFFile file(temporary, "w");
          if (!file.IsOpened()) return;
          file.Write(frame->GetTitle() + "\n");
        }
        wxRenameFile(temporary, ready, true);
      });
    }
    return true;
  }

 private:
  bool written_ = false;
};

}  // namespace

wxIMPLEMENT_APP(BareFrameApp);
