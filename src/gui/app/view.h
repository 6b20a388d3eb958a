// The form view: its window is the main panel, which the frame lays out in its middle.
#pragma once

#include <wx/docview.h>

class CMy3DQuillfen95View : public wxView {
 public:
  CMy3DQuillfen95View() = default;
  bool OnCreate(wxDocument* doc, long flags) override;
  void OnDraw(wxDC*) override {}
  bool OnClose(bool deleteWindow) override;
  // The frame's title names the game, not the (empty) document.
  void OnChangeFilename() override;

 private:
  wxDECLARE_DYNAMIC_CLASS(CMy3DQuillfen95View);
};
