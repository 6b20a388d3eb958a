#include "catalogue/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "catalogue/game_finder.h"
#include "catalogue/game_types.h"
#include "catalogue/record_file.h"
#include "platform/dos_path.h"
#include "platform/drive_map.h"

namespace catalogue {

using platform::dos::equalsIgnoreCase;
using platform::dos::lastComponent;

namespace {

constexpr const char* kTwentyGamesMessage =
    "Quillfen95 has the ability to launch up to tweenty different games.  Please select the "
    "game(s) you which to launch and initialize.";
constexpr const char* kNoGameDefinedMessage =
    "No Game defined.  In order to continue at least one game must be defined";
constexpr const char* kNotDefinedMessage =
    "Game Selected is not defined.  See Define Game or GamePick for more information";
constexpr const char* kNoGameFoundQuestion =
    "No game was found on the drives.\n\nDo you want to choose the folder where your games "
    "are?  It becomes drive %c: and is searched.";
constexpr const char* kNothingInFolderQuestion =
    "No game was found in \"%s\" (drive %c:).\n\nDo you want to choose another folder?";
constexpr const char* kAnotherFolderQuestion = "\n\nDo you want to choose another folder?";
constexpr const char* kNoFreeLetterMessage =
    "Every drive letter from D: to Y: is taken.  Remove a drive in Options, Drives to make room "
    "for the folder of your games.";
constexpr const char* kUnreadableSettings = "The settings file";
constexpr const char* kReplacedGameFile =
    "The factory game definitions are installed again. Your game definitions in";
constexpr const char* kResetQuestion = "Are you sure you want to reset all Quillfen95 data files?";

constexpr int kMaxCreations = 2;    // the counter may reach 3 while the file is created
constexpr int kMaxValidations = 4;  // more invalid reads than this give up

// "20261208-074512" for seconds since 1970 (UTC), for the names of files kept aside. The
// calendar arithmetic is the proleptic Gregorian one, counted from 1 March of year 0.
std::string dateStamp(int64_t seconds) {
  int64_t days = seconds / 86400, rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  const int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  char text[128];  // room for any int64 in each field, so nothing can be cut
  std::snprintf(text, sizeof text, "%04lld%02lld%02lld-%02lld%02lld%02lld", (long long)year,
                (long long)month, (long long)day, (long long)(rest / 3600),
                (long long)(rest / 60 % 60), (long long)(rest % 60));
  return text;
}

uint64_t slotOffset(int slot) {
  return uint64_t(slot) * GameInfoRecord::kSize;
}

}  // namespace

Catalogue::Catalogue(platform::FileSystem& fs, platform::Prompter& prompter, std::string startupDir,
                     LaunchLink& launch)
    : fs_(fs),
      prompter_(prompter),
      startupDir_(platform::dos::withTrailingSeparator(std::move(startupDir))),
      launch_(launch) {}

bool Catalogue::LoadCatalogue() {
  // Saves of runs that were killed half-way leave their scratch files; ours go.
  fs_.removeStaleScratchFiles(startupDir_);
  auto handle = fs_.open(univInfoPath(), platform::OpenMode::kRead);
  // A directory or a FIFO in its place is left where it is and named when the save fails.
  if (!handle) return runFirstStart();
  const size_t got = handle->read(univ_.bytes().data(), UnivInfoRecord::kSize);
  handle.reset();
  if (univ_.get(univ_info::Marker1) != kValidMarker ||
      univ_.get(univ_info::Marker2) != kValidMarker) {
    if (got > 0) keepAside(univInfoPath(), kUnreadableSettings);
    return runFirstStart();
  }
  current_ = ReadGameRecord(currentSlot());
  if (current_.get(game_info::Marker) != kValidMarker) return runFirstStart();
  currentGameDir_ = current_.get(game_info::GameDir);
  return true;
}

namespace {

// The question texts with the folder (%s) and the drive letter (%c) put in.
std::string formatted(const char* pattern, const std::string& text, char letter) {
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      out += text;
      ++p;
    } else if (p[0] == '%' && p[1] == 'c') {
      out += letter;
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace

bool Catalogue::searchDrives() {
  bool searched = false;
  {
    GameFinder finder(fs_, prompter_, startupDir_, univ_);
    finder.setNativePrograms(native_);
    if (!finder.InstallDefaultsAndSearch()) noteWriteFailure(gameInfoPath());
    searched = !finder.searchedDrives().empty();
  }
  if (afterSearch_) afterSearch_();
  return searched;
}

void Catalogue::offerGameFolder() {
  platform::DriveMap* drives = fs_.driveMap();
  if (!folderChooser_ || !drives) return;
  char letter = drives->firstFreeLetter();
  std::string question = formatted(kNoGameFoundQuestion, "", letter ? letter : 'D');
  while (currentSlot() == kNoSlotSelected) {
    if (prompter_.ask(platform::kCaptionProgram, question, platform::Buttons::kYesNo) !=
        platform::Answer::kYes)
      return;
    const std::optional<std::string> folder = folderChooser_->chooseGameFolder();
    if (!folder) return;
    // A folder that already is a drive is only searched again.
    if (const auto mapped = drives->letterOfFolder(*folder)) {
      letter = *mapped;
    } else {
      letter = drives->firstFreeLetter();
      if (!letter) {
        prompter_.tell(kNoFreeLetterMessage);
        return;
      }
      if (std::string error = drives->mapDrive(letter, *folder); !error.empty()) {
        question = error + kAnotherFolderQuestion;
        continue;
      }
    }
    if (!searchDrives()) return;
    question = formatted(kNothingInFolderQuestion, *folder, letter);
  }
}

bool Catalogue::gameFileHoldsGames() {
  auto bytes = fs_.readWhole(gameInfoPath());
  if (!bytes) return false;
  for (size_t at = 0; at + GameInfoRecord::kSize <= bytes->size(); at += GameInfoRecord::kSize) {
    GameInfoRecord record;
    std::copy_n(bytes->begin() + std::ptrdiff_t(at), GameInfoRecord::kSize, record.bytes().begin());
    if (!record.get(game_info::GameDir).empty()) return true;
  }
  return false;
}

void Catalogue::keepAside(const std::string& path, const char* why) {
  const std::string stamp = dateStamp(launch_.createdStamp());
  const size_t dot = path.rfind('.');
  const size_t cut = (dot == std::string::npos || dot < path.rfind('\\')) ? path.size() : dot;
  const std::string kept = path.substr(0, cut) + "-" + stamp + path.substr(cut);
  std::string text = why + std::string(" ") + path;
  if (fs_.exists(kept) || fs_.copyFile(path, kept, /*failIfExists=*/true)) {
    text += " is kept as " + kept + ".";
  } else {
    text += " could not be kept aside (" + fs_.lastErrorText() + ").";
  }
  prompter_.tell(text);
}

RunWith Catalogue::runWith(int slot) {
  return RunWithSettings::load(fs_, startupDir_).get(slot);
}

bool Catalogue::setRunWith(int slot, const RunWith& runWith) {
  RunWithSettings settings = RunWithSettings::load(fs_, startupDir_);
  if (settings.get(slot) == runWith) return true;
  settings.set(slot, runWith);
  if (settings.save(fs_, startupDir_)) return true;
  noteWriteFailure(startupDir_ + RunWithSettings::kFileName);
  return false;
}

void Catalogue::noteWriteFailure(const std::string& path) {
  const std::string why = fs_.lastErrorText();
  saveError_ = path + (why.empty() ? std::string() : ": " + why);
}

bool Catalogue::SaveGameData() {
  const int slot = currentSlot();
  if (!isSelectableSlot(slot) || gameData_.get(game_data::Marker) != kValidMarker) return true;
  const std::string path = gameDataPath(startupDir_, slot);
  const auto& bytes = gameData_.bytes();
  fs_.setAttributesNormal(path);
  if (fs_.replaceWhole(path, std::vector<uint8_t>(bytes.begin(), bytes.end()))) return true;
  noteWriteFailure(path);
  return false;
}

std::string Catalogue::takeSaveError() {
  return std::exchange(saveError_, std::string());
}

bool Catalogue::runFirstStart() {
  // The first start replaces the game file: a player's definitions in it are kept aside first.
  if (gameFileHoldsGames()) keepAside(gameInfoPath(), kReplacedGameFile);
  if (searchDrives() && currentSlot() == kNoSlotSelected) offerGameFolder();
  if (currentSlot() == kNoSlotSelected) {
    prompter_.tell(kTwentyGamesMessage);
    for (;;) {
      int slot = locationDialog_ ? locationDialog_->runGameLocationDialog(1) : kNoSlotSelected;
      univ_.set(univ_info::CurrentSlot, slot);
      if (slot <= kHighestSlot && slot >= 0) break;
      if (prompter_.ask(platform::kCaptionProgram, kNoGameDefinedMessage,
                        platform::Buttons::kOkCancel) != platform::Answer::kOk ||
          !locationDialog_) {
        // No game: the program goes on in its own directory.
        currentGameDir_ = startupDir_;
        return false;  // without a dialog there is no way to define one
      }
    }
  }
  current_ = ReadGameRecord(currentSlot());
  currentGameDir_ = current_.get(game_info::GameDir);
  // A failed save is the window's to report (takeSaveError); the game was defined.
  SaveCatalogue();
  return true;
}

GameInfoRecord Catalogue::ReadGameRecord(int slot) {
  const GameInfoRecord empty;
  if (!isSelectableSlot(slot)) return empty;
  auto handle = fs_.open(gameInfoPath(), platform::OpenMode::kRead);
  if (!handle) return empty;
  bool beyondEnd = handle->length() < slotOffset(slot);
  handle->seek(beyondEnd ? slotOffset(kGenericSlot) : slotOffset(slot));
  GameInfoRecord record;
  handle->read(record.bytes().data(), GameInfoRecord::kSize);
  handle.reset();
  if (beyondEnd) record.set(game_info::GameDir, "");
  if (record.get(game_info::GameDir).empty()) return empty;

  GameInfoRecord kept = current_;
  current_ = record;
  launch_.prepareForSlot(currentSlot());
  LoadGameData();
  current_ = kept;
  ConfigWorkingCopies& copies = launch_.workingCopies();
  for (size_t i = 0; i < kConfigFiles; ++i) {
    copies.names[i] = gameData_.get(game_data::ConfigFileName, i);
    copies.dirs[i] = gameData_.get(game_data::ConfigFileDir, i);
  }
  return record;
}

bool Catalogue::WriteGameRecord(int slot, const GameInfoRecord& record) {
  // A slot above the highest valid one would pad the file with thousands of copies.
  if (!isSelectableSlot(slot)) return true;
  if (writeAtOffset(fs_, gameInfoPath(), slotOffset(slot), record.bytes(), /*create=*/false,
                    Gap::kRecordCopies))
    return true;
  noteWriteFailure(gameInfoPath());
  return false;
}

bool Catalogue::SaveCatalogue() {
  std::vector<uint8_t> bytes(univ_.bytes().begin(), univ_.bytes().end());
  bool saved = fs_.replaceWhole(univInfoPath(), bytes);
  if (!saved) noteWriteFailure(univInfoPath());
  // The game record is written even when the settings were not: each keeps what it can.
  if (!WriteGameRecord(currentSlot(), current_)) saved = false;
  return saved;
}

GameInfoRecord Catalogue::SwitchCurrentSlot(int slot) {
  WriteGameRecord(currentSlot(), current_);
  univ_.set(univ_info::CurrentSlot, slot);
  current_ = ReadGameRecord(slot);
  return current_;
}

void Catalogue::SelectGame(int slot) {
  GameInfoRecord record = ReadGameRecord(slot);
  if (record.get(game_info::IsDefined) == 0) {
    prompter_.tell(kNotDefinedMessage);
    return;
  }
  SwitchCurrentSlot(slot);
  currentGameDir_ = current_.get(game_info::GameDir);
  if (refresher_) refresher_->refreshAfterGamePick();
}

GameInfoRecord Catalogue::genericDefinition() {
  GameInfoRecord generic;
  readAtOffset(fs_, startupDir_ + kDefaultRecordsFile, slotOffset(kGenericSlot), generic.bytes());
  return generic;
}

void Catalogue::SetGameLocation(const std::string& directoryIn, int slot,
                                const std::string& executable, bool* edited) {
  if (directoryIn.empty()) return;
  SwitchCurrentSlot(slot);
  const std::string directory = platform::dos::withTrailingSeparator(directoryIn);
  if (directory != current_.get(game_info::GameDir) || (edited && *edited)) {
    if (edited) *edited = false;
    if (current_.get(game_info::ModemExecuteFile).empty()) {
      // A slot without a directory reads as empty; its stored definition (a built-in type's
      // factory record) still counts as configured.
      GameInfoRecord stored;
      readAtOffset(fs_, gameInfoPath(), slotOffset(slot), stored.bytes());
      if (isSelectableSlot(slot) && !stored.get(game_info::ModemExecuteFile).empty())
        current_ = stored;
    }
    if (current_.get(game_info::ModemExecuteFile).empty()) {
      // Never configured: start from the generic definition, keeping the name.
      std::string name = current_.get(game_info::GameName);
      current_ = genericDefinition();
      current_.set(game_info::GameName, name);
      current_.set(game_info::GameDir, directory);
      current_.set(game_info::ExecuteFile, executable);
      for (const auto* field :
           {&game_info::ModemExecuteFile, &game_info::SerialExecuteFile, &game_info::IpxExecuteFile,
            &game_info::KahnExecuteFile, &game_info::InternetExecuteFile,
            &game_info::NetServerExecuteFile, &game_info::InternetServerExecuteFile})
        current_.set(*field, executable);
    }
    current_.set(game_info::IsDefined, 1);
    univ_.set(univ_info::CurrentSlot, slot);
    currentGameDir_ = directory;
    // The game data record is made afresh for the new location.
    fs_.deleteFile(gameDataPath(startupDir_, slot));
  }
  current_.set(game_info::GameDir, directory);
  std::string name = current_.get(game_info::GameName);
  if (name.empty() || name == "Generic")
    current_.set(game_info::GameName, lastComponent(directory));
  WriteGameRecord(slot, current_);
}

void Catalogue::ResetAllDataFiles() {
  if (prompter_.ask(platform::kCaptionProgram, kResetQuestion, platform::Buttons::kYesNo) !=
      platform::Answer::kYes)
    return;
  univ_.set(univ_info::Marker1, 0.0f);
  univ_.set(univ_info::Marker2, 0.0f);
  current_.clear();
  runFirstStart();
  SelectGame(currentSlot());
}

GameDataRecord Catalogue::freshGameData() const {
  GameDataRecord fresh;
  const bool defined = current_.get(game_info::IsDefined) != 0;
  if (defined) fresh.set(game_data::Marker, kValidMarker);
  fresh.set(game_data::CreatedStamp, launch_.createdStamp());
  fresh.set(game_data::CreatedFlag, 1);
  fresh.set(game_data::SelectionFlag, 1);
  fresh.set(game_data::UseAiPlayers, current_.get(game_info::GameKind) == kKindDuke13 ? 0 : 1);
  const std::string gameDir = current_.get(game_info::GameDir);
  const std::string workDir = gameDir + current_.get(game_info::GameDataSubDir);
  for (size_t i = 0; i < game_data::WorkDir.count; ++i) fresh.set(game_data::WorkDir, workDir, i);
  fresh.set(game_data::OwnerGameDir, gameDir);
  for (size_t i = 0; i < kConfigFiles; ++i) {
    const std::string file = current_.get(game_info::ConfigFile, i);
    fresh.set(game_data::ConfigFileName, platform::dos::fileNameOf(file), i);
    fresh.set(game_data::ConfigFileDir, gameDir + platform::dos::directoryOf(file), i);
  }
  return fresh;
}

int Catalogue::LoadGameData() {
  ConfigWorkingCopies& copies = launch_.workingCopies();
  copies = ConfigWorkingCopies{};
  gameData_.clear();
  int attempts = 0;
  const std::string path = gameDataPath(startupDir_, currentSlot());
  // With no game selected yet there is no game data file to make: the record stays in memory.
  const bool defined = current_.get(game_info::IsDefined) != 0 && isSelectableSlot(currentSlot());
  fs_.setAttributesNormal(path);
  if (current_.get(game_info::GameKind) == kKindDuke13) gameData_.set(game_data::UseAiPlayers, 0);

  bool loaded = false;
  while (!loaded) {
    auto handle = fs_.open(path, platform::OpenMode::kRead);
    while (!handle && attempts <= kMaxCreations) {
      GameDataRecord fresh = freshGameData();
      if (!defined) {
        gameData_ = fresh;  // kept in memory only
        break;
      }
      std::vector<uint8_t> bytes(fresh.bytes().begin(), fresh.bytes().end());
      if (!fs_.replaceWhole(path, bytes)) {
        launch_.recordError(kErrorFileOpen);
        return kGameDataNotCreated;
      }
      ++attempts;
      handle = fs_.open(path, platform::OpenMode::kRead);
    }
    if (!defined) break;
    if (!handle) {
      // Created three times and still unreadable: reported like a failed creation.
      launch_.recordError(kErrorFileOpen);
      return kGameDataNotCreated;
    }
    if (handle->length() == GameDataRecord::kSize) {
      GameDataRecord read;
      handle->read(read.bytes().data(), GameDataRecord::kSize);
      gameData_ = read;
      for (size_t i = 0; i < kConfigFiles; ++i)
        gameData_.set(game_data::ConfigFileCopy, current_.get(game_info::ConfigFile, i), i);
      if (gameData_.get(game_data::Marker) == kValidMarker ||
          gameData_.get(game_data::OwnerGameDir) == current_.get(game_info::GameDir)) {
        loaded = true;
        break;
      }
    }
    ++attempts;
    if (attempts > kMaxValidations) return kGameDataInvalid;
    handle.reset();
    fs_.deleteFile(path);
  }

  const std::string gameDir = current_.get(game_info::GameDir);
  if (!equalsIgnoreCase(gameData_.get(game_data::OwnerGameDir), gameDir)) {
    gameData_.set(game_data::OwnerGameDir, gameDir);
    for (size_t i = 0; i < kConfigFiles; ++i) gameData_.set(game_data::ConfigFileDir, gameDir, i);
  }
  for (size_t i = 0; i < kConfigFiles; ++i) {
    gameData_.set(game_data::ConfigFileCopy, current_.get(game_info::ConfigFile, i), i);
    copies.names[i] = gameData_.get(game_data::ConfigFileName, i);
    copies.dirs[i] = gameData_.get(game_data::ConfigFileDir, i);
  }
  gameData_.set(game_data::RecordDemo, 0);
  gameData_.set(game_data::PlayDemo, 0);
  return kGameDataLoaded;
}

}  // namespace catalogue
