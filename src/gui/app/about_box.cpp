#include "gui/app/about_box.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "gui/common/wx_box.h"

namespace gui {

void showAboutBox(wxWindow* parent) {
  wxDialog box(parent, wxID_ANY, "About Quillfen95");
  auto* text = new wxBoxSizer(wxVERTICAL);
  auto* name = new wxStaticText(&box, wxID_ANY, "Quillfen95 Version 1.0");
  wxFont bold = name->GetFont();
  bold.SetWeight(wxFONTWEIGHT_BOLD);
  bold.SetPointSize(bold.GetPointSize() + 2);
  name->SetFont(bold);
  text->Add(name, 0, wxBOTTOM, 6);
  text->Add(new wxStaticText(&box, wxID_ANY, "A front-end for MS-DOS action games."), 0, wxBOTTOM,
            4);
  text->Add(new wxStaticText(&box, wxID_ANY,
                             "Define up to twenty games, pick a map and the options,\n"
                             "and start the game with one command."),
            0);

  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticBitmap(&box, wxID_ANY,
                              wxArtProvider::GetBitmap(wxART_INFORMATION, wxART_MESSAGE_BOX)),
           0, wxALL, 12);
  row->Add(text, 1, wxTOP | wxRIGHT | wxBOTTOM, 12);

  showWithOk(box, row);
}

}  // namespace gui
