#include "setup/gui/about_list_dialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include "setup/gui/wx_text.h"

namespace setup::gui {

CAboutListDlg::CAboutListDlg(wxWindow* parent, const std::vector<std::string>& lines)
    : wxDialog(parent, wxID_ANY, "About") {
  auto* column = new wxBoxSizer(wxVERTICAL);
  auto* list = new wxListBox(this, kIdLines, wxDefaultPosition, wxSize(460, 240));
  for (const std::string& line : lines) list->Append(toWx(line));
  column->Add(list, 1, wxEXPAND | wxALL, 12);
  column->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALIGN_CENTER | wxBOTTOM, 12);
  SetSizerAndFit(column);
  CentreOnParent();
}

}  // namespace setup::gui
