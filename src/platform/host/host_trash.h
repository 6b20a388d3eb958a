// The desktop's trash as the freedesktop.org trash layout has it: the home trash is
// $XDG_DATA_HOME/Trash (else ~/.local/share/Trash), a trashed file goes to its files/ folder and
// files/NAME is described by info/NAME.trashinfo (where it was and when it was deleted), so the
// desktop's file managers can put it back.
#pragma once

#include <string>

namespace platform {

enum class TrashResult {
  kTrashed,
  kOtherFileSystem,  // the file lies on another file system than the home trash
  kFailed,           // the file is where it was; `why` says what went wrong
};

// The home trash folder.
std::string homeTrashDirectory();

// Moves the host file `hostFile` (an absolute path) into the home trash.
TrashResult moveToHomeTrash(const std::string& hostFile, std::string& why);

}  // namespace platform
