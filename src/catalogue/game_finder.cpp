#include "catalogue/game_finder.h"

#include <algorithm>

#include "catalogue/catalogue_files.h"
#include "catalogue/default_univ_info.h"
#include "catalogue/game_list_reader.h"
#include "catalogue/game_types.h"
#include "catalogue/record_file.h"
#include "platform/dos_path.h"

namespace catalogue {

using platform::dos::equalsIgnoreCase;
using platform::dos::lastComponent;

namespace {

constexpr const char* kNoDefaultsMessage = "Could not open \"Quillfen.Sig\" file for read";
constexpr size_t kDefaultsSize = kBuiltInSlots * GameInfoRecord::kSize;  // 245100
// The game list is a hand-written text file; anything larger is not one.
constexpr uint64_t kMaxGameListSize = 4u << 20;

uint64_t slotOffset(int slot) {
  return uint64_t(slot) * GameInfoRecord::kSize;
}

bool isYes(const std::string& v) {
  return equalsIgnoreCase(v, "yes");
}

const std::array<const TextField<GameInfoTag>*, 7> kConnectionExecutables{
    &game_info::ModemExecuteFile,         &game_info::SerialExecuteFile,
    &game_info::IpxExecuteFile,           &game_info::KahnExecuteFile,
    &game_info::InternetExecuteFile,      &game_info::NetServerExecuteFile,
    &game_info::InternetServerExecuteFile};

// `path` with its leading game directory cut off: the part inside the game's own directory.
std::string insideGameDir(const std::string& path, const std::string& gameDir) {
  if (!gameDir.empty() && path.size() > gameDir.size() + 1 && path[gameDir.size()] == '\\' &&
      equalsIgnoreCase(std::string_view(path).substr(0, gameDir.size()), gameDir))
    return path.substr(gameDir.size() + 1);
  const size_t cut = path.find('\\');
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// True when a "." or ".." component can lead the path out of the directory it is put under.
bool mayLeaveItsDirectory(const std::string& path) {
  size_t start = 0;
  for (;;) {
    const size_t end = path.find('\\', start);
    const std::string_view part = std::string_view(path).substr(start, end - start);
    if (part == "." || part == "..") return true;
    if (end == std::string::npos) return false;
    start = end + 1;
  }
}

std::string claimKey(const std::string& gameDir, const std::string& executable) {
  return platform::dos::toUpper(gameDir) + "|" + platform::dos::toUpper(executable);
}

}  // namespace

GameFinder::GameFinder(platform::FileSystem& fs, platform::Prompter& prompter,
                       std::string startupDir, UnivInfoRecord& univ)
    : fs_(fs),
      prompter_(prompter),
      startupDir_(platform::dos::withTrailingSeparator(std::move(startupDir))),
      univ_(univ) {
  auto handle = fs_.open(startupDir_ + kDefaultRecordsFile, platform::OpenMode::kRead);
  if (!handle) {
    prompter_.tell(kNoDefaultsMessage);
    return;
  }
  for (GameInfoRecord& record : defaults_)
    handle->read(record.bytes().data(), GameInfoRecord::kSize);
}

bool GameFinder::InstallDefaultsAndSearch() {
  installProgramDefaults();
  if (!rewriteGameFile()) return false;
  collectDrives();
  if (!searchBuiltInTypes()) return !gameFileFailed_;
  searchGameList();
  if (gameFileFailed_) return false;
  if (finalCheck_) finalCheck_();
  return true;
}

void GameFinder::installProgramDefaults() {
  const UnivInfoRecord defaults = defaultUnivInfo();
  keptLists_ = univ_;
  const bool marker1 = univ_.get(univ_info::Marker1) == kValidMarker;
  const bool marker2 = univ_.get(univ_info::Marker2) == kValidMarker;
  const bool noPlayers = univ_.get(univ_info::PlayerNameList, 0).empty();
  if (!marker1 || noPlayers || !marker2) {
    // A new installation is made complete at once (both markers, the default connection
    // type), so the next start loads it instead of installing and searching a second time
    // over what the user defined meanwhile.
    univ_ = defaults;
    univ_.set(univ_info::Marker1, kValidMarker);
    univ_.set(univ_info::Marker2, kValidMarker);
    univ_.set(univ_info::ConnectionType, 1);
  }
  univ_.set(univ_info::FileManagerMode, 4);
}

bool GameFinder::rewriteGameFile() {
  std::vector<uint8_t> image;
  image.reserve(kDefaultsSize);
  for (const GameInfoRecord& record : defaults_)
    image.insert(image.end(), record.bytes().begin(), record.bytes().end());
  if (!writeAtOffset(fs_, startupDir_ + kGameInfoFile, 0, image, /*create=*/true, Gap::kZeros))
    return false;
  // The user's phone, number and player-name lists survive a reset.
  for (const auto* list :
       {&univ_info::PhoneNameList, &univ_info::PhoneNumberList, &univ_info::PlayerNameList}) {
    if (keptLists_.get(*list, 0).size() < 2) continue;
    std::span<const uint8_t> from = keptLists_.raw(*list);
    std::copy(from.begin(), from.end(), univ_.raw(*list).begin());
  }
  univ_.set(univ_info::CurrentSlot, kNoSlotSelected);
  return true;
}

void GameFinder::collectDrives() {
  drives_.clear();
  gameFolders_.clear();
  for (char d = kFirstSearchedDrive; d <= kLastSearchedDrive; ++d) {
    const std::string root = std::string(1, d) + ":\\";
    const std::vector<platform::FindData> entries = fs_.find(root + "*.*");
    if (entries.empty()) continue;
    drives_.push_back(d);
    // C: holds the program and Windows; games there are in the usual places.
    if (d == 'C') continue;
    gameFolders_.push_back(root);
    for (const platform::FindData& entry : entries)
      if (entry.isDirectory()) gameFolders_.push_back(root + entry.longName + "\\");
  }
}

bool GameFinder::searchBuiltInTypes() {
  const std::string gameFile = startupDir_ + kGameInfoFile;
  for (int slot = 0; slot < kBuiltInSlots; ++slot) {
    if (!fs_.exists(gameFile)) return false;
    readAtOffset(fs_, gameFile, slotOffset(slot), working_.bytes());
    working_.set(game_info::Marker, kValidMarker);
    const BuiltInGameType& type = kBuiltInGameTypes[size_t(slot)];
    working_.set(game_info::GameName, type.name);
    FindGame(type.name, type.executablePath, type.verificationPath, type.exclusionPath, "", slot);
    if (gameFileFailed_) return false;
  }
  return true;
}

void GameFinder::searchGameList() {
  auto handle = fs_.open(kGameListFile, platform::OpenMode::kRead);
  if (!handle) return;
  uint64_t length = handle->length();
  if (length > kMaxGameListSize) length = kMaxGameListSize;
  std::string content(size_t(length), '\0');
  content.resize(handle->read(content.data(), content.size()));
  handle.reset();

  SearchGameList(std::move(content));
}

void GameFinder::SearchGameList(std::string content) {
  if (drives_.empty()) collectDrives();
  GameListReader list(std::move(content));
  int nextSlot = kFirstListedSlot;
  while (list.NextEntry() && nextSlot <= kHighestSlot) {
    const std::string executable = list.ReadSetting("ExecuteFile");
    const std::string searchDir = list.ReadSetting("SearchDir");
    const std::string verify = list.ReadSetting("GameVerFileVerify");
    const std::string exclude = list.ReadSetting("GameVerFileVerifyNot");
    const std::string overrideName = list.ReadSetting("GameVerFileOverrideName");
    const std::string altDir = list.ReadSetting("AltDir");
    const std::string name = list.entryName();
    if (name.empty()) break;
    applyListEntry(list);

    const std::string searchPath = searchDir + "\\" + executable;
    bool found = FindGame(name, searchPath, verify.empty() ? searchPath : verify, exclude,
                          overrideName, nextSlot, searchDir);
    if (!found && !altDir.empty()) {
      const std::string altPath = altDir + "\\" + executable;
      found = FindGame(name, altPath, verify.empty() ? altPath : verify, exclude, overrideName,
                       nextSlot, altDir);
    }
    if (gameFileFailed_) return;
    if (found) ++nextSlot;
  }
}

void GameFinder::applyListEntry(const GameListReader& list) {
  const std::string typeText = list.ReadSetting("GameType");
  int type = kGenericSlot;
  if (!typeText.empty() && typeText.find_first_not_of("0123456789") == std::string::npos &&
      typeText.size() <= 2) {
    int n = std::stoi(typeText);
    if (n >= 1 && n <= kGenericSlot) type = n;
  }
  working_ = defaults_[size_t(type)];
  working_.set(game_info::GameName, list.entryName());

  const std::string windowsOnly = list.ReadSetting("WindowsOnly");
  if (isYes(windowsOnly))
    working_.set(game_info::WindowsModeOnly, 1);
  else if (type == kGenericSlot)
    working_.set(game_info::WindowsModeOnly, 0);
  if (isYes(list.ReadSetting("CloseOnGameLaunch"))) working_.set(game_info::CloseOnGameLaunch, 1);
  if (!equalsIgnoreCase(list.ReadSetting("MultiplayerExecuteSameAsSingle"), "no")) {
    const std::string executable = list.ReadSetting("ExecuteFile");
    for (const auto* field : kConnectionExecutables) working_.set(*field, executable);
  }

  auto setIfGiven = [&](const char* key, const TextField<GameInfoTag>& field, size_t index = 0) {
    std::string value = list.ReadSetting(key);
    if (!value.empty()) working_.set(field, value, index);
  };
  setIfGiven("RegKey", game_info::RegKey);
  setIfGiven("LoadFileInstructions", game_info::FileKindLoadCommand, 0);
  setIfGiven("LoadPlayerNameInstructions", game_info::PlayerNameCommand);
  setIfGiven("LoadSkillInstructions", game_info::SkillCommand);
  setIfGiven("LoadLevelInstructions", game_info::LevelCommand);
  setIfGiven("LoadEpisodeInstructions", game_info::EpisodeCommand);
  setIfGiven("LoadSocketInstructions", game_info::SocketCommand);
  setIfGiven("LoadPlayerQtyInstructions", game_info::PlayerQtyCommand);
  for (size_t i = 0; i < 6; ++i) {
    std::string key = "CFGFile" + std::to_string(i + 1);
    setIfGiven(key.c_str(), game_info::ConfigFile, i);
  }
}

bool GameFinder::exists(const std::string& pattern) const {
  return !fs_.find(pattern).empty();
}

bool GameFinder::mayExistIn(const std::string& dir, const std::string& relative) const {
  const std::string first = platform::dos::toUpper(relative.substr(0, relative.find('\\')));
  // "." and ".." lead elsewhere: only the file system can tell.
  if (first.empty() || first == "." || first == "..") return true;
  auto [at, fresh] = names_.try_emplace(platform::dos::toUpper(dir));
  if (fresh) {
    // One read of the directory, its entries' kinds from the listing: no look at each entry.
    if (auto search = fs_.searchDirectory(dir, {"*.*"})) {
      for (const platform::DirectoryEntry& entry : search->entries) {
        at->second.insert(platform::dos::toUpper(entry.longName));
        at->second.insert(platform::dos::toUpper(entry.shortName));
      }
    }
  }
  return at->second.count(first) != 0;
}

bool GameFinder::existsIn(const std::string& dir, const std::string& relative) const {
  return mayExistIn(dir, relative) && exists(dir + relative);
}

const std::vector<std::string>& GameFinder::parentsOn(char drive) const {
  auto [at, fresh] = parents_.try_emplace(drive);
  if (!fresh) return at->second;
  const std::string root = std::string(1, drive) + ":\\";
  for (const char* parent : kCandidateParents) {
    const std::string base = root + parent;
    if (*parent == '\0') {
      at->second.push_back(base);
      continue;
    }
    // "games\INTRPLAY\": each level is read only when the one above it has the name.
    if (!mayExistIn(root, parent)) continue;
    const auto entry = fs_.stat(base);
    if (entry && entry->isDirectory()) at->second.push_back(base);
  }
  return at->second;
}

std::vector<std::string> GameFinder::candidateParents(char drive) {
  std::vector<std::string> bases;
  for (const char* parent : kCandidateParents)
    bases.push_back(std::string(1, drive) + ":\\" + parent);
  return bases;
}

std::string GameFinder::findInGameFolders(const std::string& executable,
                                          const std::string& verification,
                                          const std::string& exclusion) const {
  const std::string program = lastComponent(executable);
  for (const std::string& folder : gameFolders_) {
    if (claimed_.count(claimKey(folder, program))) continue;
    if (!existsIn(folder, executable) || !existsIn(folder, verification)) continue;
    if (!exclusion.empty() && existsIn(folder, exclusion)) continue;
    return folder + executable;
  }
  return {};
}

bool GameFinder::FindGame(const std::string& /*name*/, const std::string& executablePath,
                          const std::string& verificationPath, const std::string& exclusionPath,
                          const std::string& overrideName, int slot, const std::string& gameDir) {
  // An empty path would name the parent directory itself, which is no game.
  if (executablePath.empty() || verificationPath.empty()) return false;
  // Nothing lies below a candidate parent the drive does not have, so those are passed over
  // unless the paths may climb out of them again.
  const bool staysBelow =
      !mayLeaveItsDirectory(executablePath) && !mayLeaveItsDirectory(verificationPath);
  std::string hit;
  for (char drive : drives_) {
    std::vector<std::string> all;
    if (!staysBelow) all = candidateParents(drive);
    for (const std::string& base : staysBelow ? parentsOn(drive) : all) {
      if (!existsIn(base, executablePath) || !existsIn(base, verificationPath)) continue;
      if (!exclusionPath.empty() && existsIn(base, exclusionPath)) continue;
      hit = base + executablePath;
      break;
    }
    if (!hit.empty()) break;
  }
  if (hit.empty()) {
    const std::string dirPart =
        gameDir.empty() ? executablePath.substr(0, executablePath.find('\\')) : gameDir;
    hit = findInGameFolders(insideGameDir(executablePath, dirPart),
                            insideGameDir(verificationPath, dirPart),
                            exclusionPath.empty() ? "" : insideGameDir(exclusionPath, dirPart));
  }
  if (hit.empty()) return false;

  const std::string foundDir = platform::dos::directoryOf(hit);
  std::string executable = platform::dos::fileNameOf(hit);
  claimed_.insert(claimKey(foundDir, executable));

  // Left behind by an earlier launch.
  if (fs_.exists(foundDir + "arg_pass.com")) fs_.deleteFile(foundDir + "arg_pass.com");

  if (!overrideName.empty() && fs_.exists(foundDir + overrideName)) {
    for (const auto* field : kConnectionExecutables)
      if (working_.get(*field) == executable) working_.set(*field, overrideName);
    executable = overrideName;
  }
  working_.set(game_info::GameDir, foundDir);
  working_.set(game_info::ExecuteFile, executable);
  working_.set(game_info::IsDefined, 1);
  found_ = true;
  if (univ_.get(univ_info::CurrentSlot) == kNoSlotSelected) univ_.set(univ_info::CurrentSlot, slot);

  const std::string staleData = foundDir + kGameDataFile;
  if (fs_.exists(staleData)) fs_.deleteFile(staleData);
  const std::string slotData = gameDataPath(startupDir_, slot);
  if (fs_.exists(slotData)) fs_.deleteFile(slotData);

  if (!writeAtOffset(fs_, startupDir_ + kGameInfoFile, slotOffset(slot), working_.bytes(),
                     /*create=*/false, Gap::kZeros))
    gameFileFailed_ = true;
  return true;
}

}  // namespace catalogue
