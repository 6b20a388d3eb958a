// The main panel (the form of the view): the file manager's lists when the program has them,
// the launch selections of the current game, the play button and the mode button. Its
// controls only pass the user's picks on to the app logic and show what it says.
#pragma once

#include <wx/panel.h>

#include <functional>
#include <string>

#include "app/launch_selections.h"
#include "files/file_manager.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxStaticText;

namespace app {
class MainWindow;
}
namespace platform {
class FileSystem;
}

namespace gui {

class FileManagerPanel;
class MultiplayerBox;

class MainPanel : public wxPanel {
 public:
  MainPanel(wxWindow* parent, app::MainWindow& window, platform::FileSystem& fs);

  // The current game as the app logic has it now: title, lists, selections, mode button.
  void refresh();
  void refreshFileLists();
  void resetFileLists();
  void showMode(const std::string& text);
  void showFavourites();
  // The directory of the file list last clicked; empty without the file manager.
  std::string currentListDirectory() const;
  // The file manager's rules, for the file operations; none without the file manager.
  files::FileManager* fileManager();
  MultiplayerBox* multiplayerBox() { return multiplayer_; }

 private:
  void fillChoice(wxChoice* choice, const app::NumberChoice& number);
  void growToFit();
  void onContextMenu(wxContextMenuEvent& event);

  app::MainWindow& window_;
  FileManagerPanel* files_ = nullptr;
  wxStaticText* title_ = nullptr;
  wxStaticText* directory_ = nullptr;
  wxChoice* skill_ = nullptr;
  wxChoice* episode_ = nullptr;
  wxChoice* level_ = nullptr;
  wxChoice* bots_ = nullptr;
  wxStaticText* botsLabel_ = nullptr;
  wxCheckBox* godMode_ = nullptr;
  wxCheckBox* weaponsAll_ = nullptr;
  wxCheckBox* aiPlayers_ = nullptr;
  MultiplayerBox* multiplayer_ = nullptr;
  wxButton* mode_ = nullptr;
};

}  // namespace gui
