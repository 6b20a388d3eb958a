#include "catalogue/dialogs/drives_dialog.h"

namespace catalogue::dialogs {

DrivesDialog::DrivesDialog(platform::DriveMap& map, platform::Prompter& prompter)
    : map_(map), prompter_(prompter) {
  reload();
}

std::string DrivesDialog::letterText(const platform::DriveMapping& row) {
  return std::string(1, row.letter) + ":";
}

std::string DrivesDialog::folderText(const platform::DriveMapping& row) {
  return row.present ? row.hostFolder : row.hostFolder + kMissingMark;
}

void DrivesDialog::select(int row) {
  selected_ = (row >= 0 && row < int(rows_.size())) ? row : -1;
}

std::optional<char> DrivesDialog::selectedLetter() const {
  if (selected_ < 0) return std::nullopt;
  return rows_[size_t(selected_)].letter;
}

bool DrivesDialog::selectLetter(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = char(letter - 'a' + 'A');
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].letter == letter) {
      selected_ = int(i);
      return true;
    }
  }
  return false;
}

bool DrivesDialog::canRemove() const {
  const auto letter = selectedLetter();
  return letter && !platform::DriveMap::isFixedDrive(*letter);
}

std::string DrivesDialog::addChooserTitle() const {
  return "Choose the folder for drive " + std::string(1, nextLetter()) + ":";
}

std::string DrivesDialog::changeChooserTitle() const {
  const auto letter = selectedLetter();
  return "Choose the folder for drive " + std::string(1, letter ? *letter : '?') + ":";
}

std::string DrivesDialog::changeStartFolder() const {
  return selected_ < 0 ? std::string() : rows_[size_t(selected_)].hostFolder;
}

bool DrivesDialog::add(const std::string& hostFolder) {
  const char letter = nextLetter();
  if (!letter) return report("Every drive letter from D: to Y: is taken.");
  if (!report(map_.mapDrive(letter, hostFolder))) return false;
  reload();
  selectLetter(letter);
  return true;
}

bool DrivesDialog::changeFolder(const std::string& hostFolder) {
  const auto letter = selectedLetter();
  if (!letter) return false;
  if (!report(map_.changeDrive(*letter, hostFolder))) return false;
  reload();
  selectLetter(*letter);
  return true;
}

bool DrivesDialog::removeSelected() {
  if (!canRemove()) return false;
  const int at = selected_;
  if (!report(map_.removeDrive(*selectedLetter()))) return false;
  reload();
  // The row that took its place stays selected, else the one above.
  select(at < int(rows_.size()) ? at : at - 1);
  return true;
}

void DrivesDialog::reload() {
  rows_ = map_.mappings();
  if (selected_ >= int(rows_.size())) selected_ = -1;
}

bool DrivesDialog::report(const std::string& error) {
  if (error.empty()) {
    changed_ = true;
    return true;
  }
  prompter_.ask(kTitle, error, platform::Buttons::kOk);
  return false;
}

}  // namespace catalogue::dialogs
