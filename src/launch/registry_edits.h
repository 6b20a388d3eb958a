// Settings some games read from the registry: option lines marked "<RegEdit>" write their value
// below the game's registry key before the game starts.
#pragma once

#include <string>

#include "launch/option_line.h"
#include "platform/registry.h"

namespace launch {

// Runs over all option lines, first putting `launchNameCommand` in place of each line's first
// "<misc>". `regKey` is the key path below HKEY_CURRENT_USER ("Software\Maker\Game"); when it
// is empty nothing happens at all. A line whose key cannot be opened or whose write fails is
// passed over without a word.
void applyRegistryEdits(OptionLines& lines, const std::string& regKey,
                        const std::string& launchNameCommand, platform::Registry& registry);

// The markers of a registry edit line.
inline constexpr char kRegEditMarker[] = "<RegEdit>";
inline constexpr char kSubKeyMarker[] = "<SubKey>";
inline constexpr char kDwordMarker[] = "<DWord>";
inline constexpr char kMiscMarker[] = "<misc>";

// A key path is opened at most this many components deep.
inline constexpr size_t kMaxRegKeyComponents = 10;

}  // namespace launch
