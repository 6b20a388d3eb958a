// The Drives dialog's view: the list of drive letters and their folders, with "Add...",
// "Change Folder..." and "Remove", bound to DrivesDialog. Folders are chosen with the toolkit's
// folder dialog.
#pragma once

#include <wx/listctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "catalogue/dialogs/drives_dialog.h"
#include "gui/dialogs/view_support.h"

namespace gui::dialogs {

// Asks for a folder of this machine: title, folder to start in; nothing when cancelled.
using FolderChooser =
    std::function<std::optional<std::string>(const std::string&, const std::string&)>;
// The toolkit's folder dialog over `parent`.
std::optional<std::string> chooseFolder(wxWindow* parent, const std::string& title,
                                        const std::string& startFolder);

class DrivesView : public View {
 public:
  // `choose` replaces the folder dialog (for tests); by default the toolkit's is used.
  DrivesView(wxWindow* parent, catalogue::dialogs::DrivesDialog& dialog, FolderChooser choose = {});

 private:
  void refresh();

  catalogue::dialogs::DrivesDialog& dialog_;
  FolderChooser choose_;
  wxListCtrl* list_ = nullptr;
  bool syncing_ = false;
};

}  // namespace gui::dialogs
