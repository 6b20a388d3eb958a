#include "launch/content_names.h"

#include <algorithm>
#include <vector>

#include "platform/dos_path.h"

namespace launch {

namespace {

void renameFirstMatch(platform::FileSystem& fs, const std::string& dir, const std::string& pattern,
                      const std::string& extension) {
  auto found = fs.find(dir + pattern);
  auto file =
      std::find_if(found.begin(), found.end(), [](const auto& f) { return !f.isDirectory(); });
  if (file == found.end()) return;
  const std::string name = platform::dos::toUpper(file->longName);
  const size_t dot = name.find('.');
  if (dot == std::string::npos) return;
  if (name.substr(name.rfind('.')) == extension) return;
  const std::string target = dir + name.substr(0, dot) + extension;
  if (fs.exists(target)) return;
  fs.moveFile(dir + file->longName, target);
}

}  // namespace

void renameAddOnContent(platform::FileSystem& fs, const std::string& selectedDir) {
  std::vector<std::string> tiles;
  for (int i = 1; i <= 9; ++i) tiles.push_back("tiles00" + std::to_string(i) + ".*");
  tiles.push_back("tiles000.*");
  for (int i = 10; i <= 19; ++i) tiles.push_back("tiles0" + std::to_string(i) + ".*");
  for (const std::string& pattern : tiles) renameFirstMatch(fs, selectedDir, pattern, ".ART");
  for (const char* pattern : {"user.*", "game.*", "def.*"})
    renameFirstMatch(fs, selectedDir, pattern, ".CON");
}

}  // namespace launch
