#include "input/joystick_settings_dialog.h"

#include <cmath>

#include "input/joystick_control.h"

namespace input {

namespace ui = catalogue::univ_info;

namespace {

constexpr float kOverallScale = 5.0f;
constexpr float kSpeedScale = 10000.0f;

const catalogue::FloatField<catalogue::UnivInfoTag>& fieldOf(int which) {
  switch (which) {
    case JoystickSettingsDialog::kOverall:
      return ui::OverallSpeed;
    case JoystickSettingsDialog::kLow:
      return ui::LowSpeed;
    case JoystickSettingsDialog::kMid:
      return ui::MidSpeed;
    default:
      return ui::HighSpeed;
  }
}

float scaleOf(int which) {
  return which == JoystickSettingsDialog::kOverall ? kOverallScale : kSpeedScale;
}

}  // namespace

JoystickSettingsDialog::JoystickSettingsDialog(catalogue::UnivInfoRecord& univ,
                                               platform::Prompter& prompter)
    : univ_(univ), prompter_(prompter) {
  for (int i = 0; i < kSliderCount; ++i) saved_[i] = univ_.get(fieldOf(i));
  showStored();
}

const char* JoystickSettingsDialog::label(Slider which) {
  switch (which) {
    case kOverall:
      return kOverallLabel;
    case kLow:
      return kLowLabel;
    case kMid:
      return kMidLabel;
    default:
      return kHighLabel;
  }
}

void JoystickSettingsDialog::setSlider(Slider which, int value) {
  if (which < 0 || which >= kSliderCount) return;
  sliders_[which] = value < sliderMin(which)   ? sliderMin(which)
                    : value > sliderMax(which) ? sliderMax(which)
                                               : value;
}

void JoystickSettingsDialog::showStored() {
  for (int i = 0; i < kSliderCount; ++i) {
    const Slider which = Slider(i);
    const double value = double(univ_.get(fieldOf(i))) * scaleOf(i);
    // A record from elsewhere may hold anything; the slider shows it within its range.
    const double bounded = std::isfinite(value) ? value : 0.0;
    const double rounded = std::round(bounded < -1e9 ? -1e9 : bounded > 1e9 ? 1e9 : bounded);
    setSlider(which, int(rounded));
  }
}

void JoystickSettingsDialog::apply() {
  for (int i = 0; i < kSliderCount; ++i) univ_.set(fieldOf(i), float(sliders_[i]) / scaleOf(i));
  if (univ_.get(ui::MidSpeed) < univ_.get(ui::LowSpeed))
    univ_.set(ui::MidSpeed, univ_.get(ui::LowSpeed));
  if (univ_.get(ui::HighSpeed) < univ_.get(ui::MidSpeed))
    univ_.set(ui::HighSpeed, univ_.get(ui::MidSpeed));
  showStored();
}

void JoystickSettingsDialog::cancel() {
  for (int i = 0; i < kSliderCount; ++i) univ_.set(fieldOf(i), saved_[i]);
  showStored();
}

void JoystickSettingsDialog::turnOff() {
  turnJoystickOff(univ_, prompter_);
}

}  // namespace input
