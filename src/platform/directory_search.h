// One pass over a directory's listing for several DOS wildcard patterns at once. The host and
// the in-memory file systems both search through it, so both find alike.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/short_names.h"

namespace platform {

// What an entry of a listing is. kGone: no entry for DOS (a link to nothing, or an entry
// removed since the listing was read).
enum class ListedKind : uint8_t { kGone, kFile, kDirectory };

// The name a pattern stands for inside a directory, as find() takes the last component of a
// path ("NAME." is "NAME"); nothing for a pattern that names no entry of the directory itself.
std::optional<std::string> patternInDirectory(std::string_view pattern);

// FileSystem::searchDirectory over one listing. `kindOf(i)` says what names()[i] is; it is
// asked once for each entry.
DirectorySearch searchListing(std::shared_ptr<const DirectoryListing> listing,
                              const std::vector<std::string>& patterns,
                              const std::function<ListedKind(size_t)>& kindOf);

}  // namespace platform
