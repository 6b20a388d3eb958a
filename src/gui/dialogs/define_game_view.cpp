#include "gui/dialogs/define_game_view.h"

#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/valtext.h>

#include "gui/dialogs/dialog_paths.h"
#include "gui/dialogs/option_page_view.h"

namespace gui::dialogs {

using catalogue::dialogs::DefineGameDialog;
using catalogue::dialogs::DefinitionPage;
using catalogue::dialogs::kDefinitionPages;
using catalogue::dialogs::pageLayout;

namespace {

constexpr size_t kNameMax = 19;
constexpr size_t kExecutionFileMax = 127 + 12;
constexpr size_t kCommandMax = 50;
constexpr size_t kRangeMax = 3;
constexpr size_t kNativeTextMax = 1024;

wxTextCtrl* textBox(wxWindow* parent, int id, size_t maxLength, int widthChars,
                    bool digits = false) {
  auto* box = new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition,
                             wxSize(parent->GetCharWidth() * widthChars + 12, -1), 0,
                             digits ? wxTextValidator(wxFILTER_DIGITS) : wxDefaultValidator);
  box->SetMaxLength(maxLength);
  return box;
}

}  // namespace

DefineGameView::DefineGameView(wxWindow* parent, DefineGameDialog& dialog, const PathBridge& paths)
    : View(parent, wxID_ANY, DefineGameDialog::kTitle), dialog_(dialog), paths_(paths) {
  auto* top = new wxBoxSizer(wxVERTICAL);

  auto* game = new wxFlexGridSizer(3, 6, 8);
  game->AddGrowableCol(1);
  game->Add(new wxStaticText(this, wxID_ANY, "Game Name:"), 0, wxALIGN_CENTER_VERTICAL);
  game->Add(textBox(this, kIdGameName, kNameMax, 20));
  game->AddSpacer(0);
  game->Add(new wxStaticText(this, wxID_ANY, "Game Execution File"), 0, wxALIGN_CENTER_VERTICAL);
  game->Add(textBox(this, kIdExecutionFile, kExecutionFileMax, 48), 1, wxEXPAND);
  auto* search = new wxButton(this, kIdSearchExecutionFile, "Search Execution File");
  search->Enable(paths_.usable());
  game->Add(search);
  top->Add(game, 0, wxEXPAND | wxALL, 8);

  auto* switches = new wxFlexGridSizer(6, 4, 8);
  auto addSwitch = [&](const char* label, int command, int min, int max) {
    switches->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    switches->Add(textBox(this, command, kCommandMax, 30));
    switches->Add(new wxStaticText(this, wxID_ANY, "Min"), 0, wxALIGN_CENTER_VERTICAL);
    switches->Add(textBox(this, min, kRangeMax, 3, true));
    switches->Add(new wxStaticText(this, wxID_ANY, "Max"), 0, wxALIGN_CENTER_VERTICAL);
    switches->Add(textBox(this, max, kRangeMax, 3, true));
  };
  addSwitch("Skill Command Line Option:", kIdSkillCommand, kIdSkillMin, kIdSkillMax);
  addSwitch("Episode Command Line", kIdEpisodeCommand, kIdEpisodeMin, kIdEpisodeMax);
  addSwitch("Level Command Line Option:", kIdLevelCommand, kIdLevelMin, kIdLevelMax);
  top->Add(switches, 0, wxLEFT | wxRIGHT, 8);

  auto* kind = new wxBoxSizer(wxHORIZONTAL);
  kind->Add(new wxStaticText(this, wxID_ANY, "Game Type ="), 0, wxALIGN_CENTER_VERTICAL);
  wxArrayString types;
  for (const char* name : DefineGameDialog::kGameTypeNames) types.Add(name);
  gameType_ = new wxChoice(this, kIdGameType, wxDefaultPosition, wxDefaultSize, types);
  kind->Add(gameType_, 0, wxLEFT, 6);
  preventOverride_ = new wxCheckBox(this, kIdPreventOverride, "Prevent Overide");
  kind->Add(preventOverride_, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 24);
  top->Add(kind, 0, wxALL, 8);

  // What the game runs with: a DOS session, or a program of this machine (a native port)
  // with fixed arguments before the game's own switches.
  auto* run = new wxFlexGridSizer(3, 6, 8);
  run->AddGrowableCol(1);
  run->Add(new wxStaticText(this, wxID_ANY, "Run with:"), 0, wxALIGN_CENTER_VERTICAL);
  wxArrayString runWith;
  for (const char* name : DefineGameDialog::kRunWithNames) runWith.Add(name);
  runWith_ = new wxChoice(this, kIdRunWith, wxDefaultPosition, wxDefaultSize, runWith);
  run->Add(runWith_);
  run->AddSpacer(0);
  run->Add(new wxStaticText(this, wxID_ANY, "Native program:"), 0, wxALIGN_CENTER_VERTICAL);
  run->Add(textBox(this, kIdNativeProgram, kNativeTextMax, 48), 1, wxEXPAND);
  run->Add(new wxButton(this, kIdNativeProgramBrowse, "Browse..."));
  run->Add(new wxStaticText(this, wxID_ANY, "Fixed arguments:"), 0, wxALIGN_CENTER_VERTICAL);
  run->Add(textBox(this, kIdNativeArguments, kNativeTextMax, 48), 1, wxEXPAND);
  run->AddSpacer(0);
  top->Add(run, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

  auto* pages = new wxStaticBoxSizer(wxVERTICAL, this, "Game Options");
  auto* pageGrid = new wxGridSizer(4, 4, 6);
  for (DefinitionPage page : kDefinitionPages)
    pageGrid->Add(new wxButton(pages->GetStaticBox(), kIdOptionPage + int(page),
                               toWx(pageLayout(page).caption)),
                  0, wxEXPAND);
  pages->Add(pageGrid, 0, wxALL, 6);
  top->Add(pages, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

  auto* bottom = new wxBoxSizer(wxHORIZONTAL);
  bottom->Add(new wxButton(this, kIdCopyParameters, "Copy Game Parameters"));
  bottom->Add(new wxButton(this, kIdPasteParameters, "Paste Game Parameters"), 0, wxLEFT, 6);
  bottom->AddStretchSpacer();
  bottom->Add(new wxButton(this, wxID_OK, "OK"));
  bottom->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxLEFT, 6);
  top->Add(bottom, 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);

  pushFields();

  Bind(
      wxEVT_TEXT, [this](wxCommandEvent&) { updateButtons(); }, kIdGameName);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (auto path = chooseFile(this, paths_, DefineGameDialog::kSearchFilter,
                                   dialog_.searchDirectory())) {
          text(kIdExecutionFile)->ChangeValue(toWx(*path));
        }
      },
      kIdSearchExecutionFile);
  for (DefinitionPage page : kDefinitionPages)
    Bind(
        wxEVT_BUTTON, [this, page](wxCommandEvent&) { openPage(page); }, kIdOptionPage + int(page));
  Bind(
      wxEVT_CHOICE,
      [this](wxCommandEvent&) {
        dialog_.fields().runWith = runWith_->GetSelection();
        updateButtons();
      },
      kIdRunWith);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        // A program of this machine: its own path, not a DOS one.
        wxFileDialog chooser(this, "Native program", "/usr/games", wxEmptyString, "All files (*)|*",
                             wxFD_OPEN | wxFD_FILE_MUST_EXIST);
        if (chooser.ShowModal() != wxID_OK) return;
        dialog_.nativeProgramChosen(fromWx(chooser.GetPath()));
        text(kIdNativeProgram)->ChangeValue(toWx(dialog_.fields().nativeProgram));
      },
      kIdNativeProgramBrowse);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        pullFields();
        dialog_.copyParameters();
      },
      kIdCopyParameters);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        pullFields();
        dialog_.pasteParameters();
        pushFields();
      },
      kIdPasteParameters);
  bindOkCancel(
      [this] {
        pullFields();
        dialog_.ok();
      },
      [] {});
}

