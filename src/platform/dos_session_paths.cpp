#include "platform/dos_session_paths.h"

#include <algorithm>

namespace platform {

std::optional<char> sessionLetterForZ(const FileSystem& fs) {
  const std::vector<char> mapped = fs.drives();
  for (char letter = 'Y'; letter >= 'D'; --letter) {
    if (std::find(mapped.begin(), mapped.end(), letter) == mapped.end()) return letter;
  }
  return std::nullopt;
}

std::optional<std::string> dosSessionPath(const FileSystem& fs, const std::string& path) {
  auto shortPath = fs.shortPathName(path);
  if (!shortPath) return std::nullopt;
  std::string text = *shortPath;
  if (text.size() >= 2 && text[1] == ':' && (text[0] == 'Z' || text[0] == 'z')) {
    auto letter = sessionLetterForZ(fs);
    if (!letter) return std::nullopt;
    text[0] = *letter;
  }
  return text;
}

std::string onSessionDrives(const FileSystem& fs, const std::string& text) {
  std::string out = text;
  std::optional<char> letter;
  for (size_t i = 0; i + 2 < out.size(); ++i) {
    if ((out[i] != 'Z' && out[i] != 'z') || out[i + 1] != ':' || out[i + 2] != '\\') continue;
    if (!letter) letter = sessionLetterForZ(fs);
    if (!letter) return out;
    out[i] = *letter;
  }
  return out;
}

}  // namespace platform
