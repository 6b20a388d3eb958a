#include "gui/dialogs/drives_view.h"

#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/filefn.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

namespace gui::dialogs {

std::optional<std::string> chooseFolder(wxWindow* parent, const std::string& title,
                                        const std::string& startFolder) {
  wxString start = toWx(startFolder);
  if (start.empty() || !wxDirExists(start)) start = wxGetHomeDir();
  wxDirDialog chooser(parent, toWx(title), start, wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
  if (chooser.ShowModal() != wxID_OK) return std::nullopt;
  return fromWx(chooser.GetPath());
}

DrivesView::DrivesView(wxWindow* parent, catalogue::dialogs::DrivesDialog& dialog,
                       FolderChooser choose)
    : View(parent, wxID_ANY, catalogue::dialogs::DrivesDialog::kTitle),
      dialog_(dialog),
      choose_(std::move(choose)) {
  if (!choose_)
    choose_ = [this](const std::string& title, const std::string& start) {
      return chooseFolder(this, title, start);
    };
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY,
                            "Drive letters and the folders of this computer they stand for:"),
           0, wxALL, 10);
  auto* middle = new wxBoxSizer(wxHORIZONTAL);
  const int charWidth = GetCharWidth();
  list_ = new wxListCtrl(this, kIdDrivesList, wxDefaultPosition,
                         wxSize(charWidth * 64, GetCharHeight() * 14),
                         wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
  list_->AppendColumn("Drive", wxLIST_FORMAT_LEFT, charWidth * 8);
  list_->AppendColumn("Folder", wxLIST_FORMAT_LEFT, charWidth * 54);
  middle->Add(list_, 1, wxEXPAND);
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  buttons->Add(new wxButton(this, kIdDrivesAdd, "&Add..."), 0, wxEXPAND);
  buttons->Add(new wxButton(this, kIdDrivesChange, "&Change Folder..."), 0, wxEXPAND | wxTOP, 6);
  buttons->Add(new wxButton(this, kIdDrivesRemove, "&Remove"), 0, wxEXPAND | wxTOP, 6);
  middle->Add(buttons, 0, wxLEFT, 10);
  top->Add(middle, 1, wxEXPAND | wxLEFT | wxRIGHT, 10);
  auto* bottom = new wxBoxSizer(wxHORIZONTAL);
  bottom->AddStretchSpacer();
  bottom->Add(new wxButton(this, wxID_OK, "Close"));
  top->Add(bottom, 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  SetEscapeId(wxID_OK);
  refresh();

  list_->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& event) {
    if (syncing_) return;
    dialog_.select(int(event.GetIndex()));
    refresh();
  });
  list_->Bind(wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent&) {
    if (syncing_) return;
    dialog_.select(-1);
    refresh();
  });
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (auto folder = choose_(dialog_.addChooserTitle(), "")) dialog_.add(*folder);
        refresh();
      },
      kIdDrivesAdd);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (auto folder = choose_(dialog_.changeChooserTitle(), dialog_.changeStartFolder()))
          dialog_.changeFolder(*folder);
        refresh();
      },
      kIdDrivesChange);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        dialog_.removeSelected();
        refresh();
      },
      kIdDrivesRemove);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { finish(wxID_OK); }, wxID_OK);
}

void DrivesView::refresh() {
  const auto& rows = dialog_.rows();
  if (list_->GetItemCount() != int(rows.size())) {
    list_->DeleteAllItems();
    for (size_t i = 0; i < rows.size(); ++i) list_->InsertItem(long(i), wxString());
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    list_->SetItem(long(i), 0, toWx(catalogue::dialogs::DrivesDialog::letterText(rows[i])));
    list_->SetItem(long(i), 1, toWx(catalogue::dialogs::DrivesDialog::folderText(rows[i])));
  }
  // The list follows the dialog's selection; the events that makes are not the user's.
  syncing_ = true;
  for (int i = 0; i < list_->GetItemCount(); ++i) {
    const bool selected = i == dialog_.selected();
    if (bool(list_->GetItemState(i, wxLIST_STATE_SELECTED)) != selected) {
      list_->SetItemState(i, selected ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
    }
  }
  syncing_ = false;
  FindWindow(kIdDrivesAdd)->Enable(dialog_.canAdd());
  FindWindow(kIdDrivesChange)->Enable(dialog_.canChange());
  FindWindow(kIdDrivesRemove)->Enable(dialog_.canRemove());
}

}  // namespace gui::dialogs
