#include "launch/placeholders.h"

#include <climits>

#include "launch/template_markers.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace launch {

using platform::dos::decimalValue;
using platform::dos::fileNameOf;
using platform::dos::fileStemOf;
using platform::dos::findIgnoreCase;

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

namespace {

using namespace markers;

// "<fileonly>" and its numbered form give back one character less than they take: the text
// after them resumes one character beyond the closing ">".
constexpr size_t kFileOnlyResume = 11;
constexpr size_t kFileOnlyNumberedResume = 13;

std::string hexOf(int32_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  uint32_t v = static_cast<uint32_t>(value);
  std::string out;
  do {
    out.insert(out.begin(), kDigits[v & 0xF]);
    v >>= 4;
  } while (v != 0);
  return out;
}

}  // namespace

PlaceholderExpander::PlaceholderExpander(Pass pass, LaunchRecords records, LaunchState& state,
                                         platform::FileSystem& fs, std::string startSelectedDir)
    : pass_(pass),
      records_(records),
      state_(state),
      fs_(fs),
      startSelectedDir_(std::move(startSelectedDir)) {}

void PlaceholderExpander::expand(std::string& piece, OptionLines& lines, size_t index) {
  expandLeadingRows(piece, lines, index);
  expandTrailingRows(piece, lines, index);
}

bool PlaceholderExpander::replaceFirst(std::string& piece, std::string_view name,
                                       std::string_view value, OptionLine& line, size_t resume) {
  size_t at = piece.find(name);
  if (at == std::string::npos) return false;
  size_t rest = at + (resume ? resume : name.size());
  if (rest > piece.size()) rest = piece.size();
  std::string out;
  out.reserve(at + value.size() + piece.size() - rest);
  out.append(piece, 0, at).append(value).append(piece, rest);
  piece = std::move(out);
  line.State = 1;
  return true;
}

size_t PlaceholderExpander::findNumbered(const std::string& piece, std::string_view prefix,
                                         int& slot) {
  for (size_t at = piece.find(prefix); at != std::string::npos; at = piece.find(prefix, at + 1)) {
    size_t digit = at + prefix.size();
    if (digit + 1 < piece.size() && piece[digit] >= '1' && piece[digit] <= '5' &&
        piece[digit + 1] == '>') {
      slot = piece[digit] - '0';
      return at;
    }
  }
  return std::string::npos;
}

std::string PlaceholderExpander::mapValue(const OptionLine& line) const {
  const std::string selected = records_.data.get(gd::SelectedFile);
  if (findIgnoreCase(selected, "map") != std::string::npos) return selected;
  const std::string level = records_.game.get(gi::LevelCommand);
  size_t map = findIgnoreCase(level, "map");
  if (map == std::string::npos) return line.Value;
  std::string text = map + 4 < level.size() ? level.substr(map + 4) : std::string();
  text = text.substr(0, text.find('@'));
  return text.substr(0, text.find('|'));
}

void PlaceholderExpander::copyIfMissing(const std::string& from, const std::string& to,
                                        bool remember) {
  if (fs_.exists(to) || !fs_.exists(from)) return;
  if (!fs_.copyFile(from, to, false)) return;
  state_.FileCopied = true;
  if (remember) state_.CopiedFile = to;
}

// Where "<fileonly_name>" puts the selected file in the configuration pass: a directory
// named in the piece, else the game directory when the user stayed in the directory the launch
// started from, else that starting directory.
void PlaceholderExpander::placeFileName(std::string& piece, OptionLines& lines,
                                        const OptionLine& line) {
  const std::string gameDir = records_.game.get(gi::GameDir);
  const std::string name = fileNameOf(line.Value);
  std::string target;
  size_t at = piece.find(kPathOf);
  size_t close = at == std::string::npos ? at : piece.find('>', at + kPathOf.size());
  if (close != std::string::npos) {
    target = piece.substr(at + kPathOf.size(), close - at - kPathOf.size());
    piece.erase(at, close - at + 1);
    if (target.empty() || target.back() != '\\') target += '\\';
    target += name;
    if (target.size() < 2 || (target[1] != ':' && target[1] != '/')) {
      if (target.front() == '\\') target.erase(0, 1);
      target = gameDir + target;
    }
  } else if (startSelectedDir_ == state_.SelectedDir) {
    target = gameDir + name;
  } else {
    target = startSelectedDir_ + name;
  }
  // A value on the mod line means the game finds the file where it is.
  if (!lines[kLineModDirectory].Value.empty()) return;
  copyIfMissing(line.Value, target, true);
}

