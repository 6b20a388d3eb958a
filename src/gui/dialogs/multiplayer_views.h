// The views of the multiplayer dialogs, bound by their control ids to the plain classes. OK
// hands the controls' values to the dialog; the caller stores them.
#pragma once

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <array>

#include "gui/dialogs/view_support.h"
#include "multiplayer/auto_launch_options_dialog.h"
#include "multiplayer/new_number_dialog.h"
#include "multiplayer/other_options_dialog.h"

namespace gui::dialogs {

class OtherOptionsView : public View {
 public:
  OtherOptionsView(wxWindow* parent, multiplayer::OtherOptionsDialog& dialog);

 private:
  void pull();

  multiplayer::OtherOptionsDialog& dialog_;
  wxChoice *mode_ = nullptr, *shirt_ = nullptr, *pants_ = nullptr, *fewerPacket_ = nullptr;
  wxTextCtrl *timeLimit_ = nullptr, *fragLimit_ = nullptr;
  wxCheckBox* limitCommandLine_ = nullptr;
};

class AutoLaunchOptionsView : public View {
 public:
  AutoLaunchOptionsView(wxWindow* parent, multiplayer::AutoLaunchOptionsDialog& dialog);

 private:
  void pull();

  multiplayer::AutoLaunchOptionsDialog& dialog_;
  std::array<wxCheckBox*, multiplayer::AutoLaunchOptionsDialog::kBoxCount> boxes_{};
  wxTextCtrl *clan_ = nullptr, *ipxServer_ = nullptr;
};

class NewNumberView : public View {
 public:
  NewNumberView(wxWindow* parent, multiplayer::NewNumberDialog& dialog);

 private:
  multiplayer::NewNumberDialog& dialog_;
  wxTextCtrl *name_ = nullptr, *number_ = nullptr;
};

}  // namespace gui::dialogs
