// The view of "UnZip Profile": the unzip program's path in its frame with ">>" to browse for it,
// the "ZipMagic" and "WinZip" check boxes, OK and Cancel.
#pragma once

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "gui/dialogs/dialog_paths.h"
#include "gui/dialogs/view_support.h"
#include "launch/unzip_profile.h"

namespace gui::dialogs {

inline constexpr int kIdUnzipProgram = 3300;
inline constexpr int kIdUnzipBrowse = 3301;
inline constexpr int kIdZipMagic = 3302;
inline constexpr int kIdWinZip = 3303;

class UnzipProfileView : public View {
 public:
  UnzipProfileView(wxWindow* parent, launch::UnzipProfileDialog& dialog, const PathBridge& paths);

 private:
  launch::UnzipProfileDialog& dialog_;
  const PathBridge& paths_;
  wxTextCtrl* program_ = nullptr;
  wxCheckBox* zipMagic_ = nullptr;
  wxCheckBox* winZip_ = nullptr;
};

}  // namespace gui::dialogs
