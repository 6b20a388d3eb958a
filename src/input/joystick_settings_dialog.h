// "Joystick Quillfen95 Settings": four sliders over the pointer speeds of the UnivInfo record.
// The view moves the sliders and presses the buttons; the values reach the record only through
// Apply, and Cancel puts back what the record held when the dialog opened.
#pragma once

#include "catalogue/univ_info_record.h"
#include "platform/prompter.h"

namespace input {

class JoystickSettingsDialog {
 public:
  static constexpr const char* kTitle = "Joystick Quillfen95 Settings";
  static constexpr const char* kOverallLabel = "Over All Speed";
  static constexpr const char* kLowLabel = "Low Speed";
  static constexpr const char* kMidLabel = "Mid Speed";
  static constexpr const char* kHighLabel = "High Speed";
  static constexpr const char* kApply = "&Apply";
  static constexpr const char* kCancel = "&Cancel";
  static constexpr const char* kOk = "&OK";
  static constexpr const char* kTurnOff = "&Turn Off Quillfen95 Joystick control";
  static constexpr int kOverallMin = 1;
  static constexpr int kOverallMax = 10;
  static constexpr int kSpeedMin = 1;
  static constexpr int kSpeedMax = 10000;

  enum Slider { kOverall, kLow, kMid, kHigh, kSliderCount };

  JoystickSettingsDialog(catalogue::UnivInfoRecord& univ, platform::Prompter& prompter);

  int slider(Slider which) const { return sliders_[which]; }
  // Moves a slider; a value outside its range stops at the end.
  void setSlider(Slider which, int value);
  static int sliderMin(Slider which) { return which == kOverall ? kOverallMin : kSpeedMin; }
  static int sliderMax(Slider which) { return which == kOverall ? kOverallMax : kSpeedMax; }
  static const char* label(Slider which);

  // The sliders into the record; Mid is never below Low, High never below Mid. The sliders
  // show what was stored.
  void apply();
  // The record as it was when the dialog opened.
  void cancel();
  // Closes; what was applied stays.
  void ok() {}
  // Switches joystick control off ("Joystick Off").
  void turnOff();

 private:
  void showStored();

  catalogue::UnivInfoRecord& univ_;
  platform::Prompter& prompter_;
  float saved_[kSliderCount];
  int sliders_[kSliderCount] = {};
};

}  // namespace input
