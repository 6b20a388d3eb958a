#include "launch/map_directory_policy.h"

#include <cctype>
#include <cstdio>

#include "launch/settings_file.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace launch {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

namespace {

using platform::dos::equalsIgnoreCase;
using platform::dos::startsWithIgnoreCase;

// The program's texts with their "%s" filled in order.
std::string format(const char* text, std::initializer_list<std::string> values) {
  std::string out;
  auto value = values.begin();
  for (const char* at = text; *at; ++at) {
    if (at[0] == '%' && at[1] == 's' && value != values.end()) {
      out += *value++;
      ++at;
    } else {
      out += *at;
    }
  }
  return out;
}

constexpr const char* kNoOverride = "%s does not accept an override directory.";
constexpr const char* kOnlyMapDir = "%s can only use %s as the map directory.";
constexpr const char* kAskAutoCopy =
    "Do you want maps automatically copy to %s directory before launching %s?";
constexpr const char* kAskStopAutoCopy =
    "Do you want to remove the function that automatically copies maps to the %s directory?";
constexpr const char* kAskRemoveOverride =
    "Would you like to remove %s as the override map directory?";
constexpr const char* kMustBeInside = "Default directories for %s must be a subdirectory of %s.";
constexpr const char* kAskChange = "Do you want to change the default directory to %s?";
constexpr const char* kAskCopyRequired =
    "This game requires maps/files to be loaded from the \"%s\" directory.  \r\nDo you wish to "
    "copy the selected file to the \"%s\" directory?";
constexpr const char* kCouldNotCopy = "Could not copy %s to %s.";
constexpr const char* kCouldNotCopyOverride = "Could not copy %s to the %s (%s) directory.";
constexpr const char* kNoTcDirectory =
    "Could not find the ?:\\TC directory.  For more information, see TC on the help index.";
constexpr const char* kNoTcDirectories =
    "Could not find either of the following directories:\r\n%s\r\n%s\r\nFor more information, "
    "see TC on the help index.";

bool yes(platform::Prompter& prompter, const std::string& text) {
  return prompter.ask(platform::kCaptionProgram, text, platform::Buttons::kYesNo) ==
         platform::Answer::kYes;
}

bool hasEntries(platform::FileSystem& fs, const std::string& dir) {
  return !fs.find(dir + "*.*").empty();
}

}  // namespace

MapDirectorySettings MapDirectorySettings::load(platform::FileSystem& fs,
                                                const std::string& programDir) {
  MapDirectorySettings settings;
  auto values = readSettingsFile(fs, platform::dos::withTrailingSeparator(programDir) + kFileName);
  settings.userMapDir = values["UserMapDir"];
  settings.autoCopyMaps = values["AutoCopyMaps"] == "1";
  return settings;
}

bool MapDirectorySettings::save(platform::FileSystem& fs, const std::string& programDir) const {
  return writeSettingsFile(
      fs, platform::dos::withTrailingSeparator(programDir) + kFileName,
      {{"UserMapDir", userMapDir}, {"AutoCopyMaps", autoCopyMaps ? "1" : "0"}});
}

MapDirectoryPolicy::MapDirectoryPolicy(platform::FileSystem& fs, platform::Prompter& prompter,
                                       const catalogue::GameInfoRecord& game, std::string launchDir,
                                       MapDirectorySettings& settings)
    : fs_(fs),
      prompter_(prompter),
      game_(game),
      launchDir_(platform::dos::withTrailingSeparator(std::move(launchDir))),
      settings_(settings) {}

void MapDirectoryPolicy::setOverrideMapDir(const std::string& shownDir) {
  const std::string name = game_.get(gi::GameName);
  if (game_.get(gi::NoOverrideMapDir) == 0) {
    prompter_.tell(format(kNoOverride, {name}));
    return;
  }
  const std::string defaultDir = game_.get(gi::DefaultMapDir);
  if (!defaultDir.empty()) {
    const std::string required = platform::dos::withTrailingSeparator(launchDir_ + defaultDir);
    if (!equalsIgnoreCase(platform::dos::withTrailingSeparator(shownDir), required)) {
      prompter_.tell(format(kOnlyMapDir, {name, required}));
      return;
    }
    if (!settings_.autoCopyMaps) {
      if (yes(prompter_, format(kAskAutoCopy, {required, name}))) settings_.autoCopyMaps = true;
    } else if (yes(prompter_, format(kAskStopAutoCopy, {required}))) {
      settings_.autoCopyMaps = false;
    }
    return;
  }
  if (shownDir == settings_.userMapDir) {
    if (yes(prompter_, format(kAskRemoveOverride, {shownDir}))) settings_.userMapDir.clear();
    return;
  }
  if (game_.get(gi::MapsNeedCopy) != 0 && !startsWithIgnoreCase(shownDir, launchDir_)) {
    prompter_.tell(format(kMustBeInside, {name, launchDir_}));
    return;
  }
  if (yes(prompter_, format(kAskChange, {shownDir}))) settings_.userMapDir = shownDir;
}

bool MapDirectoryPolicy::copyInto(const std::string& source, const std::string& targetDir,
                                  const std::string& name) {
  fs_.createDirectory(targetDir.substr(0, targetDir.size() - 1));
  return fs_.copyFile(source, targetDir + name, /*failIfExists=*/false) &&
         fs_.exists(targetDir + name);
}

