#include "files/file_operations.h"

#include <array>

#include "platform/dos_path.h"

namespace files {
namespace dos = platform::dos;
using platform::Answer;
using platform::Buttons;

namespace {

constexpr const char* kNoSourceMessage = "Select a file in the LEFT list box first.";
constexpr const char* kNotAFileMessage = "%s is not a file.  Select a file in the LEFT list box.";
constexpr const char* kRefusedNameMessage =
    "\"%s\" cannot be used: give a name only, without a drive (\":\"), a directory (\"\\\" or "
    "\"/\") or \"..\".";
constexpr const char* kExistsMessage = "%s already exists.  Nothing was changed.";
constexpr const char* kNoBackupMessage = "There is no backup file (%s).";

struct Companion {
  const char* extension;
  const char* question;
};
constexpr std::array<Companion, 3> kCompanions{{
    {"txt", kTextCompanionQuestion},
    {"zip", kZipCompanionQuestion},
    {"bck", kBckCompanionQuestion},
}};

// The companion of `source` with `extension`: the same directory and base name.
std::string companionOf(const std::string& source, const char* extension) {
  const std::string name = dos::fileNameOf(source);
  const size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
  return dos::directoryOf(source) + stem + "." + extension;
}

}  // namespace

std::string formatMessage(const char* pattern, const std::string& first,
                          const std::string& second) {
  std::string out;
  int filled = 0;
  for (const char* p = pattern; *p; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      out += filled++ == 0 ? first : second;
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

std::optional<std::string> refusedName(const std::string& name) {
  bool blank = true;
  for (char c : name)
    if (c != ' ' && c != '.') blank = false;
  // "." and ".." name the directory itself or its parent, not a new entry.
  if (blank || name.find_first_of("\\/:") != std::string::npos ||
      name.find("..") != std::string::npos || dos::hasWildcards(name))
    return formatMessage(kRefusedNameMessage, name);
  return std::nullopt;
}

RenameParts renameParts(const std::string& fileName) {
  // The usual name has a dot and three letters at the end; a shorter extension is kept as well
  // rather than cutting into the name.
  const size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || dot == 0) return {fileName, {}};
  return {fileName.substr(0, dot), fileName.substr(dot)};
}

bool FileOperations::confirm(const std::string& text, Buttons buttons) {
  if (expert_) return true;
  const Answer answer = prompter_.ask(platform::kCaptionProgram, text, buttons);
  return answer == Answer::kOk || answer == Answer::kYes;
}

void FileOperations::failed(const std::string& what) {
  const std::string why = fs_.lastErrorText();
  prompter_.ask(platform::kCaptionError, why.empty() ? what : what + "\r\n" + why, Buttons::kOk);
}

bool FileOperations::sourceIsFile(const std::string& source) {
  const auto found = source.empty() ? std::nullopt : fs_.stat(source);
  if (found && !found->isDirectory()) return true;
  prompter_.tell(source.empty() ? std::string(kNoSourceMessage)
                                : formatMessage(kNotAFileMessage, source));
  return false;
}

std::optional<std::string> FileOperations::transferTarget(const std::string& source,
                                                          const std::string& destinationDir,
                                                          const char* question) {
  const std::string target = dos::withTrailingSeparator(destinationDir) + dos::fileNameOf(source);
  if (fs_.samePath(source, target)) {
    prompter_.tell(formatMessage(kSameFileMessage, source, target));
    return std::nullopt;
  }
  if (!sourceIsFile(source)) return std::nullopt;
  if (!confirm(formatMessage(question, source, target), Buttons::kOkCancel)) return std::nullopt;
  // Replacing a file the player keeps elsewhere is never done in passing.
  if (fs_.exists(target)) {
    prompter_.tell(formatMessage(kExistsMessage, target));
    return std::nullopt;
  }
  return target;
}

bool FileOperations::copy(const std::string& source, const std::string& destinationDir) {
  const auto target = transferTarget(source, destinationDir, kCopyQuestion);
  if (!target) return false;
  if (!fs_.copyFile(source, *target, true)) {
    failed("The file " + source + " could not be copied to " + *target + ".");
    return false;
  }
  fs_.setAttributesNormal(*target);
  return true;
}

bool FileOperations::move(const std::string& source, const std::string& destinationDir) {
  const auto target = transferTarget(source, destinationDir, kMoveQuestion);
  if (!target) return false;
  const bool sameDrive = source.size() > 1 && target->size() > 1 && source[1] == ':' &&
                         dos::toUpper(source[0]) == dos::toUpper((*target)[0]);
  if (sameDrive && fs_.moveFile(source, *target)) return true;
  // Another drive may be another host folder or disk, where a rename cannot go.
  return copyThenDelete(source, *target);
}

bool FileOperations::copyThenDelete(const std::string& source, const std::string& target) {
  const auto before = fs_.stat(source);
  if (!fs_.copyFile(source, target, true)) {
    failed("The file " + source + " could not be moved to " + target + ".  It is still there.");
    return false;
  }
  const auto after = fs_.stat(target);
  if (!before || !after || after->size != before->size) {
    fs_.deleteFile(target);  // an incomplete copy is no copy
    failed("The copy " + target + " is not complete.  " + source + " was kept.");
    return false;
  }
  fs_.setAttributesNormal(target);
  if (!fs_.deleteFile(source)) {
    failed("The file was copied to " + target + " but " + source + " could not be removed.");
  }
  return true;
}

bool FileOperations::deleteWithCompanions(const std::string& source) {
  if (!sourceIsFile(source)) return false;
  if (!confirm(formatMessage(kDeleteQuestion, source), Buttons::kYesNo)) return false;
  if (!fs_.moveToTrash(source)) {
    failed("The file " + source + " could not be deleted.");
    return false;
  }
  for (const Companion& companion : kCompanions) {
    const std::string path = companionOf(source, companion.extension);
    const auto found = fs_.stat(path);
    if (!found || found->isDirectory()) continue;
    if (!confirm(formatMessage(companion.question, path, source), Buttons::kYesNo)) continue;
    if (!fs_.moveToTrash(path)) failed("The file " + path + " could not be deleted.");
  }
  return true;
}

bool FileOperations::renameFile(const std::string& source, const std::string& newStem) {
  if (!sourceIsFile(source)) return false;
  if (const auto refused = refusedName(newStem)) {
    prompter_.tell(*refused);
    return false;
  }
  // The file stays in its own directory: only its name changes.
  const std::string target =
      dos::directoryOf(source) + newStem + renameParts(dos::fileNameOf(source)).extension;
  if (fs_.samePath(source, target) && dos::fileNameOf(source) == dos::fileNameOf(target))
    return false;
  if (fs_.exists(target) && !fs_.samePath(source, target)) {
    prompter_.tell(formatMessage(kExistsMessage, target));
    return false;
  }
  if (!fs_.moveFile(source, target)) {
    failed("The file " + source + " could not be renamed to " + target + ".");
    return false;
  }
  return true;
}

bool FileOperations::createDirectory(const std::string& parentDir, const std::string& name) {
  if (const auto refused = refusedName(name)) {
    prompter_.tell(*refused);
    return false;
  }
  const std::string path = dos::withTrailingSeparator(parentDir) + name;
  if (fs_.exists(path)) {
    prompter_.tell(formatMessage(kExistsMessage, path));
    return false;
  }
  if (!fs_.createDirectory(path)) {
    failed("The directory " + path + " could not be created.");
    return false;
  }
  return true;
}

std::string FileOperations::backupOf(const std::string& source) const {
  const std::string appended = source + ".bck";
  if (fs_.exists(appended)) return appended;
  const std::string name = platform::dos::fileNameOf(source);
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return appended;
  const std::string replaced = platform::dos::directoryOf(source) + name.substr(0, dot) + ".bck";
  return fs_.exists(replaced) ? replaced : appended;
}

bool FileOperations::removeBackup(const std::string& source) {
  const std::string backup = backupOf(source);
  const auto found = fs_.stat(backup);
  if (!found || found->isDirectory()) {
    prompter_.tell(formatMessage(kNoBackupMessage, backup));
    return false;
  }
  if (!fs_.moveToTrash(backup)) {
    failed("The file " + backup + " could not be deleted.");
    return false;
  }
  return true;
}

bool FileOperations::restoreBackup(const std::string& source) {
  const std::string backup = backupOf(source);
  const auto found = fs_.stat(backup);
  const auto bytes = found && !found->isDirectory() ? fs_.readWhole(backup) : std::nullopt;
  if (!bytes) {
    prompter_.tell(formatMessage(kNoBackupMessage, backup));
    return false;
  }
  // The map is replaced whole or not at all.
  if (!fs_.replaceWhole(source, *bytes)) {
    failed("The file " + source + " could not be restored from " + backup + ".");
    return false;
  }
  return true;
}

}  // namespace files
