#include "gui/app/main_panel.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <algorithm>
#include <memory>

#include "app/command_ids.h"
#include "app/launch_selections.h"
#include "app/main_window.h"
#include "catalogue/catalogue_files.h"
#include "gui/app/menus.h"
#include "gui/app/multiplayer_box.h"
#include "gui/app/wx_ids.h"
#include "gui/app/wx_text.h"
#include "gui/files/file_manager_panel.h"

namespace gui {

namespace gi = catalogue::game_info;

namespace {

wxChoice* addChoice(wxWindow* parent, wxFlexGridSizer* grid, const wxString& label,
                    wxStaticText** labelOut = nullptr) {
  auto* text = new wxStaticText(parent, wxID_ANY, label);
  grid->Add(text, 0, wxALIGN_CENTER_VERTICAL | wxALIGN_RIGHT);
  auto* choice = new wxChoice(parent, wxID_ANY, wxDefaultPosition, wxSize(90, -1));
  grid->Add(choice, 0, wxEXPAND);
  if (labelOut) *labelOut = text;
  return choice;
}

}  // namespace

MainPanel::MainPanel(wxWindow* parent, app::MainWindow& window, platform::FileSystem& fs)
    : wxPanel(parent, 101), window_(window) {
  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  files_ = new FileManagerPanel(this, window.catalogue(), fs);
  files_->setFavouritesSource([&window] { return window.favourites(); });
  files_->setSelectionHandler([&window](const files::Selection& s) { window.filePicked(s); });
  columns->Add(files_, 3, wxEXPAND | wxALL, 6);

  auto* side = new wxBoxSizer(wxVERTICAL);
  title_ = new wxStaticText(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                            wxST_NO_AUTORESIZE | wxALIGN_CENTRE_HORIZONTAL);
  wxFont big = title_->GetFont();
  big.SetPointSize(big.GetPointSize() + 5);
  big.SetWeight(wxFONTWEIGHT_BOLD);
  title_->SetFont(big);
  side->Add(title_, 0, wxEXPAND | wxTOP | wxLEFT | wxRIGHT, 8);
  directory_ =
      new wxStaticText(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                       wxST_NO_AUTORESIZE | wxALIGN_CENTRE_HORIZONTAL | wxST_ELLIPSIZE_MIDDLE);
  side->Add(directory_, 0, wxEXPAND | wxALL, 4);

  auto* box = new wxStaticBoxSizer(wxVERTICAL, this, "Launch Selections");
  wxWindow* boxWindow = box->GetStaticBox();
  auto* grid = new wxFlexGridSizer(2, 6, 8);
  grid->AddGrowableCol(1);
  skill_ = addChoice(boxWindow, grid, "Skill =");
  episode_ = addChoice(boxWindow, grid, "Episode =");
  level_ = addChoice(boxWindow, grid, "Level =");
  bots_ = addChoice(boxWindow, grid, app::kBotsLabelAi, &botsLabel_);
  box->Add(grid, 0, wxEXPAND | wxALL, 6);
  godMode_ = new wxCheckBox(boxWindow, wxID_ANY, "God Mode");
  weaponsAll_ = new wxCheckBox(boxWindow, wxID_ANY, "Weapons All");
  aiPlayers_ = new wxCheckBox(boxWindow, wxID_ANY, "AI");
  auto* checks = new wxBoxSizer(wxHORIZONTAL);
  checks->Add(godMode_, 0, wxRIGHT, 16);
  checks->Add(weaponsAll_, 0, wxRIGHT, 16);
  checks->Add(aiPlayers_, 0);
  box->Add(checks, 0, wxALL, 6);
  side->Add(box, 0, wxEXPAND | wxALL, 8);
  multiplayer_ = new MultiplayerBox(this, window);
  side->Add(multiplayer_, 0, wxEXPAND | wxLEFT | wxRIGHT, 14);

  auto* play = new wxButton(this, wxIdOf(app::kCmdPlay), "Play");
  wxFont playFont = play->GetFont();
  playFont.SetPointSize(playFont.GetPointSize() + 3);
  playFont.SetWeight(wxFONTWEIGHT_BOLD);
  play->SetFont(playFont);
  play->SetToolTip("Run game with selected parameters");
  side->Add(play, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 8);
  side->AddStretchSpacer(1);
  mode_ = new wxButton(this, wxIdOf(app::kCmdModeSwitch), app::kModeTextSingle);
  side->Add(mode_, 0, wxEXPAND | wxALL, 8);

  if (files_) {
    columns->Add(side, 2, wxEXPAND);
  } else {
    // No file lists: the selections stand in the middle at a readable width.
    side->SetMinSize(wxSize(440, -1));
    columns->AddStretchSpacer(1);
    columns->Add(side, 0, wxEXPAND);
    columns->AddStretchSpacer(1);
  }
  SetSizer(columns);

  // Picks go straight into the current game's launch selections.
  catalogue::Catalogue& cat = window_.catalogue();
  skill_->Bind(wxEVT_CHOICE, [&cat](wxCommandEvent& e) {
    app::chooseSkill(cat.current(), cat.gameData(), e.GetSelection());
  });
  episode_->Bind(wxEVT_CHOICE, [&cat](wxCommandEvent& e) {
    app::chooseEpisode(cat.current(), cat.gameData(), e.GetSelection());
  });
  level_->Bind(wxEVT_CHOICE, [&cat](wxCommandEvent& e) {
    app::chooseLevel(cat.current(), cat.gameData(), e.GetSelection());
  });
  bots_->Bind(wxEVT_CHOICE, [&cat](wxCommandEvent& e) {
    app::chooseBots(cat.current(), cat.gameData(), e.GetSelection());
  });
  godMode_->Bind(wxEVT_CHECKBOX,
                 [&cat](wxCommandEvent& e) { app::chooseGodMode(cat.gameData(), e.IsChecked()); });
  weaponsAll_->Bind(wxEVT_CHECKBOX, [&cat](wxCommandEvent& e) {
    app::chooseWeaponsAll(cat.gameData(), e.IsChecked());
  });
  aiPlayers_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& e) {
    window_.multiplayerSelections().setAiPlayers(e.IsChecked());
    CallAfter([this] { window_.refreshView(); });
  });
  Bind(wxEVT_CONTEXT_MENU, &MainPanel::onContextMenu, this);
}

