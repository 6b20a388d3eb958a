#include "gui/dialogs/joystick_settings_view.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace gui::dialogs {

using Rules = input::JoystickSettingsDialog;

JoystickSettingsView::JoystickSettingsView(wxWindow* parent, Rules& dialog)
    : View(parent, wxID_ANY, Rules::kTitle), dialog_(dialog) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(2, wxSize(10, 6));
  grid->AddGrowableCol(1);
  for (int i = 0; i < Rules::kSliderCount; ++i) {
    const auto which = Rules::Slider(i);
    grid->Add(new wxStaticText(this, wxID_ANY, Rules::label(which)), 0, wxALIGN_CENTER_VERTICAL);
    sliders_[size_t(i)] =
        new wxSlider(this, kIdJoystickSlider + i, dialog_.slider(which), Rules::sliderMin(which),
                     Rules::sliderMax(which), wxDefaultPosition, wxSize(GetCharWidth() * 40, -1),
                     wxSL_HORIZONTAL | wxSL_LABELS);
    grid->Add(sliders_[size_t(i)], 1, wxEXPAND);
  }
  top->Add(grid, 1, wxEXPAND | wxALL, 10);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, wxID_OK, Rules::kOk), 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, Rules::kCancel), 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, kIdJoystickApply, Rules::kApply), 0);
  top->Add(buttons, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT, 10);
  top->Add(new wxButton(this, kIdJoystickTurnOff, Rules::kTurnOff), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);

  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        pull();
        dialog_.apply();
        show();
      },
      kIdJoystickApply);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { dialog_.turnOff(); }, kIdJoystickTurnOff);
  // OK keeps what was applied; the sliders moved since are not stored.
  bindOkCancel([this] { dialog_.ok(); }, [this] { dialog_.cancel(); });
  // Closing the window is Cancel.
  SetEscapeId(wxID_CANCEL);
}

void JoystickSettingsView::pull() {
  for (int i = 0; i < Rules::kSliderCount; ++i)
    dialog_.setSlider(Rules::Slider(i), sliders_[size_t(i)]->GetValue());
}

void JoystickSettingsView::show() {
  for (int i = 0; i < Rules::kSliderCount; ++i)
    sliders_[size_t(i)]->SetValue(dialog_.slider(Rules::Slider(i)));
}

}  // namespace gui::dialogs
