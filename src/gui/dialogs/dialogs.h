// The game definition dialogs and the launch option dialogs, as the main window and the first
// start open them. Each runs modally and edits the catalogue in place.
#pragma once

#include <wx/window.h>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_hooks.h"
#include "content/con_editor.h"
#include "content/rts_editor.h"
#include "content/weapon_order.h"
#include "files/name_dialog.h"
#include "gui/dialogs/dialog_paths.h"
#include "input/joystick_settings_dialog.h"
#include "lan/client_dialog.h"
#include "lan/download_dialog.h"
#include "lan/server_dialog.h"
#include "launch/unzip_profile.h"
#include "multiplayer/auto_launch_options_dialog.h"
#include "multiplayer/new_number_dialog.h"
#include "multiplayer/other_options_dialog.h"
#include "platform/drive_map.h"

namespace gui {

// The game location dialog. Returns the slot it leaves current (14999 when none); the dialog's
// selection and `advancedSetup` are committed to the catalogue however it is closed.
// `paths` lets "Browse" and "Search Execution File" open the file dialog.
int runGameLocationDialog(wxWindow* parent, catalogue::Catalogue& cat, int advancedSetup,
                          const dialogs::PathBridge& paths);
// "Launch Options".
void runLaunchOptionsDialog(wxWindow* parent, catalogue::Catalogue& cat);
// "Sound/Video/Memory Options" of the current game.
void runSoundVideoMemoryOptionsDialog(wxWindow* parent, catalogue::Catalogue& cat);
// "Demo/NoMonsters/Respawn Options" of the current game.
void runDemoRespawnOptionsDialog(wxWindow* parent, catalogue::Catalogue& cat);
// The multiplayer dialogs: true when closed with OK (the caller stores the values then).
bool runOtherOptionsDialog(wxWindow* parent, multiplayer::OtherOptionsDialog& dialog);
bool runAutoLaunchOptionsDialog(wxWindow* parent, multiplayer::AutoLaunchOptionsDialog& dialog);
bool runNewNumberDialog(wxWindow* parent, multiplayer::NewNumberDialog& dialog);
// "Rename" and "Create New Directory": true for OK, the name is in `dialog` then.
bool runNameDialog(wxWindow* parent, files::NameDialog& dialog);
bool runUnzipProfileDialog(wxWindow* parent, launch::UnzipProfileDialog& dialog,
                           const dialogs::PathBridge& paths);
// "Joystick Quillfen95 Settings": its buttons act on `dialog` as they are pressed.
void runJoystickSettingsDialog(wxWindow* parent, input::JoystickSettingsDialog& dialog);
// The network start's dialogs: each runs until its dialog has a result.
void runServerDialog(wxWindow* parent, lan::ServerDialog& dialog);
void runClientDialog(wxWindow* parent, lan::ClientDialog& dialog);
void runDownloadDialog(wxWindow* parent, lan::DownloadDialog& dialog);
// "ConEditor" and "Weapons Option".
void runConEditor(wxWindow* parent, content::ConEditor& editor);
void runWeaponOrderDialog(wxWindow* parent, content::WeaponOrder& order);
// "RTS Editor": true for Finish.
bool runRtsEditor(wxWindow* parent, content::RtsEditor& editor);
// "Drives"; true when a drive was changed.
bool runDrivesDialog(wxWindow* parent, platform::DriveMap& map);

// The folder chooser of a first start that found no game: the toolkit's folder dialog.
class WxGameFolderChooser : public catalogue::GameFolderChooser {
 public:
  explicit WxGameFolderChooser(wxWindow* parent) : parent_(parent) {}
  std::optional<std::string> chooseGameFolder() override;

 private:
  wxWindow* parent_;
};

// The catalogue's first start opens the game location dialog through this.
class WxGameLocationRunner : public catalogue::GameLocationDialogRunner {
 public:
  WxGameLocationRunner(wxWindow* parent, catalogue::Catalogue& cat,
                       const dialogs::PathBridge& paths)
      : parent_(parent), cat_(cat), paths_(paths) {}
  void setParent(wxWindow* parent) { parent_ = parent; }
  int runGameLocationDialog(int advancedSetup) override {
    return gui::runGameLocationDialog(parent_, cat_, advancedSetup, paths_);
  }

 private:
  wxWindow* parent_;
  catalogue::Catalogue& cat_;
  const dialogs::PathBridge& paths_;
};

}  // namespace gui
