#include "gui/dialogs/game_location_view.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "gui/dialogs/dialog_paths.h"
#include "gui/dialogs/game_select_view.h"

namespace gui::dialogs {

using catalogue::dialogs::GameSelectDialog;

namespace {
constexpr size_t kDirectoryMax = 127;
}

GameLocationView::GameLocationView(wxWindow* parent, Dialog& dialog, const PathBridge& paths)
    : View(parent, wxID_ANY, Dialog::kTitle), dialog_(dialog), paths_(paths) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(4, 6, 8);
  grid->AddGrowableCol(2);
  grid->Add(new wxStaticText(this, wxID_ANY, "Slot"));
  grid->Add(new wxStaticText(this, wxID_ANY, "Game Name"));
  grid->Add(new wxStaticText(this, wxID_ANY, "Directory"));
  grid->AddSpacer(0);
  const int charWidth = GetCharWidth();
  for (int r = 0; r < Dialog::kRows; ++r) {
    slots_[size_t(r)] = new wxStaticText(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                         wxSize(charWidth * 4, -1));
    grid->Add(slots_[size_t(r)], 0, wxALIGN_CENTER_VERTICAL);
    // The name is the slot's; it is changed in the define-game dialog.
    names_[size_t(r)] = new wxTextCtrl(this, kIdLocationName + r, wxEmptyString, wxDefaultPosition,
                                       wxSize(charWidth * 20 + 12, -1), wxTE_READONLY);
    grid->Add(names_[size_t(r)], 0, wxALIGN_CENTER_VERTICAL);
    dirs_[size_t(r)] = new wxTextCtrl(this, kIdLocationDir + r, wxEmptyString, wxDefaultPosition,
                                      wxSize(charWidth * 44 + 12, -1));
    dirs_[size_t(r)]->SetMaxLength(kDirectoryMax);
    grid->Add(dirs_[size_t(r)], 1, wxEXPAND | wxALIGN_CENTER_VERTICAL);
    auto* browse = new wxButton(this, kIdLocationBrowse + r, "Browse");
    browse->Enable(paths_.usable());
    grid->Add(browse, 0, wxALIGN_CENTER_VERTICAL);
  }
  top->Add(grid, 1, wxEXPAND | wxALL, 10);

  auto* bottom = new wxBoxSizer(wxHORIZONTAL);
  bottom->Add(new wxButton(this, kIdAdvanceSetup, "Advance Setup"));
  bottom->AddStretchSpacer();
  bottom->Add(new wxButton(this, kIdLocationPrev, "Prev Page"));
  bottom->Add(new wxButton(this, wxID_OK, "OK"), 0, wxLEFT, 6);
  bottom->Add(new wxButton(this, kIdLocationNext, "Next Page"), 0, wxLEFT, 6);
  top->Add(bottom, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);
  refresh();

  for (int r = 0; r < Dialog::kRows; ++r)
    Bind(
        wxEVT_BUTTON,
        [this, r](wxCommandEvent&) {
          pullRows();
          if (auto path =
                  chooseFile(this, paths_, Dialog::kBrowseFilter, dialog_.browseDirectory(r))) {
            dialog_.browseChose(r, *path);
            refresh();
          }
        },
        kIdLocationBrowse + r);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        pullRows();
        dialog_.prevPage();
        refresh();
      },
      kIdLocationPrev);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        pullRows();
        dialog_.nextPage();
        refresh();
      },
      kIdLocationNext);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        pullRows();
        dialog_.advanceSetup([this](GameSelectDialog& select) {
          GameSelectView view(this, select, paths_);
          view.ShowModal();
        });
        refresh();
      },
      kIdAdvanceSetup);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        pullRows();
        dialog_.ok();
        finish(wxID_OK);
      },
      wxID_OK);
  // The dialog has no cancel button: Escape and the close box commit without applying.
  SetEscapeId(wxID_NONE);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
    dialog_.close();
    finish(wxID_CANCEL);
  });
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE)
      Close();
    else
      event.Skip();
  });
}

void GameLocationView::pullRows() {
  for (int r = 0; r < Dialog::kRows; ++r)
    dialog_.setRowDirectory(r, fromWx(dirs_[size_t(r)]->GetValue()));
}

void GameLocationView::refresh() {
  for (int r = 0; r < Dialog::kRows; ++r) {
    slots_[size_t(r)]->SetLabel(wxString::Format("%d", dialog_.rowSlot(r)));
    names_[size_t(r)]->ChangeValue(toWx(dialog_.row(r).name));
    dirs_[size_t(r)]->ChangeValue(toWx(dialog_.row(r).directory));
  }
}

}  // namespace gui::dialogs
