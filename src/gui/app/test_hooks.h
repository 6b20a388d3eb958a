// Hooks for the GUI tests and the benchmarks, built only with QF95_TEST_HOOKS:
//   $QF95_TEST_READY_FILE, when set, is rewritten with the title of the front-most window
//     (a message box's caption while one is up) each time another window has been drawn;
//   $QF95_TEST_COMMAND, when set to a command id, runs that command once the main window is
//     on screen;
//   $QF95_TEST_BUTTONS_FILE, when set, is written once the main window is on screen with a
//     line for each button it shows: the label, a tab, and the screen point of its middle.
// The command line stays ignored.
#pragma once

class CMainFrame;

namespace gui {

void installTestHooks(CMainFrame* frame);

}  // namespace gui
