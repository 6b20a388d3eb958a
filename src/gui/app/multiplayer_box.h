// The main panel's multiplayer selections: shown in multiplayer mode, laid out for the chosen
// communication type. Every pick goes to the app logic's multiplayer selections, which the box
// then shows again.
#pragma once

#include <wx/panel.h>

#include "multiplayer/multiplayer_selections.h"

class wxCheckBox;
class wxChoice;
class wxComboBox;
class wxStaticText;
class wxButton;
class wxFlexGridSizer;

namespace app {
class MainWindow;
}

namespace gui {

class MultiplayerBox : public wxPanel {
 public:
  MultiplayerBox(wxWindow* parent, app::MainWindow& window);

  void refresh();

 private:
  struct Row {
    wxStaticText* label = nullptr;
    wxWindow* control = nullptr;
  };
  Row addRow(wxFlexGridSizer* grid, wxWindow* control);
  void showRow(const Row& row, const multiplayer::ListControl& list);
  // After a pick: the logic's view of it, shown once the event is over.
  void changed();

  app::MainWindow& window_;
  wxFlexGridSizer* grid_ = nullptr;
  Row players_, names_, commTypes_, sockets_, connectType_, number_;
  wxChoice* playersChoice_ = nullptr;
  wxComboBox* namesBox_ = nullptr;
  wxChoice* commChoice_ = nullptr;
  wxComboBox* socketsBox_ = nullptr;
  wxChoice* connectChoice_ = nullptr;
  wxComboBox* numberBox_ = nullptr;
  wxCheckBox* autoLaunch_ = nullptr;
  wxButton* otherOptionsButton_ = nullptr;
};

}  // namespace gui
