// The screen's mouse pointer through wx: its position, the display's size, and moves and
// button presses made with the X server's test extension (wxUIActionSimulator), which the
// server takes as if the mouse did them.
#pragma once

#include <wx/uiaction.h>

#include "platform/pointer.h"

namespace gui {

class WxPointer : public platform::Pointer {
 public:
  platform::PointerPoint position() const override;
  void moveTo(platform::PointerPoint point) override;
  platform::ScreenSize screenSize() const override;
  void buttonDown(platform::PointerButton button) override;
  void buttonUp(platform::PointerButton button) override;

 private:
  wxUIActionSimulator simulator_;
};

}  // namespace gui
