// "ToolBar.dat": where the toolbars are docked survives a restart.
#include "app/toolbar_layout.h"

#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "main_window_fixture.h"

namespace {

using app::ToolbarLayout;

class ToolbarLayoutTest : public apptest::MainWindowTest {
 protected:
  ToolbarLayoutTest() { putDuke(); }
  std::string layoutFile() { return startupFile(app::kToolbarLayoutFile); }
  void putLayout(std::vector<uint8_t> bytes) { fs.putFile(layoutFile(), bytes); }
};

std::vector<uint8_t> le(std::initializer_list<int32_t> values) {
  std::vector<uint8_t> bytes;
  for (int32_t v : values)
    for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(uint32_t(v) >> (8 * i)));
  return bytes;
}

TEST_F(ToolbarLayoutTest, FirstRunDocksMainBarTopAndSelectGameBarBottomBothVisible) {
  app::MainWindow& w = startWindow();
  EXPECT_EQ(w.toolbarLayout().mainBarDock, app::kDockTop);
  EXPECT_EQ(w.toolbarLayout().selectGameBarDock, app::kDockBottom);
  EXPECT_EQ(w.toolbarLayout().selectGameBarVisible, 1);
  EXPECT_EQ(w.toolbarLayout().reserved, 1);
}

TEST_F(ToolbarLayoutTest, DockedLeftBeforeARestartStaysLeft) {
  {
    app::MainWindow& w = startWindow();
    ASSERT_TRUE(w.execute(app::kCmdToolbarLeft));
    ASSERT_FALSE(host.applied.empty());
    EXPECT_EQ(host.applied.back().mainBarDock, app::kDockLeft);
    w.closeView();
    w.destroyFrame();
  }
  EXPECT_EQ(fs.readWhole(layoutFile()), le({59420, 59422, 1, 1}));
  app::MainWindow& again = startWindow();
  EXPECT_EQ(again.toolbarLayout().mainBarDock, app::kDockLeft);
  EXPECT_EQ(again.toolbarLayout().selectGameBarDock, app::kDockBottom);
}

TEST_F(ToolbarLayoutTest, DockCommandsSetTheirBarsSide) {
  app::MainWindow& w = startWindow();
  const std::pair<int, int32_t> mainBar[] = {{app::kCmdToolbarTop, 59419},
                                             {app::kCmdToolbarBottom, 59422},
                                             {app::kCmdToolbarLeft, 59420},
                                             {app::kCmdToolbarRight, 59421}};
  for (auto [id, side] : mainBar) {
    w.execute(id);
    EXPECT_EQ(w.toolbarLayout().mainBarDock, side) << id;
    EXPECT_TRUE(w.isChecked(id));
  }
  const std::pair<int, int32_t> selectBar[] = {{app::kCmdSelectGameTop, 59419},
                                               {app::kCmdSelectGameBottom, 59422},
                                               {app::kCmdSelectGameLeft, 59420},
                                               {app::kCmdSelectGameRight, 59421}};
  for (auto [id, side] : selectBar) {
    w.execute(id);
    EXPECT_EQ(w.toolbarLayout().selectGameBarDock, side) << id;
  }
  EXPECT_EQ(w.toolbarLayout().mainBarDock, 59421);  // untouched by the other bar's commands
  EXPECT_FALSE(w.isChecked(app::kCmdToolbarTop));
}

TEST_F(ToolbarLayoutTest, SelectGameToolbarToggleIsStored) {
  app::MainWindow& w = startWindow();
  w.execute(app::kCmdSelectGameBar);
  EXPECT_EQ(w.toolbarLayout().selectGameBarVisible, 0);
  EXPECT_FALSE(w.isChecked(app::kCmdSelectGameBar));
  w.destroyFrame();
  EXPECT_EQ(fs.readWhole(layoutFile()), le({59419, 59422, 0, 1}));
}

TEST_F(ToolbarLayoutTest, ShortFileLeavesTheDefaults) {
  putLayout(le({59420, 59419, 0}));
  EXPECT_EQ(app::readToolbarLayout(fs), ToolbarLayout{});
}

TEST_F(ToolbarLayoutTest, StoredValuesAreReadIncludingTheReservedWord) {
  putLayout(le({59421, 59419, 0, 7}));
  const ToolbarLayout layout = app::readToolbarLayout(fs);
  EXPECT_EQ(layout.mainBarDock, 59421);
  EXPECT_EQ(layout.selectGameBarDock, 59419);
  EXPECT_EQ(layout.selectGameBarVisible, 0);
  EXPECT_EQ(layout.reserved, 7);
}

TEST_F(ToolbarLayoutTest, AnUnknownDockCodeKeepsThatBarsDefault) {
  putLayout(le({0, 59420, 1, 1}));
  const ToolbarLayout layout = app::readToolbarLayout(fs);
  EXPECT_EQ(layout.mainBarDock, app::kDockTop);
  EXPECT_EQ(layout.selectGameBarDock, app::kDockLeft);
}

TEST_F(ToolbarLayoutTest, TheFileIsOpenedByItsBareNameInTheCurrentDirectory) {
  fs.putFile("D:\\ELSEWHERE\\ToolBar.dat", le({59421, 59421, 1, 1}));
  fs.setCurrentDirectory("D:\\ELSEWHERE\\");
  EXPECT_EQ(app::readToolbarLayout(fs).mainBarDock, app::kDockRight);
}

TEST_F(ToolbarLayoutTest, ClosingAfterALaunchStillWritesBesideTheProgram) {
  app::MainWindow& w = startWindow();
  fs.setCurrentDirectory(kDukeDir);  // where a launch leaves the program
  w.execute(app::kCmdToolbarRight);
  w.destroyFrame();
  EXPECT_TRUE(fs.exists(layoutFile()));
  EXPECT_FALSE(fs.exists(std::string(kDukeDir) + app::kToolbarLayoutFile));
}

TEST_F(ToolbarLayoutTest, AnUnwritableFileIsReportedAndTheOldOneKept) {
  app::MainWindow& w = startWindow();
  w.execute(app::kCmdToolbarRight);
  w.destroyFrame();
  const auto written = fs.readWhole(layoutFile());
  ASSERT_TRUE(written.has_value());
  fs.failReplace(layoutFile());
  w.execute(app::kCmdToolbarLeft);
  w.destroyFrame();
  ASSERT_FALSE(prompter.texts().empty());
  EXPECT_EQ(prompter.texts().back().rfind("Could not save " + layoutFile(), 0), 0u)
      << prompter.texts().back();
  EXPECT_EQ(fs.readWhole(layoutFile()), written);  // the old file is whole
  fs.failOpen(layoutFile());
  EXPECT_EQ(app::readToolbarLayout(fs), ToolbarLayout{});
}

TEST_F(ToolbarLayoutTest, ADraggedToolbarIsRememberedByItsSide) {
  app::MainWindow& w = startWindow();
  w.toolbarDocked(/*mainBar=*/false, app::kDockRight);
  w.toolbarDocked(/*mainBar=*/true, 4711);  // not a side: ignored
  EXPECT_EQ(w.toolbarLayout().selectGameBarDock, app::kDockRight);
  EXPECT_EQ(w.toolbarLayout().mainBarDock, app::kDockTop);
}

}  // namespace
