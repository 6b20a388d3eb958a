#include "gui/app/wx_pointer.h"

#include <wx/gdicmn.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace gui {

namespace {

int wxButtonOf(platform::PointerButton button) {
  switch (button) {
    case platform::PointerButton::kRight:
      return wxMOUSE_BTN_RIGHT;
    case platform::PointerButton::kMiddle:
      return wxMOUSE_BTN_MIDDLE;
    default:
      return wxMOUSE_BTN_LEFT;
  }
}

}  // namespace

platform::PointerPoint WxPointer::position() const {
  const wxPoint p = wxGetMousePosition();
  return {p.x, p.y};
}

platform::ScreenSize WxPointer::screenSize() const {
  const wxSize size = wxGetDisplaySize();
  return {size.GetWidth(), size.GetHeight()};
}

void WxPointer::moveTo(platform::PointerPoint point) {
  const platform::PointerPoint on = platform::clampToScreen(point, screenSize());
  simulator_.MouseMove(on.x, on.y);
}

void WxPointer::buttonDown(platform::PointerButton button) {
  simulator_.MouseDown(wxButtonOf(button));
}

void WxPointer::buttonUp(platform::PointerButton button) {
  simulator_.MouseUp(wxButtonOf(button));
}

}  // namespace gui
