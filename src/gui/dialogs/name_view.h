// The view of the "Rename" and "Create New Directory" dialogs: the name field, OK and Cancel.
#pragma once

#include <wx/textctrl.h>

#include "files/name_dialog.h"
#include "gui/dialogs/view_support.h"

namespace gui::dialogs {

inline constexpr int kIdNameField = 3100;

class NameView : public View {
 public:
  NameView(wxWindow* parent, files::NameDialog& dialog);

 private:
  files::NameDialog& dialog_;
  wxTextCtrl* name_ = nullptr;
};

}  // namespace gui::dialogs
