#include "catalogue/dialogs/game_location_dialog.h"

#include "catalogue/dialogs/file_filter.h"

namespace catalogue::dialogs {

namespace gi = game_info;
namespace ui = univ_info;

GameLocationDialog::GameLocationDialog(Catalogue& cat, platform::Prompter& prompter,
                                       int advancedSetup)
    : cat_(cat),
      prompter_(prompter),
      advancedSetup_(advancedSetup),
      selectedSlot_(cat.currentSlot()),
      record_(cat.current()) {
  fill();
}

void GameLocationDialog::fill() {
  for (int r = 0; r < kRows; ++r) {
    const GameInfoRecord slotRecord = cat_.ReadGameRecord(rowSlot(r));
    rows_[size_t(r)] = LocationRow{slotRecord.get(gi::GameName), slotRecord.get(gi::GameDir),
                                   slotRecord.get(gi::ExecuteFile), false};
  }
}

void GameLocationDialog::setRowDirectory(int r, const std::string& directory) {
  LocationRow& row = rows_.at(size_t(r));
  if (row.directory == directory) return;
  row.directory = directory;
  row.edited = true;
}

void GameLocationDialog::browseChose(int r, const std::string& dosPath) {
  LocationRow& row = rows_.at(size_t(r));
  auto [directory, file] = splitDirectoryAndName(dosPath);
  row.directory = directory;
  row.executable = file;
  row.edited = true;
}

void GameLocationDialog::applyRows() {
  for (int r = 0; r < kRows; ++r) {
    LocationRow& row = rows_[size_t(r)];
    if (row.directory.empty()) continue;
    const bool edited = row.edited;
    cat_.SetGameLocation(row.directory, rowSlot(r), row.executable, &row.edited);
    // A row the user changed defines its slot, which becomes the dialog's selection.
    if (edited && !row.edited) {
      selectedSlot_ = rowSlot(r);
      record_ = cat_.current();
    }
  }
}

bool GameLocationDialog::pageHoldsAGame() {
  const GameInfoRecord first = cat_.ReadGameRecord(offset_);
  const GameInfoRecord last = cat_.ReadGameRecord(offset_ + kRows - 1);
  const bool defined = first.get(gi::IsDefined) != 0 || last.get(gi::IsDefined) != 0;
  const bool named = !first.get(gi::GameName).empty() || !last.get(gi::GameName).empty();
  return defined && named;
}

void GameLocationDialog::prevPage() {
  applyRows();
  offset_ = offset_ >= kRows ? offset_ - kRows : 0;
  fill();
}

void GameLocationDialog::nextPage() {
  applyRows();
  if (offset_ <= kOpenPagesEnd || pageHoldsAGame()) offset_ += kRows;
  fill();
}

void GameLocationDialog::advanceSetup(const GameSelectRunner& runSelect) {
  applyRows();
  // The select dialog works on the current record; make it the selected game's.
  if (isSelectableSlot(selectedSlot_) && selectedSlot_ != cat_.currentSlot())
    cat_.SwitchCurrentSlot(selectedSlot_);
  for (;;) {
    {
      GameSelectDialog select(cat_, advancedSetup_, selectedSlot_, record_);
      runSelect(select);
    }
    if (cat_.currentSlot() <= kHighestSlot) {
      selectedSlot_ = cat_.currentSlot();
      break;
    }
    if (prompter_.ask(platform::kCaptionProgram, kNoGameDefinedMessage,
                      platform::Buttons::kOkCancel) != platform::Answer::kOk)
      break;
  }
  fill();
}

void GameLocationDialog::ok() {
  if (committed_) return;  // the dialog is closed
  applyRows();
  commit();
}

void GameLocationDialog::commit() {
  if (committed_) return;
  committed_ = true;
  // The current game directory already follows the selection: defining a row's slot sets it.
  cat_.univ().set(ui::CurrentSlot, selectedSlot_);
  cat_.current() = record_;
  cat_.univ().set(ui::AdvancedSetup, advancedSetup_);
  cat_.current() = cat_.ReadGameRecord(selectedSlot_);
  cat_.WriteGameRecord(selectedSlot_, cat_.current());
}

}  // namespace catalogue::dialogs
