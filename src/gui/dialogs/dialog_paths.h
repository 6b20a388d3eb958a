// File dialogs over the drive map: the views speak DOS paths, the toolkit's file dialog host
// paths. The window program hands its bridge to the dialogs it opens.
#pragma once

#include <wx/window.h>

#include <functional>
#include <optional>
#include <string>

namespace platform {
class HostFileSystem;
}

namespace gui::dialogs {

// How a dialog's file chooser gets from DOS paths to the toolkit's host paths and back. An
// empty bridge (no drive map handed over) disables "Browse" and "Search Execution File".
struct PathBridge {
  std::function<std::optional<std::string>(const std::string&)> toHost;
  std::function<std::optional<std::string>(const std::string&)> toDos;
  bool usable() const { return bool(toHost) && bool(toDos); }
};

// The bridge over the drive map of `fs`, which must outlive it.
PathBridge hostPathBridge(const platform::HostFileSystem& fs);

// Opens a file dialog in `dosDirectory` with one of the program's filter texts; the chosen
// file as a DOS path, nothing when cancelled or when the file lies on no drive.
std::optional<std::string> chooseFile(wxWindow* parent, const PathBridge& paths,
                                      const std::string& filterText,
                                      const std::string& dosDirectory);

}  // namespace gui::dialogs
