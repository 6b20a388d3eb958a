// The form "Quillfen95 Setup": the welcome text and the buttons "&Install Quillfen95"
// (command 1000), "&About Quillfen95" (command 1002) and "&Exit Setup".
#pragma once

#include <wx/panel.h>

#include "setup/installer.h"

namespace setup::gui {

class CSetupView : public wxPanel {
 public:
  CSetupView(wxWindow* parent, Installer& installer);

 private:
  void OnInstall(wxCommandEvent& event);
  void OnAbout(wxCommandEvent& event);

  Installer& installer_;
};

}  // namespace setup::gui
