#include "catalogue/game_finder.h"

#include <algorithm>

#include "catalogue/catalogue_files.h"
#include "catalogue/default_univ_info.h"
#include "catalogue/game_list_reader.h"
#include "catalogue/game_types.h"
#include "catalogue/native_ports.h"
#include "catalogue/record_file.h"
#include "platform/dos_path.h"
#include "platform/short_names.h"

namespace catalogue {

using platform::dos::equalsIgnoreCase;
using platform::dos::lastComponent;

namespace {

constexpr const char* kNoDefaultsMessage = "Could not open \"Quillfen.Sig\" file for read";
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
  resetGameFile();
  collectDrives();
  if (!searchBuiltInTypes()) return false;
  nextListedSlot_ = kFirstListedSlot;
  searchGameList();
  if (native_) SearchNativePorts();
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

void GameFinder::resetGameFile() {
  // Written with the games found, in one write at the end of the search.
  defaultsPending_ = true;
  // The user's phone, number and player-name lists survive a reset.
  for (const auto* list :
       {&univ_info::PhoneNameList, &univ_info::PhoneNumberList, &univ_info::PlayerNameList}) {
    if (keptLists_.get(*list, 0).size() < 2) continue;
    std::span<const uint8_t> from = keptLists_.raw(*list);
    std::copy(from.begin(), from.end(), univ_.raw(*list).begin());
  }
  univ_.set(univ_info::CurrentSlot, kNoSlotSelected);
}

void GameFinder::collectDrives() {
  drives_.clear();
  gameFolders_.clear();
  driveFolders_.clear();
  names_.clear();
  for (char d = kFirstSearchedDrive; d <= kLastSearchedDrive; ++d)
    if (readDrive(d)) drives_.push_back(d);
  gameFoldersRead_ = false;
}

bool GameFinder::readDrive(char drive) const {
  // C: holds the program and Windows; games there are in the usual places.
  const bool withFolders = drive != 'C';
  const std::string root = std::string(1, drive) + ":\\";
  auto entries = fs_.listNames(root, withFolders);
  if (!entries || entries->empty()) return false;
  std::vector<GameFolder> folders;
  for (platform::ListedName& entry : *entries) {
    if (!withFolders || !entry.isDirectory) continue;
    const std::string folder = root + entry.name + "\\";
    folders.push_back({folder, &keepNames(folder, std::move(entry.inside))});
  }
  folders.insert(folders.begin(), GameFolder{root, &keepNames(root, std::move(*entries))});
  if (withFolders) driveFolders_[drive] = std::move(folders);
  return true;
}

void GameFinder::readGameFolders() const {
  gameFoldersRead_ = true;
  for (char d : drives_) {
    if (d == 'C') continue;
    if (!driveFolders_.count(d) && !readDrive(d)) continue;
    const std::vector<GameFolder>& folders = driveFolders_[d];
    gameFolders_.insert(gameFolders_.end(), folders.begin(), folders.end());
  }
}

bool GameFinder::searchBuiltInTypes() {
  for (int slot = 0; slot < kBuiltInSlots; ++slot) {
    working_ = defaults_[size_t(slot)];
    working_.set(game_info::Marker, kValidMarker);
    const BuiltInGameType& type = kBuiltInGameTypes[size_t(slot)];
    working_.set(game_info::GameName, type.name);
    FindGame(type.name, type.executablePath, type.verificationPath, type.exclusionPath, "", slot);
  }
  return writeFoundGames();
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
  // The native ports' games follow the list's.
  nextListedSlot_ = kFirstListedSlot;
  int& nextSlot = nextListedSlot_;
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
    if (found) ++nextSlot;
  }
  writeFoundGames();
}

bool GameFinder::writeFoundGames() {
  if (!defaultsPending_ && foundSlots_.empty()) return true;
  const std::string path = startupDir_ + kGameInfoFile;
  std::optional<std::vector<uint8_t>> file = fs_.readWhole(path);
  // Only a reset makes a new game file; a game found on its own goes into the existing one.
  if (!file && defaultsPending_ && !fs_.exists(path)) file.emplace();
  if (!file) {
    gameFileFailed_ = true;
    return false;
  }
  const std::vector<uint8_t> before = *file;
  auto put = [&](size_t offset, std::span<const uint8_t> bytes) {
    if (file->size() < offset + bytes.size()) file->resize(offset + bytes.size(), 0);
    std::copy(bytes.begin(), bytes.end(), file->begin() + ptrdiff_t(offset));
  };
  // The defaults cover slots 0-19; the games defined after them are kept.
  if (defaultsPending_)
    for (int slot = 0; slot < kBuiltInSlots; ++slot)
      put(size_t(slotOffset(slot)), defaults_[size_t(slot)].bytes());
  for (const auto& [slot, record] : foundSlots_) put(size_t(slotOffset(slot)), record.bytes());
  // What the written slots run with goes with them: a new definition starts in DOSBox unless
  // it was found as a native port.
  RunWithSettings runWith = RunWithSettings::load(fs_, startupDir_);
  const RunWithSettings runWithBefore = runWith;
  if (defaultsPending_)
    for (int slot = 0; slot < kBuiltInSlots; ++slot) runWith.set(slot, {});
  for (const auto& entry : foundSlots_) {
    auto native = runWith_.find(entry.first);
    runWith.set(entry.first, native == runWith_.end() ? RunWith{} : native->second);
  }
  defaultsPending_ = false;
  foundSlots_.clear();
  runWith_.clear();
  if (runWith.text() != runWithBefore.text() && !runWith.save(fs_, startupDir_))
    gameFileFailed_ = true;
  if (*file != before && !fs_.replaceWhole(path, *file)) gameFileFailed_ = true;
  return !gameFileFailed_;
}

int GameFinder::nativeSlotFor(const NativeGameData& data, const std::string& dataFile,
                              const std::vector<uint8_t>& gameFile,
                              const RunWithSettings& runWith) const {
  auto recordAt = [&](int slot) {
    GameInfoRecord record;
    const size_t offset = size_t(slotOffset(slot));
    if (gameFile.size() >= offset + GameInfoRecord::kSize)
      std::copy_n(gameFile.begin() + ptrdiff_t(offset), GameInfoRecord::kSize,
                  record.bytes().begin());
    return record;
  };
  // The slot that holds this game already (a reset finds it again), else the first free one:
  // a player's own games from slot 20 on stay.
  for (int slot = nextListedSlot_; slot <= kHighestSlot; ++slot) {
    if (foundSlots_.count(slot)) continue;
    const std::vector<std::string>& arguments = runWith.get(slot).arguments;
    if (recordAt(slot).get(game_info::GameName) == data.name &&
        std::find(arguments.begin(), arguments.end(), dataFile) != arguments.end())
      return slot;
  }
  for (int slot = nextListedSlot_; slot <= kHighestSlot; ++slot) {
    if (foundSlots_.count(slot)) continue;
    const GameInfoRecord record = recordAt(slot);
    if (record.get(game_info::IsDefined) == 0 || record.get(game_info::GameDir).empty())
      return slot;
  }
  return -1;
}

void GameFinder::SearchNativePorts() {
  if (!native_) return;
  const std::vector<std::string> files = native_->dataFiles();
  const std::vector<uint8_t> gameFile =
      fs_.readWhole(startupDir_ + kGameInfoFile).value_or(std::vector<uint8_t>{});
  const RunWithSettings runWith = RunWithSettings::load(fs_, startupDir_);
  // In the order of the known game data, so the main game of a port comes first; the first
  // folder that has a game's data is the one it plays from.
  for (const NativeGameData& data : kNativeGameData) {
    const auto file = std::find_if(files.begin(), files.end(), [&](const std::string& path) {
      const size_t slash = path.rfind('/');
      return slash != std::string::npos && equalsIgnoreCase(path.substr(slash + 1), data.dataFile);
    });
    if (file == files.end()) continue;
    const std::optional<std::string> program = native_->findProgram(data.program);
    if (!program) continue;
    // The game's directory is where its data is; a folder no drive reaches cannot be one.
    const size_t slash = file->rfind('/');
    const std::optional<std::string> folder =
        fs_.dosPath(slash == 0 ? std::string("/") : file->substr(0, slash));
    if (!folder) continue;
    const int slot = nativeSlotFor(data, *file, gameFile, runWith);
    if (slot < 0) break;

    working_ = defaults_[size_t(data.builtInSlot)];
    working_.set(game_info::Marker, kValidMarker);
    working_.set(game_info::GameName, data.name);
    working_.set(game_info::GameDir, platform::dos::withTrailingSeparator(*folder));
    // The field takes an 8.3 name: the data file's alias where its own name is longer.
    const std::string dataFile =
        platform::dos::withTrailingSeparator(*folder) + file->substr(slash + 1);
    working_.set(game_info::ExecuteFile,
                 platform::dos::fileNameOf(fs_.shortPathName(dataFile).value_or(dataFile)));
    working_.set(game_info::IsDefined, 1);
    found_ = true;
    if (univ_.get(univ_info::CurrentSlot) == kNoSlotSelected)
      univ_.set(univ_info::CurrentSlot, slot);
    const std::string slotData = gameDataPath(startupDir_, slot);
    if (fs_.exists(slotData)) fs_.deleteFile(slotData);
    foundSlots_[slot] = working_;
    runWith_[slot] = RunWith{true, *program, {"-iwad", *file}};
  }
  writeFoundGames();
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
  // A plain name is one look; only a pattern needs the directory's listing.
  if (!platform::dos::hasWildcards(pattern)) return fs_.exists(pattern);
  return !fs_.find(pattern).empty();
}

const GameFinder::NameSet& GameFinder::keepNames(
    const std::string& dir, std::vector<platform::ListedName>&& entries) const {
  NameSet& kept = names_[platform::dos::toUpper(dir)];
  for (platform::ListedName& entry : entries) {
    // What is inside the folders is kept under their own paths.
    entry.inside.clear();
    kept.initials |= NameSet::initialOf(entry.name);
  }
  // Two host directories whose names differ in case alone are one to DOS.
  if (kept.entries.empty())
    kept.entries = std::move(entries);
  else
    kept.entries.insert(kept.entries.end(), std::make_move_iterator(entries.begin()),
                        std::make_move_iterator(entries.end()));
  return kept;
}

uint64_t GameFinder::NameSet::initialOf(std::string_view name) {
  return name.empty() ? 0 : uint64_t(1) << (platform::dos::toUpper(name[0]) & 63);
}

const GameFinder::NameSet& GameFinder::namesIn(const std::string& dir) const {
  auto at = names_.find(platform::dos::toUpper(dir));
  if (at != names_.end()) return at->second;
  // One read of the directory's names: no aliases, no look at each entry.
  return keepNames(dir, fs_.listNames(dir).value_or(std::vector<platform::ListedName>{}));
}

namespace {

// "." and ".." lead elsewhere and a pattern matches names by rules of its own: only the file
// system can tell where they lead.
bool onlyTheFileSystemKnows(std::string_view part) {
  return part.empty() || part == "." || part == ".." || platform::dos::hasWildcards(part);
}

bool mayBeAnAlias(std::string_view part) {
  return part.find('~') != std::string_view::npos;
}

}  // namespace

const platform::ListedName* GameFinder::findName(std::string_view name, const NameSet& names) {
  if (!(names.initials & NameSet::initialOf(name))) return nullptr;
  for (const platform::ListedName& entry : names.entries)
    if (equalsIgnoreCase(entry.name, name)) return &entry;
  return nullptr;
}

bool GameFinder::mayBeAmong(std::string_view first, const NameSet& names) {
  if (onlyTheFileSystemKnows(first)) return true;
  // A name with a "~" may be the alias of a longer one; any other name is an alias of nothing
  // but itself.
  if (mayBeAnAlias(first))
    return std::any_of(names.entries.begin(), names.entries.end(),
                       [&](const platform::ListedName& entry) {
                         return platform::mayBeAliasOf(first, entry.name);
                       });
  return findName(first, names) != nullptr;
}

GameFinder::Presence GameFinder::presenceIn(const std::string& dir,
                                            const std::string& relative) const {
  std::string at = dir;
  size_t start = 0;
  for (;;) {
    const size_t end = relative.find('\\', start);
    const std::string_view part = std::string_view(relative).substr(start, end - start);
    // "games\" names a directory too.
    const bool last = end == std::string::npos || end + 1 == relative.size();
    if (onlyTheFileSystemKnows(part)) return Presence::kAsk;
    const NameSet& names = namesIn(at);
    // Where an alias leads only the file system can tell, once some name may have it.
    if (mayBeAnAlias(part)) return mayBeAmong(part, names) ? Presence::kAsk : Presence::kAbsent;
    const platform::ListedName* entry = findName(part, names);
    if (!entry) return Presence::kAbsent;
    if (last) return entry->isDirectory ? Presence::kDirectory : Presence::kFile;
    // Nothing is inside a file.
    if (!entry->isDirectory) return Presence::kAbsent;
    // The name as stored: the file system finds it at once.
    at += entry->name + "\\";
    start = end + 1;
  }
}

bool GameFinder::existsIn(const std::string& dir, const std::string& relative) const {
  switch (presenceIn(dir, relative)) {
    case Presence::kAbsent:
      return false;
    case Presence::kFile:
    case Presence::kDirectory:
      return true;
    case Presence::kAsk:
      break;
  }
  return exists(dir + relative);
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
    switch (presenceIn(root, parent)) {
      case Presence::kDirectory:
        at->second.push_back(base);
        break;
      case Presence::kAsk:
        // "PROGRA~1\": the names the searches look for there come with the answer.
        if (auto names = fs_.listNames(base)) {
          keepNames(base, std::move(*names));
          at->second.push_back(base);
        }
        break;
      case Presence::kAbsent:
      case Presence::kFile:
        break;
    }
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
  const std::string first = executable.substr(0, executable.find('\\'));
  if (!gameFoldersRead_) readGameFolders();
  for (const GameFolder& folder : gameFolders_) {
    if (!mayBeAmong(first, *folder.names)) continue;
    if (claimed_.count(claimKey(folder.path, program))) continue;
    if (!existsIn(folder.path, executable) || !existsIn(folder.path, verification)) continue;
    if (!exclusion.empty() && existsIn(folder.path, exclusion)) continue;
    return folder.path + executable;
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

  foundSlots_[slot] = working_;
  return true;
}

}  // namespace catalogue
