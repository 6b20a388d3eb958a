#include "launch/settings_file.h"

namespace launch {

std::map<std::string, std::string> readSettingsFile(platform::FileSystem& fs,
                                                    const std::string& path, size_t maxValue) {
  std::map<std::string, std::string> values;
  const auto bytes = fs.readWhole(path);
  if (!bytes) return values;
  const std::string text(bytes->begin(), bytes->end());
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t equals = line.find('=');
    if (equals != std::string::npos)
      values[line.substr(0, equals)] = line.substr(equals + 1, maxValue);
    at = end + 1;
  }
  return values;
}

bool writeSettingsFile(platform::FileSystem& fs, const std::string& path,
                       const std::vector<std::pair<std::string, std::string>>& values) {
  std::string text;
  for (const auto& [key, value] : values) {
    text.append(key).append("=").append(value).append("\r\n");
  }
  return fs.replaceWhole(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace launch
