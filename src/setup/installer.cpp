#include "setup/installer.h"

#include <string>
#include <string_view>

#include "setup/shortcut_layout.h"

namespace setup {
namespace {

constexpr const char* kNeedDrive = "You must enter a drive letter and path";
constexpr const char* kBadFormat = "Incorrect path format.  Please try again.";
constexpr const char* kTooManyLevels =
    "You have entered more than seven subdirectory.  Enter less than seven subdirectories.  "
    "Please try again.";
constexpr const char* kShortcutMissing =
    "Could not find one or more required setup file.  Setup files are not complete.  Setup "
    "will have to exit.";
constexpr const char* kNoFileList =
    "Could not find one or more required setup file(s).  Setup files are not complete.  Setup "
    "will have to exit.";
constexpr const char* kCopyFailed =
    "Could not copy one or more required setup file(s).  Setup will have to exit.";
constexpr const char* kNoShortCut = "Could not make short cut.";
constexpr const char* kNoProgramGroup = "Could not make program group.";
constexpr const char* kNoMenuEntry = "Could not make the desktop menu entry.";
constexpr const char* kComplete = "Setup is complete.";
constexpr const char* kCompleteStart =
    "Setup is complete.  \r\nStart Quillfen95 by pressing the Windows95 START button.  Then "
    "select Quillfen95.";

// Two limits of our own: the shortcut's fields set the longest path, and names are never cut.
const std::string kNameTooLong = "A directory name can have at most " +
                                 std::to_string(kMaxNameLength) + " characters.  Please try again.";
const std::string kPathTooLong = "The directory path is too long.  Enter a path of at most " +
                                 std::to_string(shortcut::kMaxInstallPath) +
                                 " characters.  Please try again.";

bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Characters no file or directory name can hold.
bool isValidName(std::string_view name) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("<>:\"/|?*").find(c) != std::string_view::npos) return false;
  }
  return true;
}

// "C:\GAMES\" becomes "C:\GAMES" and "C:\" becomes "C:", so that dir + "\" + name always has
// one separator.
std::string withoutTrailingSeparator(std::string dir) {
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  return dir;
}

}  // namespace

// The accepted install path, split as the shortcut and the directory creation need it.
struct Installer::Target {
  std::string path;   // P without trailing "\" ("D:\GAMES\QF", or "D:" for a drive's root)
  std::string drive;  // "D:\"
  std::string rest;   // "GAMES\QF"
  std::vector<std::string> names;
  std::string workingDirectory() const { return drive + rest; }
  std::string program() const {
    return workingDirectory() + (rest.empty() ? "" : "\\") + std::string(shortcut::kProgramName);
  }
};

Installer::Installer(platform::FileSystem& fs, platform::Prompter& prompter,
                     DesktopEntryWriter& desktop)
    : fs_(fs), prompter_(prompter), desktop_(desktop) {}

void Installer::error(const std::string& text) {
  prompter_.ask(kCaptionSetup, text, platform::Buttons::kOk);
}

std::optional<Installer::Target> Installer::checkPath(const std::string& typed) {
  if (typed.size() < 3 || typed.compare(1, 2, ":\\") != 0 || !isLetter(typed[0])) {
    error(kNeedDrive);
    return std::nullopt;
  }
  // An empty name anywhere, the end included ("D:\GAMES\\"), is a malformed path.
  if (typed.find("\\\\") != std::string::npos) {
    error(kBadFormat);
    return std::nullopt;
  }
  Target target;
  target.path = typed;
  for (size_t at = 2; at < target.path.size(); ++at) {
    if (target.path[at] != '\\') continue;
    if (at + 1 == target.path.size()) {
      target.path.pop_back();
      break;
    }
    const size_t next = target.path.find('\\', at + 1);
    target.names.push_back(target.path.substr(at + 1, next - at - 1));
  }
  if (target.names.size() > kMaxSubdirectories) {
    error(kTooManyLevels);
    return std::nullopt;
  }
  for (const std::string& name : target.names) {
    if (!isValidName(name)) {
      error(kBadFormat);
      return std::nullopt;
    }
    if (name.size() > kMaxNameLength) {
      error(kNameTooLong);
      return std::nullopt;
    }
  }
  if (target.path.size() > shortcut::kMaxInstallPath) {
    error(kPathTooLong);
    return std::nullopt;
  }
  target.drive = typed.substr(0, shortcut::kDriveLength);
  target.rest = target.path.size() > 3 ? target.path.substr(3) : "";
  return target;
}

