// The game select dialog's view: twenty game buttons in two columns bound to GameSelectDialog.
#pragma once

#include "catalogue/dialogs/game_select_dialog.h"
#include "gui/dialogs/dialog_paths.h"
#include "gui/dialogs/view_support.h"

namespace gui::dialogs {

class GameSelectView : public View {
 public:
  GameSelectView(wxWindow* parent, catalogue::dialogs::GameSelectDialog& dialog,
                 const PathBridge& paths);

 private:
  void refresh();

  catalogue::dialogs::GameSelectDialog& dialog_;
  const PathBridge& paths_;
};

}  // namespace gui::dialogs
