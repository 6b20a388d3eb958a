#include "gui/app/view.h"

#include <wx/app.h>

#include "gui/app/main_frame.h"

wxIMPLEMENT_DYNAMIC_CLASS(CMy3DQuillfen95View, wxView);

namespace {

CMainFrame* mainFrame() {
  return dynamic_cast<CMainFrame*>(wxTheApp->GetTopWindow());
}

}  // namespace

bool CMy3DQuillfen95View::OnCreate(wxDocument* doc, long flags) {
  if (!wxView::OnCreate(doc, flags)) return false;
  CMainFrame* frame = mainFrame();
  if (!frame) return false;
  SetFrame(frame);
  frame->attachView();
  Activate(true);
  return true;
}

bool CMy3DQuillfen95View::OnClose(bool) {
  if (CMainFrame* frame = mainFrame()) frame->viewClosing();
  Activate(false);
  return true;
}

void CMy3DQuillfen95View::OnChangeFilename() {
  if (CMainFrame* frame = mainFrame()) frame->refreshTitle();
}