bool Installer::patchShortcut(const std::string& source, const Target& target) {
  auto file = fs_.open(source + "\\" + kShortcutFile, platform::OpenMode::kReadWrite);
  if (!file || file->length() < shortcut::kWorkingDirOffset + shortcut::kWorkingDirField) {
    return false;
  }
  // The rest of each field is cleared as well, so a template that was patched before with a
  // longer path ends up the same as a fresh one.
  auto put = [&](size_t offset, size_t field, const std::string& text) {
    std::string bytes = text;
    bytes.resize(field, '\0');
    return file->seek(offset) && file->write(bytes.data(), bytes.size()) == bytes.size();
  };
  return put(shortcut::kDriveOffset, shortcut::kDriveField, target.drive) &&
         put(shortcut::kFolderOffset, shortcut::kFolderField, target.rest) &&
         put(shortcut::kTargetOffset, shortcut::kTargetField, target.program()) &&
         put(shortcut::kWorkingDirOffset, shortcut::kWorkingDirField, target.workingDirectory());
}

void Installer::createLevels(const std::string& root, const std::vector<std::string>& names) {
  std::string dir = root;
  for (const std::string& name : names) {
    dir += name + "\\";
    fs_.createDirectory(dir);  // fails for the levels that are there already
  }
}

std::optional<std::vector<std::string>> Installer::readLines(const std::string& path, size_t limit,
                                                             bool keepUnterminated) const {
  auto file = fs_.open(path, platform::OpenMode::kRead);
  if (!file) return std::nullopt;
  std::string text(limit, '\0');
  size_t got = 0;
  while (got < limit) {
    const size_t more = file->read(text.data() + got, limit - got);
    if (more == 0) break;
    got += more;
  }
  text.resize(got);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (keepUnterminated && start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

InstallResult Installer::endAfterShortcutFailure(const char* text) {
  error(text);
  prompter_.ask(kCaptionComplete, kComplete, platform::Buttons::kOk);
  return {InstallResult::Outcome::kAbandoned, 1};
}

InstallResult Installer::install(std::string& directory) {
  const std::optional<Target> target = checkPath(directory);
  if (!target) {
    directory = kDefaultTarget;
    return {InstallResult::Outcome::kRetry, 0};
  }
  const std::string source = withoutTrailingSeparator(fs_.currentDirectory());
  if (!patchShortcut(source, *target)) {
    error(kShortcutMissing);
    return {InstallResult::Outcome::kAbandoned, 1};
  }
  createLevels(target->drive, target->names);

  auto files = readLines(source + "\\" + kFileList, kFileListLimit, true);
  if (!files) {
    error(kNoFileList);
    return {InstallResult::Outcome::kAbandoned, 1};
  }
  for (const std::string& name : *files) {
    if (name.empty()) continue;  // a blank line names no file
    if (!fs_.copyFile(source + "\\" + name, target->path + "\\" + name, false)) {
      error(kCopyFailed);
      return {InstallResult::Outcome::kAbandoned, 1};
    }
  }

  // A fresh drive map has no Windows directory yet; the Start menu needs one.
  const std::string windows = withoutTrailingSeparator(fs_.windowsDirectory());
  std::vector<std::string> levels;
  for (size_t at = 3; at < windows.size();) {
    const size_t next = windows.find('\\', at);
    levels.push_back(windows.substr(at, next - at));
    at = next == std::string::npos ? windows.size() : next + 1;
  }
  levels.push_back("Start Menu");
  levels.push_back("Programs");
  createLevels(windows.substr(0, 2) + "\\", levels);

  const std::string startMenu = windows + "\\Start Menu\\";
  const std::string shortcut = source + "\\" + kShortcutFile;
  if (!fs_.copyFile(shortcut, startMenu + kShortcutFile, false)) {
    return endAfterShortcutFailure(kNoShortCut);
  }
  if (!fs_.copyFile(shortcut, startMenu + "Programs\\" + kShortcutFile, false)) {
    return endAfterShortcutFailure(kNoProgramGroup);
  }
  if (!desktop_.write(target->program(), target->workingDirectory())) {
    return endAfterShortcutFailure(kNoMenuEntry);
  }
  prompter_.ask(kCaptionComplete, kCompleteStart, platform::Buttons::kOk);
  return {InstallResult::Outcome::kCompleted, 0};
}

std::optional<std::vector<std::string>> Installer::aboutLines() const {
  return readLines(withoutTrailingSeparator(fs_.currentDirectory()) + "\\" + kAboutFile,
                   kAboutLimit, false);
}

}  // namespace setup
