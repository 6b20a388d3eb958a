// The end every small box of ours shares: its content above an OK button at the right, the
// box fitted, centred on its parent and shown modally.
#pragma once

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>

namespace gui {

inline void showWithOk(wxDialog& box, wxSizer* content, int margin = 12) {
  auto* all = new wxBoxSizer(wxVERTICAL);
  all->Add(content, 1, wxEXPAND);
  auto* ok = new wxButton(&box, wxID_OK, "OK");
  ok->SetDefault();
  all->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, margin);
  box.SetSizerAndFit(all);
  box.CentreOnParent();
  box.ShowModal();
}

}  // namespace gui
