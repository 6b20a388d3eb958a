// Before a picked file is launched: a file must hold something, and a file inside a ZIP
// archive is taken out first, into "~.QF~\" of the game directory, by the unzip program the
// player has (a DOS or Windows one from the usual places, else the machine's own unzip), or
// read in place when the archive can be opened as a folder.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "launch/unzip_profile.h"
#include "platform/file_system.h"
#include "platform/processes.h"
#include "platform/prompter.h"

namespace launch {

inline constexpr const char* kEmptyFile = "Can not launch file %s%s\r\n...File is EMPTY...";
inline constexpr const char* kSelectInsideZip =
    "Please select a file inside the zip file by double clicking the plus sign to the left of "
    "the file.";
inline constexpr const char* kNeedUnzipProgram =
    "This function requires an UnZip Program.  Please use the next dialog screen, to tell "
    "Quillfen the location of your UnZip Program.  \r\n\r\nFor more information, see \"Zip "
    "Files\"";
inline constexpr const char* kMagicZipQuestion = "Is MagicZip active?";

// Where an archive's member lies in a picked path "D:\MAPS\PACK.ZIP\maps/city.map".
struct ArchivePick {
  std::string archive;  // "D:\MAPS\PACK.ZIP"
  std::string member;   // "maps/city.map"; empty when the archive itself was picked
};
// Nothing when the path names no ".ZIP" (any case).
std::optional<ArchivePick> archivePickOf(const std::string& path);

class SelectedFilePreparation {
 public:
  // `profile` is the player's unzip program; a search that finds one changes it.
  SelectedFilePreparation(platform::FileSystem& fs, platform::Processes& processes,
                          platform::Prompter& prompter, UnzipProfile& profile, std::string gameDir);
  // "UnZip Profile", opened when no unzip program can be found: true for OK.
  using ProfileEditor = std::function<bool(UnzipProfileDialog&)>;
  void setProfileEditor(ProfileEditor editor) { editProfile_ = std::move(editor); }

  // The file to launch for the picked `path`: itself, or the member taken out of its archive.
  // Nothing when the launch cannot go on (the player was told why).
  std::optional<std::string> prepare(const std::string& path);

 private:
  enum class UnzipKind { kNone, kDosOrWindows, kZipMagic, kWinZip, kHost };
  UnzipKind findUnzipProgram(std::string& program);
  std::optional<std::string> extract(const ArchivePick& pick);

  platform::FileSystem& fs_;
  platform::Processes& processes_;
  platform::Prompter& prompter_;
  UnzipProfile& profile_;
  std::string gameDir_;  // ends in "\"
  ProfileEditor editProfile_;
};

}  // namespace launch
