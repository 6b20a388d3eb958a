// The game location dialog ("Game Location Configuration"): five rows of slots, each with the
// game's name, its directory and its executable, paged five slots at a time. Applying the rows
// defines or moves the slots; closing the dialog in any way commits its selection.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/dialogs/game_select_dialog.h"
#include "platform/prompter.h"

namespace catalogue::dialogs {

struct LocationRow {
  std::string name;
  std::string directory;
  std::string executable;
  bool edited = false;
};

class GameLocationDialog {
 public:
  static constexpr const char* kTitle = "Game Location Configuration";
  static constexpr const char* kBrowseFilter =
      "Programs (*.exe) | *.exe | All Files (*.*) | *.* ||";
  static constexpr const char* kBrowseDefaultExtension = "*.exe";
  static constexpr const char* kNoGameDefinedMessage =
      "No Game defined.  In order to continue at least one game must be defined";
  static constexpr int kRows = 5;
  // From this offset on, "Next Page" only moves past a page that holds a game.
  static constexpr int kOpenPagesEnd = 14;

  using GameSelectRunner = std::function<void(GameSelectDialog&)>;

  // Opens on the first page. The selected slot starts as the catalogue's current slot.
  GameLocationDialog(Catalogue& cat, platform::Prompter& prompter, int advancedSetup);

  int offset() const { return offset_; }
  const LocationRow& row(int r) const { return rows_.at(size_t(r)); }
  int rowSlot(int r) const { return offset_ + r; }
  int selectedSlot() const { return selectedSlot_; }
  int advancedSetup() const { return advancedSetup_; }
  const GameInfoRecord& record() const { return record_; }

  // A directory typed into a row; a change marks the row edited.
  void setRowDirectory(int r, const std::string& directory);
  // "Browse": the file dialog starts in the row's directory; the chosen file (a DOS path)
  // gives the row its directory and executable.
  const std::string& browseDirectory(int r) const { return row(r).directory; }
  void browseChose(int r, const std::string& dosPath);

  // Defines or moves the slot of every row that has a directory.
  void applyRows();
  void prevPage();
  void nextPage();
  // "Advance Setup": applies the rows, then runs the game select dialog until a game is
  // current or the user gives up.
  void advanceSetup(const GameSelectRunner& runSelect);
  // "OK": applies the rows and commits.
  void ok();
  // Any other way of closing: commits without applying.
  void close() { commit(); }

  bool committed() const { return committed_; }

 private:
  void fill();
  void commit();
  bool pageHoldsAGame();

  Catalogue& cat_;
  platform::Prompter& prompter_;
  int advancedSetup_;
  int offset_ = 0;
  int selectedSlot_;
  GameInfoRecord record_;
  std::array<LocationRow, kRows> rows_;
  bool committed_ = false;
};

}  // namespace catalogue::dialogs
