#include "app/window_geometry.h"

namespace app {

namespace ui = catalogue::univ_info;

WindowRect storedWindowRect(const catalogue::UnivInfoRecord& univ) {
  return {univ.get(ui::WindowRect, 0), univ.get(ui::WindowRect, 1), univ.get(ui::WindowRect, 2),
          univ.get(ui::WindowRect, 3)};
}

void storeWindowRect(catalogue::UnivInfoRecord& univ, const WindowRect& rect) {
  univ.set(ui::WindowRect, rect.left, 0);
  univ.set(ui::WindowRect, rect.top, 1);
  univ.set(ui::WindowRect, rect.right, 2);
  univ.set(ui::WindowRect, rect.bottom, 3);
}

bool isUsableWindowRect(const WindowRect& rect) {
  return rect.right != 0 && rect.bottom != 0;
}

WindowRect shrunkWindowRect(const WindowRect& rect) {
  const int quarterWidth = (rect.right - rect.left) / 4;
  const int quarterHeight = (rect.bottom - rect.top) / 4;
  return {rect.left + quarterWidth, rect.top + quarterHeight, rect.right - quarterWidth,
          rect.bottom - quarterHeight};
}

}  // namespace app
