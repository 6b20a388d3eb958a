// The stored window rectangle: restored at start, saved before the program hands over, and
// made smaller once by "Shrink".
#include "app/window_geometry.h"

#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "main_window_fixture.h"

namespace {

using app::WindowRect;

TEST(WindowGeometry, ShrinkMovesEachSideInByAQuarterRoundedDown) {
  EXPECT_EQ(app::shrunkWindowRect({0, 0, 800, 600}), (WindowRect{200, 150, 600, 450}));
  // Width 103 and height 81: quarters of 25 and 20.
  EXPECT_EQ(app::shrunkWindowRect({10, 20, 113, 101}), (WindowRect{35, 40, 88, 81}));
}

TEST(WindowGeometry, OnlyARectangleWithRightAndBottomIsUsable) {
  EXPECT_FALSE(app::isUsableWindowRect({}));
  EXPECT_FALSE(app::isUsableWindowRect({5, 5, 0, 300}));
  EXPECT_FALSE(app::isUsableWindowRect({5, 5, 300, 0}));
  EXPECT_TRUE(app::isUsableWindowRect({0, 0, 1, 1}));
}

TEST(WindowGeometry, TheRectangleLivesAtItsSettingsOffset) {
  catalogue::UnivInfoRecord univ;
  app::storeWindowRect(univ, {1, 2, 3, 4});
  EXPECT_EQ(catalogue::image::readInt(univ.bytes(), 7249), 1);
  EXPECT_EQ(catalogue::image::readInt(univ.bytes(), 7261), 4);
  EXPECT_EQ(app::storedWindowRect(univ), (WindowRect{1, 2, 3, 4}));
}

class WindowRectTest : public apptest::MainWindowTest {
 protected:
  WindowRectTest() { putDuke(); }
};

TEST_F(WindowRectTest, AFirstRunDoesNotMoveTheWindow) {
  startWindow();
  EXPECT_TRUE(host.moves.empty());
}

TEST_F(WindowRectTest, TheRectangleSavedAtExitIsRestoredAtTheNextStart) {
  {
    app::MainWindow& w = startWindow();
    host.rect = {100, 50, 900, 650};
    w.closeView();
  }
  host.moves.clear();
  host.rect = {};
  startWindow();
  ASSERT_EQ(host.moves.size(), 1u);
  EXPECT_EQ(host.moves[0], (WindowRect{100, 50, 900, 650}));
}

TEST_F(WindowRectTest, ShrinkTwiceBeforeARestartShrinksOnce) {
  app::MainWindow& w = startWindow();
  app::storeWindowRect(cat->univ(), {0, 0, 800, 600});
  ASSERT_TRUE(w.execute(app::kCmdShrink));
  w.execute(app::kCmdShrink);
  ASSERT_EQ(host.moves.size(), 1u);
  EXPECT_EQ(host.moves[0], (WindowRect{200, 150, 600, 450}));
  EXPECT_EQ(app::storedWindowRect(cat->univ()), (WindowRect{200, 150, 600, 450}));
  EXPECT_TRUE(w.shrunk());
}

TEST_F(WindowRectTest, ShrinkWithoutAStoredRectangleDoesNothing) {
  app::MainWindow& w = startWindow();
  w.execute(app::kCmdShrink);
  EXPECT_TRUE(host.moves.empty());
  EXPECT_FALSE(w.shrunk());
  // A rectangle stored later can still be shrunk.
  app::storeWindowRect(cat->univ(), {0, 0, 400, 400});
  w.execute(app::kCmdShrink);
  EXPECT_EQ(host.moves.size(), 1u);
}

TEST_F(WindowRectTest, ANewViewForgetsAnEarlierShrink) {
  app::MainWindow& w = startWindow();
  app::storeWindowRect(cat->univ(), {0, 0, 800, 600});
  w.execute(app::kCmdShrink);
  w.createView();
  EXPECT_FALSE(w.shrunk());
}

}  // namespace
