#include "input/joystick_control.h"

namespace input {

namespace ui = catalogue::univ_info;

namespace {

// The step of one axis: the largest threshold the stick is past decides the speed. An axis
// whose centre is not known (0) never steps: every position would be past its thresholds.
float axisStep(uint32_t position, uint32_t centre, const std::array<float, 3>& speeds) {
  constexpr std::array<double, 3> kThresholds = {0.1, 0.2, 0.3};
  if (centre == 0) return 0;
  float step = 0;
  for (size_t i = 0; i < kThresholds.size(); ++i) {
    const double margin = double(centre) * kThresholds[i];
    if (double(position) > double(centre) + margin) step = speeds[i];
    if (double(position) < double(centre) - margin) step = -speeds[i];
  }
  return step;
}

bool withinDrift(uint32_t position, uint32_t centre) {
  const double margin = double(centre) * kDriftTolerance;
  return double(position) >= double(centre) - margin && double(position) <= double(centre) + margin;
}

// The integer part of a pointer step, kept within what an int holds whatever the record says.
int pixels(float step) {
  if (!(step > -1e6f && step < 1e6f)) return 0;  // NaN and absurd speeds move nothing
  return int(step);
}

}  // namespace

void turnJoystickOff(catalogue::UnivInfoRecord& univ, platform::Prompter& prompter) {
  univ.set(ui::JoystickUserOff, 1);
  univ.set(ui::JoystickInactive, 1);
  prompter.tell(kJoystickOff);
}

bool JoystickControl::running() const {
  return started_ && univ_.get(ui::JoystickInactive) == 0;
}

void JoystickControl::CaptureCentre() {
  platform::JoystickPosition p;
  if (!joystick_.readPosition(p)) return;
  centreX_ = p.x;
  centreY_ = p.y;
}

bool JoystickControl::JoystickStart() {
  if (univ_.get(ui::JoystickDefaultsSet) == 0) {
    univ_.set(ui::OverallSpeed, kDefaultOverallSpeed);
    univ_.set(ui::LowSpeed, kDefaultLowSpeed);
    univ_.set(ui::MidSpeed, kDefaultMidSpeed);
    univ_.set(ui::HighSpeed, kDefaultHighSpeed);
    univ_.set(ui::JoystickDefaultsSet, 1);
  }
  univ_.set(ui::JoystickInactive, 1);
  down_ = {};
  if (univ_.get(ui::JoystickUserOff) != 0 || joystick_.deviceCount() == 0) return false;
  platform::JoystickPosition p;
  if (!joystick_.readPosition(p)) return false;
  if (centreX_ != 0 && centreY_ != 0 &&
      (!withinDrift(p.x, centreX_) || !withinDrift(p.y, centreY_))) {
    prompter_.tell(kJoystickDrifting);
    return false;
  }
  centreX_ = p.x;
  centreY_ = p.y;
  joystick_.setThreshold(kJoystickThreshold);
  if (!joystick_.capture(kJoystickPollMs)) return false;
  univ_.set(ui::JoystickInactive, 0);
  started_ = true;
  return true;
}

void JoystickControl::JoystickToggle() {
  if (running()) {
    turnJoystickOff(univ_, prompter_);
    return;
  }
  // A stick switched on again takes its centre anew: no drift to report.
  centreX_ = centreY_ = 0;
  univ_.set(ui::JoystickUserOff, 0);
  platform::JoystickPosition p;
  if (!joystick_.readPosition(p) || !JoystickStart())
    prompter_.tell(kJoystickStartFailed);
  else
    prompter_.tell(kJoystickOn);
}

bool JoystickControl::JoystickMenu() {
  if (running()) return true;
  JoystickToggle();
  return false;
}

void JoystickControl::JoystickPoll() {
  if (!running()) return;
  platform::JoystickPosition p;
  if (!joystick_.readPosition(p)) return;
  const std::array<float, 3> speeds = {univ_.get(ui::LowSpeed), univ_.get(ui::MidSpeed),
                                       univ_.get(ui::HighSpeed)};
  const float stepX = axisStep(p.x, centreX_, speeds);
  const float stepY = axisStep(p.y, centreY_, speeds);
  if (stepX != 0 || stepY != 0) {
    // The pointer moves by a part of its own coordinate.
    // In single precision, as the speeds are kept: 0.005 of 400 is 2 pixels, not 1.999.
    const float overall = univ_.get(ui::OverallSpeed);
    platform::PointerPoint at = pointer_.position();
    at.x += pixels(stepX * (overall * float(at.x)));
    at.y += pixels(stepY * (float(at.y) * overall));
    pointer_.moveTo(platform::clampToScreen(at, pointer_.screenSize()));
  }
  if (p.buttons != 0 || down_[0] || down_[1] || down_[2]) {
    button(p.buttons, 0, platform::PointerButton::kLeft);
    button(p.buttons, 1, platform::PointerButton::kRight);
    button(p.buttons, 2, platform::PointerButton::kMiddle);
  }
}

void JoystickControl::button(uint32_t buttons, size_t index, platform::PointerButton which) {
  const bool pressed = (buttons >> index & 1) != 0;
  if (pressed && !down_[index]) {
    down_[index] = true;
    pointer_.buttonDown(which);
  } else if (!pressed && down_[index]) {
    down_[index] = false;
    pointer_.buttonUp(which);
  }
}

}  // namespace input
