// The joystick through the main window: started with the view, its three commands, the timer's
// poll, and its settings kept across starts.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "main_window_fixture.h"
#include "platform/fake/fake_joystick.h"
#include "platform/fake/fake_pointer.h"

namespace {

namespace ui = catalogue::univ_info;
using Texts = std::vector<std::string>;

class JoystickCommandsTest : public apptest::MainWindowTest {
 protected:
  JoystickCommandsTest() { putDuke(); }
  app::MainWindow& startWithJoystick() {
    app::MainWindow& w = makeWindow();
    w.setJoystick(stick, pointer);
    w.createFrame();
    w.createView();
    w.initialUpdate();
    return w;
  }

  // The boxes shown since the first `from`.
  Texts textsFrom(size_t from) const {
    const Texts all = prompter.texts();
    return Texts(all.begin() + long(from), all.end());
  }

  platform::FakeJoystick stick;
  platform::FakePointer pointer;
};

TEST_F(JoystickCommandsTest, ControlStartsWithTheViewAndTheCommandsSwitchIt) {
  app::MainWindow& w = startWithJoystick();
  const size_t boxes = prompter.boxes().size();
  ASSERT_TRUE(w.joystickRunning());
  stick.deflect(0.5);
  w.pollJoystick();
  EXPECT_EQ(pointer.at.x, 440);

  // While it runs, the menu item opens the settings; what is applied there is used.
  host.onJoystickSettings = [](input::JoystickSettingsDialog& d) {
    d.setSlider(input::JoystickSettingsDialog::kHigh, 2500);
    d.apply();
  };
  EXPECT_TRUE(w.execute(app::kCmdJoystickMenu));
  EXPECT_EQ(host.joystickSettings, 1);
  pointer.at = {400, 300};
  w.pollJoystick();
  EXPECT_EQ(pointer.at.x, 500);

  EXPECT_TRUE(w.execute(app::kCmdJoystickToggle));
  EXPECT_FALSE(w.joystickRunning());
  w.pollJoystick();
  EXPECT_EQ(pointer.at.x, 500);
  EXPECT_TRUE(w.execute(app::kCmdJoystickMenu));  // switches it on, no settings
  EXPECT_TRUE(w.joystickRunning());
  EXPECT_EQ(host.joystickSettings, 1);
  EXPECT_EQ(textsFrom(boxes), (Texts{"Joystick Off", "Joystick On"}));
  EXPECT_TRUE(w.execute(app::kCmdJoystickSettings));
  EXPECT_EQ(host.joystickSettings, 2);
}

TEST_F(JoystickCommandsTest, SpeedsAndTheUsersOffAreKeptForTheNextStart) {
  {
    app::MainWindow& w = startWithJoystick();
    host.onJoystickSettings = [](input::JoystickSettingsDialog& d) {
      d.setSlider(input::JoystickSettingsDialog::kLow, 300);
      d.apply();
      d.turnOff();
    };
    w.execute(app::kCmdJoystickSettings);
    w.closeView();
  }
  app::MainWindow& again = startWithJoystick();
  EXPECT_FALSE(again.joystickRunning());
  EXPECT_FLOAT_EQ(cat->univ().get(ui::LowSpeed), 0.03f);
  EXPECT_EQ(cat->univ().get(ui::JoystickUserOff), 1);
}

TEST_F(JoystickCommandsTest, WithoutAJoystickTheCommandsSaySoAndTheSettingsStillOpen) {
  app::MainWindow& w = startWindow();
  const size_t boxes = prompter.boxes().size();
  w.pollJoystick();
  EXPECT_TRUE(w.execute(app::kCmdJoystickToggle));
  EXPECT_TRUE(w.execute(app::kCmdJoystickMenu));
  EXPECT_EQ(textsFrom(boxes), (Texts{"Error while trying to turn on joystick",
                                     "Error while trying to turn on joystick"}));
  EXPECT_TRUE(w.execute(app::kCmdJoystickSettings));
  EXPECT_EQ(host.joystickSettings, 1);
}

}  // namespace
