// setup's texts are 8-bit strings; wx wants wxString.
#pragma once

#include "gui/common/wx_text.h"

namespace setup::gui {
using ::gui::fromWx;
using ::gui::toWx;
}  // namespace setup::gui
