// "Quillfen95 Install": the directory field and the "&Install" and "&Exit" buttons. Pressing
// "&Install" hands the field to the Installer; the dialog stays open on a refused path.
#pragma once

#include <wx/dialog.h>
#include <wx/textctrl.h>

#include <optional>

#include "setup/installer.h"

namespace setup::gui {

class CInstallDlg : public wxDialog {
 public:
  static constexpr int kIdDirectory = 1100;

  CInstallDlg(wxWindow* parent, Installer& installer);

  // How the installation ended; nothing when the dialog was left with "&Exit".
  const std::optional<InstallResult>& result() const { return result_; }

 private:
  void OnInstall(wxCommandEvent& event);

  Installer& installer_;
  wxTextCtrl* directory_ = nullptr;
  std::optional<InstallResult> result_;
};

}  // namespace setup::gui
