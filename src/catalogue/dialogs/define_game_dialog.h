// The define-game dialog ("Define Selected Game Parameters"): the name, the execution file, the
// skill/episode/level switches with their ranges, the game type and the override protection of
// one game record, plus the entry points to the game's option pages and the copy and paste of
// whole definitions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "catalogue/dialogs/definition_pages.h"
#include "catalogue/game_info_record.h"
#include "catalogue/run_with.h"

namespace catalogue::dialogs {

// The one record "Copy Game Parameters" fills and "Paste Game Parameters" reads, shared by
// every define-game dialog of the process; all zero until the first copy.
GameInfoRecord& gameClipboard();

class DefineGameDialog {
 public:
  static constexpr const char* kTitle = "Define Selected Game Parameters";
  static constexpr const char* kSearchFilter =
      "Programs (*.exe;*.com) | *.exe;*.com | Programs & Batch Files "
      "(*.exe;*.com;*.bat;*.pif;*.lnk) | *.exe;*.com;*.bat;*.pif;*.lnk | All Files (*.*) | *.* ||";
  // The entries of "Game Type =" and the game type each one stands for.
  static constexpr std::array<const char*, 4> kGameTypeNames{"N/A", "Duke3d 1.3", "Duke3d 1.4&1.5",
                                                             "Quake"};
  static constexpr std::array<uint8_t, 4> kGameTypeKinds{0, 1, 2, 6};
  // A slot whose default definition carries this name has no game of its own yet.
  static constexpr const char* kUndefinedName = "Undefine";
  // Slots 0-17 hold the built-in definitions the advanced setup protects.
  static constexpr int kLastProtectedSlot = 17;
  // The entries of "Run with:", in the order of Fields::runWith.
  static constexpr std::array<const char*, 2> kRunWithNames{"DOSBox", "native program"};

  // The texts of the dialog's fields while it is open.
  struct Fields {
    std::string name;           // "Game Name:"
    std::string executionFile;  // "Game Execution File": directory and file name
    std::string skillCommand, skillMin, skillMax;
    std::string episodeCommand, episodeMin, episodeMax;
    std::string levelCommand, levelMin, levelMax;
    int gameType = 0;  // entry of "Game Type ="; -1 when the record's type is not in the list
    bool preventOverride = false;
    // "Run with:": 0 DOSBox, 1 a native program of this machine with its fixed arguments
    // (the arguments as one line, split as splitArguments() splits it).
    int runWith = 0;
    std::string nativeProgram;
    std::string nativeArguments;
  };

  // Edits `record` (the current record) of `slot`. `gameDirectory` is where "Search Execution
  // File" starts. The clipboard defaults to the process-wide one.
  DefineGameDialog(GameInfoRecord& record, int slot, int advancedSetup, std::string gameDirectory,
                   GameInfoRecord& clipboard = gameClipboard());
  // The same, with what the game runs with now (a setting of this machine, not of the record).
  DefineGameDialog(GameInfoRecord& record, int slot, int advancedSetup, std::string gameDirectory,
                   const RunWith& runWith, GameInfoRecord& clipboard = gameClipboard());

  Fields& fields() { return fields_; }
  const Fields& fields() const { return fields_; }
  int slot() const { return slot_; }
  int advancedSetup() const { return advancedSetup_; }
  GameInfoRecord& record() { return record_; }

  // True when the built-in definition keeps the switches, ranges and protection flag.
  bool keepsBuiltInDefinition() const;

  // "Search Execution File": where the file dialog starts, its filter, and its answer.
  const std::string& searchDirectory() const { return gameDirectory_; }
  void executionFileChosen(const std::string& dosPath) { fields_.executionFile = dosPath; }

  // Whether the button of an option page opens it now.
  bool canOpen(DefinitionPage page) const;
  // The editor of an option page; it edits the record itself.
  DefinitionPageEditor pageEditor(DefinitionPage page) { return {record_, page}; }

  void copyParameters();
  // Does nothing while the clipboard holds no definition (no name).
  void pasteParameters();

  // Whether the native program's boxes take input (only with "native program" chosen).
  bool nativeFieldsEnabled() const { return fields_.runWith == 1; }
  void nativeProgramChosen(const std::string& hostPath) { fields_.nativeProgram = hostPath; }
  // What the game runs with: as it came in until OK, then as the fields said.
  const RunWith& runWith() const { return runWith_; }

  // Stores the fields into the record and into runWith().
  void ok();

 private:
  void loadFields();
  void loadDefinitionFields();

  GameInfoRecord& record_;
  int slot_;
  int advancedSetup_;
  std::string gameDirectory_;
  GameInfoRecord& clipboard_;
  RunWith runWith_;
  Fields fields_;
};

}  // namespace catalogue::dialogs