void PlaceholderExpander::expandLeadingRows(std::string& piece, OptionLines& lines, size_t index) {
  OptionLine& line = lines[index];
  const bool config = pass_ == Pass::kConfig;
  const auto& game = records_.game;
  const auto& data = records_.data;

  if (config && piece.find(kMap) != std::string::npos)
    replaceFirst(piece, kMap, mapValue(line), line);

  const std::string next = index + 1 < lines.size() ? lines[index + 1].Value : std::string();
  replaceFirst(piece, kNextValue, next, line);

  const std::string episode =
      std::to_string(int(game.get(gi::EpisodeMin)) + int(data.get(gd::EpisodeIndex)));
  replaceFirst(piece, kEpisode, episode, line);
  replaceFirst(piece, kEpisodeUpper, episode, line);
  const std::string level =
      std::to_string(int(game.get(gi::LevelMin)) + int(data.get(gd::LevelIndex)));
  replaceFirst(piece, kLevel, level, line);
  replaceFirst(piece, kLevelUpper, level, line);

  replaceFirst(piece, kNumber, line.Value, line);
  replaceFirst(piece, kNumberUpper, line.Value, line);

  if (piece.find(kHex) != std::string::npos || piece.find(kHexUpper) != std::string::npos) {
    const std::string hex = hexOf(decimalValue(line.Value));
    replaceFirst(piece, kHex, hex, line);
    replaceFirst(piece, kHexUpper, hex, line);
  }

  const std::string gameDir = game.get(gi::GameDir);
  const std::string name = fileNameOf(line.Value);
  int slot = 0;
  if (replaceFirst(piece, kFileOnly, name, line, kFileOnlyResume)) {
    if (config) copyIfMissing(line.Value, gameDir + name, false);
  } else if (config) {
    size_t at = findNumbered(piece, kFileOnlyNumbered, slot);
    if (at != std::string::npos) {
      const std::string tag = piece.substr(at, kFileOnlyNumbered.size() + 2);
      replaceFirst(piece, tag, name, line, kFileOnlyNumberedResume);
      const std::string target = gameDir + data.get(gd::ConfigFileCopy, size_t(slot - 1));
      if (!fs_.exists(target)) fs_.copyFile(line.Value, target, false);
    }
  }

  const std::string stem = fileStemOf(line.Value);
  if (replaceFirst(piece, kFileOnlyName, stem, line)) {
    if (config) placeFileName(piece, lines, line);
  } else if (config) {
    size_t at = findNumbered(piece, kFileOnlyNameNumbered, slot);
    if (at != std::string::npos) {
      const std::string tag = piece.substr(at, kFileOnlyNameNumbered.size() + 2);
      replaceFirst(piece, tag, stem, line);
      const std::string target = gameDir + data.get(gd::ConfigFileCopy, size_t(slot - 1));
      if (!platform::dos::equalsIgnoreCase(line.Value, target))
        fs_.copyFile(line.Value, target, false);
    }
  }
}

void PlaceholderExpander::expandTrailingRows(std::string& piece, OptionLines& lines, size_t index) {
  OptionLine& line = lines[index];
  for (std::string_view name : kValue)
    replaceFirst(piece, name, line.Value, line);
  if (pass_ != Pass::kCommandLine) return;

  replaceFirst(piece, kPath, state_.LaunchDir, line);
  if (piece.find(kPathBelowGame) != std::string::npos) {
    // The selected directory below the game's, as one spelling of both gives it; a directory
    // elsewhere has no part below the game's.
    const std::string& selected = state_.SelectedDir;
    const std::string& launch = state_.LaunchDir;
    std::string relative;
    if (selected.size() > launch.size() &&
        platform::dos::equalsIgnoreCase(selected.substr(0, launch.size()), launch))
      relative = selected.substr(launch.size());
    if (!relative.empty() && relative.back() == '\\') relative.pop_back();
    replaceFirst(piece, kPathBelowGame, relative, line);
    state_.SelectedDir = state_.LaunchDir;
  }
}

}  // namespace launch
