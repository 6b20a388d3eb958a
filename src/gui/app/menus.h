// The menu bar: every command of the routing table that lives on a menu, and the preparation
// of the pop-ups whose items follow the current game and the settings.
#pragma once

#include <wx/menu.h>

namespace app {
class MainWindow;
}

namespace gui {

// Menu positions the pop-up preparation relies on.
inline constexpr int kEditToolsMenu = 1;
inline constexpr int kGameMenu = 3;

wxMenuBar* createMenuBar();
// The right-button menu of the main panel.
wxMenu* createPanelContextMenu();

// Saved-game slots, help files, the game list and the edit tools, as they stand now.
void prepareMenus(wxMenuBar* bar, app::MainWindow& window);

}  // namespace gui
