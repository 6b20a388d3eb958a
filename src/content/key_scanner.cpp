#include "content/key_scanner.h"

#include <algorithm>

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

std::optional<KeyScanner::IniValue> KeyScanner::findIniValue(std::string_view text, size_t from,
                                                             std::string_view key) {
  if (key.empty() || from >= text.size()) return std::nullopt;
  const size_t at = text.find(key, from);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view window = text.substr(at + key.size(), kMaxIniValue);
  size_t begin = 0;
  while (begin < window.size() && (window[begin] == ' ' || window[begin] == '"')) ++begin;
  size_t end = begin;
  while (end < window.size() && isLineChar(window[end]) && window[end] != '"') ++end;
  std::string_view value = window.substr(begin, end - begin);
  while (!value.empty() && !isValueChar(value.front())) value.remove_prefix(1);
  if (const size_t equals = value.find('='); equals != std::string_view::npos)
    value.remove_prefix(equals + 1);
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  return IniValue{at, std::string(value)};
}

KeyScanner::SetResult KeyScanner::replaceLine(std::string& text, std::string_view key,
                                              std::string_view value) {
  return replaceRun(text, key, value, false);
}

KeyScanner::SetResult KeyScanner::replaceTwoLines(std::string& text, std::string_view key,
                                                  std::string_view value) {
  return replaceRun(text, key, value, true);
}

KeyScanner::SetResult KeyScanner::replaceRun(std::string& text, std::string_view key,
                                             std::string_view value, bool withContinuation) {
  const auto at = findKey(text, key);
  if (!at) return appendKey(text, key, value);
  size_t end = *at;
  while (end < text.size() && isValueChar(text[end])) ++end;
  if (withContinuation) {
    // The line end (two bytes, whatever they are) and the continuation line.
    end = std::min(end + 2, text.size());
    while (end < text.size() && isValueChar(text[end])) ++end;
  }
  const size_t oldRun = end - *at;
  const size_t newRun = key.size() + value.size();
  if (newRun > oldRun && text.size() - oldRun + newRun > capacity_) return SetResult::kNoRoom;
  text.replace(*at, oldRun, std::string(key).append(value));
  return SetResult::kReplaced;
}

KeyScanner::SetResult KeyScanner::appendKey(std::string& text, std::string_view key,
                                            std::string_view value) {
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
  return appendKey(text, key, value);
}

}  // namespace content
