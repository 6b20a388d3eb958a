#include "gui/dialogs/launch_option_views.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace gui::dialogs {

using launch::dialogs::DemoRespawnOptions;
using launch::dialogs::LaunchOptions;
using launch::dialogs::SoundVideoMemoryOptions;

namespace {

wxCheckBox* optionBox(wxWindow* parent, int id, const char* caption,
                      const launch::dialogs::OptionBox& state) {
  auto* box = new wxCheckBox(parent, id, caption);
  box->SetValue(state.checked);
  box->Enable(state.enabled);
  return box;
}

}  // namespace

SoundVideoMemoryView::SoundVideoMemoryView(wxWindow* parent, SoundVideoMemoryOptions& options)
    : View(parent, wxID_ANY, SoundVideoMemoryOptions::kTitle), options_(options) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* sound = new wxStaticBoxSizer(wxVERTICAL, this, "Sound Option");
  for (size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i] = optionBox(sound->GetStaticBox(), SoundVideoMemoryOptions::kBoxIds[i],
                          SoundVideoMemoryOptions::kBoxCaptions[i], options_.boxes()[i]);
    sound->Add(boxes_[i], 0, wxALL, 4);
  }
  top->Add(sound, 0, wxEXPAND | wxALL, 8);

  auto* grid = new wxFlexGridSizer(2, 6, 8);
  grid->Add(new wxStaticText(this, wxID_ANY, "Video Option"), 0, wxALIGN_CENTER_VERTICAL);
  wxArrayString entries;
  for (const auto& entry : options_.videoEntries()) entries.Add(toWx(entry));
  video_ = new wxChoice(this, SoundVideoMemoryOptions::kIdVideoList, wxDefaultPosition,
                        wxSize(GetCharWidth() * 22, -1), entries);
  video_->SetSelection(options_.videoSelection());
  video_->Enable(options_.videoEnabled());
  grid->Add(video_);
  grid->Add(new wxStaticText(this, wxID_ANY, "Memory Option"), 0, wxALIGN_CENTER_VERTICAL);
  memory_ = new wxTextCtrl(this, SoundVideoMemoryOptions::kIdMemory, toWx(options_.memoryText()),
                           wxDefaultPosition, wxSize(GetCharWidth() * 6 + 12, -1));
  memory_->SetMaxLength(3);
  memory_->Enable(options_.memoryEnabled());
  grid->Add(memory_);
  top->Add(grid, 0, wxLEFT | wxRIGHT, 8);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);

  bindOkCancel([this] { pull(); }, options_);
}

void SoundVideoMemoryView::pull() {
  for (size_t i = 0; i < boxes_.size(); ++i) options_.boxes()[i].checked = boxes_[i]->GetValue();
  options_.setVideoSelection(video_->GetSelection());
  options_.memoryText() = fromWx(memory_->GetValue());
}

DemoRespawnView::DemoRespawnView(wxWindow* parent, DemoRespawnOptions& options)
    : View(parent, wxID_ANY, DemoRespawnOptions::kTitle), options_(options) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* demo = new wxStaticBoxSizer(wxVERTICAL, this, "Demo");
  wxWindow* demoBox = demo->GetStaticBox();
  auto* demoRow = new wxBoxSizer(wxHORIZONTAL);
  playDemo_ = optionBox(demoBox, DemoRespawnOptions::kIdPlayDemo, "Play Demo", options_.playDemo());
  recordDemo_ =
      optionBox(demoBox, DemoRespawnOptions::kIdRecordDemo, "Record Demo", options_.recordDemo());
  demoName_ = new wxTextCtrl(demoBox, DemoRespawnOptions::kIdDemoName, toWx(options_.demoName()),
                             wxDefaultPosition, wxSize(GetCharWidth() * 24 + 12, -1));
  demoName_->SetMaxLength(DemoRespawnOptions::kDemoNameMax);
  demoName_->Enable(options_.demoNameEnabled());
  demoRow->Add(playDemo_, 0, wxALIGN_CENTER_VERTICAL);
  demoRow->Add(recordDemo_, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 12);
  demoRow->Add(demoName_, 1, wxLEFT | wxEXPAND, 12);
  demo->Add(demoRow, 0, wxEXPAND | wxALL, 4);
  top->Add(demo, 0, wxEXPAND | wxALL, 8);

  auto* play = new wxBoxSizer(wxHORIZONTAL);
  noMonsters_ =
      optionBox(this, DemoRespawnOptions::kIdNoMonsters, "No Monsters", options_.noMonsters());
  misc_ = optionBox(this, DemoRespawnOptions::kIdMisc, "Misc", options_.misc());
  play->Add(noMonsters_, 0, wxALIGN_CENTER_VERTICAL);
  play->Add(misc_, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 12);
  play->Add(new wxStaticText(this, wxID_ANY, "Spawn Option"), 0, wxLEFT | wxALIGN_CENTER_VERTICAL,
            24);
  wxArrayString spawns;
  for (const char* entry : DemoRespawnOptions::kSpawnEntries) spawns.Add(entry);
  spawn_ = new wxChoice(this, DemoRespawnOptions::kIdSpawnList, wxDefaultPosition, wxDefaultSize,
                        spawns);
  spawn_->SetSelection(options_.spawnSelection());
  spawn_->Enable(options_.spawnEnabled());
  play->Add(spawn_, 0, wxLEFT, 6);
  top->Add(play, 0, wxLEFT | wxRIGHT, 8);

  top->Add(new wxStaticText(this, wxID_ANY, "Extra Command Line Options"), 0,
           wxLEFT | wxRIGHT | wxTOP, 8);
  extra_ = new wxTextCtrl(this, DemoRespawnOptions::kIdExtraOptions, toWx(options_.extraOptions()),
                          wxDefaultPosition, wxSize(GetCharWidth() * 60 + 12, -1));
  extra_->SetMaxLength(DemoRespawnOptions::kExtraOptionsMax);
  top->Add(extra_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);

  bindOkCancel([this] { pull(); }, options_);
}

void DemoRespawnView::pull() {
  options_.playDemo().checked = playDemo_->GetValue();
  options_.recordDemo().checked = recordDemo_->GetValue();
  options_.noMonsters().checked = noMonsters_->GetValue();
  options_.misc().checked = misc_->GetValue();
  options_.demoName() = fromWx(demoName_->GetValue());
  options_.extraOptions() = fromWx(extra_->GetValue());
  options_.setSpawnSelection(spawn_->GetSelection());
}

LaunchOptionsView::LaunchOptionsView(wxWindow* parent, LaunchOptions& options)
    : View(parent, wxID_ANY, LaunchOptions::kTitle), options_(options) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  for (size_t i = 0; i < LaunchOptions::kOptionCount; ++i) {
    boxes_[i] = new wxCheckBox(this, kIdLaunchOption + int(i), LaunchOptions::kCaptions[i]);
    boxes_[i]->SetValue(options_.checked(i));
    boxes_[i]->Enable(options_.enabled(i));
    top->Add(boxes_[i], 0, wxLEFT | wxRIGHT | wxTOP, 8);
  }
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);

  bindOkCancel(
      [this] {
        for (size_t i = 0; i < LaunchOptions::kOptionCount; ++i)
          options_.setChecked(i, boxes_[i]->GetValue());
        options_.ok();
      },
      [] {});
}

}  // namespace gui::dialogs
