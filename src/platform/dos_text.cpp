#include "platform/dos_text.h"

#include <algorithm>
#include <limits>

#include "platform/dos_path.h"

namespace platform::dos {

char toLower(char c) {
  return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

std::string toLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = toLower(c);
  return out;
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

bool endsWithIgnoreCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         equalsIgnoreCase(text.substr(text.size() - suffix.size()), suffix);
}

size_t findIgnoreCase(std::string_view text, std::string_view needle, size_t from) {
  if (needle.size() > text.size()) return std::string_view::npos;
  for (size_t at = from; at + needle.size() <= text.size(); ++at) {
    size_t n = 0;
    while (n < needle.size() && toLower(text[at + n]) == toLower(needle[n])) ++n;
    if (n == needle.size()) return at;
  }
  return std::string_view::npos;
}

bool containsIgnoreCase(std::string_view text, std::string_view needle) {
  return findIgnoreCase(text, needle) != std::string_view::npos;
}

int32_t decimalValue(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
  int64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
    value = std::min(value * 10 + (text[at] - '0'), kLimit);
  if (negative) value = -value;
  return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                     std::numeric_limits<int32_t>::max()));
}

}  // namespace platform::dos

namespace platform::dos {

size_t HashIgnoringCase::operator()(std::string_view text) const {
  size_t hash = 14695981039346656037ull;
  for (char c : text) hash = (hash ^ static_cast<unsigned char>(toUpper(c))) * 1099511628211ull;
  return hash;
}

bool EqualIgnoringCase::operator()(std::string_view a, std::string_view b) const {
  return equalsIgnoreCase(a, b);
}

}  // namespace platform::dos