wxTextCtrl* DefineGameView::text(int id) const {
  return static_cast<wxTextCtrl*>(FindWindow(id));
}

void DefineGameView::pushFields() {
  const DefineGameDialog::Fields& f = dialog_.fields();
  text(kIdGameName)->ChangeValue(toWx(f.name));
  text(kIdExecutionFile)->ChangeValue(toWx(f.executionFile));
  text(kIdSkillCommand)->ChangeValue(toWx(f.skillCommand));
  text(kIdSkillMin)->ChangeValue(toWx(f.skillMin));
  text(kIdSkillMax)->ChangeValue(toWx(f.skillMax));
  text(kIdEpisodeCommand)->ChangeValue(toWx(f.episodeCommand));
  text(kIdEpisodeMin)->ChangeValue(toWx(f.episodeMin));
  text(kIdEpisodeMax)->ChangeValue(toWx(f.episodeMax));
  text(kIdLevelCommand)->ChangeValue(toWx(f.levelCommand));
  text(kIdLevelMin)->ChangeValue(toWx(f.levelMin));
  text(kIdLevelMax)->ChangeValue(toWx(f.levelMax));
  gameType_->SetSelection(f.gameType);
  preventOverride_->SetValue(f.preventOverride);
  runWith_->SetSelection(f.runWith);
  text(kIdNativeProgram)->ChangeValue(toWx(f.nativeProgram));
  text(kIdNativeArguments)->ChangeValue(toWx(f.nativeArguments));
  updateButtons();
}

