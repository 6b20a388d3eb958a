#include "setup/gui/main_frame.h"

#include <wx/menu.h>
#include <wx/sizer.h>

#include "setup/gui/about_box.h"
#include "setup/gui/setup_app.h"
#include "setup/gui/setup_view.h"

namespace setup::gui {

CMainFrame::CMainFrame(Installer& installer) : wxFrame(nullptr, wxID_ANY, "Quillfen95 Setup") {
  auto* file = new wxMenu;
  file->Append(wxID_EXIT, "E&xit");
  auto* help = new wxMenu;
  help->Append(wxID_ABOUT, "&About setup...");
  auto* bar = new wxMenuBar;
  bar->Append(file, "&File");
  bar->Append(help, "&Help");
  SetMenuBar(bar);
  CreateStatusBar();
  SetStatusText("Ready");

  view_ = new CSetupView(this, installer);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(view_, 1, wxEXPAND);
  SetSizerAndFit(sizer);

  Bind(wxEVT_MENU, &CMainFrame::OnAboutBox, this, wxID_ABOUT);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
}

void CMainFrame::RunCommand(int id) {
  if (id == wxID_ABOUT) {
    wxCommandEvent event(wxEVT_MENU, wxID_ABOUT);
    OnAboutBox(event);
    return;
  }
  wxCommandEvent event(wxEVT_BUTTON, id);
  event.SetEventObject(view_);
  view_->GetEventHandler()->ProcessEvent(event);
}

void CMainFrame::OnAboutBox(wxCommandEvent&) {
  CAboutDlg box(this);
  wxGetApp().WatchUntilDrawn(&box);
  box.ShowModal();
}

}  // namespace setup::gui
