// The views of the launch option dialogs, bound by their control ids to the plain classes.
#pragma once

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <array>

#include "gui/dialogs/view_support.h"
#include "launch/dialogs/demo_respawn_options.h"
#include "launch/dialogs/launch_options.h"
#include "launch/dialogs/sound_video_memory_options.h"

namespace gui::dialogs {

class SoundVideoMemoryView : public View {
 public:
  SoundVideoMemoryView(wxWindow* parent, launch::dialogs::SoundVideoMemoryOptions& options);

 private:
  void pull();

  launch::dialogs::SoundVideoMemoryOptions& options_;
  std::array<wxCheckBox*, 4> boxes_{};
  wxChoice* video_ = nullptr;
  wxTextCtrl* memory_ = nullptr;
};

class DemoRespawnView : public View {
 public:
  DemoRespawnView(wxWindow* parent, launch::dialogs::DemoRespawnOptions& options);

 private:
  void pull();

  launch::dialogs::DemoRespawnOptions& options_;
  wxCheckBox *playDemo_ = nullptr, *recordDemo_ = nullptr, *noMonsters_ = nullptr, *misc_ = nullptr;
  wxTextCtrl *demoName_ = nullptr, *extra_ = nullptr;
  wxChoice* spawn_ = nullptr;
};

class LaunchOptionsView : public View {
 public:
  LaunchOptionsView(wxWindow* parent, launch::dialogs::LaunchOptions& options);

 private:
  launch::dialogs::LaunchOptions& options_;
  std::array<wxCheckBox*, launch::dialogs::LaunchOptions::kOptionCount> boxes_{};
};

}  // namespace gui::dialogs
