// The file manager's operations on the file picked in the left list: copy and move into the
// directory of the "Long Name Dir" list, delete with the companion files, rename, new
// directory, and the ".bck" backup copy. Each asks first unless the file manager is in expert
// mode; each says why when it could not be done.
#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/prompter.h"

namespace files {

enum class FileOperation {
  kCopy = 1,
  kMove = 2,
  kDelete = 3,
  kRename = 4,
  kCreateDirectory = 5,
  kRemoveBackup = 6,
  kRestoreBackup = 7,
};

inline constexpr const char* kSameFileMessage =
    "Source file (%s) is the same as destination (%s).\r\nTo copy/move file, select the source "
    "file in the LEFT list box.  Then select the destination Directory/Folder on the Long-Name "
    "tab (Right-List).";
inline constexpr const char* kCopyQuestion = "Copy \n\rSource: %s\r\nDest: %s";
inline constexpr const char* kMoveQuestion = "MOVE \n\rSource: %s\r\nDest: %s";
inline constexpr const char* kDeleteQuestion = "Are you sure you want to DELETE:\n\r%s";
inline constexpr const char* kTextCompanionQuestion =
    "Do you want to delete the text file (%s) associated with %s";
inline constexpr const char* kZipCompanionQuestion =
    "Do you want to delete the zip file (%s) associated with %s";
inline constexpr const char* kBckCompanionQuestion =
    "Do you want to delete the bck file (%s) associated with %s";

// A name typed for a rename or a new directory is one name in the directory it is made in:
// the reason it is refused, or nothing when it is fine.
std::optional<std::string> refusedName(const std::string& name);

// What the "Rename" dialog offers for `fileName`, and the extension a rename keeps.
struct RenameParts {
  std::string stem;
  std::string extension;  // with its ".", or empty
};
RenameParts renameParts(const std::string& fileName);

class FileOperations {
 public:
  FileOperations(platform::FileSystem& fs, platform::Prompter& prompter, bool expertMode)
      : fs_(fs), prompter_(prompter), expert_(expertMode) {}

  // False, with a message, when `source` is no file to work on.
  bool hasSource(const std::string& source) { return sourceIsFile(source); }

  // Each returns true when the file system changed.
  bool copy(const std::string& source, const std::string& destinationDir);
  bool move(const std::string& source, const std::string& destinationDir);
  bool deleteWithCompanions(const std::string& source);
  // `newStem` is the name without the extension, which the file keeps.
  bool renameFile(const std::string& source, const std::string& newStem);
  bool createDirectory(const std::string& parentDir, const std::string& name);
  bool removeBackup(const std::string& source);
  bool restoreBackup(const std::string& source);
  // The backup of `source`: its path + ".bck" (the copy made before an edit), else, when only
  // that is there, the map editor's own, the extension replaced by ".bck".
  std::string backupOf(const std::string& source) const;

 private:
  // Checks common to copy and move; the target path when the operation may go on.
  std::optional<std::string> transferTarget(const std::string& source,
                                            const std::string& destinationDir,
                                            const char* question);
  // A move to another drive: the copy must be whole before the original goes.
  bool copyThenDelete(const std::string& source, const std::string& target);
  bool confirm(const std::string& text, platform::Buttons buttons);
  bool sourceIsFile(const std::string& source);
  void failed(const std::string& what);

  platform::FileSystem& fs_;
  platform::Prompter& prompter_;
  bool expert_;
};

// The message texts with their "%s" filled in order.
std::string formatMessage(const char* pattern, const std::string& first,
                          const std::string& second = {});

}  // namespace files
