#include "catalogue/game_list_reader.h"

namespace catalogue {

GameListReader::GameListReader(std::string content) : content_(std::move(content)) {}

std::string_view GameListReader::lineAt(size_t pos, size_t* next) const {
  size_t end = content_.find('\n', pos);
  if (end == std::string::npos) end = content_.size();
  *next = end < content_.size() ? end + 1 : end;
  std::string_view line(content_.data() + pos, end - pos);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

bool GameListReader::NextEntry() {
  size_t pos = scan_;
  while (pos < content_.size()) {
    size_t next;
    std::string_view line = lineAt(pos, &next);
    if (!line.empty() && line.front() == '[') {
      name_ = line.size() >= 2 ? std::string(line.substr(1, line.size() - 2)) : std::string();
      entryStart_ = scan_ = next;
      return true;
    }
    pos = next;
  }
  ended_ = true;
  name_.clear();
  return false;
}

std::string GameListReader::ReadSetting(std::string_view key) const {
  if (key.empty()) return {};
  size_t pos = entryStart_;
  while (pos < content_.size()) {
    size_t next;
    std::string_view line = lineAt(pos, &next);
    if (!line.empty() && line.front() == '[') return {};
    if (line.starts_with(key)) {
      std::string_view rest = line.substr(key.size());
      if (rest.starts_with(" =") || rest.starts_with("=")) {
        size_t first = line.find('"');
        size_t last = line.rfind('"');
        if (first == std::string_view::npos || last == first) return {};
        return std::string(line.substr(first + 1, last - first - 1));
      }
    }
    pos = next;
  }
  return {};
}

}  // namespace catalogue
