#include "gui/dialogs/game_select_view.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "gui/dialogs/define_game_view.h"

namespace gui::dialogs {

using catalogue::dialogs::DefineGameDialog;
using catalogue::dialogs::GameSelectDialog;

GameSelectView::GameSelectView(wxWindow* parent, GameSelectDialog& dialog, const PathBridge& paths)
    : View(parent, wxID_ANY, GameSelectDialog::kTitle), dialog_(dialog), paths_(paths) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, GameSelectDialog::kPrompt), 0, wxALL, 10);

  // Buttons 1-10 down the left column, 11-20 down the right.
  constexpr int kPerColumn = GameSelectDialog::kButtons / 2;
  auto* grid = new wxGridSizer(kPerColumn, 2, 4, 12);
  const wxSize buttonSize(GetCharWidth() * 24, -1);
  for (int i = 0; i < GameSelectDialog::kButtons; ++i) {
    const int n = (i % 2) * kPerColumn + i / 2 + 1;
    grid->Add(
        new wxButton(this, kIdSelectButton + n - 1, wxEmptyString, wxDefaultPosition, buttonSize),
        0, wxEXPAND);
  }
  top->Add(grid, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);

  auto* bottom = new wxBoxSizer(wxHORIZONTAL);
  bottom->Add(new wxButton(this, kIdSelectPrev, "Prev Page"));
  bottom->Add(new wxButton(this, kIdSelectNext, "Next Page"), 0, wxLEFT, 6);
  bottom->AddStretchSpacer();
  bottom->Add(new wxButton(this, wxID_OK, "OK"));
  bottom->Add(new wxButton(this, wxID_CANCEL, "Close"), 0, wxLEFT, 6);
  // Not built: resetting every definition from here, and the dialog's help page.
  auto* resetAll = new wxButton(this, kIdSelectResetAll, "Reset All");
  resetAll->Disable();
  bottom->Add(resetAll, 0, wxLEFT, 6);
  auto* help = new wxButton(this, kIdSelectHelp, "Help");
  help->Disable();
  bottom->Add(help, 0, wxLEFT, 6);
  top->Add(bottom, 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  refresh();

  for (int n = 1; n <= GameSelectDialog::kButtons; ++n)
    Bind(
        wxEVT_BUTTON,
        [this, n](wxCommandEvent&) {
          dialog_.pressButton(n, [this](DefineGameDialog& define) {
            DefineGameView view(this, define, paths_);
            view.ShowModal();
          });
          refresh();
        },
        kIdSelectButton + n - 1);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        dialog_.prevPage();
        refresh();
      },
      kIdSelectPrev);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        dialog_.nextPage();
        refresh();
      },
      kIdSelectNext);
  bindOkCancel([] {}, [] {});
}

void GameSelectView::refresh() {
  for (int n = 1; n <= GameSelectDialog::kButtons; ++n)
    FindWindow(kIdSelectButton + n - 1)->SetLabel(toWx(dialog_.buttonLabel(n)));
}

}  // namespace gui::dialogs
