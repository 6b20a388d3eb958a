// What setup does: checks the install path the user typed, writes it into the prepared
// shortcut, creates the directories, copies the files of filelist.txt from the directory setup
// was started in, and puts the shortcut on the Start menu and into its Programs folder. Also
// reads about.txt for the about command. Works on DOS paths through the FileSystem only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/prompter.h"
#include "setup/desktop_entry.h"

namespace setup {

inline constexpr const char* kDefaultTarget = "C:\\Quillfen95";
inline constexpr const char* kFileList = "filelist.txt";
inline constexpr const char* kAboutFile = "about.txt";
inline constexpr const char* kShortcutFile = "Quillfen.lnk";

// The completion boxes carry this caption; every other box is a plain one under kCaptionSetup.
inline constexpr const char* kCaptionComplete = "Setup Complete";
inline constexpr const char* kCaptionSetup = "Quillfen95 Setup";

// How many bytes of the two text files are looked at.
inline constexpr size_t kFileListLimit = 2048;
inline constexpr size_t kAboutLimit = 4098;

inline constexpr size_t kMaxSubdirectories = 7;
inline constexpr size_t kMaxNameLength = 31;

struct InstallResult {
  enum class Outcome {
    kRetry,      // the path was refused: the field is back at the default, the dialog stays
    kCompleted,  // installed: the dialog closes and the program ends with exitCode 0
    kAbandoned,  // a setup file was missing or a copy failed: the program ends with exitCode
  };
  Outcome outcome;
  int exitCode;
};

class Installer {
 public:
  Installer(platform::FileSystem& fs, platform::Prompter& prompter, DesktopEntryWriter& desktop);

  // "&Install" with `directory` as the directory field's text. A refused path puts the
  // default back into `directory`.
  InstallResult install(std::string& directory);

  // The lines of about.txt in the current directory that end in CR LF, in order; nothing when
  // the file cannot be opened.
  std::optional<std::vector<std::string>> aboutLines() const;

 private:
  struct Target;

  std::optional<Target> checkPath(const std::string& typed);
  bool patchShortcut(const std::string& source, const Target& target);
  void createLevels(const std::string& root, const std::vector<std::string>& names);
  std::optional<std::vector<std::string>> readLines(const std::string& path, size_t limit,
                                                    bool keepUnterminated) const;
  InstallResult endAfterShortcutFailure(const char* text);
  void error(const std::string& text);

  platform::FileSystem& fs_;
  platform::Prompter& prompter_;
  DesktopEntryWriter& desktop_;
};

}  // namespace setup
