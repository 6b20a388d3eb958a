#include "input/joystick_control.h"

#include <gtest/gtest.h>

#include "input/joystick_settings_dialog.h"
#include "platform/fake/fake_joystick.h"
#include "platform/fake/fake_pointer.h"
#include "platform/fake/scripted_prompter.h"

namespace {

namespace ui = catalogue::univ_info;
using Box = std::vector<std::string>;

class JoystickControlTest : public ::testing::Test {
 protected:
  // The view was made with the stick at rest, then the initial update started control.
  input::JoystickControl& started() {
    control.CaptureCentre();
    EXPECT_TRUE(control.JoystickStart());
    return control;
  }
  // The pointer after one tick with the stick `fraction` of the centre to the right.
  int xAfterTick(double fraction) {
    stick.deflect(fraction);
    pointer.at = {400, 300};
    control.JoystickPoll();
    return pointer.at.x;
  }

  platform::FakeJoystick stick;
  platform::FakePointer pointer;
  platform::ScriptedPrompter prompter;
  catalogue::UnivInfoRecord univ;
  input::JoystickControl control{stick, pointer, prompter, univ};
};

TEST_F(JoystickControlTest, FirstStartSetsTheDefaultSpeedsAndRuns) {
  started();
  EXPECT_EQ(univ.get(ui::JoystickDefaultsSet), 1);
  EXPECT_FLOAT_EQ(univ.get(ui::OverallSpeed), 1.0f);
  EXPECT_FLOAT_EQ(univ.get(ui::LowSpeed), 0.005f);
  EXPECT_FLOAT_EQ(univ.get(ui::MidSpeed), 0.05f);
  EXPECT_FLOAT_EQ(univ.get(ui::HighSpeed), 0.1f);
  EXPECT_EQ(univ.get(ui::JoystickInactive), 0);
  EXPECT_EQ(stick.threshold, 100);
  EXPECT_EQ(stick.capturePeriodMs, 100);
  EXPECT_TRUE(prompter.boxes().empty());

  // Speeds the player set are kept at the next start.
  univ.set(ui::LowSpeed, 0.02f);
  EXPECT_TRUE(control.JoystickStart());
  EXPECT_FLOAT_EQ(univ.get(ui::LowSpeed), 0.02f);
}

TEST_F(JoystickControlTest, StartFailsSilentlyWithoutDeviceOrWhenSwitchedOff) {
  stick.devices = 0;
  control.CaptureCentre();
  EXPECT_FALSE(control.JoystickStart());
  EXPECT_EQ(univ.get(ui::JoystickInactive), 1);

  stick.devices = 1;
  stick.failReads = true;
  EXPECT_FALSE(control.JoystickStart());

  stick.failReads = false;
  univ.set(ui::JoystickUserOff, 1);
  EXPECT_FALSE(control.JoystickStart());
  EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(JoystickControlTest, DriftedCentreRefusesToStart) {
  control.CaptureCentre();
  stick.deflect(0.12, 0);
  EXPECT_FALSE(control.JoystickStart());
  EXPECT_EQ(prompter.texts(), Box{"Joystick Center Position is Drifting.\r\n<Joystick Off>"});
  EXPECT_FALSE(control.running());

  // Within 10 % on both axes is no drift.
  stick.deflect(-0.09, 0.09);
  EXPECT_TRUE(control.JoystickStart());
  EXPECT_EQ(prompter.boxes().size(), 1u);
}

TEST_F(JoystickControlTest, ToggleForgetsTheOldCentreAndSaysWhatHappened) {
  control.CaptureCentre();
  stick.deflect(0.5);
  control.JoystickToggle();  // off-centre, but a toggle takes the centre anew
  EXPECT_TRUE(control.running());
  control.JoystickToggle();
  EXPECT_FALSE(control.running());
  EXPECT_EQ(univ.get(ui::JoystickUserOff), 1);
  stick.devices = 0;
  control.JoystickToggle();
  EXPECT_EQ(prompter.texts(),
            (Box{"Joystick On", "Joystick Off", "Error while trying to turn on joystick"}));
  EXPECT_EQ(univ.get(ui::JoystickUserOff), 0);
}

TEST_F(JoystickControlTest, LargestThresholdPassedPicksTheSpeed) {
  started();
  univ.set(ui::LowSpeed, 0.01f);
  univ.set(ui::MidSpeed, 0.05f);
  univ.set(ui::HighSpeed, 0.1f);
  EXPECT_EQ(xAfterTick(0.05), 400);
  stick.failReads = true;
  EXPECT_EQ(xAfterTick(0.5), 400);
  stick.failReads = false;
  EXPECT_EQ(pointer.moves, 0);
  EXPECT_EQ(xAfterTick(0.15), 404);
  EXPECT_EQ(xAfterTick(0.25), 420);
  EXPECT_EQ(xAfterTick(0.35), 440);
  EXPECT_EQ(xAfterTick(-0.35), 360);
  // Down and up move y by a part of y.
  stick.deflect(0, -0.25);
  pointer.at = {400, 300};
  control.JoystickPoll();
  EXPECT_EQ(pointer.at.x, 400);
  EXPECT_EQ(pointer.at.y, 285);
}

TEST_F(JoystickControlTest, LowSpeedAtFourHundredMovesTwoPixels) {
  started();
  EXPECT_EQ(xAfterTick(0.15), 402);
  // The step is a part of the coordinate: at x 100 the low speed moves nothing.
  stick.deflect(0.15);
  pointer.at = {100, 300};
  control.JoystickPoll();
  EXPECT_EQ(pointer.at.x, 100);
}

TEST_F(JoystickControlTest, PointerStaysOnTheScreen) {
  started();
  univ.set(ui::HighSpeed, 1.0f);
  univ.set(ui::OverallSpeed, 2.0f);
  stick.deflect(0.5, 0.5);
  pointer.at = {1000, 900};
  control.JoystickPoll();
  EXPECT_EQ(pointer.at.x, 1279);
  EXPECT_EQ(pointer.at.y, 1023);
  // A record holding nonsense moves nothing.
  univ.set(ui::OverallSpeed, std::numeric_limits<float>::quiet_NaN());
  pointer.at = {400, 300};
  control.JoystickPoll();
  EXPECT_EQ(pointer.at.x, 400);
  EXPECT_EQ(pointer.at.y, 300);
}

TEST_F(JoystickControlTest, AxisWithCentreZeroNeverMoves) {
  // A device reporting 0 on X when the view was made and at the start.
  stick.position = {0, platform::FakeJoystick::kCentre, 0};
  started();
  EXPECT_EQ(control.centreX(), 0u);
  stick.position.x = 65535;
  control.JoystickPoll();
  EXPECT_EQ(pointer.at.x, 400);
  EXPECT_EQ(pointer.moves, 0);
  // The other axis still works.
  stick.deflect(-0.5, 0.5);
  stick.position.x = 0;
  control.JoystickPoll();
  EXPECT_EQ(pointer.at.x, 400);
  EXPECT_EQ(pointer.at.y, 330);
}

TEST_F(JoystickControlTest, HeldButtonPressesOnceAndReleasesOnce) {
  started();
  stick.position.buttons = 0b001;
  control.JoystickPoll();
  control.JoystickPoll();
  control.JoystickPoll();
  stick.position.buttons = 0b110;
  control.JoystickPoll();
  control.JoystickPoll();
  stick.position.buttons = 0;
  control.JoystickPoll();
  control.JoystickPoll();
  EXPECT_EQ(pointer.events,
            (Box{"left down", "left up", "right down", "middle down", "right up", "middle up"}));
  // A restart forgets the buttons held: no release without a press.
  stick.position.buttons = 1;
  control.JoystickPoll();
  EXPECT_TRUE(control.JoystickStart());
  stick.position.buttons = 0;
  control.JoystickPoll();
  EXPECT_EQ(pointer.events.back(), "left down");
}

class JoystickSettingsTest : public JoystickControlTest {
 protected:
  using D = input::JoystickSettingsDialog;
};

TEST_F(JoystickSettingsTest, SlidersShowTheStoredSpeeds) {
  started();
  D dialog(univ, prompter);
  EXPECT_EQ(dialog.slider(D::kOverall), 5);
  EXPECT_EQ(dialog.slider(D::kLow), 50);
  EXPECT_EQ(dialog.slider(D::kMid), 500);
  EXPECT_EQ(dialog.slider(D::kHigh), 1000);
  dialog.setSlider(D::kOverall, 99);
  dialog.setSlider(D::kLow, -4);
  EXPECT_EQ(dialog.slider(D::kOverall), 10);
  EXPECT_EQ(dialog.slider(D::kLow), 1);
}

TEST_F(JoystickSettingsTest, ApplyKeepsTheSpeedsInOrder) {
  started();
  D dialog(univ, prompter);
  dialog.setSlider(D::kOverall, 10);
  dialog.setSlider(D::kLow, 200);
  dialog.setSlider(D::kMid, 100);
  dialog.setSlider(D::kHigh, 50);
  dialog.apply();
  EXPECT_FLOAT_EQ(univ.get(ui::OverallSpeed), 2.0f);
  EXPECT_FLOAT_EQ(univ.get(ui::LowSpeed), 0.02f);
  EXPECT_FLOAT_EQ(univ.get(ui::MidSpeed), 0.02f);
  EXPECT_FLOAT_EQ(univ.get(ui::HighSpeed), 0.02f);
  EXPECT_EQ(dialog.slider(D::kMid), 200);
  EXPECT_EQ(dialog.slider(D::kHigh), 200);
  dialog.ok();
  EXPECT_FLOAT_EQ(univ.get(ui::MidSpeed), 0.02f);
}

TEST_F(JoystickSettingsTest, CancelRestoresWhatTheDialogOpenedWith) {
  started();
  D dialog(univ, prompter);
  dialog.setSlider(D::kLow, 9000);
  dialog.apply();
  dialog.cancel();
  EXPECT_FLOAT_EQ(univ.get(ui::LowSpeed), 0.005f);
  EXPECT_FLOAT_EQ(univ.get(ui::HighSpeed), 0.1f);
  EXPECT_EQ(dialog.slider(D::kLow), 50);
}

}  // namespace
