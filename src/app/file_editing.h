// Which program edits a picked file: the first file kind whose extension is in the file's name
// names it. The built-in CON and RTS editors, or an outside editor that gets the file by its
// bare name, its full path, or a copy in the game directory when it can only work there.
#pragma once

#include <string>

#include "catalogue/game_info_record.h"
#include "catalogue/launch_link.h"
#include "platform/prompter.h"

namespace app {

inline constexpr const char* kNoFileForEditor = "Select a file before launching the game editor";
inline constexpr const char* kNoValidEditor =
    "You do not have a valid Editor selected for this file type.  For more information, please "
    "see EDITORS";
inline constexpr const char* kConEditorName = "QFEditCon95";
inline constexpr const char* kRtsEditorName = "QFEditRTS95";
inline constexpr const char* kTempEditStem = "~tmpQF95";
inline constexpr const char* kBackupSuffix = ".bck";

enum class EditorChoice {
  kNone,       // no file kind matches the name: nothing happens
  kNoEditor,   // the kind has no edit program
  kConEditor,  // the built-in CON editor
  kRtsEditor,  // the built-in RTS editor
  kOutside,    // an outside program, through the launch
};

struct EditPlan {
  EditorChoice editor = EditorChoice::kNone;
  int kind = -1;
  // What the outside editor gets: the bare name in the game directory, the full path elsewhere,
  // or the name of the temporary copy.
  std::string file;
  std::string arguments;  // the argument template
  // The copy in the game directory the editor works on ("~tmpQF95" + the extension), copied back
  // over the picked file afterwards; empty when the editor works on the file itself.
  std::string tempCopy;
};

// `dir` ends in "\"; `inGameDir` tells whether it is the game directory.
EditPlan planEdit(const catalogue::GameInfoRecord& game, const std::string& dir,
                  const std::string& name, bool inGameDir);

inline constexpr const char* kDefaultFileQuestion =
    "Previous default file%i = %s.\r\nChange default file%i to %s.\r\nDo you wish to launch this "
    "file now?";

// A file of a kind that only sets a default file: each configuration slot n whose
// "@Default File<n>" the kind's template names takes the file's name and directory, and the
// player is asked whether to launch now. True when an answer was Yes. The change stays either
// way.
bool offerDefaultFile(const catalogue::GameInfoRecord& game, int kind, const std::string& dir,
                      const std::string& name, catalogue::ConfigWorkingCopies& copies,
                      platform::Prompter& prompter);

}  // namespace app
