// 8.3 aliases of long names. They have to be the ones DOSBox 0.74 gives the same directory,
// because the paths we write are resolved again inside the DOS session: upper case, blanks
// dropped, names that do not fit become the first characters + "~N" + the first three
// characters of the last extension, N counted per stem in directory-listing order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Hands out the aliases of one directory's entries, taken in listing order.
class ShortNameAssigner {
 public:
  // The alias of the next entry of the listing.
  std::string add(std::string_view longName);

 private:
  struct Generated {
    std::string alias;
    unsigned number = 0;
  };
  unsigned nextNumber(const std::string& stem) const;

  std::vector<std::string> taken_;    // every alias so far, sorted
  std::vector<Generated> generated_;  // the "~N" ones, sorted by alias
};

// The aliases of a whole listing, in the same order.
std::vector<std::string> assignShortNames(const std::vector<std::string>& longNames);

// The alias of a name that is already a DOS name (no blanks, base and extension short enough,
// no "~"): the name upper-cased, without looking at the rest of the directory. Nothing when the
// alias depends on the other entries. (Only two host names differing in case alone would make
// the real alias differ, and DOS cannot tell those apart anyway.)
std::optional<std::string> plainShortName(std::string_view longName);

// The entry of a listing that `name` denotes: the exact long name first, then one equal in any
// case, else an alias. `aliases` is filled on demand (empty, or one per long name).
std::optional<size_t> findEntry(const std::vector<std::string>& longNames,
                                std::vector<std::string>& aliases, std::string_view name);

}  // namespace platform
