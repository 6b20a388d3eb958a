// The game location dialog's view: five rows of name, directory and "Browse", bound to
// GameLocationDialog.
#pragma once

#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <array>

#include "catalogue/dialogs/game_location_dialog.h"
#include "gui/dialogs/dialog_paths.h"
#include "gui/dialogs/view_support.h"

namespace gui::dialogs {

class GameLocationView : public View {
 public:
  // `paths` must outlive the view; "Browse" is disabled when it is empty.
  GameLocationView(wxWindow* parent, catalogue::dialogs::GameLocationDialog& dialog,
                   const PathBridge& paths);

 private:
  using Dialog = catalogue::dialogs::GameLocationDialog;
  void pullRows();
  void refresh();

  Dialog& dialog_;
  const PathBridge& paths_;
  std::array<wxStaticText*, Dialog::kRows> slots_{};
  std::array<wxTextCtrl*, Dialog::kRows> names_{};
  std::array<wxTextCtrl*, Dialog::kRows> dirs_{};
};

}  // namespace gui::dialogs
