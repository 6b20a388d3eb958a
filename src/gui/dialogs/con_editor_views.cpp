#include "gui/dialogs/con_editor_views.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/scrolbar.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textdlg.h>

#include "content/weapons_editor_form.h"

namespace gui::dialogs {

namespace {

wxArrayString wxLines(const std::vector<std::string>& lines) {
  wxArrayString out;
  for (const std::string& line : lines) out.Add(toWx(line));
  return out;
}

void setLines(wxListBox* list, const std::vector<std::string>& lines) {
  const int selection = list->GetSelection();
  list->Set(wxLines(lines));
  if (selection != wxNOT_FOUND && selection < int(list->GetCount())) list->SetSelection(selection);
}

// The editors' "Finish", "Cancel" and "Help" (shown greyed: the program has no help topics to
// open yet).
wxSizer* finishCancelHelp(wxWindow* parent) {
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  buttons->Add(new wxButton(parent, wxID_OK, "Finish"), 0, wxRIGHT, 6);
  buttons->Add(new wxButton(parent, wxID_CANCEL, "Cancel"), 0, wxRIGHT, 6);
  auto* help = new wxButton(parent, wxID_HELP, "Help");
  help->Disable();
  buttons->Add(help);
  return buttons;
}

}  // namespace

ConEditorView::ConEditorView(wxWindow* parent, content::ConEditor& editor)
    : View(parent, wxID_ANY, content::ConEditor::kTitle), editor_(editor) {
  askName_ = [this](const std::string& current) -> std::optional<std::string> {
    wxTextEntryDialog ask(this, "", content::ConEditor::kTitle, toWx(current));
    if (ask.ShowModal() != wxID_OK) return std::nullopt;
    return fromWx(ask.GetValue());
  };
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* directoryBox = new wxStaticBoxSizer(wxVERTICAL, this, "Current Directory");
  directory_ = new wxTextCtrl(directoryBox->GetStaticBox(), kIdConDirectory, "", wxDefaultPosition,
                              wxSize(GetCharWidth() * 60, -1), wxTE_READONLY);
  directoryBox->Add(directory_, 0, wxEXPAND | wxALL, 4);
  top->Add(directoryBox, 0, wxEXPAND | wxALL, 8);

  auto* middle = new wxBoxSizer(wxHORIZONTAL);
  auto* left = new wxBoxSizer(wxVERTICAL);
  tabs_ = new wxNotebook(this, kIdConTabs);
  left->Add(tabs_, 0, wxEXPAND);
  levels_ =
      new wxListBox(this, kIdConLevels, wxDefaultPosition,
                    wxSize(GetCharWidth() * 66, GetCharHeight() * 14), 0, nullptr, wxLB_SINGLE);
  left->Add(levels_, 1, wxEXPAND);
  middle->Add(left, 1, wxEXPAND | wxRIGHT, 8);
  auto* right = new wxBoxSizer(wxVERTICAL);
  files_ =
      new wxListBox(this, kIdConFiles, wxDefaultPosition,
                    wxSize(GetCharWidth() * 24, GetCharHeight() * 12), 0, nullptr, wxLB_SINGLE);
  right->Add(files_, 1, wxEXPAND);
  auto* typeBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "File Type");
  maps_ = new wxRadioButton(typeBox->GetStaticBox(), kIdConMaps, "Maps", wxDefaultPosition,
                            wxDefaultSize, wxRB_GROUP);
  midi_ = new wxRadioButton(typeBox->GetStaticBox(), kIdConMidi, "Midi");
  typeBox->Add(maps_, 0, wxALL, 4);
  typeBox->Add(midi_, 0, wxALL, 4);
  right->Add(typeBox, 0, wxEXPAND | wxTOP, 6);
  right->Add(new wxButton(this, kIdConWeapons, "Weapons"), 0, wxEXPAND | wxTOP, 6);
  middle->Add(right, 0, wxEXPAND);
  top->Add(middle, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);

  top->Add(finishCancelHelp(this), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);

