#include "app/launch_names.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "catalogue/game_types.h"
#include "files/file_category.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace app {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

namespace {

// A WAD's map marker as (episode, level): "MAP07" is level 7 of no episode, "E2M3" level 3 of
// episode 2.
std::optional<std::pair<int, int>> mapNumbers(const std::string& name) {
  auto digits = [](std::string_view text) {
    return !text.empty() && text.size() <= 2 &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(uint8_t(c)); });
  };
  const std::string upper = [&] {
    std::string u = name;
    for (char& c : u) c = char(std::toupper(uint8_t(c)));
    return u;
  }();
  if (upper.starts_with("MAP") && digits(std::string_view(upper).substr(3)))
    return std::pair{0, std::stoi(upper.substr(3))};
  const size_t m = upper.find('M');
  if (upper.size() >= 4 && upper[0] == 'E' && m != std::string::npos &&
      digits(std::string_view(upper).substr(1, m - 1)) &&
      digits(std::string_view(upper).substr(m + 1)))
    return std::pair{std::stoi(upper.substr(1, m - 1)), std::stoi(upper.substr(m + 1))};
  return std::nullopt;
}

void name(NumberChoice& choice, int min, const std::map<int, std::string>& names) {
  for (size_t i = 0; i < choice.entries.size(); ++i) {
    const auto found = names.find(min + int(i));
    if (found != names.end() && !found->second.empty()) choice.entries[i] += " : " + found->second;
  }
}

}  // namespace

std::optional<content::ContentNames> launchContentNames(const catalogue::GameInfoRecord& game,
                                                        const catalogue::GameDataRecord& data,
                                                        platform::FileSystem& fs) {
  const std::string selected = data.get(gd::SelectedFile);
  const files::FileCategory category = files::classify(platform::dos::fileNameOf(selected));
  const int kind = game.get(gi::GameKind);
  if (catalogue::isBuildGame(kind)) {
    // The picked add-on's scripts first, the game's own after.
    if (category == files::FileCategory::kGameCon || category == files::FileCategory::kUserCon ||
        category == files::FileCategory::kGroup || category == files::FileCategory::kBloodIni)
      if (auto names = content::readContentNames(fs, selected, content::ContentKind(int(category))))
        return names;
    const std::string dir = platform::dos::withTrailingSeparator(game.get(gi::GameDir));
    if (kind == catalogue::kKindBlood)
      return content::readContentNames(fs, dir + "BLOOD.INI", content::ContentKind::kBloodIni);
    return content::readContentNames(fs, dir + "USER.CON", content::ContentKind::kUserCon);
  }
  if (category == files::FileCategory::kWad) {
    content::ContentOptions options;
    options.hexen = kind == catalogue::kKindHexen;
    return content::readContentNames(fs, selected, content::ContentKind::kWad, options);
  }
  return std::nullopt;
}

void nameLaunchChoices(LaunchSelectionView& view, const catalogue::GameInfoRecord& game,
                       const content::ContentNames& names) {
  const int episodeMin = game.get(gi::EpisodeMin);
  const int levelMin = game.get(gi::LevelMin);
  const int episode = episodeMin + view.episode.selection;
  std::map<int, std::string> episodes, levels;
  bool maps = false;
  for (size_t v = 0; v < names.volumeCount(); ++v) {
    if (const auto numbers = mapNumbers(names.volumeName[v])) {
      // A WAD: its maps name the levels of the episode they belong to.
      maps = true;
      if (numbers->first == 0 || numbers->first == episode)
        levels[numbers->second] = names.volumeName[v];
      continue;
    }
    // Episode numbers count from 1 for the first volume.
    episodes[int(v) + 1] = names.volumeName[v];
  }
  if (!maps && episode >= 1) {
    const std::vector<std::string> named = names.levels(size_t(episode - 1));
    for (size_t l = 0; l < named.size(); ++l) levels[int(l) + 1] = named[l];
  }
  name(view.episode, episodeMin, episodes);
  name(view.level, levelMin, levels);
}

}  // namespace app
