// "About 3DQuillfen95...": the program's name, version and purpose.
#pragma once

class wxWindow;

namespace gui {

void showAboutBox(wxWindow* parent);

}  // namespace gui
