// "About": the lines of about.txt in a list box.
#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

namespace setup::gui {

class CAboutListDlg : public wxDialog {
 public:
  static constexpr int kIdLines = 1200;

  CAboutListDlg(wxWindow* parent, const std::vector<std::string>& lines);
};

}  // namespace setup::gui