  tabs_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& e) {
    if (refreshing_) return;
    editor_.chooseTab(e.GetSelection());
    refresh();
  });
  tabs_->Bind(wxEVT_RIGHT_DOWN, [this](wxMouseEvent& e) {
    const int tab = tabs_->HitTest(e.GetPosition());
    if (tab != wxNOT_FOUND) renameTab(tab);
  });
  maps_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
    editor_.setMode(content::ConEditor::Mode::kMaps);
    refresh();
  });
  midi_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
    editor_.setMode(content::ConEditor::Mode::kMusic);
    refresh();
  });
  files_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent& e) {
    editor_.openFileEntry(fromWx(e.GetString()), levels_->GetSelection());
    refresh();
  });
  levels_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent& e) { renameLevel(e.GetSelection()); });
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        WeaponsEditorView form(this);
        form.ShowModal();
      },
      kIdConWeapons);
  // Finish stays in the form when the file could not be written back.
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (editor_.finish()) finish(wxID_OK);
      },
      wxID_OK);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { finish(wxID_CANCEL); }, wxID_CANCEL);
  refresh();
}

void ConEditorView::refresh() {
  refreshing_ = true;
  directory_->ChangeValue(toWx(editor_.listDirectory()));
  const std::vector<std::string> tabs = editor_.tabs();
  while (tabs_->GetPageCount() > tabs.size()) tabs_->DeletePage(tabs_->GetPageCount() - 1);
  for (size_t t = 0; t < tabs.size(); ++t) {
    if (t < tabs_->GetPageCount())
      tabs_->SetPageText(t, toWx(tabs[t]));
    else
      tabs_->AddPage(new wxPanel(tabs_, wxID_ANY, wxDefaultPosition, wxSize(-1, 1)), toWx(tabs[t]));
  }
  if (tabs_->GetSelection() != editor_.currentVolume())
    tabs_->ChangeSelection(size_t(editor_.currentVolume()));
  setLines(levels_, editor_.levelRows());
  files_->Set(wxLines(editor_.fileEntries()));
  maps_->SetValue(editor_.mode() == content::ConEditor::Mode::kMaps);
  midi_->SetValue(editor_.mode() == content::ConEditor::Mode::kMusic);
  refreshing_ = false;
}

void ConEditorView::renameTab(int tab) {
  if (!editor_.mayRenameVolume(tab)) return;
  editor_.chooseTab(tab);
  refresh();
  if (auto name = askName_(editor_.data().volumeName[size_t(tab)]))
    editor_.renameVolume(tab, *name);
  refresh();
}

void ConEditorView::renameLevel(int row) {
  if (row < 0) return;
  const auto& level = editor_.data().level[size_t(editor_.currentVolume())][size_t(row)];
  if (auto name = askName_(level.name)) editor_.renameLevel(row, *name);
  refresh();
}

WeaponOrderView::WeaponOrderView(wxWindow* parent, content::WeaponOrder& order)
    : View(parent, wxID_ANY, content::WeaponOrder::kTitle), order_(order) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  list_ = new wxListBox(this, kIdWeaponList, wxDefaultPosition,
                        wxSize(GetCharWidth() * 24, GetCharHeight() * 12), 0, nullptr, wxLB_SINGLE);
  row->Add(list_, 1, wxEXPAND | wxRIGHT, 6);
  auto* arrows = new wxBoxSizer(wxVERTICAL);
  arrows->Add(new wxButton(this, kIdWeaponUp, wxString::FromUTF8("\xE2\x96\xB2")), 0, wxBOTTOM, 4);
  arrows->Add(new wxButton(this, kIdWeaponDown, wxString::FromUTF8("\xE2\x96\xBC")));
  row->Add(arrows, 0, wxALIGN_CENTER_VERTICAL);
  top->Add(row, 1, wxEXPAND | wxALL, 8);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (list_->GetSelection() != wxNOT_FOUND) show(order_.moveUp(list_->GetSelection()));
      },
      kIdWeaponUp);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (list_->GetSelection() != wxNOT_FOUND) show(order_.moveDown(list_->GetSelection()));
      },
      kIdWeaponDown);
  // Every move is stored at once; both buttons only close.
  bindOkCancel([] {}, [] {});
  show(wxNOT_FOUND);
}

