#include "catalogue/dialogs/file_filter.h"
#include "platform/dos_path.h"

namespace catalogue::dialogs {

namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::vector<FilterEntry> splitFileFilter(std::string_view filter) {
  std::vector<std::string_view> parts;
  while (true) {
    size_t bar = filter.find('|');
    parts.push_back(trimmed(filter.substr(0, bar)));
    if (bar == std::string_view::npos) break;
    filter.remove_prefix(bar + 1);
  }
  std::vector<FilterEntry> entries;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty()) break;  // the closing "||"
    if (parts[i + 1].empty()) continue;
    entries.push_back({std::string(parts[i]), std::string(parts[i + 1])});
  }
  return entries;
}

std::string anyCasePattern(std::string_view pattern) {
  std::string out;
  for (char c : pattern) {
    const bool lower = c >= 'a' && c <= 'z';
    const bool upper = c >= 'A' && c <= 'Z';
    if (!lower && !upper) {
      out += c;
      continue;
    }
    out += '[';
    out += lower ? c : char(c - 'A' + 'a');
    out += lower ? char(c - 'a' + 'A') : c;
    out += ']';
  }
  return out;
}

std::pair<std::string, std::string> splitDirectoryAndName(std::string_view path) {
  return {platform::dos::directoryOf(path), platform::dos::fileNameOf(path)};
}

}  // namespace catalogue::dialogs
