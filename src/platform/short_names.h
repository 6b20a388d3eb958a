// 8.3 aliases of long names. They have to be the ones DOSBox 0.74 gives the same directory,
// because the paths we write are resolved again inside the DOS session: upper case, blanks
// dropped, names that do not fit become the first characters + "~N" + the first three
// characters of the last extension, N counted per stem in directory-listing order.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
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
    uint8_t tilde = 0;         // where the first "~" is
    uint8_t numberLength = 0;  // "~" and digits, up to the extension
  };
  // The "~N" aliases handed out so far, sorted by alias, in blocks: DOSBox numbers a stem by
  // a binary search over the sorted array, so the same array positions have to be probed.
  struct Block {
    // Per kind of alias (its "~" and number length), the first and the last of the block.
    struct Span {
      uint8_t tilde, numberLength;
      uint16_t first, last;
    };
    std::vector<Generated> entries;
    std::vector<Span> spans;
    void summarise();
  };

  unsigned nextNumber(const std::string& stem) const;
  const Generated& at(size_t index) const;
  void insert(Generated entry);

  std::unordered_set<std::string> taken_;  // every alias so far
  std::vector<Block> blocks_;
  std::vector<size_t> starts_;  // array position of each block's first entry
  size_t generatedCount_ = 0;
};

// The aliases of a whole listing, in the same order.
std::vector<std::string> assignShortNames(const std::vector<std::string>& longNames);

// The alias of a name that is already a DOS name (no blanks, base and extension short enough,
// no "~"): the name upper-cased, without looking at the rest of the directory. Nothing when the
// alias depends on the other entries. (Only two host names differing in case alone would make
// the real alias differ, and DOS cannot tell those apart anyway.)
std::optional<std::string> plainShortName(std::string_view longName);

// False when `alias`, a name with a "~", cannot be the alias of `longName` in any directory:
// every alias begins with the name as DOS shows it, up to the alias's first "~". Lets a search
// pass over a directory without working out the aliases of all its names.
bool mayBeAliasOf(std::string_view alias, std::string_view longName);

// One directory's names in listing order, with their aliases and lookups by either, each worked
// out once on first use. Safe to share between threads.
class DirectoryListing {
 public:
  explicit DirectoryListing(std::vector<std::string> longNames);
  DirectoryListing(const DirectoryListing&) = delete;
  DirectoryListing& operator=(const DirectoryListing&) = delete;

  const std::vector<std::string>& names() const { return names_; }
  // One per name.
  const std::vector<std::string>& aliases() const;
  size_t size() const { return names_.size(); }

  // The entry that `name` denotes: the exact long name first, then the first one equal in any
  // case, else the first whose alias is.
  std::optional<size_t> find(std::string_view name) const;
  // The entry stored exactly as `storedName`.
  std::optional<size_t> indexOf(std::string_view storedName) const;
  // The positions in the order a list of names shows them: by name ignoring case, names equal
  // in any case by their bytes.
  const std::vector<uint32_t>& shownOrder() const;

 private:
  // Positions sorted by `texts` ignoring case, equal ones in listing order.
  static std::vector<uint32_t> sortedIgnoringCase(const std::vector<std::string>& texts);
  static std::optional<size_t> firstEqual(const std::vector<std::string>& texts,
                                          const std::vector<uint32_t>& order, std::string_view name,
                                          bool exact);

  std::vector<std::string> names_;
  mutable std::vector<std::string> aliases_;
  mutable std::vector<std::string> plain_;  // the alias of each name that fits 8.3, else ""
  mutable std::vector<uint32_t> byName_, byAlias_, byPlain_, shown_;
  mutable std::once_flag aliasesDone_, byNameDone_, byAliasDone_, byPlainDone_, shownDone_;
};

}  // namespace platform