void MainPanel::fillChoice(wxChoice* choice, const app::NumberChoice& number) {
  choice->Freeze();
  choice->Clear();
  for (const std::string& entry : number.entries) choice->Append(toWx(entry));
  if (!number.entries.empty()) choice->SetSelection(number.selection);
  choice->Enable(number.enabled);
  choice->Thaw();
}

void MainPanel::refresh() {
  catalogue::Catalogue& cat = window_.catalogue();
  const bool selected = catalogue::isSelectableSlot(cat.currentSlot());
  wxString name = selected ? toWx(cat.current().get(gi::GameName)) : wxString("No game selected");
  name.Replace("&&", "&");
  title_->SetLabel(name);
  directory_->SetLabel(selected ? toWx(cat.currentGameDirectory()) : wxString());

  const app::LaunchSelectionView view = window_.launchSelections();
  fillChoice(skill_, view.skill);
  fillChoice(episode_, view.episode);
  fillChoice(level_, view.level);
  fillChoice(bots_, view.bots);
  botsLabel_->SetLabel(toWx(view.botsLabel));
  godMode_->SetValue(view.godMode.checked);
  godMode_->Enable(view.godMode.enabled);
  weaponsAll_->SetValue(view.weaponsAll.checked);
  weaponsAll_->Enable(view.weaponsAll.enabled);
  const multiplayer::MultiplayerView multiplayer = window_.multiplayerView();
  aiPlayers_->Show(multiplayer.aiShown);
  aiPlayers_->SetValue(multiplayer.aiChecked);
  multiplayer_->refresh();

  showMode(window_.modeButtonText());
  refreshFileLists();
  Layout();
  growToFit();
}

void MainPanel::growToFit() {
  // The multiplayer rows make the side column taller: the window grows rather than hide the
  // play and mode buttons.
  const wxSize need = GetSizer()->GetMinSize();
  const wxSize have = GetClientSize();
  const wxSize more(std::max(0, need.x - have.x), std::max(0, need.y - have.y));
  if (more.x == 0 && more.y == 0) return;
  wxWindow* top = wxGetTopLevelParent(this);
  if (top) top->SetClientSize(top->GetClientSize() + more);
}

void MainPanel::refreshFileLists() {
  if (files_) files_->refreshForGame();
}

void MainPanel::resetFileLists() {
  if (files_) files_->resetToGameDirectory();
}

files::FileManager* MainPanel::fileManager() {
  return files_ ? &files_->fileManager() : nullptr;
}

std::string MainPanel::currentListDirectory() const {
  return files_ ? files_->fileManager().currentDirectory() : std::string();
}

void MainPanel::showFavourites() {
  if (files_) files_->showFavourites();
}

void MainPanel::showMode(const std::string& text) {
  mode_->SetLabel(toWx(text));
  Layout();
}

void MainPanel::onContextMenu(wxContextMenuEvent&) {
  std::unique_ptr<wxMenu> menu(createPanelContextMenu());
  PopupMenu(menu.get());
}

}  // namespace gui
