#include "content/episode_data.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "content/key_scanner.h"
#include "platform/dos_text.h"

namespace content {

namespace {

bool isBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The level line after its key: map, par time, record time and the rest as the name.
void splitLevel(std::string_view value, EpisodeLevel& level) {
  std::string* words[] = {&level.map, &level.parTime, &level.recordTime};
  size_t at = 0;
  for (std::string* word : words) {
    while (at < value.size() && isBlank(value[at])) ++at;
    const size_t start = at;
    while (at < value.size() && !isBlank(value[at])) ++at;
    *word = std::string(value.substr(start, at - start));
  }
  while (at < value.size() && isBlank(value[at])) ++at;
  level.name = std::string(value.substr(at));
}

// Eleven blank-separated words after `at`, line ends counting as blanks; each cut to its room.
void readMusicList(std::string_view text, size_t at,
                   std::array<EpisodeLevel, EpisodeData::kLevels>& levels) {
  for (EpisodeLevel& level : levels) {
    while (at < text.size() && isBlank(text[at])) ++at;
    if (at >= text.size() || text[at] == '\0') return;
    const size_t start = at;
    while (at < text.size() && !isBlank(text[at]) && text[at] != '\0') ++at;
    level.music = std::string(text.substr(start, std::min(at - start, EpisodeData::kMusicWordMax)));
  }
}

}  // namespace

EpisodeData readEpisodeData(platform::FileSystem& fs, const std::string& selectedName,
                            const std::string& conDirectory, bool version15) {
  EpisodeData data;
  data.conDirectory = conDirectory;
  std::string name = selectedName;
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return char(std::toupper(static_cast<unsigned char>(c))); });
  if (name.find("USER") != std::string::npos) {
    data.userConName = name;
  } else if (const size_t game = name.find("GAME"); game != std::string::npos) {
    data.gameConName = name;
    data.userConName = name.replace(game, 4, "USER");
  } else {
    return data;
  }
  data.volumeCount = version15 ? 4 : 3;

  const std::string path = conDirectory + data.userConName;
  fs.setAttributesNormal(path);
  auto file = fs.open(path, platform::OpenMode::kRead);
  if (!file) return data;
  std::string text(size_t(std::min<uint64_t>(file->length(), EpisodeData::kReadMax)), '\0');
  if (file->read(text.data(), text.size()) != text.size()) return data;
  data.valid = true;

  for (size_t v = 0; v < EpisodeData::kVolumes; ++v) {
    data.volumeName[v] = KeyScanner::findValue(text, "definevolumename " + std::to_string(v) + " ");
    data.skillName[v] = KeyScanner::findValue(text, "defineskillname " + std::to_string(v) + " ");
  }
  for (size_t v = 0; v < EpisodeData::kVolumes; ++v) {
    for (size_t l = 0; l < EpisodeData::kLevels; ++l) {
      // No blank after the level: the key of level 1 also starts the line of level 10, and the
      // first line in the file decides, as the game's editors have always read it.
      const std::string key = "definelevelname " + std::to_string(v) + " " + std::to_string(l);
      const std::string value = KeyScanner::findValue(text, key);
      if (!value.empty()) splitLevel(value, data.level[v][l]);
    }
  }
  const std::string music0 = KeyScanner::findValue(text, "music 0 ");
  const size_t blank = music0.find(' ');
  data.music0First = music0.substr(0, blank);
  data.music0Rest = blank == std::string::npos ? "" : music0.substr(blank + 1);
  for (size_t v = 0; v < EpisodeData::kVolumes; ++v) {
    const std::string key = "music " + std::to_string(v + 1) + " ";
    if (const auto at = KeyScanner::findKey(text, key))
      readMusicList(text, *at + key.size(), data.level[v]);
  }
  return data;
}

}  // namespace content
