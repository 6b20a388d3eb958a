#include "gui/dialogs/name_view.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

namespace gui::dialogs {

NameView::NameView(wxWindow* parent, files::NameDialog& dialog)
    : View(parent, wxID_ANY, toWx(dialog.title())), dialog_(dialog) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, "Name:"), 0, wxLEFT | wxRIGHT | wxTOP, 10);
  name_ = new wxTextCtrl(this, kIdNameField, toWx(dialog_.name()));
  // Room for a long file name as the player types it.
  name_->SetMinSize(wxSize(GetCharWidth() * 40, -1));
  top->Add(name_, 0, wxEXPAND | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  name_->SetFocus();
  name_->SelectAll();
  bindOkCancel([this] { dialog_.setName(fromWx(name_->GetValue())); }, [] {});
}

}  // namespace gui::dialogs
