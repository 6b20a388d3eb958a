// File dialogs over the drive map: the views speak DOS paths, the toolkit's file dialog host
// paths. The composition root hands over the host file system once.
#pragma once

#include <wx/window.h>

#include <functional>
#include <optional>
#include <string>

namespace platform {
class HostFileSystem;
}

namespace gui {
// Makes "Browse" and "Search Execution File" work; without it those buttons are disabled.
void setDialogFileSystem(platform::HostFileSystem* fs);
}  // namespace gui

namespace gui::dialogs {

struct PathBridge {
  std::function<std::optional<std::string>(const std::string&)> toHost;
  std::function<std::optional<std::string>(const std::string&)> toDos;
  bool usable() const { return bool(toHost) && bool(toDos); }
};
PathBridge& pathBridge();

// Opens a file dialog in `dosDirectory` with one of the program's filter texts; the chosen
// file as a DOS path, nothing when cancelled or when the file lies on no drive.
std::optional<std::string> chooseFile(wxWindow* parent, const std::string& filterText,
                                      const std::string& dosDirectory);

}  // namespace gui::dialogs
