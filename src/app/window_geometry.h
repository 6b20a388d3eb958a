// The main window's rectangle as the settings record keeps it (left, top, right, bottom in
// screen coordinates) and the "Shrink" command's arithmetic.
#pragma once

#include "catalogue/univ_info_record.h"

namespace app {

struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const WindowRect&) const = default;
};

WindowRect storedWindowRect(const catalogue::UnivInfoRecord& univ);
void storeWindowRect(catalogue::UnivInfoRecord& univ, const WindowRect& rect);

// A stored rectangle is used only when its right and bottom values are both non-zero.
bool isUsableWindowRect(const WindowRect& rect);

// Each side moves inward by a quarter of the width (left and right) or of the height (top
// and bottom), integer division.
WindowRect shrunkWindowRect(const WindowRect& rect);

}  // namespace app
