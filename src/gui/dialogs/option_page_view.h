// One option page of a game definition as a dialog: its sections as grids of labelled text
// boxes and check boxes, bound cell by cell to the page editor.
#pragma once

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <vector>

#include "catalogue/dialogs/definition_pages.h"
#include "gui/dialogs/view_support.h"

namespace gui::dialogs {

class DefinitionPageView : public View {
 public:
  DefinitionPageView(wxWindow* parent, catalogue::dialogs::DefinitionPageEditor& editor);

  // The control of a cell, in reading order from kIdPageCell.
  wxWindow* cellControl(size_t index) const { return cells_.at(index).control; }

 private:
  struct Cell {
    size_t section, row, cell;
    catalogue::dialogs::CellKind kind;
    wxWindow* control;
  };

  wxWindow* makeCell(wxWindow* parent, size_t s, size_t r, size_t c);
  void onOk();

  catalogue::dialogs::DefinitionPageEditor& editor_;
  std::vector<Cell> cells_;
};

}  // namespace gui::dialogs
