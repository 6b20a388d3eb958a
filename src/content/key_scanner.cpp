#include "content/key_scanner.h"

namespace content {

bool isValueChar(unsigned char c) {
  return c >= 0x20 && c <= 0x7E;
}

bool isLineChar(unsigned char c) {
  return isValueChar(c) || c == '\t';
}

std::optional<size_t> KeyScanner::findKey(std::string_view text, std::string_view key,
                                          Anchor anchor) {
  if (key.empty()) return std::nullopt;
  for (size_t at = text.find(key); at != std::string_view::npos; at = text.find(key, at + 1)) {
    if (anchor == Anchor::kAnywhere || at == 0 || text[at - 1] == '\r' || text[at - 1] == '\n')
      return at;
  }
  return std::nullopt;
}

std::string KeyScanner::findValue(std::string_view text, std::string_view key, Anchor anchor) {
  auto at = findKey(text, key, anchor);
  if (!at) return {};
  size_t from = *at + key.size();
  size_t end = from;
  while (end < text.size() && end - from < kMaxValue && isValueChar(text[end])) ++end;
  while (from < end && text[from] == ' ') ++from;
  return std::string(text.substr(from, end - from));
}

KeyScanner::SetResult KeyScanner::setLine(std::string& text, std::string_view key,
                                          std::string_view value, std::string_view joint) {
  if (auto at = findKey(text, key, Anchor::kLineStart)) {
    size_t end = *at;
    while (end < text.size() && isLineChar(text[end])) ++end;
    const size_t newLine = key.size() + joint.size() + value.size();
    const size_t oldLine = end - *at;
    if (newLine > oldLine && text.size() - oldLine + newLine > capacity_) return SetResult::kNoRoom;
    std::string line;
    line.reserve(newLine);
    line.append(key).append(joint).append(value);
    text.replace(*at, oldLine, line);
    return SetResult::kReplaced;
  }
  if (!appendMissing_) {
    error_ = kErrorKeyNotFound;
    return SetResult::kNotFound;
  }
  const bool needsBreak = !text.empty() && text.back() != '\n';
  const size_t added = (needsBreak ? 2 : 0) + key.size() + 1 + value.size() + 2;
  if (text.size() + added > capacity_) return SetResult::kNoRoom;
  if (needsBreak) text += "\r\n";
  text.append(key).append(" ").append(value).append("\r\n");
  return SetResult::kAppended;
}

}  // namespace content
