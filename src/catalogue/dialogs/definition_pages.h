// The option dialogs of a game definition: each one a page of labelled fields of the game
// record, laid out in sections of rows and columns. The pages are tables, so every field the
// definition dialogs offer is named once here, by its label and its record field.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/game_info_record.h"

namespace catalogue::dialogs {

// The option dialogs the define-game dialog opens, in the order of its buttons.
enum class DefinitionPage {
  kMultiPlayer,
  kRespawn,
  kVideoSound,
  kHelpSetupFiles,
  kFileList,
  kConfigFiles,
  kMisc,
};
inline constexpr std::array<DefinitionPage, 7> kDefinitionPages{
    DefinitionPage::kMultiPlayer,    DefinitionPage::kRespawn,  DefinitionPage::kVideoSound,
    DefinitionPage::kHelpSetupFiles, DefinitionPage::kFileList, DefinitionPage::kConfigFiles,
    DefinitionPage::kMisc,
};

// How a cell is edited.
enum class CellKind {
  kText,    // a text box cut to the field (one byte short for the NUL)
  kChar,    // a text box of the field's fixed characters
  kNumber,  // a decimal number (an int or a byte field)
  kFlag,    // a check box over a 0/1 int
};

struct PageCell {
  FieldInfo field;
  size_t index = 0;  // element of an array field
  CellKind kind = CellKind::kText;
  // Characters the text box accepts.
  size_t maxLength() const;
};

struct PageRow {
  std::string label;
  std::vector<PageCell> cells;
};

struct PageSection {
  std::string title;                 // may be empty
  std::vector<std::string> columns;  // column captions; empty for a plain list of fields
  std::vector<PageRow> rows;
};

struct PageLayout {
  std::string caption;  // the text of the button that opens the page
  std::vector<PageSection> sections;
};

const PageLayout& pageLayout(DefinitionPage page);

// Edits one page over a game record: the cell values are held as texts ("0"/"1" for flags)
// while the page is open and stored into the record on OK.
class DefinitionPageEditor {
 public:
  DefinitionPageEditor(GameInfoRecord& record, DefinitionPage page);

  const PageLayout& layout() const { return layout_; }
  // The value of a cell, by section, row and cell index.
  const std::string& value(size_t section, size_t row, size_t cell) const;
  void setValue(size_t section, size_t row, size_t cell, std::string value);

  // Stores every cell into the record. A number that does not parse, or does not fit its
  // field, leaves the field as it was.
  void ok();

 private:
  std::string& slot(size_t section, size_t row, size_t cell);

  GameInfoRecord& record_;
  const PageLayout& layout_;
  std::vector<std::vector<std::vector<std::string>>> values_;
};

// Reads a cell's value from a record as the page shows it.
std::string cellValue(const GameInfoRecord& record, const PageCell& cell);
// Stores a cell's value; false when a number did not parse or fit.
bool storeCellValue(GameInfoRecord& record, const PageCell& cell, const std::string& value);

// A decimal number with an optional sign and blanks around it; nothing for any other text.
std::optional<long> parseDecimal(std::string_view text);

}  // namespace catalogue::dialogs
