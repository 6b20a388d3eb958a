#include "platform/directory_search.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace platform {
namespace {

// "*.EXT" (no other wildcard or dot): nearly every pattern of a file list. A name matches it
// when the text after its last dot is EXT.
bool isExtensionPattern(std::string_view pattern) {
  return pattern.size() > 2 && pattern.substr(0, 2) == "*." &&
         pattern.find_first_of("*?.", 2) == std::string_view::npos;
}

// The text after the last dot of `name`; nothing when it has no dot.
std::optional<std::string_view> extensionOf(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return std::nullopt;
  return name.substr(dot + 1);
}

// The patterns sorted by how they are matched: "*.EXT" by a lookup of the extension, names
// without wildcards by the listing's own lookup (the entry find() would name), the rest one
// by one.
class PatternSet {
 public:
  PatternSet(const DirectoryListing& listing, const std::vector<std::string>& patterns) {
    for (size_t i = 0; i < patterns.size(); ++i) {
      auto name = patternInDirectory(patterns[i]);
      if (!name) continue;
      const auto pattern = static_cast<uint32_t>(i);
      if (!dos::hasWildcards(*name)) {
        if (auto at = listing.find(*name)) named_.emplace_back(static_cast<uint32_t>(*at), pattern);
      } else if (isExtensionPattern(*name)) {
        byExtension_[name->substr(2)].push_back(pattern);
      } else {
        others_.emplace_back(std::move(*name), pattern);
      }
    }
    std::sort(named_.begin(), named_.end());
  }

  // The patterns that entry `index`, with its name and alias, matches, into `out`. Each
  // pattern is in one group only, so none comes twice.
  void match(uint32_t index, std::string_view name, std::string_view alias,
             std::vector<uint32_t>& out) {
    out.clear();
    if (!byExtension_.empty()) {
      const auto nameExtension = extensionOf(name);
      if (nameExtension) add(*nameExtension, out);
      // An alias keeps three characters of the extension: "x.mapx" is "X~1.MAP".
      const auto aliasExtension = extensionOf(alias);
      if (aliasExtension &&
          (!nameExtension || !dos::equalsIgnoreCase(*aliasExtension, *nameExtension)))
        add(*aliasExtension, out);
    }
    for (const auto& [pattern, i] : others_) {
      if (dos::matchesWildcard(pattern, name) || dos::matchesWildcard(pattern, alias))
        out.push_back(i);
    }
    auto at = std::lower_bound(named_.begin(), named_.end(), std::make_pair(index, uint32_t(0)));
    for (; at != named_.end() && at->first == index; ++at) out.push_back(at->second);
  }

 private:
  void add(std::string_view extension, std::vector<uint32_t>& out) const {
    auto found = byExtension_.find(extension);
    if (found != byExtension_.end())
      out.insert(out.end(), found->second.begin(), found->second.end());
  }

  std::unordered_map<std::string, std::vector<uint32_t>, dos::HashIgnoringCase,
                     dos::EqualIgnoringCase>
      byExtension_;
  std::vector<std::pair<uint32_t, uint32_t>> named_;  // entry, pattern
  std::vector<std::pair<std::string, uint32_t>> others_;
};

}  // namespace

std::optional<std::string> patternInDirectory(std::string_view pattern) {
  if (pattern.find_first_of("\\/") != std::string_view::npos) return std::nullopt;
  auto path = dos::resolve("C:\\" + std::string(pattern), "C:\\");
  if (!path || path->components.size() != 1) return std::nullopt;
  return std::move(path->components.front());
}

DirectorySearch searchListing(std::shared_ptr<const DirectoryListing> listing,
                              const std::vector<std::string>& patterns,
                              const std::function<ListedKind(size_t)>& kindOf) {
  DirectorySearch found;
  found.matches.resize(patterns.size());
  PatternSet set(*listing, patterns);
  const std::vector<std::string>& names = listing->names();
  const std::vector<std::string>& aliases = listing->aliases();
  std::vector<uint32_t> hits;
  for (uint32_t i : listing->shownOrder()) {
    const ListedKind kind = kindOf(i);
    if (kind == ListedKind::kGone) continue;
    set.match(i, names[i], aliases[i], hits);
    if (kind == ListedKind::kFile && hits.empty()) continue;
    const auto position = static_cast<uint32_t>(found.entries.size());
    DirectoryEntry& entry = found.entries.emplace_back();
    entry.longName = names[i];
    entry.shortName = aliases[i];
    entry.attributes = kind == ListedKind::kDirectory ? uint32_t(kAttrDirectory) : 0u;
    for (uint32_t pattern : hits) found.matches[pattern].push_back(position);
  }
  found.names = std::move(listing);
  return found;
}

}  // namespace platform
