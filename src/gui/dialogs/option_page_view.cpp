#include "gui/dialogs/option_page_view.h"

#include <wx/button.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <algorithm>

namespace gui::dialogs {

using catalogue::dialogs::CellKind;
using catalogue::dialogs::PageCell;
using catalogue::dialogs::PageSection;

namespace {

constexpr int kMaxPageHeight = 640;

// A text box about as wide as the text it takes, within reason.
int boxWidth(wxWindow* parent, const PageCell& cell) {
  const int charWidth = parent->GetCharWidth();
  const int chars = std::clamp(int(cell.maxLength()), 4, 36);
  return charWidth * chars + 12;
}

}  // namespace

DefinitionPageView::DefinitionPageView(wxWindow* parent,
                                       catalogue::dialogs::DefinitionPageEditor& editor)
    : View(parent, wxID_ANY, toWx(editor.layout().caption), wxDefaultPosition, wxDefaultSize,
           wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      editor_(editor) {
  auto* scroller = new wxScrolledWindow(this, wxID_ANY);
  auto* content = new wxBoxSizer(wxVERTICAL);
  const auto& sections = editor_.layout().sections;
  for (size_t s = 0; s < sections.size(); ++s) {
    const PageSection& section = sections[s];
    wxSizer* box = section.title.empty()
                       ? static_cast<wxSizer*>(new wxBoxSizer(wxVERTICAL))
                       : new wxStaticBoxSizer(wxVERTICAL, scroller, toWx(section.title));
    wxWindow* owner = section.title.empty() ? static_cast<wxWindow*>(scroller)
                                            : static_cast<wxStaticBoxSizer*>(box)->GetStaticBox();
    size_t columns = 1;
    for (const auto& row : section.rows) columns = std::max(columns, row.cells.size());
    auto* grid = new wxFlexGridSizer(int(columns + 1), 4, 8);
    if (!section.columns.empty()) {
      grid->Add(new wxStaticText(owner, wxID_ANY, wxEmptyString));
      for (const auto& caption : section.columns)
        grid->Add(new wxStaticText(owner, wxID_ANY, toWx(caption)), 0, wxALIGN_BOTTOM);
    }
    for (size_t r = 0; r < section.rows.size(); ++r) {
      grid->Add(new wxStaticText(owner, wxID_ANY, toWx(section.rows[r].label)), 0,
                wxALIGN_CENTER_VERTICAL);
      for (size_t c = 0; c < columns; ++c) {
        if (c < section.rows[r].cells.size())
          grid->Add(makeCell(owner, s, r, c), 0, wxALIGN_CENTER_VERTICAL);
        else
          grid->AddSpacer(0);
      }
    }
    box->Add(grid, 0, wxALL, 6);
    content->Add(box, 0, wxEXPAND | wxALL, 6);
  }
  scroller->SetSizer(content);
  scroller->SetScrollRate(0, 16);
  content->FitInside(scroller);
  const wxSize full = content->GetMinSize();
  scroller->SetMinSize(wxSize(full.x + 24, std::min(full.y, kMaxPageHeight)));

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(scroller, 1, wxEXPAND);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);

  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { onOk(); }, wxID_OK);
}

wxWindow* DefinitionPageView::makeCell(wxWindow* parent, size_t s, size_t r, size_t c) {
  const PageCell& cell = editor_.layout().sections[s].rows[r].cells[c];
  const wxWindowID id = wxWindowID(kIdPageCell + cells_.size());
  wxWindow* control;
  if (cell.kind == CellKind::kFlag) {
    auto* box = new wxCheckBox(parent, id, wxEmptyString);
    box->SetValue(editor_.value(s, r, c) == "1");
    control = box;
  } else {
    auto* text = new wxTextCtrl(parent, id, toWx(editor_.value(s, r, c)), wxDefaultPosition,
                                wxSize(boxWidth(parent, cell), -1));
    text->SetMaxLength(cell.maxLength());
    control = text;
  }
  cells_.push_back({s, r, c, cell.kind, control});
  return control;
}

void DefinitionPageView::onOk() {
  for (const Cell& cell : cells_) {
    if (cell.kind == CellKind::kFlag)
      editor_.setValue(cell.section, cell.row, cell.cell,
                       static_cast<wxCheckBox*>(cell.control)->GetValue() ? "1" : "0");
    else
      editor_.setValue(cell.section, cell.row, cell.cell,
                       fromWx(static_cast<wxTextCtrl*>(cell.control)->GetValue()));
  }
  editor_.ok();
  finish(wxID_OK);
}

}  // namespace gui::dialogs
