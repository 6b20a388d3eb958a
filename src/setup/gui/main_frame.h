// The frame of the single-document program setup: the welcome form, a menu with "E&xit" and
// the "About setup" box, and a status bar.
#pragma once

#include <wx/frame.h>

#include "setup/installer.h"

namespace setup::gui {

class CSetupView;

class CMainFrame : public wxFrame {
 public:
  explicit CMainFrame(Installer& installer);

  // Runs one of the welcome window's commands (kCmdInstall, kCmdAbout) or wxID_ABOUT.
  void RunCommand(int id);

 private:
  void OnAboutBox(wxCommandEvent& event);

  CSetupView* view_ = nullptr;
};

}  // namespace setup::gui
