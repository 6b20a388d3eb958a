#include "launch/config_file_writer.h"

#include "platform/dos_path.h"
#include "platform/dos_text.h"
#include "launch/template_markers.h"

namespace launch {

using platform::dos::findIgnoreCase;

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

namespace {

constexpr std::string_view kSlotDirective = "@Default File";
using markers::kMisc;

// Whether `text` names configuration slot `slot` (1–5), in any case.
bool namesSlot(std::string_view text, size_t slot) {
  const char digit = char('0' + slot);
  for (size_t at = findIgnoreCase(text, kSlotDirective); at != std::string_view::npos;
       at = findIgnoreCase(text, kSlotDirective, at + 1)) {
    size_t after = at + kSlotDirective.size();
    if (after < text.size() && text[after] == digit) return true;
  }
  return false;
}

std::string lessOneLeadingBlank(std::string text) {
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

}  // namespace

ConfigFileWriter::ConfigFileWriter(platform::FileSystem& fs, platform::Prompter& prompter,
                                   Setup setup, LaunchState& state, const OptionLines& lines,
                                   Hooks hooks)
    : fs_(fs),
      prompter_(prompter),
      setup_(std::move(setup)),
      state_(state),
      lines_(lines),
      hooks_(std::move(hooks)) {
  scanner_.setCapacity(kMaxConfigFileSize);
}

int ConfigFileWriter::writeConfigFiles() {
  error_ = 0;
  if (setup_.game.get(gi::Marker) != catalogue::kValidMarker) return 0;
  const bool setUp = hooks_.gameDataSetUp ? hooks_.gameDataSetUp()
                                          : setup_.data.get(gd::Marker) == catalogue::kValidMarker;
  if (!setUp) {
    if (hooks_.initialiseGameData) hooks_.initialiseGameData();
    return 0;
  }
  if (hooks_.registryPass) hooks_.registryPass(lines_);
  if (!saveGameData()) return 0;

  for (size_t slot = 1; slot <= catalogue::kConfigFiles; ++slot) {
    int result = writeSlot(slot);
    if (result < 0) return 0;
    if (result == 0) break;
  }
  return 1;
}

bool ConfigFileWriter::saveGameData() {
  const std::string& path = setup_.gameDataFile;
  fs_.setAttributesNormal(path);
  // Opened first so that a file that cannot be opened is told apart from a failed write.
  if (!fs_.open(path, platform::OpenMode::kCreateKeep)) {
    error_ = kErrorFileOpen;
    return false;
  }
  const auto& bytes = setup_.data.bytes();
  if (!fs_.replaceWhole(path, std::vector<uint8_t>(bytes.begin(), bytes.end()))) {
    error_ = kErrorDataNotSaved;
    return false;
  }
  return true;
}

int ConfigFileWriter::writeSlot(size_t slot) {
  const size_t i = slot - 1;
  const std::string& name = setup_.configs.names[i];
  if (name.empty() || setup_.data.get(gd::ConfigFileCopy, i).empty()) return 0;

  std::string path = setup_.configs.dirs[i] + name;
  if (setup_.game.get(gi::LaunchPipelineFlag) != 0) {
    // The game reads its settings from the selected directory: edit a copy there.
    const std::string copy = setup_.startSelectedDir + name;
    if (!platform::dos::equalsIgnoreCase(copy, path)) fs_.copyFile(path, copy, false);
    path = copy;
  }
  fs_.setAttributesNormal(path);

  const char mode = setup_.game.get(gi::ConfigFileFlag, i)[0];
  std::string text;
  if (!loadText(path, mode, text)) {
    error_ = kErrorFileOpen;
    return -1;
  }
  if (text.size() > kMaxConfigFileSize) return 1;

  editText(slot, mode, text);
  if (!fs_.replaceWhole(path, std::vector<uint8_t>(text.begin(), text.end()))) {
    error_ = kErrorFileOpen;
    return -1;
  }
  return 1;
}

bool ConfigFileWriter::loadText(const std::string& path, char mode, std::string& text) {
  const bool exists = fs_.exists(path);
  if (mode == 'R' || (mode == 'N' && !exists)) {
    // Written afresh; the first time a file is overwritten its old content is kept aside.
    if (setup_.currentSlot == 0) prompter_.tell(kOverwriteNotice);
    if (exists && !fs_.exists(path + kBackupSuffix)) fs_.copyFile(path, path + kBackupSuffix, true);
    text.clear();
    return true;
  }
  if (mode == '1' && !exists) {
    text = kNetworkConfigText;
    return true;
  }
  // A file that cannot be read whole is never rewritten.
  auto bytes = fs_.readWhole(path);
  if (!bytes) return false;
  text.assign(bytes->begin(), bytes->end());
  return true;
}

void ConfigFileWriter::editText(size_t slot, char mode, std::string& text) {
  scanner_.setAppendMissing(mode == 'R' || mode == 'N');
  PlaceholderExpander expander(Pass::kConfig, LaunchRecords{setup_.game, setup_.data}, state_, fs_,
                               setup_.startSelectedDir);
  const std::string launchName = setup_.game.get(gi::LaunchNameCommand);

  for (size_t index = 0; index < lines_.size(); ++index) {
    OptionLine& line = lines_[index];
    if (line.Text.empty() || (line.Value.empty() && line.State == 2)) continue;
    size_t misc = line.Text.find(kMisc);
    if (misc != std::string::npos) line.Text.replace(misc, kMisc.size(), launchName);
    if (!namesSlot(line.Text, slot)) continue;

    // Pieces end at "|"; the text after an "@" names the slot and is passed over.
    const std::string lineText = line.Text;
    size_t p = 0;
    int k = 0;
    while (p <= lineText.size()) {
      std::string piece = lineText.substr(p);
      size_t bar = piece.find('|');
      if (bar != std::string::npos) {
        piece.resize(bar);
        p += bar + 1;
        k = -1;
      }
      size_t at = piece.find('@');
      if (at != std::string::npos) {
        piece.resize(at);
        size_t next = lineText.find('@', p);
        p = next == std::string::npos ? lineText.size() + 1 : next + 1;
        k = 0;
      } else if (k > 0) {
        break;
      }
      ++k;
      expander.expand(piece, lines_, index);
      applyPiece(std::move(piece), line, mode, text);
    }
  }
}

void ConfigFileWriter::applyPiece(std::string piece, const OptionLine& line, char mode,
                                  std::string& text) {
  if (piece.empty() || findIgnoreCase(piece, markers::kCml) != std::string::npos) return;
  std::string key;
  std::string value;
  std::string_view joint;
  const size_t n = piece.size();
  const size_t equals = piece.find('=');
  const size_t blank = piece.find(' ');
  if (piece[n - 1] == '=') {
    key = piece + " ";
    value = line.Value;
  } else if (n >= 2 && piece[n - 2] == '=' && piece[n - 1] == ' ') {
    key = piece;
    value = line.Value;
  } else if (equals != std::string::npos && line.State == 1) {
    key = piece.substr(0, equals + 1) + " ";
    value = lessOneLeadingBlank(piece.substr(equals + 1));
  } else if (blank != std::string::npos && line.State == 1) {
    key = piece.substr(0, blank);
    value = lessOneLeadingBlank(piece.substr(blank + 1));
    joint = " ";
  } else if (mode == 'R' || mode == 'N') {
    key = piece;
  } else {
    return;
  }
  // A key that is empty would match the first line of any file.
  if (key.empty()) return;
  scanner_.setLine(text, key, value, joint);
}

}  // namespace launch
