// The catalogue: the defined games (one GameInfoRecord per slot), the program-wide settings
// and the current game's last-used launch selections, with their files in the start-up
// directory. Exactly one game record is current; switching games writes it back first.
#pragma once

#include <functional>
#include <string>

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_hooks.h"
#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "catalogue/launch_link.h"
#include "catalogue/run_with.h"
#include "catalogue/univ_info_record.h"
#include "platform/file_system.h"
#include "platform/native_programs.h"
#include "platform/prompter.h"

namespace catalogue {

// Results of LoadGameData.
enum GameDataResult : int {
  kGameDataNotCreated = 0,  // the file could not be created (error 15 recorded)
  kGameDataLoaded = 1,
  kGameDataInvalid = 19,  // the file stayed invalid after five attempts
};

class Catalogue {
 public:
  // `startupDir` is a DOS path ending in "\"; every data file lives there.
  Catalogue(platform::FileSystem& fs, platform::Prompter& prompter, std::string startupDir,
            LaunchLink& launch);

  void setGameLocationDialog(GameLocationDialogRunner* dialog) { locationDialog_ = dialog; }
  void setMainViewRefresher(MainViewRefresher* refresher) { refresher_ = refresher; }
  // A first start that finds no game offers to choose the folder of the player's games, which
  // becomes a drive of its own; without a chooser (or a changeable drive map) it does not.
  void setGameFolderChooser(GameFolderChooser* chooser) { folderChooser_ = chooser; }
  // The first start (and a reset) also looks for native ports on this machine through
  // `programs`, which outlives the catalogue; without it they are not looked for.
  void setNativePrograms(const platform::NativePrograms* programs) { native_ = programs; }
  // Runs after the defaults were installed and the drives searched (the silent SpaceOrb check).
  void setAfterSearch(std::function<void()> afterSearch) { afterSearch_ = std::move(afterSearch); }

  // Start-up load; false only when the user declined to define a game.
  bool LoadCatalogue();
  // One slot's record; an unreadable, empty or out-of-range slot gives an all-zero record.
  // A defined record also reloads the game data record of the current slot.
  GameInfoRecord ReadGameRecord(int slot);
  // Writes one slot, padding a short file with copies of the record. False on failure, which
  // is kept for saveError().
  bool WriteGameRecord(int slot, const GameInfoRecord& record);
  bool SaveCatalogue();
  // Keeps the current game's launch selections in its game data file for its next pick; false
  // when the write failed (kept for saveError()). Nothing to do without a selected game.
  bool SaveGameData();
  // The file and the reason of the last write of the player's data that failed since the last
  // call ("" when none), for the window to show; what is in memory stays and is saved again at
  // the next save.
  std::string takeSaveError();
  GameInfoRecord SwitchCurrentSlot(int slot);
  void SelectGame(int slot);
  // Defines or moves a slot. `edited` is the dialog row's edited mark; it is cleared when
  // the row is applied.
  void SetGameLocation(const std::string& directory, int slot, const std::string& executable,
                       bool* edited = nullptr);
  void ResetAllDataFiles();
  int LoadGameData();

  // What the game of `slot` runs with, a setting of this machine kept beside the records.
  RunWith runWith(int slot);
  // False when it could not be saved (kept for takeSaveError()).
  bool setRunWith(int slot, const RunWith& runWith);

  GameInfoRecord& current() { return current_; }
  const GameInfoRecord& current() const { return current_; }
  UnivInfoRecord& univ() { return univ_; }
  const UnivInfoRecord& univ() const { return univ_; }
  GameDataRecord& gameData() { return gameData_; }
  const GameDataRecord& gameData() const { return gameData_; }
  const std::string& startupDirectory() const { return startupDir_; }
  const std::string& currentGameDirectory() const { return currentGameDir_; }
  int currentSlot() const { return univ_.get(univ_info::CurrentSlot); }
  LaunchLink& launchLink() { return launch_; }

  std::string univInfoPath() const { return startupDir_ + kUnivInfoFile; }
  std::string gameInfoPath() const { return startupDir_ + kGameInfoFile; }

 private:
  bool runFirstStart();
  // Installs the factory definitions and searches the drives; false when the definitions
  // could not be installed (nothing was searched).
  bool searchDrives();
  void offerGameFolder();
  GameDataRecord freshGameData() const;
  void noteWriteFailure(const std::string& path);
  // Copies `path` to a dated name beside it ("QuillfenGameInfo-20261208-074512.dat") and tells
  // the player where it is.
  void keepAside(const std::string& path, const char* why);
  // True when the game file holds a slot with a game directory: a player's definitions.
  bool gameFileHoldsGames();
  // Default record 19 of the factory definitions, or an all-zero record when unreadable.
  GameInfoRecord genericDefinition();

  platform::FileSystem& fs_;
  platform::Prompter& prompter_;
  std::string startupDir_;
  LaunchLink& launch_;
  GameLocationDialogRunner* locationDialog_ = nullptr;
  MainViewRefresher* refresher_ = nullptr;
  GameFolderChooser* folderChooser_ = nullptr;
  const platform::NativePrograms* native_ = nullptr;
  std::function<void()> afterSearch_;

  GameInfoRecord current_;
  UnivInfoRecord univ_;
  GameDataRecord gameData_;
  std::string currentGameDir_;
  std::string saveError_;
};

}  // namespace catalogue
