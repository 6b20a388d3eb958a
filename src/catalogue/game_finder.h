// Installs the factory game definitions and looks for installed games on the drives, so a
// first start begins with every known game that is present already defined.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "catalogue/catalogue_files.h"
#include "catalogue/game_info_record.h"
#include "catalogue/run_with.h"
#include "catalogue/univ_info_record.h"
#include "platform/dos_text.h"
#include "platform/file_system.h"
#include "platform/native_programs.h"
#include "platform/prompter.h"

namespace catalogue {

class GameListReader;
struct NativeGameData;

class GameFinder {
 public:
  // Reads the factory definitions from `startupDir` (a DOS path ending in "\").
  GameFinder(platform::FileSystem& fs, platform::Prompter& prompter, std::string startupDir,
             UnivInfoRecord& univ);

  // Rewrites slots 0-19 from the factory definitions, searches for the built-in game types and
  // for the games of the game list file, and leaves CurrentSlot at the first slot found (or at
  // 14999). The final check runs when the installation went through. False when the game file
  // could not be written.
  bool InstallDefaultsAndSearch();
  void setFinalCheck(std::function<void()> check) { finalCheck_ = std::move(check); }
  // After the game list, the native ports this machine has are looked for with their game
  // data; none: not looked for.
  void setNativePrograms(const platform::NativePrograms* programs) { native_ = programs; }

  // The native ports' part of the search: each port and game data pair found is defined in the
  // next free slot from 20 (after the game list's games; the slot that holds the same game
  // already, on a reset), from the built-in definition of its game, to run with the port and
  // "-iwad" and the data file.
  void SearchNativePorts();

  // Searches every kept drive for one game; on a hit completes the working record, keeps it
  // for `slot` (the search writes the found games into the game file together) and returns
  // true. The paths are relative to a candidate parent and start with
  // the game's usual directory, `gameDir` (the first component when empty). When no drive has
  // it there, the game is looked for under any directory name: in the root of D: to Y: and in
  // each directory directly in it, so a player's own folder ("D:\Duke Nukem 3D\") is found;
  // such a directory holds one game of each program name.
  bool FindGame(const std::string& name, const std::string& executablePath,
                const std::string& verificationPath, const std::string& exclusionPath,
                const std::string& overrideName, int slot, const std::string& gameDir = "");

  // The game list's part of the search: the games of `content` (a game list file's text) are
  // looked for and written to the slots from 20 on. On its own, it first collects the drives.
  void SearchGameList(std::string content);
  const GameInfoRecord& defaultRecord(int slot) const { return defaults_[size_t(slot)]; }
  GameInfoRecord& workingRecord() { return working_; }
  const std::vector<char>& searchedDrives() const { return drives_; }
  bool foundAny() const { return found_; }
  // Only for FindGame called on its own: the drives to search.
  void setSearchedDrives(std::vector<char> drives) { drives_ = std::move(drives); }

 private:
  void installProgramDefaults();
  void resetGameFile();
  void collectDrives();
  bool searchBuiltInTypes();
  void searchGameList();
  void applyListEntry(const GameListReader& list);
  // Where a native port's game goes in `gameFile` (the game file's bytes); -1 when no slot is
  // left.
  int nativeSlotFor(const NativeGameData& data, const std::string& dataFile,
                    const std::vector<uint8_t>& gameFile, const RunWithSettings& runWith) const;
  // Writes the reset slots and the records of the games found since the last call into the
  // game file at once.
  // False (and the search stops) when the file could not be read or written.
  bool writeFoundGames();
  bool exists(const std::string& pattern) const;
  // What the names read so far say of a path.
  enum class Presence { kAbsent, kFile, kDirectory, kAsk };  // kAsk: only the file system knows
  // Whether `relative` exists under the directory `dir` (ending in "\"), from the names of each
  // directory on its way, each directory read once per search. A component that may be an
  // alias, a pattern or "." and ".." is left to the file system: a search lists each
  // directory it needs once and no other, and works out no alias to test a name.
  Presence presenceIn(const std::string& dir, const std::string& relative) const;
  // A few dozen names at most in the folders a search reads: a scan beats a hash, and most
  // scans end at the initials.
  struct NameSet {
    std::vector<platform::ListedName> entries;
    uint64_t initials = 0;  // a bit for each upper-cased first character, modulo 64
    static uint64_t initialOf(std::string_view name);
  };
  // The long names in `dir` with their kinds, read once per search.
  const NameSet& namesIn(const std::string& dir) const;
  // Keeps the names of `dir`'s listing for namesIn().
  const NameSet& keepNames(const std::string& dir,
                           std::vector<platform::ListedName>&& entries) const;
  // The entry called `name` among `names`, in any case.
  static const platform::ListedName* findName(std::string_view name, const NameSet& names);
  // Whether a path whose first component is `first` may exist in a directory with `names`.
  static bool mayBeAmong(std::string_view first, const NameSet& names);
  // `dir` + `relative` exists, looked up only when the names cannot tell.
  bool existsIn(const std::string& dir, const std::string& relative) const;
  // The candidate parents that exist on `drive` ("D:\", "D:\games\", ...), in search order.
  const std::vector<std::string>& parentsOn(char drive) const;
  // The candidate parents of games on `drive` ("D:\\", "D:\\games\\", ...), all of them.
  static std::vector<std::string> candidateParents(char drive);
  std::string findInGameFolders(const std::string& executable, const std::string& verification,
                                const std::string& exclusion) const;

  platform::FileSystem& fs_;
  platform::Prompter& prompter_;
  std::string startupDir_;
  UnivInfoRecord& univ_;
  std::array<GameInfoRecord, 20> defaults_;
  GameInfoRecord working_;
  UnivInfoRecord keptLists_;
  std::vector<char> drives_;
  // The root and the directories directly in it of every searched drive but C:, each ending
  // in "\\", with their names.
  struct GameFolder {
    std::string path;
    const NameSet* names;  // in names_
  };
  // Reads the names at the root of `drive` and, but on C:, in each folder directly in it, with
  // one listing. False when the drive shows no names.
  bool readDrive(char drive) const;
  // Each drive's game folders once read, its root first.
  mutable std::map<char, std::vector<GameFolder>> driveFolders_;
  // Of every searched drive, in search order: on the first search that needs them.
  void readGameFolders() const;
  mutable std::vector<GameFolder> gameFolders_;
  mutable bool gameFoldersRead_ = false;
  // Directory and program name (upper case) of every game found.
  std::set<std::string> claimed_;
  // The long names of each directory read so far, by upper-cased path.
  mutable std::unordered_map<std::string, NameSet> names_;
  mutable std::map<char, std::vector<std::string>> parents_;
  // The factory definitions are to be written over slots 0-19, and the found games' records by
  // slot, at the next writeFoundGames().
  bool defaultsPending_ = false;
  std::map<int, GameInfoRecord> foundSlots_;
  bool found_ = false;
  bool gameFileFailed_ = false;
  const platform::NativePrograms* native_ = nullptr;
  // The first slot a native port's game may take: the one after the game list's games.
  int nextListedSlot_ = kFirstListedSlot;
  // How the slots about to be written run; a written slot not here runs in DOSBox.
  std::map<int, RunWith> runWith_;
  std::function<void()> finalCheck_;
};

}  // namespace catalogue
