#include "gui/dialogs/multiplayer_views.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace gui::dialogs {

using multiplayer::AutoLaunchOptionsDialog;
using multiplayer::NewNumberDialog;
using multiplayer::OtherOptionsDialog;

namespace {

wxChoice* listControl(wxWindow* parent, wxFlexGridSizer* grid, int id, const char* label,
                      const multiplayer::ListChoice& list) {
  grid->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
  wxArrayString entries;
  for (const std::string& entry : list.entries) entries.Add(toWx(entry));
  auto* choice =
      new wxChoice(parent, id, wxDefaultPosition, wxSize(parent->GetCharWidth() * 24, -1), entries);
  if (list.selection >= 0) choice->SetSelection(list.selection);
  choice->Enable(list.enabled);
  grid->Add(choice, 0, wxEXPAND);
  return choice;
}

wxTextCtrl* textControl(wxWindow* parent, wxFlexGridSizer* grid, int id, const char* label,
                        const multiplayer::TextBox& box) {
  grid->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
  auto* text = new wxTextCtrl(parent, id, toWx(box.text));
  if (box.maxLength > 0) text->SetMaxLength(static_cast<unsigned long>(box.maxLength));
  text->Enable(box.enabled);
  grid->Add(text, 0, wxEXPAND);
  return text;
}

wxFlexGridSizer* formGrid() {
  auto* grid = new wxFlexGridSizer(2, 6, 10);
  grid->AddGrowableCol(1);
  return grid;
}

}  // namespace

OtherOptionsView::OtherOptionsView(wxWindow* parent, OtherOptionsDialog& dialog)
    : View(parent, wxID_ANY, OtherOptionsDialog::kTitle), dialog_(dialog) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = formGrid();
  mode_ = listControl(this, grid, kIdMultiplayerMode, OtherOptionsDialog::kMode, dialog_.mode());
  shirt_ =
      listControl(this, grid, kIdShirtColor, OtherOptionsDialog::kShirtColor, dialog_.shirtColor());
  pants_ =
      listControl(this, grid, kIdPantsColor, OtherOptionsDialog::kPantsColor, dialog_.pantsColor());
  fewerPacket_ = listControl(this, grid, kIdFewerPacket, OtherOptionsDialog::kFewerPacket,
                             dialog_.fewerPacket());
  timeLimit_ =
      textControl(this, grid, kIdTimeLimit, OtherOptionsDialog::kTimeLimit, dialog_.timeLimit());
  fragLimit_ =
      textControl(this, grid, kIdFragLimit, OtherOptionsDialog::kFragLimit, dialog_.fragLimit());
  top->Add(grid, 0, wxEXPAND | wxALL, 10);
  limitCommandLine_ =
      new wxCheckBox(this, kIdLimitCommandLine, OtherOptionsDialog::kLimitCommandLine);
  limitCommandLine_->SetValue(dialog_.limitCommandLine());
  top->Add(limitCommandLine_, 0, wxLEFT | wxRIGHT, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);

  // Clearing the box may be answered with Cancel in a warning: the box shows what stands.
  limitCommandLine_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& e) {
    limitCommandLine_->SetValue(dialog_.setLimitCommandLine(e.IsChecked()));
  });
  bindOkCancel([this] { pull(); }, [] {});
}

void OtherOptionsView::pull() {
  dialog_.chooseMode(mode_->GetSelection());
  dialog_.chooseShirtColor(shirt_->GetSelection());
  dialog_.choosePantsColor(pants_->GetSelection());
  dialog_.chooseFewerPacket(fewerPacket_->GetSelection());
  dialog_.typeTimeLimit(fromWx(timeLimit_->GetValue()));
  dialog_.typeFragLimit(fromWx(fragLimit_->GetValue()));
}

AutoLaunchOptionsView::AutoLaunchOptionsView(wxWindow* parent, AutoLaunchOptionsDialog& dialog)
    : View(parent, wxID_ANY, AutoLaunchOptionsDialog::kTitle), dialog_(dialog) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  for (size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i] =
        new wxCheckBox(this, kIdAutoLaunchBox + int(i), AutoLaunchOptionsDialog::kCaptions[i]);
    boxes_[i]->SetValue(dialog_.checked(i));
    top->Add(boxes_[i], 0, wxLEFT | wxRIGHT | wxTOP, 8);
  }
  auto* grid = formGrid();
  clan_ = textControl(this, grid, kIdClan, AutoLaunchOptionsDialog::kClan, dialog_.clan());
  textControl(this, grid, kIdMapSocket, AutoLaunchOptionsDialog::kMapSocket, dialog_.mapSocket());
  ipxServer_ = textControl(this, grid, kIdIpxServer, AutoLaunchOptionsDialog::kIpxServer,
                           dialog_.ipxServer());
  top->Add(grid, 0, wxEXPAND | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  bindOkCancel([this] { pull(); }, [] {});
}

void AutoLaunchOptionsView::pull() {
  for (size_t i = 0; i < boxes_.size(); ++i) dialog_.setChecked(i, boxes_[i]->GetValue());
  dialog_.typeClan(fromWx(clan_->GetValue()));
  dialog_.typeIpxServer(fromWx(ipxServer_->GetValue()));
}

NewNumberView::NewNumberView(wxWindow* parent, NewNumberDialog& dialog)
    : View(parent, wxID_ANY, NewNumberDialog::kTitle), dialog_(dialog) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* prompt = new wxStaticText(this, wxID_ANY, dialog_.prompt());
  prompt->Wrap(GetCharWidth() * 48);
  top->Add(prompt, 0, wxALL, 10);
  auto* grid = formGrid();
  grid->Add(new wxStaticText(this, wxID_ANY, NewNumberDialog::kNameLabel), 0,
            wxALIGN_CENTER_VERTICAL);
  name_ = new wxTextCtrl(this, kIdNumberName, toWx(dialog_.name()));
  name_->SetMaxLength(NewNumberDialog::kFieldMax);
  grid->Add(name_, 0, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, dialog_.numberLabel()), 0, wxALIGN_CENTER_VERTICAL);
  number_ = new wxTextCtrl(this, kIdNumberNumber, toWx(dialog_.number()));
  number_->SetMaxLength(NewNumberDialog::kFieldMax);
  grid->Add(number_, 0, wxEXPAND);
  top->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  bindOkCancel(
      [this] {
        dialog_.setName(fromWx(name_->GetValue()));
        dialog_.setNumber(fromWx(number_->GetValue()));
      },
      [] {});
}

}  // namespace gui::dialogs
