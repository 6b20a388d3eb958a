// The read-only "Default Files and Directories" box.
#pragma once

#include <wx/window.h>

#include <vector>

#include "app/default_files.h"

namespace gui {

void showDefaultFilesBox(wxWindow* parent, const std::vector<app::DefaultFileRow>& rows);

}  // namespace gui
