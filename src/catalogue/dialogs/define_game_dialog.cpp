#include "catalogue/dialogs/define_game_dialog.h"

#include <algorithm>
#include <cstring>

#include "catalogue/dialogs/file_filter.h"

namespace catalogue::dialogs {

namespace gi = game_info;

namespace {

// Paste takes the whole definition but the name, the directory and the executable.
constexpr size_t kPastedFrom = gi::ModemExecuteFile.offset;

std::string decimal(uint8_t value) {
  return std::to_string(int(value));
}

// A "Min"/"Max" box: the number cut to a byte; text that is no number keeps the old value.
uint8_t rangeByte(const std::string& text, uint8_t old) {
  std::optional<long> n = parseDecimal(text);
  if (!n) return old;
  return uint8_t(std::clamp(*n, 0L, 255L));
}

}  // namespace

GameInfoRecord& gameClipboard() {
  static GameInfoRecord clipboard;
  return clipboard;
}

DefineGameDialog::DefineGameDialog(GameInfoRecord& record, int slot, int advancedSetup,
                                   std::string gameDirectory, GameInfoRecord& clipboard)
    : DefineGameDialog(record, slot, advancedSetup, std::move(gameDirectory), RunWith{},
                       clipboard) {}

DefineGameDialog::DefineGameDialog(GameInfoRecord& record, int slot, int advancedSetup,
                                   std::string gameDirectory, const RunWith& runWith,
                                   GameInfoRecord& clipboard)
    : record_(record),
      slot_(slot),
      advancedSetup_(advancedSetup),
      gameDirectory_(std::move(gameDirectory)),
      clipboard_(clipboard),
      runWith_(runWith) {
  loadFields();
  fields_.runWith = runWith_.native ? 1 : 0;
  fields_.nativeProgram = runWith_.program;
  fields_.nativeArguments = joinArguments(runWith_.arguments);
}

void DefineGameDialog::loadFields() {
  fields_.name = record_.get(gi::GameName);
  fields_.executionFile = record_.get(gi::GameDir) + record_.get(gi::ExecuteFile);
  loadDefinitionFields();
}

void DefineGameDialog::loadDefinitionFields() {
  fields_.skillCommand = record_.get(gi::SkillCommand);
  fields_.skillMin = decimal(record_.get(gi::SkillMin));
  fields_.skillMax = decimal(record_.get(gi::SkillMax));
  fields_.episodeCommand = record_.get(gi::EpisodeCommand);
  fields_.episodeMin = decimal(record_.get(gi::EpisodeMin));
  fields_.episodeMax = decimal(record_.get(gi::EpisodeMax));
  fields_.levelCommand = record_.get(gi::LevelCommand);
  fields_.levelMin = decimal(record_.get(gi::LevelMin));
  fields_.levelMax = decimal(record_.get(gi::LevelMax));
  const uint8_t kind = record_.get(gi::GameKind);
  auto found = std::find(kGameTypeKinds.begin(), kGameTypeKinds.end(), kind);
  fields_.gameType = found == kGameTypeKinds.end() ? -1 : int(found - kGameTypeKinds.begin());
  fields_.preventOverride = record_.get(gi::PreventOverride) != 0;
}

bool DefineGameDialog::keepsBuiltInDefinition() const {
  return advancedSetup_ != 0 && slot_ >= 0 && slot_ <= kLastProtectedSlot;
}

bool DefineGameDialog::canOpen(DefinitionPage page) const {
  if (page != DefinitionPage::kFileList) return true;
  if (keepsBuiltInDefinition()) return false;
  return !fields_.name.empty() && fields_.name != kUndefinedName;
}

void DefineGameDialog::copyParameters() {
  clipboard_ = record_;
}

void DefineGameDialog::pasteParameters() {
  if (clipboard_.get(gi::GameName).empty()) return;
  std::memcpy(record_.bytes().data() + kPastedFrom, clipboard_.bytes().data() + kPastedFrom,
              GameInfoRecord::kSize - kPastedFrom);
  if (fields_.executionFile.empty())
    fields_.executionFile = clipboard_.get(gi::GameDir) + clipboard_.get(gi::ExecuteFile);
  if (fields_.name.empty() || fields_.name == kUndefinedName)
    fields_.name = clipboard_.get(gi::GameName);
  loadDefinitionFields();
}

void DefineGameDialog::ok() {
  // The program and its arguments stay when DOSBox is chosen, for a switch back.
  runWith_.native = fields_.runWith == 1;
  runWith_.program = fields_.nativeProgram;
  runWith_.arguments = splitArguments(fields_.nativeArguments);
  auto [directory, file] = splitDirectoryAndName(fields_.executionFile);
  record_.set(gi::ExecuteFile, file);
  // A bare file name keeps the game's directory.
  if (!directory.empty()) record_.set(gi::GameDir, directory);
  record_.set(gi::GameName, fields_.name);
  if (fields_.gameType >= 0 && size_t(fields_.gameType) < kGameTypeKinds.size())
    record_.set(gi::GameKind, kGameTypeKinds[size_t(fields_.gameType)]);
  if (keepsBuiltInDefinition()) return;
  record_.set(gi::SkillCommand, fields_.skillCommand);
  record_.set(gi::EpisodeCommand, fields_.episodeCommand);
  record_.set(gi::LevelCommand, fields_.levelCommand);
  record_.set(gi::SkillMin, rangeByte(fields_.skillMin, record_.get(gi::SkillMin)));
  record_.set(gi::SkillMax, rangeByte(fields_.skillMax, record_.get(gi::SkillMax)));
  record_.set(gi::EpisodeMin, rangeByte(fields_.episodeMin, record_.get(gi::EpisodeMin)));
  record_.set(gi::EpisodeMax, rangeByte(fields_.episodeMax, record_.get(gi::EpisodeMax)));
  record_.set(gi::LevelMin, rangeByte(fields_.levelMin, record_.get(gi::LevelMin)));
  record_.set(gi::LevelMax, rangeByte(fields_.levelMax, record_.get(gi::LevelMax)));
  record_.set(gi::PreventOverride, fields_.preventOverride ? 1 : 0);
}

}  // namespace catalogue::dialogs
