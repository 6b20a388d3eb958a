// Joystick control of the mouse pointer while the main window is open: the stick moves the
// pointer in three speed steps, buttons 1-3 are the left, right and middle mouse buttons. The
// speeds and the on/off flags live in the UnivInfo record; the window's 100 ms timer calls
// JoystickPoll.
#pragma once

#include <array>
#include <cstdint>

#include "catalogue/univ_info_record.h"
#include "platform/joystick.h"
#include "platform/pointer.h"
#include "platform/prompter.h"

namespace input {

inline constexpr const char* kJoystickDrifting =
    "Joystick Center Position is Drifting.\r\n<Joystick Off>";
inline constexpr const char* kJoystickOn = "Joystick On";
inline constexpr const char* kJoystickOff = "Joystick Off";
inline constexpr const char* kJoystickStartFailed = "Error while trying to turn on joystick";

inline constexpr float kDefaultOverallSpeed = 1.0f;
inline constexpr float kDefaultLowSpeed = 0.005f;
inline constexpr float kDefaultMidSpeed = 0.05f;
inline constexpr float kDefaultHighSpeed = 0.1f;
// How far the centre may have moved, as a part of the centre, before a start refuses.
inline constexpr double kDriftTolerance = 0.1;
inline constexpr int kJoystickThreshold = 100;
inline constexpr int kJoystickPollMs = 100;

// Switches control off at the user's word: "Joystick Off" (the toggle and the settings
// dialog's button).
void turnJoystickOff(catalogue::UnivInfoRecord& univ, platform::Prompter& prompter);

class JoystickControl {
 public:
  JoystickControl(platform::Joystick& joystick, platform::Pointer& pointer,
                  platform::Prompter& prompter, catalogue::UnivInfoRecord& univ)
      : joystick_(joystick), pointer_(pointer), prompter_(prompter), univ_(univ) {}

  // The view was made: where the stick rests now is its centre.
  void CaptureCentre();
  // Starts control unless the user switched it off, there is no device or the centre drifted.
  bool JoystickStart();
  // On/off (command 32924).
  void JoystickToggle();
  // Command 32926: true when control was running, so the settings dialog is to be shown;
  // otherwise it has toggled control on.
  bool JoystickMenu();
  // One timer tick: the pointer follows the stick, the buttons press and release.
  void JoystickPoll();

  bool running() const;
  uint32_t centreX() const { return centreX_; }
  uint32_t centreY() const { return centreY_; }

 private:
  void button(uint32_t buttons, size_t index, platform::PointerButton which);

  platform::Joystick& joystick_;
  platform::Pointer& pointer_;
  platform::Prompter& prompter_;
  catalogue::UnivInfoRecord& univ_;
  // 0: not known.
  uint32_t centreX_ = 0;
  uint32_t centreY_ = 0;
  std::array<bool, 3> down_{};
  // The record's flag may say "running" from an earlier run: control runs once started here.
  bool started_ = false;
};

}  // namespace input
