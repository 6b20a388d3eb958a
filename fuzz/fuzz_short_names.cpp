// Any bytes as a directory's names, one per line, the first line also a search pattern: the
// names come from other programs' files on the user's drives. Aliases, lookups and pattern
// matching must stay inside their bounds, give every name an alias of DOS form, and find each
// name as itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "platform/dos_path.h"
#include "platform/short_names.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> names;
  std::set<std::string> seen;
  size_t start = 0;
  while (start <= text.size() && names.size() < 4096) {
    size_t end = text.find('\n', start);
    if (end == text.npos) end = text.size();
    std::string name = text.substr(start, end - start);
    start = end + 1;
    // A host directory holds no empty names, no "/" or NUL, and no name twice.
    if (name.empty() || name.find_first_of(std::string("/\0", 2)) != name.npos) continue;
    if (seen.insert(name).second) names.push_back(std::move(name));
  }
  if (names.empty()) return 0;

  const platform::DirectoryListing listing(names);
  const std::vector<std::string>& aliases = listing.aliases();
  if (aliases.size() != names.size()) std::abort();
  if (platform::assignShortNames(names) != aliases) std::abort();
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& alias = aliases[i];
    const size_t dot = alias.find('.');
    const size_t base = dot == alias.npos ? alias.size() : dot;
    if (alias.empty() || base > 8 || (dot != alias.npos && alias.size() - dot - 1 > 3))
      std::abort();
    if (listing.find(names[i]) != i || listing.indexOf(names[i]) != i) std::abort();
    if (!listing.find(alias)) std::abort();
    (void)platform::dos::matchesWildcard(names.front(), names[i]);
    (void)platform::dos::matchesWildcard(names.front(), alias);
  }
  return 0;
}
