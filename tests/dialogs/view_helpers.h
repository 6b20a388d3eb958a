// Showing a dialog view in a test: drawn, with a screenshot when QF95_SCREENSHOT_DIR is set,
// and its controls found and clicked by id.
#pragma once

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/time.h>
#include <wx/utils.h>

#include <cstdlib>
#include <string>

#include "gui/common/wx_text.h"

namespace viewtest {

using gui::fromWx;

// Saves a picture of the view as it is now, when QF95_SCREENSHOT_DIR asks for one.
inline void screenshot(wxWindow* view, const std::string& name) {
  const char* dir = std::getenv("QF95_SCREENSHOT_DIR");
  if (!dir || name.empty()) return;
  // Only for the picture: give the X server time to draw everything.
  const wxLongLong until = wxGetLocalTimeMillis() + 400;
  while (wxGetLocalTimeMillis() < until) wxYield();
  const wxRect r = view->GetScreenRect();
  const std::string command = "import -window root -crop " + std::to_string(r.width) + "x" +
                              std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
                              std::to_string(r.y) + " '" + dir + "/" + name + ".png'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

// Shows the view and lets it draw; saves a screenshot of it when asked to.
inline void show(wxWindow* view, const std::string& name) {
  view->Show();
  view->Raise();
  for (int i = 0; i < 20; ++i) wxYield();
  view->Update();
  screenshot(view, name);
}

inline void click(wxWindow* view, int id) {
  wxWindow* button = view->FindWindow(id);
  ASSERT_NE(button, nullptr) << id;
  wxCommandEvent event(wxEVT_BUTTON, id);
  event.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(event);
}

template <class T>
T* control(wxWindow* view, int id) {
  T* found = dynamic_cast<T*>(view->FindWindow(id));
  EXPECT_NE(found, nullptr) << id;
  return found;
}

inline std::string textOf(wxWindow* view, int id) {
  return fromWx(control<wxTextCtrl>(view, id)->GetValue());
}

}  // namespace viewtest
