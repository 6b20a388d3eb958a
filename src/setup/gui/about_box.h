// The program's own about box: "About setup".
#pragma once

#include <wx/dialog.h>

namespace setup::gui {

class CAboutDlg : public wxDialog {
 public:
  explicit CAboutDlg(wxWindow* parent);
};

}  // namespace setup::gui
