#include "setup/gui/install_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "setup/gui/wx_text.h"

namespace setup::gui {

CInstallDlg::CInstallDlg(wxWindow* parent, Installer& installer)
    : wxDialog(parent, wxID_ANY, "Quillfen95 Install"), installer_(installer) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  auto text = [&](const char* line) {
    column->Add(new wxStaticText(this, wxID_ANY, line), 0, wxLEFT | wxRIGHT | wxTOP, 12);
  };
  text("Setup will now install Quillfen95 in the following directory.");
  directory_ = new wxTextCtrl(this, kIdDirectory, kDefaultTarget);
  column->Add(directory_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
  text("To install to this directory click INSTALL.");
  text("To install to a different directory, change the directory field.");
  text("To cancel setup, press EXIT.");

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* install = new wxButton(this, wxID_OK, "&Install");
  buttons->Add(install, 0, wxRIGHT, 8);
  buttons->Add(new wxButton(this, wxID_CANCEL, "&Exit"));
  column->Add(buttons, 0, wxALIGN_CENTER | wxALL, 12);
  install->SetDefault();
  SetSizerAndFit(column);
  CentreOnParent();

  Bind(wxEVT_BUTTON, &CInstallDlg::OnInstall, this, wxID_OK);
}

void CInstallDlg::OnInstall(wxCommandEvent&) {
  std::string directory = fromWx(directory_->GetValue());
  const InstallResult result = installer_.install(directory);
  if (result.outcome == InstallResult::Outcome::kRetry) {
    directory_->SetValue(toWx(directory));
    directory_->SetFocus();
    return;
  }
  result_ = result;
  EndModal(wxID_OK);
}

}  // namespace setup::gui
