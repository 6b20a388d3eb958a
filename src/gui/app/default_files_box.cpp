#include "gui/app/default_files_box.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/app/wx_text.h"
#include "gui/common/wx_box.h"

namespace gui {

void showDefaultFilesBox(wxWindow* parent, const std::vector<app::DefaultFileRow>& rows) {
  wxDialog box(parent, wxID_ANY, app::kDefaultFilesTitle);
  auto* grid = new wxFlexGridSizer(2, 6, 8);
  grid->AddGrowableCol(1);
  for (const app::DefaultFileRow& row : rows) {
    grid->Add(new wxStaticText(&box, wxID_ANY, toWx(row.label)), 0, wxALIGN_CENTER_VERTICAL);
    // Read-only fields, not labels: a long path can still be scrolled and copied.
    auto* value = new wxTextCtrl(&box, wxID_ANY, toWx(row.value), wxDefaultPosition,
                                 wxSize(420, -1), wxTE_READONLY);
    grid->Add(value, 1, wxEXPAND);
  }
  auto* content = new wxBoxSizer(wxVERTICAL);
  content->Add(grid, 1, wxEXPAND | wxALL, 12);
  showWithOk(box, content);
}

}  // namespace gui
