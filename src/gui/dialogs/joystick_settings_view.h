// The view of "Joystick Quillfen95 Settings": four sliders, Apply, OK, Cancel and the button
// that switches joystick control off.
#pragma once

#include <wx/slider.h>

#include <array>

#include "gui/dialogs/view_support.h"
#include "input/joystick_settings_dialog.h"

namespace gui::dialogs {

class JoystickSettingsView : public View {
 public:
  JoystickSettingsView(wxWindow* parent, input::JoystickSettingsDialog& dialog);

 private:
  // The sliders into the rules, and back as the rules keep them.
  void pull();
  void show();

  input::JoystickSettingsDialog& dialog_;
  std::array<wxSlider*, input::JoystickSettingsDialog::kSliderCount> sliders_{};
};

}  // namespace gui::dialogs
