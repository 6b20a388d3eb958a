#include "launch/command_line_composer.h"

#include <algorithm>

#include "catalogue/game_types.h"
#include "launch/template_markers.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace launch {

using platform::dos::findIgnoreCase;

namespace gi = catalogue::game_info;

namespace {

using markers::kCml;
// A piece naming a configuration slot belongs to the configuration pass and ends the line.
constexpr std::string_view kConfigDirective = "@Default File";
// The map switch whose value is taken from the window's current map directory.
constexpr std::string_view kMapSwitch = "<cml>-Map <var>";

bool isDukeNukem(const catalogue::GameInfoRecord& game) {
  return catalogue::isDukeNukem(game.get(gi::GameKind));
}

}  // namespace

CommandLineComposer::CommandLineComposer(platform::FileSystem& fs, LaunchRecords records,
                                         LaunchState& state)
    : fs_(fs), records_(records), state_(state) {}

void CommandLineComposer::composeCommandLine(OptionLines& lines) {
  composeCommandLine(lines, state_.OptionStart < 0 ? 0 : size_t(state_.OptionStart));
}

void CommandLineComposer::composeCommandLine(OptionLines& lines, size_t start) {
  PlaceholderExpander expander(Pass::kCommandLine, records_, state_, fs_);
  for (size_t i = start; i < lines.size() && !state_.Args.full(); ++i) {
    const OptionLine& line = lines[i];
    if (line.Text.empty() || (line.Value.empty() && line.State == 2)) continue;
    if (!composeLine(lines, i, expander)) break;
  }
  addGroupFile();
}

bool CommandLineComposer::composeLine(OptionLines& lines, size_t index,
                                      PlaceholderExpander& expander) {
  OptionLine& line = lines[index];
  const std::string text = line.Text;
  size_t p = 0;
  int k = 0;
  size_t pieces = 0;
  while (p <= text.size()) {
    std::string piece = text.substr(p);
    size_t bar = piece.find('|');
    if (bar != std::string::npos) {
      piece.resize(bar);
      p += bar + 1;
      k = -1;
    }
    if (piece.find(kConfigDirective) != std::string::npos || piece.empty() || k > 0) break;
    if (++pieces > kMaxPiecesPerLine) break;
    ++k;
    if (piece.starts_with("//")) continue;
    if (findIgnoreCase(piece, kCml) == std::string::npos) continue;

    expander.expandLeadingRows(piece, lines, index);
    if (piece == kMapSwitch && !line.Value.empty() && !state_.CurrentMapDir.empty())
      line.Value = state_.CurrentMapDir + line.Value;
    expander.expandTrailingRows(piece, lines, index);

    size_t marker = findIgnoreCase(piece, kCml);
    if (marker != std::string::npos) piece.erase(marker, kCml.size());
    state_.Args.args.push_back(std::move(piece));
    if (state_.Args.full()) return false;
  }
  return true;
}

// A Duke Nukem 3D add-on started from its own directory brings its group file along.
void CommandLineComposer::addGroupFile() {
  if (!isDukeNukem(records_.game) || state_.SelectedDir.empty() ||
      fs_.samePath(state_.SelectedDir, state_.LaunchDir) || state_.Args.full())
    return;
  for (const platform::FindData& found : fs_.find(state_.SelectedDir + "*.grp")) {
    if (found.isDirectory()) continue;
    // The DOS game needs the 8.3 name; a name that already fits is passed as stored.
    const std::string& name = platform::dos::equalsIgnoreCase(found.longName, found.shortName)
                                  ? found.longName
                                  : found.shortName;
    const std::string arg = "/g" + name;
    auto& args = state_.Args.args;
    if (std::find(args.begin(), args.end(), arg) == args.end()) args.push_back(arg);
    return;
  }
}

}  // namespace launch
