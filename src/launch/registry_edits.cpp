#include "launch/registry_edits.h"
#include "platform/dos_text.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

namespace launch {

using platform::dos::containsIgnoreCase;
using platform::dos::decimalValue;
namespace {

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
      // Negative numbers keep their bits, as a DWORD takes them.
      key.setDword(name, uint32_t(decimalValue(line.Value)));
    else
      key.setString(name, line.Value);
    closeFromTheDeepest(opened);
  }
}

}  // namespace launch
