#include "gui/dialogs/unzip_profile_view.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "platform/dos_path.h"

namespace gui::dialogs {

namespace {

constexpr const char* kProgramFilter = "Programs (*.exe;*.com)|*.exe;*.com|All Files (*.*)|*.*||";

}  // namespace

UnzipProfileView::UnzipProfileView(wxWindow* parent, launch::UnzipProfileDialog& dialog,
                                   const PathBridge& paths)
    : View(parent, wxID_ANY, launch::UnzipProfileDialog::kTitle), dialog_(dialog), paths_(paths) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* frame = new wxStaticBoxSizer(wxHORIZONTAL, this, launch::UnzipProfileDialog::kProgramFrame);
  program_ = new wxTextCtrl(this, kIdUnzipProgram, toWx(dialog_.profile().program));
  program_->SetMaxLength(long(launch::UnzipProfileDialog::kProgramMax));
  program_->SetMinSize(wxSize(GetCharWidth() * 40, -1));
  frame->Add(program_, 1, wxALIGN_CENTER_VERTICAL | wxALL, 4);
  auto* browse =
      new wxButton(this, kIdUnzipBrowse, ">>", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
  browse->Enable(paths_.usable());
  frame->Add(browse, 0, wxALIGN_CENTER_VERTICAL | wxALL, 4);
  top->Add(frame, 0, wxEXPAND | wxALL, 10);
  zipMagic_ = new wxCheckBox(this, kIdZipMagic, "ZipMagic");
  zipMagic_->SetValue(dialog_.profile().zipMagic);
  winZip_ = new wxCheckBox(this, kIdWinZip, "WinZip");
  winZip_->SetValue(dialog_.profile().winZip);
  top->Add(zipMagic_, 0, wxLEFT | wxRIGHT, 14);
  top->Add(winZip_, 0, wxLEFT | wxRIGHT | wxTOP, 14);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        const std::string current = fromWx(program_->GetValue());
        if (auto path =
                chooseFile(this, paths_, kProgramFilter, platform::dos::directoryOf(current))) {
          program_->ChangeValue(toWx(*path));
        }
      },
      kIdUnzipBrowse);
  bindOkCancel(
      [this] {
        dialog_.setProgram(fromWx(program_->GetValue()));
        dialog_.setZipMagic(zipMagic_->GetValue());
        dialog_.setWinZip(winZip_->GetValue());
      },
      [] {});
}

}  // namespace gui::dialogs
