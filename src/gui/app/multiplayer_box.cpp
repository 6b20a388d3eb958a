#include "gui/app/multiplayer_box.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/main_window.h"
#include "gui/app/wx_text.h"

namespace gui {

namespace {

constexpr const char* kAutoLaunchCaption = "Auto DeathMatch Launch";
constexpr const char* kOtherOptionsCaption = "Other MultiPlayer Options";

void fill(wxItemContainer* control, const multiplayer::ListControl& list) {
  control->Clear();
  for (const std::string& entry : list.entries) control->Append(toWx(entry));
}

}  // namespace

MultiplayerBox::MultiplayerBox(wxWindow* parent, app::MainWindow& window)
    : wxPanel(parent, wxID_ANY), window_(window) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  grid_ = new wxFlexGridSizer(2, 6, 8);
  grid_->AddGrowableCol(1);
  const wxSize width(150, -1);
  playersChoice_ = new wxChoice(this, wxID_ANY, wxDefaultPosition, width);
  players_ = addRow(grid_, playersChoice_);
  namesBox_ = new wxComboBox(this, wxID_ANY, "", wxDefaultPosition, width, 0, nullptr,
                             wxCB_DROPDOWN | wxTE_PROCESS_ENTER);
  names_ = addRow(grid_, namesBox_);
  commChoice_ = new wxChoice(this, wxID_ANY, wxDefaultPosition, width);
  commTypes_ = addRow(grid_, commChoice_);
  socketsBox_ = new wxComboBox(this, wxID_ANY, "", wxDefaultPosition, width, 0, nullptr,
                               wxCB_DROPDOWN | wxTE_PROCESS_ENTER);
  sockets_ = addRow(grid_, socketsBox_);
  connectChoice_ = new wxChoice(this, wxID_ANY, wxDefaultPosition, width);
  connectType_ = addRow(grid_, connectChoice_);
  numberBox_ = new wxComboBox(this, wxID_ANY, "", wxDefaultPosition, width, 0, nullptr,
                              wxCB_DROPDOWN | wxTE_PROCESS_ENTER);
  number_ = addRow(grid_, numberBox_);
  column->Add(grid_, 0, wxEXPAND);
  autoLaunch_ = new wxCheckBox(this, wxID_ANY, kAutoLaunchCaption);
  column->Add(autoLaunch_, 0, wxTOP, 6);
  otherOptionsButton_ = new wxButton(this, wxID_ANY, kOtherOptionsCaption);
  column->Add(otherOptionsButton_, 0, wxEXPAND | wxTOP, 6);
  SetSizer(column);

  playersChoice_->Bind(wxEVT_CHOICE, [this](wxCommandEvent& e) {
    window_.multiplayerSelections().choosePlayers(e.GetSelection());
    changed();
  });
  namesBox_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent& e) {
    window_.multiplayerSelections().chooseName(e.GetSelection());
    changed();
  });
  namesBox_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
    window_.multiplayerSelections().typeName(fromWx(namesBox_->GetValue()));
    changed();
  });
  commChoice_->Bind(wxEVT_CHOICE, [this](wxCommandEvent& e) {
    window_.multiplayerSelections().chooseCommType(e.GetSelection());
    changed();
  });
  socketsBox_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent& e) {
    window_.multiplayerSelections().chooseSocket(e.GetSelection());
    changed();
  });
  socketsBox_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
    window_.multiplayerSelections().typeSocket(fromWx(socketsBox_->GetValue()));
    changed();
  });
  connectChoice_->Bind(wxEVT_CHOICE, [this](wxCommandEvent& e) {
    window_.multiplayerSelections().chooseConnectType(e.GetSelection());
    changed();
  });
  autoLaunch_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& e) {
    window_.multiplayerSelections().setAutoLaunch(e.IsChecked());
    changed();
  });
  numberBox_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent& e) {
    window_.chooseNumber(e.GetSelection());
    changed();
  });
  numberBox_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
    const std::string text = fromWx(numberBox_->GetValue());
    // The new-entry dialog is modal: not inside the box's own event.
    CallAfter([this, text] { window_.typeNumber(text); });
  });
  otherOptionsButton_->Bind(wxEVT_BUTTON,
                            [this](wxCommandEvent&) { window_.otherMultiplayerOptions(); });
}

MultiplayerBox::Row MultiplayerBox::addRow(wxFlexGridSizer* grid, wxWindow* control) {
  Row row{new wxStaticText(this, wxID_ANY, ""), control};
  grid->Add(row.label, 0, wxALIGN_CENTER_VERTICAL | wxALIGN_RIGHT);
  grid->Add(control, 0, wxEXPAND);
  return row;
}

void MultiplayerBox::showRow(const Row& row, const multiplayer::ListControl& list) {
  row.label->SetLabel(toWx(list.label));
  row.label->Show(list.shown);
  row.control->Show(list.shown);
  row.control->Enable(list.enabled);
}

void MultiplayerBox::changed() {
  // The pick's own control may be refilled: not inside its event.
  CallAfter([this] { window_.refreshView(); });
}

void MultiplayerBox::refresh() {
  const multiplayer::MultiplayerView view = window_.multiplayerView();
  Show(view.multiplayer);
  if (!view.multiplayer) return;
  Freeze();
  showRow(players_, view.players);
  fill(playersChoice_, view.players);
  playersChoice_->SetSelection(view.players.selection);
  showRow(names_, view.names);
  fill(namesBox_, view.names);
  if (view.names.selection >= 0) namesBox_->SetSelection(view.names.selection);
  showRow(commTypes_, view.commTypes);
  fill(commChoice_, view.commTypes);
  commChoice_->SetSelection(view.commTypes.selection);
  showRow(sockets_, view.sockets);
  fill(socketsBox_, view.sockets);
  if (view.sockets.selection >= 0) socketsBox_->SetSelection(view.sockets.selection);
  showRow(connectType_, view.connectType);
  fill(connectChoice_, view.connectType);
  if (view.connectType.selection >= 0) connectChoice_->SetSelection(view.connectType.selection);
  number_.label->SetLabel(toWx(view.numberLabel));
  number_.label->Show(view.numberShown);
  numberBox_->Show(view.numberShown);
  if (view.numberShown) {
    const multiplayer::NumberLists numbers = window_.numberLists();
    numberBox_->Clear();
    for (const std::string& name : numbers.names()) numberBox_->Append(toWx(name));
    if (numbers.selected() >= 0) numberBox_->SetSelection(numbers.selected());
  }
  autoLaunch_->Show(view.autoLaunchShown);
  autoLaunch_->SetValue(view.autoLaunchChecked);
  Layout();
  Thaw();
}

}  // namespace gui
