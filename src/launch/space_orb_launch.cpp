#include "launch/space_orb_launch.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

#include "content/key_scanner.h"
#include "platform/dos_path.h"

namespace launch {

namespace {

constexpr const char* kGamesDir = "c:\\spcware\\games\\";
constexpr const char* kDefaultsDir = "c:\\spcware\\DEFAULTS\\";
constexpr const char* kCannotCreateBatch = "Could not create SpaceOrb.bat file";
constexpr const char* kBatchFormat =
    "c:\r\ncd c:\\spcware\r\ncall orbload.bat\r\n%2.2s\r\ncd %s\r\n%s.exe%s %s %s";
constexpr const char* kBatchArguments = "%1 %2 %3 %4 %5 %6 %7 %8";
constexpr size_t kMaxWalkReads = 160000;

enum class WrapperOption { kNone, kCommProgram, kDoom };

struct SupportedGame {
  const char* executable;
  const char* name;
  WrapperOption option;
};

constexpr std::array<SupportedGame, 10> kSupportedGames{{
    {"duke3d.exe", "spwduke", WrapperOption::kNone},
    {"sw.exe", "spwshad", WrapperOption::kNone},
    {"blood.exe", "spwblood", WrapperOption::kNone},
    {"rr.exe", "spwrednk", WrapperOption::kNone},
    {"doom2.exe", "spwdoom2", WrapperOption::kCommProgram},
    {"hexen.exe", "spwhexen", WrapperOption::kNone},
    {"heretic.exe", "spwhtic", WrapperOption::kCommProgram},
    {"quake.exe", "spwquake", WrapperOption::kNone},
    {"descentr.exe", "spwdcent", WrapperOption::kCommProgram},
    {"doom.exe", "spwdoom1", WrapperOption::kDoom},
}};

const SupportedGame* supportedGame(const std::string& executeFile) {
  for (const SupportedGame& game : kSupportedGames)
    if (platform::dos::equalsIgnoreCase(executeFile, game.executable)) return &game;
  return nullptr;
}

std::string wrapperOption(const SupportedGame& game, const std::string& commProgram) {
  if (game.option == WrapperOption::kNone) return "";
  if (!commProgram.empty()) return " -exe " + commProgram;
  return game.option == WrapperOption::kDoom ? " -exe doom.exe " : "";
}

// The Duke Nukem 3D names in the wrapper and what the Shadow Warrior wrapper says instead, of
// the same length, in the order they are tried.
struct NamePatch {
  std::string_view from;
  std::string_view to;
};
const std::array<NamePatch, 4> kNamePatches{{
    {"DUKE3D.EXE", std::string_view("sw.exe\0\0\0\0", 10)},
    {"DUKE3D", std::string_view("sw\0\0\0\0", 6)},
    {"DUKE.SCG", std::string_view("sw.SCG\0\0", 8)},
    {"DUKE", std::string_view("sw\0\0", 4)},
}};

// Walks the wrapper a byte at a time; at a "D" it looks at the next nine bytes too. A match is
// overwritten in place; the walk goes on after what it last read or wrote.
void patchWrapperNames(std::vector<uint8_t>& image) {
  size_t pos = 0;
  for (size_t reads = 0; reads < kMaxWalkReads && pos < image.size(); ++reads) {
    const uint8_t c = image[pos++];
    if (c != 'D' && c != 'd') continue;
    if (++reads > kMaxWalkReads) break;
    const size_t start = pos - 1;
    const size_t available = std::min<size_t>(10, image.size() - start);
    std::string window(reinterpret_cast<const char*>(&image[start]), available);
    window[0] = 'D';
    pos = start + available;
    for (const NamePatch& patch : kNamePatches) {
      if (window.compare(0, patch.from.size(), patch.from) != 0) continue;
      std::memcpy(&image[start], patch.to.data(), patch.to.size());
      pos = start + patch.to.size();
      break;
    }
  }
}

bool editText(platform::FileSystem& fs, const std::string& path,
              const std::function<void(std::string&)>& edit) {
  auto bytes = fs.readWhole(path);
  if (!bytes) return false;
  std::string text(bytes->begin(), bytes->end());
  edit(text);
  fs.setAttributesNormal(path);
  return fs.replaceWhole(path, std::vector<uint8_t>(text.begin(), text.end()));
}

constexpr const char* kUserConHeader =
    "//-------------------------------------------------------------------------\r\n"
    "// USER.CON\r\n"
    "//-------------------------------------------------------------------------\r\n";

}  // namespace

std::string spaceOrbWrapperName(const std::string& executeFile) {
  const SupportedGame* game = supportedGame(executeFile);
  return game ? game->name : "";
}

void deriveShadowWarriorWrapper(platform::FileSystem& fs, const std::string& launchDir) {
  const std::string games = kGamesDir;
  if (fs.copyFile(games + "spwduke.exe", games + "spwshad.exe", /*failIfExists=*/false)) {
    if (auto image = fs.readWhole(games + "spwshad.exe")) {
      patchWrapperNames(*image);
      fs.replaceWhole(games + "spwshad.exe", *image);
    }
  }
  if (fs.copyFile(games + "spwduke.scg", games + "spwshad.scg", /*failIfExists=*/false)) {
    editText(fs, games + "spwshad.scg", [](std::string& text) {
      content::KeyScanner().setLine(text, "APPLICATION_NAME = ", "Shadow Warrior\r\n;");
    });
  }
  editText(fs, launchDir + "sw.cfg", [](std::string& text) {
    content::KeyScanner scanner;
    scanner.setLine(text, "MouseAimingOn = ", "1");
    scanner.setLine(text, "MouseAiming = ", "0");
  });
  // The wrapper came from the Duke Nukem 3D one, which looks for a user script beside it.
  const std::string userCon = games + "user.con";
  if (!fs.exists(userCon))
    fs.replaceWhole(userCon, std::vector<uint8_t>(kUserConHeader,
                                                  kUserConHeader + std::strlen(kUserConHeader)));
}

SpaceOrbLaunch prepareSpaceOrb(platform::FileSystem& fs, platform::Prompter& prompter,
                               const std::string& executeFile, const std::string& launchDir,
                               const std::string& commProgram) {
  SpaceOrbLaunch result;
  const SupportedGame* game = supportedGame(executeFile);
  if (!game) return result;
  const std::string name = game->name;
  const std::string games = kGamesDir;
  if (name == "spwshad" && !fs.exists(games + "spwshad.exe"))
    deriveShadowWarriorWrapper(fs, launchDir);

  if (!fs.exists(launchDir + name + ".exe"))
    fs.copyFile(games + name + ".exe", launchDir + name + ".exe", /*failIfExists=*/false);
  const std::string profile = name + ".scg";
  result.active = true;
  result.batchPath = launchDir + kSpaceOrbBatch;

  const std::string option = wrapperOption(*game, commProgram);
  std::vector<char> text(64 + 2 * launchDir.size() + name.size() + option.size() + profile.size() +
                         std::strlen(kBatchArguments) + std::strlen(kBatchFormat));
  int n =
      std::snprintf(text.data(), text.size(), kBatchFormat, launchDir.c_str(), launchDir.c_str(),
                    name.c_str(), option.c_str(), profile.c_str(), kBatchArguments);
  std::vector<uint8_t> batch(text.begin(), text.begin() + std::max(n, 0));
  fs.setAttributesNormal(result.batchPath);
  if (n < 0 || !fs.replaceWhole(result.batchPath, batch)) {
    prompter.tell(kCannotCreateBatch);
    result.active = false;
    return result;
  }

  const std::string source =
      fs.exists(games + profile) ? games + profile : std::string(kDefaultsDir) + profile;
  fs.setAttributesNormal(launchDir + profile);
  fs.copyFile(source, launchDir + profile, /*failIfExists=*/false);
  return result;
}

}  // namespace launch
