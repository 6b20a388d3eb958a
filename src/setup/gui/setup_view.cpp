#include "setup/gui/setup_view.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "setup/commands.h"
#include "setup/gui/about_list_dialog.h"
#include "setup/gui/install_dialog.h"
#include "setup/gui/setup_app.h"

namespace setup::gui {

CSetupView::CSetupView(wxWindow* parent, Installer& installer)
    : wxPanel(parent, wxID_ANY), installer_(installer) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  auto* welcome = new wxStaticText(
      this, wxID_ANY,
      "Welcome to the Quillfen95 installation program.  This program will install Quillfen95.",
      wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL);
  welcome->Wrap(320);
  column->Add(welcome, 0, wxALIGN_CENTER | wxALL, 20);
  auto button = [&](int id, const char* label) {
    column->Add(new wxButton(this, id, label, wxDefaultPosition, wxSize(220, -1)), 0,
                wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  };
  button(kCmdInstall, "&Install Quillfen95");
  button(kCmdAbout, "&About Quillfen95");
  button(wxID_EXIT, "&Exit Setup");
  column->AddSpacer(10);
  SetSizerAndFit(column);

  Bind(wxEVT_BUTTON, &CSetupView::OnInstall, this, kCmdInstall);
  Bind(wxEVT_BUTTON, &CSetupView::OnAbout, this, kCmdAbout);
  Bind(
      wxEVT_BUTTON, [](wxCommandEvent&) { wxGetApp().GetTopWindow()->Close(); }, wxID_EXIT);
}

void CSetupView::OnInstall(wxCommandEvent&) {
  CInstallDlg dialog(this, installer_);
  wxGetApp().WatchUntilDrawn(&dialog);
  dialog.ShowModal();
  // A completed installation ends with 0; a missing or uncopyable file with 1.
  if (dialog.result()) wxGetApp().EndProgram(dialog.result()->exitCode);
}

void CSetupView::OnAbout(wxCommandEvent&) {
  const auto lines = installer_.aboutLines();
  if (!lines) return;
  CAboutListDlg dialog(this, *lines);
  wxGetApp().WatchUntilDrawn(&dialog);
  dialog.ShowModal();
}

}  // namespace setup::gui
