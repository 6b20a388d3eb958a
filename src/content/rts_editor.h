// The built-in RTS editor ("RTS Editor"): the ten taunt sounds of a Duke Nukem 3D RTS file,
// unpacked by the game directory's RTS tool into a working directory beside the file, replaced
// one by one with .wav or .voc files, and packed again on Finish.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "platform/file_system.h"
#include "platform/processes.h"
#include "platform/prompter.h"

namespace content {

class RtsEditor {
 public:
  static constexpr const char* kTitle = "RTS Editor";
  static constexpr const char* kCannotOpen = "Could not open RTS file";
  static constexpr const char* kCannotCopyTemp = "Could not create temp RTS file";
  static constexpr const char* kCannotWriteList = "Could not create Text file for RTS.";
  static constexpr const char* kCannotCopyBack = "Could not copy modified RTS file.";
  static constexpr const char* kWorkDirectory = "~~delete.~me\\";
  static constexpr const char* kListFile = "MakeRts.txt";
  static constexpr size_t kSounds = 10;
  // The names stand this far before the end of the file, each followed by 8 other bytes.
  static constexpr size_t kNamesFromEnd = 168;

  // Prepares the editor on `rtsName` in `rtsDirectory` (ending in "\"): reads the sound names,
  // copies the file into the working directory and unpacks it there. failed() tells whether
  // the form may be shown; a box said why not.
  RtsEditor(platform::FileSystem& fs, platform::Processes& processes, platform::Prompter& prompter,
            const catalogue::GameInfoRecord& game, std::string rtsDirectory, std::string rtsName);

  bool failed() const { return failed_; }
  const std::array<std::string, kSounds>& soundNames() const { return sounds_; }
  const std::string& listDirectory() const { return listDirectory_; }
  const std::string& workDirectory() const { return workDirectory_; }
  // "[..]" and the sub-directories in brackets, then the .wav and .voc files, sorted.
  std::vector<std::string> fileEntries() const;
  // A double click in the file list: a bracketed directory is walked into; a file replaces
  // sound `sound` (nothing without one), copied into the working directory first unless it
  // lies beside the RTS file.
  void openFileEntry(const std::string& entry, int sound);

  // Packs the sounds into the RTS file and cleans the working directory up.
  void finish();
  // Leaves the RTS file as it was; the working directory is cleaned up.
  void cancel();

  // The ten sound names in an RTS file's tail; nothing for a file too short to hold them. A
  // name is cut at its NUL or its 8 bytes, and one that is no plain file name (a path, "..",
  // bytes that are no name characters) is left empty.
  static std::optional<std::array<std::string, kSounds>> soundNamesOf(
      std::span<const uint8_t> file);

  // The RTS tool named by the game's definition.
  static std::string toolName(const catalogue::GameInfoRecord& game);

 private:
  void prepare();
  void cleanUp();
  std::string gameDirectory() const;

  platform::FileSystem& fs_;
  platform::Processes& processes_;
  platform::Prompter& prompter_;
  const catalogue::GameInfoRecord& game_;
  std::string rtsDirectory_;
  std::string rtsName_;
  std::string workDirectory_;
  std::string listDirectory_;
  std::array<std::string, kSounds> sounds_;
  bool failed_ = false;
};

}  // namespace content
