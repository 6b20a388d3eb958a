#include "setup/gui/about_box.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace setup::gui {

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About setup") {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticBitmap(this, wxID_ANY, wxArtProvider::GetBitmap(wxART_INFORMATION)), 0,
           wxALL, 12);
  row->Add(new wxStaticText(this, wxID_ANY, "setup Version 1.0"), 0,
           wxALIGN_CENTER_VERTICAL | wxTOP | wxBOTTOM | wxRIGHT, 12);
  auto* ok = new wxButton(this, wxID_OK, "OK");
  row->Add(ok, 0, wxALIGN_CENTER_VERTICAL | wxALL, 12);
  ok->SetDefault();
  SetSizerAndFit(row);
  CentreOnParent();
}

}  // namespace setup::gui