bool MapDirectoryPolicy::placeSelectedFile(const std::string& file, std::string& dir, bool quiet) {
  const std::string defaultDir = game_.get(gi::DefaultMapDir);
  const std::string overrideDir = game_.get(gi::OverrideMapDir);
  // A game that loads only from its own tree needs the copy even without map directories.
  if (defaultDir.empty() && overrideDir.empty() && game_.get(gi::MapsNeedCopy) == 0) return true;
  dir = platform::dos::withTrailingSeparator(dir);
  if (!defaultDir.empty()) {
    const std::string required = platform::dos::withTrailingSeparator(launchDir_ + defaultDir);
    fs_.createDirectory(required.substr(0, required.size() - 1));
    const bool there =
        equalsIgnoreCase(dir, required) ||
        (!overrideDir.empty() && equalsIgnoreCase(dir + overrideDir + "\\", required));
    if (!there) {
      if (!quiet && !settings_.autoCopyMaps &&
          !yes(prompter_, format(kAskCopyRequired, {required, required})))
        return false;
      std::string source = dir + file;
      if (!fs_.exists(source) && !overrideDir.empty()) source = dir + overrideDir + "\\" + file;
      if (copyInto(source, required, file))
        dir = required;
      else
        prompter_.ask(platform::kCaptionError, format(kCouldNotCopy, {source, required + file}),
                      platform::Buttons::kOk);
    }
  }
  if (game_.get(gi::MapsNeedCopy) != 0 && !startsWithIgnoreCase(dir, launchDir_)) {
    // A game that loads only from its own tree gets the file in the scratch directory there.
    std::string target = launchDir_ + kTempDir;
    if (!overrideDir.empty()) target += overrideDir + "\\";
    fs_.createDirectory((launchDir_ + kTempDir).substr(0, launchDir_.size() + 5));
    if (copyInto(dir + file, target, file))
      dir = launchDir_ + kTempDir;
    else
      prompter_.ask(platform::kCaptionError, format(kCouldNotCopy, {dir + file, target}),
                    platform::Buttons::kOk);
  }
  if (!overrideDir.empty() && !platform::dos::endsWithIgnoreCase(dir, overrideDir + "\\")) {
    const std::string target = dir + overrideDir + "\\";
    std::vector<std::string> names{file};
    const std::string extension = game_.get(gi::FileKindExtension, 0);
    if (!extension.empty())
      for (const platform::FindData& found : fs_.find(dir + "*." + extension))
        if (!found.isDirectory() && !equalsIgnoreCase(found.longName, file))
          names.push_back(found.longName);
    for (const std::string& name : names)
      if (!copyInto(dir + name, target, name))
        prompter_.ask(platform::kCaptionError,
                      format(kCouldNotCopyOverride, {dir + name, overrideDir, target}),
                      platform::Buttons::kOk);
  }
  return true;
}

void MapDirectoryPolicy::clearTempDir() {
  const std::string temp = launchDir_ + kTempDir;
  for (const platform::FindData& found : fs_.find(temp + "*.*"))
    if (!found.isDirectory()) fs_.deleteFile(temp + found.longName);
}

std::optional<std::string> MapDirectoryPolicy::tcDirectory(const std::string& shownDir,
                                                           char& tcDrive) {
  if (tcDrive == 0) {
    // From Z: down; A: is never looked at.
    for (char letter = 'Z'; letter >= 'B' && tcDrive == 0; --letter) {
      const auto found = fs_.stat(std::string(1, letter) + ":\\TC");
      if (found && found->isDirectory()) tcDrive = letter;
    }
    if (tcDrive == 0) {
      prompter_.tell(kNoTcDirectory);
      return std::nullopt;
    }
  }
  const std::string root = std::string(1, tcDrive) + ":\\TC\\";
  const std::string first = root + game_.get(gi::TcDir, 0) + "\\";
  const std::string second = root + game_.get(gi::TcDir, 1) + "\\";
  const bool firstShown = equalsIgnoreCase(platform::dos::withTrailingSeparator(shownDir), first);
  std::string use = first;
  if (!hasEntries(fs_, first) || (!game_.get(gi::TcDir, 1).empty() && firstShown)) use = second;
  if (!hasEntries(fs_, use)) {
    prompter_.tell(format(kNoTcDirectories, {first, second}));
    return std::nullopt;
  }
  return use;
}

void MapDirectoryPolicy::chooseEpisodeAndLevel(const std::string& mapName,
                                               const catalogue::GameInfoRecord& game,
                                               catalogue::GameDataRecord& data) {
  std::string name = mapName;
  for (const char* prefix : {"maps/", "MAPS/", "maps\\", "MAPS\\"})
    if (name.starts_with(prefix)) name = name.substr(5);
  for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (name.starts_with("MAP") && name.size() >= 5 && digit(name[3]) && digit(name[4])) {
    const int level = (name[3] - '0') * 10 + (name[4] - '0') - game.get(gi::LevelMin);
    if (level >= 0) data.set(gd::LevelIndex, uint8_t(level));
    return;
  }
  const std::string stem = name.substr(0, name.find('.'));
  if (stem.size() == 4 && stem[0] == 'E' && digit(stem[1]) && stem[2] == 'M' && digit(stem[3])) {
    const int episode = (stem[1] - '0') - game.get(gi::EpisodeMin);
    const int level = (stem[3] - '0') - game.get(gi::LevelMin);
    if (episode >= 0) data.set(gd::EpisodeIndex, uint8_t(episode));
    if (level >= 0) data.set(gd::LevelIndex, uint8_t(level));
  }
}

}  // namespace launch
