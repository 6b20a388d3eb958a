// Hooks for running the program unattended (the GUI smoke test, a desktop session ending):
//   SIGTERM closes the program as "Exit" does, so the layout and the catalogue are saved;
//   $QF95_TEST_READY_FILE, when set, is rewritten with the title of the front-most window
//     each time another window has been drawn;
//   $QF95_TEST_COMMAND, when set to a command id, runs that command once the main window is
//     on screen.
// The command line stays ignored.
#pragma once

class CMainFrame;

namespace gui {

void installTestHooks(CMainFrame* frame);

}  // namespace gui
