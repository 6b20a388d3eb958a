// The EditTools menu's outside tools that live in the game directory: the group-file extractor
// (run on the picked group file or the game's own, with a file pattern) and the art editor
// (with the art files it needs extracted first), each run through the command interpreter in
// the list's directory; and the game's and the editor's setup programs, started in the game
// directory and left to run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "platform/file_system.h"
#include "platform/processes.h"
#include "platform/prompter.h"

namespace content {

class ContentTools {
 public:
  static constexpr const char* kToolMissing =
      "%s program is not in the Game directory. See \"EditArt\", \"KExtract\", and \"goodies "
      "directory\" for more information";
  static constexpr const char* kSetupMissing = "%s program is not in the Game directory.";
  static constexpr const char* kNoDirectory =
      "No directory was selected.  To select a directory, select any file within the target "
      "directory.";

  ContentTools(platform::FileSystem& fs, platform::Processes& processes,
               platform::Prompter& prompter, const catalogue::GameInfoRecord& game,
               const catalogue::GameDataRecord& data);

  // Extracts the members matching each pattern in turn into `targetDir` (the game directory
  // when empty), from `selectedFile` when it is a group file, else the game's group file.
  // False when the extractor is missing (said in a box).
  bool extract(const std::vector<std::string>& patterns, const std::string& selectedFile,
               const std::string& targetDir);
  // The art editor in `targetDir`, after extracting the art files it needs that are missing
  // there; an empty target says so and uses the game directory.
  bool editArt(const std::string& targetDir);

  // The game's setup program ("setup.exe" when the definition names none) or, with `editor`,
  // the editor's ("bsetup.exe"), started in the game directory without waiting for it. False
  // when it is missing or could not be started (said in a box).
  bool startSetupProgram(bool editor);

  const std::string& gameDirectory() const { return gameDir_; }

 private:
  // The tool's path in the game directory; nothing (and the box) when it is not there.
  std::optional<std::string> tool(const std::string& name, const char* missing = kToolMissing);
  void runIn(const std::string& dir, const std::string& command);

  platform::FileSystem& fs_;
  platform::Processes& processes_;
  platform::Prompter& prompter_;
  const catalogue::GameInfoRecord& game_;
  const catalogue::GameDataRecord& data_;
  std::string gameDir_;
  bool blood_;
};

}  // namespace content
