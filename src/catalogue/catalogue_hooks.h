// The catalogue's seams toward the main window: the game location dialog it opens on a first
// start, the folder chooser it opens when a first start found no game, and the refresh of the
// main view after a game is picked.
#pragma once

#include <optional>
#include <string>

namespace catalogue {

class GameLocationDialogRunner {
 public:
  virtual ~GameLocationDialogRunner() = default;
  // Runs the game location dialog with the given advanced-setup value; the dialog commits its
  // rows into the catalogue. Returns the slot it leaves current (14999 when none).
  virtual int runGameLocationDialog(int advancedSetup) = 0;
};

class GameFolderChooser {
 public:
  static constexpr const char* kTitle = "Choose the folder where your games are";
  virtual ~GameFolderChooser() = default;
  // A folder of this machine the player chose (an absolute host path), nothing when cancelled.
  virtual std::optional<std::string> chooseGameFolder() = 0;
};

class MainViewRefresher {
 public:
  virtual ~MainViewRefresher() = default;
  // After a game pick: file lists and mode button, directory kinds, level files, connection
  // types, in that order.
  virtual void refreshAfterGamePick() = 0;
};

}  // namespace catalogue
