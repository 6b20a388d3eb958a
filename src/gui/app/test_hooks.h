// Hooks for running the program unattended (the GUI smoke test, a desktop session ending):
//   SIGTERM closes the program as "Exit" does, so the layout and the catalogue are saved; open
//     dialogs and message boxes are ended first, each as Cancel ends it;
//   $QF95_TEST_READY_FILE, when set, is rewritten with the title of the front-most window
//     (a message box's caption while one is up) each time another window has been drawn;
//   $QF95_TEST_COMMAND, when set to a command id, runs that command once the main window is
//     on screen.
// The command line stays ignored.
#pragma once

class CMainFrame;

namespace gui {

void installTestHooks(CMainFrame* frame);

}  // namespace gui
