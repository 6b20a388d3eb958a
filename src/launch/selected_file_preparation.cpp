#include "launch/selected_file_preparation.h"

#include <cstdio>

#include "content/zip_members.h"
#include "launch/map_directory_policy.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace launch {

namespace {

constexpr const char* kZipMagic = "c:\\progra~1\\ZIPMAGIC\\ZIPMAGIC.EXE";
constexpr const char* kWinZip = "c:\\progra~1\\winzip\\WINZIP32.EXE";
// Where the DOS unzip program is usually kept, in the order it is looked for.
constexpr const char* kDosUnzips[] = {"c:\\progra~1\\pkunzip.exe",
                                      "c:\\pkunzip\\pkunzip.exe",
                                      "c:\\pkunzip.exe",
                                      "c:\\progra~1\\pkunzip\\pkunzip.exe",
                                      "c:\\progra~1\\zip\\pkunzip.exe",
                                      "c:\\progra~1\\pkzip\\pkunzip.exe",
                                      "c:\\zip\\pkunzip.exe",
                                      "c:\\pkzip\\pkunzip.exe"};
constexpr const char* kBadMemberName =
    "%s cannot be taken out of its archive: the name inside it is not a file name.";
constexpr const char* kNotExtracted = "%s could not be taken out of %s.%s";
// A program that has not let go of the archive yet is given this many more looks.
constexpr int kReleaseLooks = 1000;

std::string format(const char* pattern, const std::string& a, const std::string& b = "",
                   const std::string& c = "") {
  char text[2048];
  std::snprintf(text, sizeof text, pattern, a.c_str(), b.c_str(), c.c_str());
  return text;
}

bool isFile(platform::FileSystem& fs, const std::string& path) {
  const auto found = fs.stat(path);
  return found && !found->isDirectory();
}

}  // namespace

std::optional<ArchivePick> archivePickOf(const std::string& path) {
  const size_t at = platform::dos::findIgnoreCase(path, ".ZIP");
  if (at == std::string::npos) return std::nullopt;
  ArchivePick pick;
  pick.archive = path.substr(0, at + 4);
  if (at + 5 < path.size() && path[at + 4] == '\\') pick.member = path.substr(at + 5);
  return pick;
}

SelectedFilePreparation::SelectedFilePreparation(platform::FileSystem& fs,
                                                 platform::Processes& processes,
                                                 platform::Prompter& prompter,
                                                 UnzipProfile& profile, std::string gameDir)
    : fs_(fs),
      processes_(processes),
      prompter_(prompter),
      profile_(profile),
      gameDir_(platform::dos::withTrailingSeparator(gameDir)) {}

std::optional<std::string> SelectedFilePreparation::prepare(const std::string& path) {
  const auto pick = archivePickOf(path);
  if (!pick) {
    const auto found = fs_.stat(path);
    if (found && !found->isDirectory() && found->size < 1) {
      prompter_.tell(
          format(kEmptyFile, platform::dos::directoryOf(path), platform::dos::fileNameOf(path)));
      return std::nullopt;
    }
    return path;
  }
  if (pick->member.empty()) {
    prompter_.tell(kSelectInsideZip);
    return std::nullopt;
  }
  return extract(*pick);
}

SelectedFilePreparation::UnzipKind SelectedFilePreparation::findUnzipProgram(std::string& program) {
  program = profile_.program;
  if (!program.empty() && isFile(fs_, program)) {
    if (profile_.zipMagic) return UnzipKind::kZipMagic;
    return profile_.winZip ? UnzipKind::kWinZip : UnzipKind::kDosOrWindows;
  }
  std::vector<std::string> candidates;
  if (isFile(fs_, kZipMagic) && prompter_.ask(platform::kCaptionProgram, kMagicZipQuestion,
                                              platform::Buttons::kYesNo) == platform::Answer::kYes)
    candidates.push_back(kZipMagic);
  candidates.push_back(kWinZip);
  candidates.insert(candidates.end(), std::begin(kDosUnzips), std::end(kDosUnzips));
  for (const std::string& candidate : candidates) {
    if (candidate != kZipMagic && !isFile(fs_, candidate)) continue;
    // The one found becomes the player's.
    program = candidate;
    profile_.program = candidate;
    profile_.zipMagic = candidate == kZipMagic;
    profile_.winZip = candidate == kWinZip;
    if (profile_.zipMagic) return UnzipKind::kZipMagic;
    return profile_.winZip ? UnzipKind::kWinZip : UnzipKind::kDosOrWindows;
  }
  // None of the player's: the machine's own.
  program.clear();
  return UnzipKind::kHost;
}

std::optional<std::string> SelectedFilePreparation::extract(const ArchivePick& pick) {
  const std::string name = content::zipMemberFileName(pick.member);
  if (name.empty()) {
    prompter_.tell(format(kBadMemberName, pick.member));
    return std::nullopt;
  }
  std::string program;
  const UnzipKind kind = findUnzipProgram(program);
  if (kind == UnzipKind::kZipMagic) {
    // The archive opens as a folder: the member is read where it is.
    std::string dir = pick.archive + "\\" + pick.member.substr(0, pick.member.size() - name.size());
    for (char& c : dir)
      if (c == '/') c = '\\';
    return dir + name;
  }

  const std::string temp = gameDir_ + MapDirectoryPolicy::kTempDir;
  for (const platform::FindData& found : fs_.find(temp + "*.*"))
    if (!found.isDirectory()) fs_.deleteFile(temp + found.longName);
  fs_.createDirectory(temp.substr(0, temp.size() - 1));
  fs_.setCurrentDirectory(temp);
  const std::string target = temp + name;

  std::string error;
  if (kind == UnzipKind::kHost) {
    if (processes_.unzipMember(pick.archive, pick.member, temp, &error) < 0) {
      prompter_.tell(kNeedUnzipProgram);
      UnzipProfileDialog dialog(profile_);
      if (editProfile_ && editProfile_(dialog)) profile_ = dialog.profile();
      return std::nullopt;
    }
  } else {
    std::string options = "-e -o ";
    if (kind != UnzipKind::kWinZip) options += " -d -j";
    char command[1024];
    std::snprintf(command, sizeof command, "%s %s%s%s", program.c_str(), options.c_str(),
                  platform::dos::directoryOf(pick.archive).c_str(),
                  platform::dos::fileNameOf(pick.archive).c_str());
    processes_.runCommand(command);
  }
  // The program may still be writing: a bounded number of looks, as a short name is quick.
  const int looks = target.size() < 13 ? 10001 : 5000;
  bool there = false;
  for (int i = 0; i < looks && !there; ++i) there = fs_.exists(target);
  for (const std::string& held : {pick.archive, program}) {
    if (held.empty()) continue;
    for (int i = 0; i < kReleaseLooks; ++i)
      if (fs_.open(held, platform::OpenMode::kRead)) break;
  }
  if (!there) {
    prompter_.tell(
        format(kNotExtracted, pick.member, pick.archive, error.empty() ? "" : ("\r\n" + error)));
    return std::nullopt;
  }
  return target;
}

}  // namespace launch
