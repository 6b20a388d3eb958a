#include "gui/dialogs/dialogs.h"

#include "catalogue/dialogs/drives_dialog.h"
#include "catalogue/dialogs/game_location_dialog.h"
#include "gui/dialogs/con_editor_views.h"
#include "gui/dialogs/dialog_prompter.h"
#include "gui/dialogs/drives_view.h"
#include "gui/dialogs/game_location_view.h"
#include "gui/dialogs/joystick_settings_view.h"
#include "gui/dialogs/lan_views.h"
#include "gui/dialogs/launch_option_views.h"
#include "gui/dialogs/multiplayer_views.h"
#include "gui/dialogs/name_view.h"
#include "gui/dialogs/unzip_profile_view.h"

namespace gui {

int runGameLocationDialog(wxWindow* parent, catalogue::Catalogue& cat, int advancedSetup,
                          const dialogs::PathBridge& paths) {
  dialogs::WxDialogPrompter prompter(parent);
  catalogue::dialogs::GameLocationDialog dialog(cat, prompter, advancedSetup);
  {
    dialogs::GameLocationView view(parent, dialog, paths);
    prompter.setParent(&view);
    view.ShowModal();
  }
  dialog.close();  // commits unless OK already did
  return cat.currentSlot();
}

bool runOtherOptionsDialog(wxWindow* parent, multiplayer::OtherOptionsDialog& dialog) {
  dialogs::OtherOptionsView view(parent, dialog);
  return view.ShowModal() == wxID_OK;
}

bool runAutoLaunchOptionsDialog(wxWindow* parent, multiplayer::AutoLaunchOptionsDialog& dialog) {
  dialogs::AutoLaunchOptionsView view(parent, dialog);
  return view.ShowModal() == wxID_OK;
}

void runConEditor(wxWindow* parent, content::ConEditor& editor) {
  dialogs::ConEditorView view(parent, editor);
  view.ShowModal();
}

void runWeaponOrderDialog(wxWindow* parent, content::WeaponOrder& order) {
  dialogs::WeaponOrderView view(parent, order);
  view.ShowModal();
}

bool runRtsEditor(wxWindow* parent, content::RtsEditor& editor) {
  dialogs::RtsEditorView view(parent, editor);
  return view.ShowModal() == wxID_OK;
}

void runServerDialog(wxWindow* parent, lan::ServerDialog& dialog) {
  dialogs::ServerView view(parent, dialog);
  if (dialog.result() == lan::ServerDialog::Result::kRunning) view.ShowModal();
}

void runClientDialog(wxWindow* parent, lan::ClientDialog& dialog) {
  dialogs::ClientView view(parent, dialog);
  if (dialog.result() == lan::ClientDialog::Result::kRunning) view.ShowModal();
}

void runDownloadDialog(wxWindow* parent, lan::DownloadDialog& dialog) {
  dialogs::DownloadView view(parent, dialog);
  if (dialog.result() == lan::DownloadDialog::Result::kRunning) view.ShowModal();
}

bool runNewNumberDialog(wxWindow* parent, multiplayer::NewNumberDialog& dialog) {
  dialogs::NewNumberView view(parent, dialog);
  return view.ShowModal() == wxID_OK;
}

bool runNameDialog(wxWindow* parent, files::NameDialog& dialog) {
  dialogs::NameView view(parent, dialog);
  return view.ShowModal() == wxID_OK;
}

bool runUnzipProfileDialog(wxWindow* parent, launch::UnzipProfileDialog& dialog,
                           const dialogs::PathBridge& paths) {
  dialogs::UnzipProfileView view(parent, dialog, paths);
  return view.ShowModal() == wxID_OK;
}

void runJoystickSettingsDialog(wxWindow* parent, input::JoystickSettingsDialog& dialog) {
  dialogs::JoystickSettingsView view(parent, dialog);
  view.ShowModal();
}

void runLaunchOptionsDialog(wxWindow* parent, catalogue::Catalogue& cat) {
  launch::dialogs::LaunchOptions options(cat.univ(), cat.current(), cat.gameData());
  dialogs::LaunchOptionsView view(parent, options);
  view.ShowModal();
}

void runSoundVideoMemoryOptionsDialog(wxWindow* parent, catalogue::Catalogue& cat) {
  launch::dialogs::SoundVideoMemoryOptions options(cat.current(), cat.gameData());
  {
    dialogs::SoundVideoMemoryView view(parent, options);
    view.ShowModal();
  }
  options.close();
}

void runDemoRespawnOptionsDialog(wxWindow* parent, catalogue::Catalogue& cat) {
  launch::dialogs::DemoRespawnOptions options(cat.current(), cat.gameData());
  {
    dialogs::DemoRespawnView view(parent, options);
    view.ShowModal();
  }
  options.close();
}

bool runDrivesDialog(wxWindow* parent, platform::DriveMap& map) {
  dialogs::WxDialogPrompter prompter(parent);
  catalogue::dialogs::DrivesDialog dialog(map, prompter);
  {
    dialogs::DrivesView view(parent, dialog);
    prompter.setParent(&view);
    view.ShowModal();
  }
  return dialog.changed();
}

std::optional<std::string> WxGameFolderChooser::chooseGameFolder() {
  return dialogs::chooseFolder(parent_, catalogue::GameFolderChooser::kTitle, "");
}

}  // namespace gui