void WeaponOrderView::show(int selection) {
  list_->Set(wxLines(order_.entries()));
  if (selection != wxNOT_FOUND) list_->SetSelection(selection);
}

RtsEditorView::RtsEditorView(wxWindow* parent, content::RtsEditor& editor)
    : View(parent, wxID_ANY, content::RtsEditor::kTitle), editor_(editor) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  auto* soundBox = new wxStaticBoxSizer(wxVERTICAL, this, "Current Sound Files");
  sounds_ =
      new wxListBox(soundBox->GetStaticBox(), kIdRtsSounds, wxDefaultPosition,
                    wxSize(GetCharWidth() * 20, GetCharHeight() * 12), 0, nullptr, wxLB_SINGLE);
  soundBox->Add(sounds_, 1, wxEXPAND | wxALL, 4);
  row->Add(soundBox, 0, wxEXPAND | wxRIGHT, 8);
  auto* right = new wxBoxSizer(wxVERTICAL);
  auto* directoryBox = new wxStaticBoxSizer(wxVERTICAL, this, "Current Directory");
  directory_ = new wxTextCtrl(directoryBox->GetStaticBox(), kIdRtsDirectory, "", wxDefaultPosition,
                              wxSize(GetCharWidth() * 40, -1), wxTE_READONLY);
  directoryBox->Add(directory_, 0, wxEXPAND | wxALL, 4);
  right->Add(directoryBox, 0, wxEXPAND);
  files_ = new wxListBox(this, kIdRtsFiles, wxDefaultPosition, wxSize(-1, GetCharHeight() * 10), 0,
                         nullptr, wxLB_SINGLE);
  right->Add(files_, 1, wxEXPAND | wxTOP, 6);
  row->Add(right, 1, wxEXPAND);
  top->Add(row, 1, wxEXPAND | wxALL, 8);
  top->Add(finishCancelHelp(this), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  files_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent& e) {
    editor_.openFileEntry(fromWx(e.GetString()), sounds_->GetSelection());
    refresh();
  });
  bindOkCancel([] {}, [] {});
  refresh();
}

void RtsEditorView::refresh() {
  setLines(sounds_, {editor_.soundNames().begin(), editor_.soundNames().end()});
  directory_->ChangeValue(toWx(editor_.listDirectory()));
  files_->Set(wxLines(editor_.fileEntries()));
}

WeaponsEditorView::WeaponsEditorView(wxWindow* parent)
    : View(parent, wxID_ANY, content::WeaponsEditorForm::kTitle) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* groups = new wxBoxSizer(wxHORIZONTAL);
  for (const content::WeaponsEditorGroup& group : content::WeaponsEditorForm::kGroups) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, group.caption);
    auto* grid = new wxFlexGridSizer(3, 4, 6);
    for (const char* field : group.fields) {
      grid->Add(new wxStaticText(box->GetStaticBox(), wxID_ANY, field), 0, wxALIGN_CENTER_VERTICAL);
      grid->Add(new wxTextCtrl(box->GetStaticBox(), wxID_ANY, "", wxDefaultPosition,
                               wxSize(GetCharWidth() * 7, -1)));
      grid->Add(new wxScrollBar(box->GetStaticBox(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                wxSB_VERTICAL),
                0, wxEXPAND);
    }
    box->Add(grid, 0, wxALL, 4);
    groups->Add(box, 0, wxEXPAND | wxRIGHT, 6);
  }
  top->Add(groups, 0, wxALL, 8);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxCheckBox(this, wxID_ANY, content::WeaponsEditorForm::kCameraBox), 0,
           wxALIGN_CENTER_VERTICAL | wxRIGHT, 12);
  row->Add(new wxChoice(this, wxID_ANY, wxDefaultPosition, wxSize(GetCharWidth() * 20, -1)));
  top->Add(row, 0, wxLEFT | wxRIGHT, 8);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  bindOkCancel([] {}, [] {});
}

}  // namespace gui::dialogs
