// The define-game dialog's view: its fields and buttons bound to DefineGameDialog.
#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include "catalogue/dialogs/define_game_dialog.h"
#include "gui/dialogs/dialog_paths.h"
#include "gui/dialogs/view_support.h"

namespace gui::dialogs {

class DefineGameView : public View {
 public:
  // `paths` must outlive the view; "Search Execution File" is disabled when it is empty.
  DefineGameView(wxWindow* parent, catalogue::dialogs::DefineGameDialog& dialog,
                 const PathBridge& paths);

 private:
  wxTextCtrl* text(int id) const;
  void pushFields();
  void pullFields();
  void updateButtons();
  void openPage(catalogue::dialogs::DefinitionPage page);

  catalogue::dialogs::DefineGameDialog& dialog_;
  const PathBridge& paths_;
  wxChoice* gameType_ = nullptr;
  wxCheckBox* preventOverride_ = nullptr;
  wxChoice* runWith_ = nullptr;
};

}  // namespace gui::dialogs
