// The main toolbar and the select-game toolbar, and how a dock side code places them. The
// frame lays them out with wxAUI: a toolbar docks at the side its code names, turns vertical
// on the left and right, and can be dragged to another side.
#pragma once

#include <wx/aui/aui.h>

#include <cstdint>

namespace gui {

wxAuiToolBar* createMainToolbar(wxWindow* parent);
wxAuiToolBar* createSelectGameToolbar(wxWindow* parent);

// Docks `pane` at the side `code` names and turns its toolbar to match.
void dockToolbar(wxAuiPaneInfo& pane, int32_t code);
// The side code of where `pane` is docked now.
int32_t dockSideOf(const wxAuiPaneInfo& pane);

}  // namespace gui
