#include "gui/dialogs/dialog_paths.h"

#include <wx/filedlg.h>

#include "catalogue/dialogs/file_filter.h"
#include "gui/dialogs/view_support.h"
#include "platform/host/host_file_system.h"

namespace gui::dialogs {

PathBridge hostPathBridge(const platform::HostFileSystem& fs) {
  PathBridge bridge;
  bridge.toHost = [&fs](const std::string& dos) { return fs.hostPath(dos); };
  bridge.toDos = [&fs](const std::string& host) { return fs.dosPath(host); };
  return bridge;
}

std::optional<std::string> chooseFile(wxWindow* parent, const PathBridge& bridge,
                                      const std::string& filterText,
                                      const std::string& dosDirectory) {
  if (!bridge.usable()) return std::nullopt;
  wxString wildcard;
  for (const auto& entry : catalogue::dialogs::splitFileFilter(filterText)) {
    if (!wildcard.empty()) wildcard += "|";
    // The toolkit matches patterns exactly; DOS names come in any case.
    wildcard +=
        toWx(entry.description) + "|" + toWx(catalogue::dialogs::anyCasePattern(entry.pattern));
  }
  wxString start;
  if (!dosDirectory.empty())
    if (auto host = bridge.toHost(dosDirectory)) start = toWx(*host);
  wxFileDialog dialog(parent, wxFileSelectorPromptStr, start, wxEmptyString, wildcard,
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return bridge.toDos(fromWx(dialog.GetPath()));
}

}  // namespace gui::dialogs
