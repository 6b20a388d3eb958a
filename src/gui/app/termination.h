// SIGTERM (a desktop session ending, a service manager stopping us) closes the program as
// "Exit" does, so the layout and the catalogue are saved: open dialogs and message boxes are
// ended first, each as Cancel ends it.
#pragma once

#include <functional>

namespace gui {

// `busy`: while it says so (a command or a game session is on the stack), the close waits; a
// close then would delete the frame under the code that is running.
void installTermination(std::function<bool()> busy = {});

}  // namespace gui