void DefineGameView::pullFields() {
  DefineGameDialog::Fields& f = dialog_.fields();
  f.name = fromWx(text(kIdGameName)->GetValue());
  f.executionFile = fromWx(text(kIdExecutionFile)->GetValue());
  f.skillCommand = fromWx(text(kIdSkillCommand)->GetValue());
  f.skillMin = fromWx(text(kIdSkillMin)->GetValue());
  f.skillMax = fromWx(text(kIdSkillMax)->GetValue());
  f.episodeCommand = fromWx(text(kIdEpisodeCommand)->GetValue());
  f.episodeMin = fromWx(text(kIdEpisodeMin)->GetValue());
  f.episodeMax = fromWx(text(kIdEpisodeMax)->GetValue());
  f.levelCommand = fromWx(text(kIdLevelCommand)->GetValue());
  f.levelMin = fromWx(text(kIdLevelMin)->GetValue());
  f.levelMax = fromWx(text(kIdLevelMax)->GetValue());
  f.gameType = gameType_->GetSelection();
  f.preventOverride = preventOverride_->GetValue();
  f.runWith = runWith_->GetSelection();
  f.nativeProgram = fromWx(text(kIdNativeProgram)->GetValue());
  f.nativeArguments = fromWx(text(kIdNativeArguments)->GetValue());
}

void DefineGameView::updateButtons() {
  dialog_.fields().name = fromWx(text(kIdGameName)->GetValue());
  for (DefinitionPage page : kDefinitionPages)
    FindWindow(kIdOptionPage + int(page))->Enable(dialog_.canOpen(page));
  const bool native = dialog_.nativeFieldsEnabled();
  for (int id : {kIdNativeProgram, kIdNativeProgramBrowse, kIdNativeArguments})
    FindWindow(id)->Enable(native);
}

void DefineGameView::openPage(DefinitionPage page) {
  pullFields();
  if (!dialog_.canOpen(page)) return;
  catalogue::dialogs::DefinitionPageEditor editor = dialog_.pageEditor(page);
  DefinitionPageView view(this, editor);
  view.ShowModal();
}

}  // namespace gui::dialogs
