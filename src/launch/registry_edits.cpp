#include "launch/registry_edits.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

namespace launch {
namespace {

char asciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool containsIgnoreCase(std::string_view text, std::string_view word) {
  if (word.size() > text.size()) return false;
  for (size_t at = 0; at + word.size() <= text.size(); ++at) {
    size_t i = 0;
    while (i < word.size() && asciiLower(text[at + i]) == asciiLower(word[i])) ++i;
    if (i == word.size()) return true;
  }
  return false;
}

// The value as the C library's atoi reads it: blanks, a sign, digits up to the first other
// character, held to the 32-bit range; no digits give 0. Negative numbers keep their bits.
uint32_t decimalValue(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
    value = std::min(value * 10 + (text[at] - '0'), kLimit);
  if (negative) value = -value;
  value = std::min<int64_t>(value, std::numeric_limits<int32_t>::max());
  return uint32_t(int32_t(value));
}

// The key path cut at every "\", the first ten pieces only. An empty piece (from "\\" or a
// trailing "\") opens the key it is in, as an empty subkey name does.
std::vector<std::string> keyComponents(const std::string& regKey) {
  std::vector<std::string> parts;
  size_t at = 0;
  while (parts.size() < kMaxRegKeyComponents) {
    size_t end = regKey.find('\\', at);
    parts.push_back(regKey.substr(at, end == std::string::npos ? std::string::npos : end - at));
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return parts;
}

// Opens the components one below the other and gives every handle, deepest last. A missing last
// component (not the first) leaves the value to the key above it; any other missing component
// gives nothing.
std::vector<std::unique_ptr<platform::RegistryKey>> openKeyPath(
    platform::Registry& registry, const std::vector<std::string>& parts) {
  std::vector<std::unique_ptr<platform::RegistryKey>> opened;
  for (size_t i = 0; i < parts.size(); ++i) {
    auto key = i == 0 ? registry.openCurrentUserKey(parts[i]) : opened.back()->openSubKey(parts[i]);
    if (!key) {
      if (i > 0 && i + 1 == parts.size()) break;
      opened.clear();
      break;
    }
    opened.push_back(std::move(key));
  }
  return opened;
}

void closeFromTheDeepest(std::vector<std::unique_ptr<platform::RegistryKey>>& opened) {
  while (!opened.empty()) opened.pop_back();
}

}  // namespace

void applyRegistryEdits(OptionLines& lines, const std::string& regKey,
                        const std::string& launchNameCommand, platform::Registry& registry) {
  if (regKey.empty()) return;
  const std::vector<std::string> parts = keyComponents(regKey);
  const std::string_view misc = kMiscMarker;
  const std::string_view subKey = kSubKeyMarker;

  for (OptionLine& line : lines) {
    if (line.Text.empty()) continue;
    if (size_t at = line.Text.find(misc); at != std::string::npos)
      line.Text.replace(at, misc.size(), launchNameCommand);
    if (!containsIgnoreCase(line.Text, kRegEditMarker)) continue;
    if (line.Value.empty() && line.State == 2) continue;

    // Only the text before the first "|" describes the edit.
    const std::string piece = line.Text.substr(0, line.Text.find('|'));
    std::string name;
    if (size_t at = piece.find(subKey); at != std::string::npos)
      name = piece.substr(at + subKey.size());
    const bool dword = piece.find(kDwordMarker) != std::string::npos;

    auto opened = openKeyPath(registry, parts);
    if (opened.empty()) continue;
    // A failed write is passed over like a missing key.
    platform::RegistryKey& key = *opened.back();
    if (dword)
      key.setDword(name, decimalValue(line.Value));
    else
      key.setString(name, line.Value);
    closeFromTheDeepest(opened);
  }
}

}  // namespace launch
