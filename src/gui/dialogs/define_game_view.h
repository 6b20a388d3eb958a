// The define-game dialog's view: its fields and buttons bound to DefineGameDialog.
#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include "catalogue/dialogs/define_game_dialog.h"
#include "gui/dialogs/view_support.h"

namespace gui::dialogs {

class DefineGameView : public View {
 public:
  DefineGameView(wxWindow* parent, catalogue::dialogs::DefineGameDialog& dialog);

 private:
  wxTextCtrl* text(int id) const;
  void pushFields();
  void pullFields();
  void updateButtons();
  void openPage(catalogue::dialogs::DefinitionPage page);

  catalogue::dialogs::DefineGameDialog& dialog_;
  wxChoice* gameType_ = nullptr;
  wxCheckBox* preventOverride_ = nullptr;
};

}  // namespace gui::dialogs
