// SIGTERM (a desktop session ending, a service manager stopping us) closes the program as
// "Exit" does, so the layout and the catalogue are saved: open dialogs and message boxes are
// ended first, each as Cancel ends it.
#pragma once

namespace gui {

void installTermination();

}  // namespace gui
