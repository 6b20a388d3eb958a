// The Drives dialog: the drive letters and the folders of this machine they stand for. "Add"
// gives the next free letter a chosen folder, "Change Folder" points the selected letter at
// another one, "Remove" takes a letter away (never C:, the program's drive, or Z:, the whole
// machine). Every change is made at once; a refused one is explained in a message box.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/drive_map.h"
#include "platform/prompter.h"

namespace catalogue::dialogs {

class DrivesDialog {
 public:
  static constexpr const char* kTitle = "Drives";
  static constexpr const char* kMissingMark = " (missing)";

  DrivesDialog(platform::DriveMap& map, platform::Prompter& prompter);

  const std::vector<platform::DriveMapping>& rows() const { return rows_; }
  // "D:" and the folder, the way the list shows a row.
  static std::string letterText(const platform::DriveMapping& row);
  static std::string folderText(const platform::DriveMapping& row);

  // The selected row, -1 for none. Selecting outside the list selects nothing.
  int selected() const { return selected_; }
  void select(int row);
  std::optional<char> selectedLetter() const;
  // Selects the row of a letter; false when it is not mapped.
  bool selectLetter(char letter);

  // The letter "Add" maps (0 when none is free) and whether the buttons are usable.
  char nextLetter() const { return map_.firstFreeLetter(); }
  bool canAdd() const { return nextLetter() != 0; }
  bool canChange() const { return selected_ >= 0; }
  bool canRemove() const;

  // The title of the folder chooser of "Add" and "Change Folder", and where it starts.
  std::string addChooserTitle() const;
  std::string changeChooserTitle() const;
  std::string changeStartFolder() const;

  // The folder chosen after "Add" / "Change Folder"; false (with a box saying why) when the
  // change was refused. The changed row is selected afterwards.
  bool add(const std::string& hostFolder);
  bool changeFolder(const std::string& hostFolder);
  // "Remove" on the selected row; the row that takes its place is selected.
  bool removeSelected();

  // Whether any drive was changed while the dialog was open.
  bool changed() const { return changed_; }

 private:
  void reload();
  bool report(const std::string& error);

  platform::DriveMap& map_;
  platform::Prompter& prompter_;
  std::vector<platform::DriveMapping> rows_;
  int selected_ = -1;
  bool changed_ = false;
};

}  // namespace catalogue::dialogs
