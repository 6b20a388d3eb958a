#include "platform/short_names.h"

#include <algorithm>

#include "platform/dos_path.h"

namespace platform {
namespace {

// "NAME." is shown as "NAME"; "." and ".." stay.
void dropTrailingDot(std::string& name) {
  if (name.size() > 1 && name.back() == '.' && name != "..") name.pop_back();
}

int compareFirst(std::string_view a, std::string_view b, size_t count) {
  return a.substr(0, count).compare(b.substr(0, count));
}

// The name as DOS shows it before any shortening, and whether it has to be shortened for its
// own sake (blanks, a long base or a long extension); `baseLength` and `hasDot` describe the
// result.
struct Prepared {
  std::string name;
  size_t baseLength = 0;
  bool hasDot = false;
  bool mustShorten = false;
};

Prepared prepare(std::string_view longName) {
  Prepared p;
  std::string upper = dos::toUpper(longName);
  p.name.reserve(upper.size());
  for (char c : upper) {
    if (c == ' ') {
      p.mustShorten = true;
    } else {
      p.name += c;
    }
  }
  size_t dot = p.name.find('.');
  if (dot != std::string::npos && p.name.size() - dot > 4) {
    // An extension longer than three: leading dots go (".profile" becomes "PROFIL~1").
    p.name.erase(0, p.name.find_first_not_of('.'));
    p.mustShorten = true;
    dot = p.name.find('.');
  }
  p.hasDot = dot != std::string::npos;
  p.baseLength = p.hasDot ? dot : p.name.size();
  if (p.baseLength > 8) p.mustShorten = true;
  return p;
}

// Whether an existing "~N" alias belongs to the same stem as the name being shortened: both
// agree on the characters before the "~", or on as many as the new name's base (`baseLength`,
// at most 8) keeps in front of a number of that width, whichever is more.
int compareWithGenerated(std::string_view name, size_t baseLength, std::string_view alias,
                         size_t tilde, size_t numberLength) {
  size_t stemLength = tilde;
  if (baseLength > stemLength + numberLength) stemLength = baseLength - numberLength;
  return compareFirst(name, alias, stemLength);
}

// Block sizes of the sorted "~N" aliases: a block is split in two past kMaxBlock entries.
constexpr size_t kMaxBlock = 256;

}  // namespace

void ShortNameAssigner::Block::summarise() {
  spans.clear();
  for (size_t i = 0; i < entries.size(); ++i) {
    const Generated& e = entries[i];
    auto span = std::find_if(spans.begin(), spans.end(), [&](const Span& s) {
      return s.tilde == e.tilde && s.numberLength == e.numberLength;
    });
    if (span == spans.end()) {
      spans.push_back({e.tilde, e.numberLength, uint16_t(i), uint16_t(i)});
    } else {
      span->last = uint16_t(i);
    }
  }
}

const ShortNameAssigner::Generated& ShortNameAssigner::at(size_t index) const {
  size_t block =
      size_t(std::upper_bound(starts_.begin(), starts_.end(), index) - starts_.begin()) - 1;
  return blocks_[block].entries[index - starts_[block]];
}

void ShortNameAssigner::insert(Generated entry) {
  if (blocks_.empty()) {
    blocks_.emplace_back();
    starts_.push_back(0);
  }
  // After the aliases equal to it, as an insertion into the sorted array would put it.
  auto block = std::upper_bound(
      blocks_.begin(), blocks_.end() - 1, entry.alias,
      [](const std::string& alias, const Block& b) { return alias < b.entries.back().alias; });
  auto& entries = block->entries;
  auto at = std::upper_bound(
      entries.begin(), entries.end(), entry.alias,
      [](const std::string& alias, const Generated& e) { return alias < e.alias; });
  entries.insert(at, std::move(entry));
  ++generatedCount_;
  size_t index = size_t(block - blocks_.begin());
  if (entries.size() > kMaxBlock) {
    Block second;
    second.entries.assign(std::make_move_iterator(entries.begin() + kMaxBlock / 2),
                          std::make_move_iterator(entries.end()));
    entries.resize(kMaxBlock / 2);
    second.summarise();
    blocks_.insert(blocks_.begin() + ptrdiff_t(index) + 1, std::move(second));
    starts_.insert(starts_.begin() + ptrdiff_t(index) + 1, 0);
  }
  blocks_[index].summarise();
  for (size_t b = index + 1; b < blocks_.size(); ++b) {
    starts_[b] = starts_[b - 1] + blocks_[b - 1].entries.size();
  }
}

unsigned ShortNameAssigner::nextNumber(const std::string& stem) const {
  const size_t baseLength = std::min<size_t>(std::min(stem.find('.'), stem.size()), 8);
  auto compare = [&](const Generated& e) {
    return compareWithGenerated(stem, baseLength, e.alias, e.tilde, e.numberLength);
  };
  // A binary search over the sorted aliases, then onwards while they still match: the number
  // after the last match is the next one.
  long low = 0;
  long high = static_cast<long>(generatedCount_) - 1;
  while (low <= high) {
    long mid = (low + high) / 2;
    int order = compare(at(size_t(mid)));
    if (order > 0) {
      low = mid + 1;
    } else if (order < 0) {
      high = mid - 1;
    } else {
      size_t block =
          size_t(std::upper_bound(starts_.begin(), starts_.end(), size_t(mid)) - starts_.begin()) -
          1;
      size_t i = size_t(mid) - starts_[block];
      unsigned found = blocks_[block].entries[i].number;
      // The rest of this block one by one; then whole blocks where every kind of alias matches
      // at both of its ends, and so in between (the matching aliases of one kind are a run of
      // the sorted ones); the block where the matches end one by one again.
      for (++i;; ++block, i = 0) {
        if (block == blocks_.size()) return found + 1;
        const Block& b = blocks_[block];
        if (i == 0 && std::all_of(b.spans.begin(), b.spans.end(), [&](const Block::Span& s) {
              return compare(b.entries[s.first]) == 0 && compare(b.entries[s.last]) == 0;
            })) {
          found = b.entries.back().number;
          continue;
        }
        for (; i < b.entries.size(); ++i) {
          if (compare(b.entries[i]) != 0) return found + 1;
          found = b.entries[i].number;
        }
      }
    }
  }
  return 1;
}

std::string ShortNameAssigner::add(std::string_view longName) {
  Prepared p = prepare(longName);
  bool shorten = p.mustShorten;
  if (!shorten) {
    std::string asIs = p.name;
    dropTrailingDot(asIs);
    shorten = taken_.count(asIs) != 0;
  }

  std::string alias;
  if (shorten) {
    unsigned number = nextNumber(p.name);
    std::string digits = std::to_string(number);
    size_t keep = (p.baseLength + digits.size() + 1 > 8) ? 8 - digits.size() - 1 : p.baseLength;
    alias = p.name.substr(0, keep) + "~" + digits;
    if (p.hasDot) alias += p.name.substr(p.name.rfind('.'), 4);
    if (alias.size() > 12) alias.resize(12);
    size_t tilde = alias.find('~');
    size_t numberLength = std::min(alias.find('.', tilde), alias.size()) - tilde;
    insert({alias, number, uint8_t(tilde), uint8_t(numberLength)});
  } else {
    alias = p.name;
  }
  dropTrailingDot(alias);
  taken_.insert(alias);
  return alias;
}

std::vector<std::string> assignShortNames(const std::vector<std::string>& longNames) {
  ShortNameAssigner assigner;
  std::vector<std::string> aliases;
  aliases.reserve(longNames.size());
  for (const std::string& name : longNames) aliases.push_back(assigner.add(name));
  return aliases;
}

std::optional<std::string> plainShortName(std::string_view longName) {
  Prepared p = prepare(longName);
  if (p.mustShorten || p.name.find('~') != std::string::npos) return std::nullopt;
  dropTrailingDot(p.name);
  return p.name;
}

bool mayBeAliasOf(std::string_view alias, std::string_view longName) {
  const std::string stem = dos::toUpper(alias.substr(0, alias.find('~')));
  return prepare(longName).name.compare(0, stem.size(), stem) == 0;
}

namespace {

// Orders names as DOS sees them: byte by byte after upper-casing, so names equal in any case
// are next to each other.
bool lessIgnoringCase(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    auto ca = static_cast<unsigned char>(dos::toUpper(a[i]));
    auto cb = static_cast<unsigned char>(dos::toUpper(b[i]));
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

}  // namespace

DirectoryListing::DirectoryListing(std::vector<std::string> longNames)
    : names_(std::move(longNames)) {}

const std::vector<std::string>& DirectoryListing::aliases() const {
  std::call_once(aliasesDone_, [this] { aliases_ = assignShortNames(names_); });
  return aliases_;
}

std::vector<uint32_t> DirectoryListing::sortedIgnoringCase(const std::vector<std::string>& texts) {
  std::vector<uint32_t> order(texts.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = uint32_t(i);
  std::stable_sort(order.begin(), order.end(),
                   [&](uint32_t a, uint32_t b) { return lessIgnoringCase(texts[a], texts[b]); });
  return order;
}

std::optional<size_t> DirectoryListing::firstEqual(const std::vector<std::string>& texts,
                                                   const std::vector<uint32_t>& order,
                                                   std::string_view name, bool exact) {
  auto at = std::lower_bound(order.begin(), order.end(), name, [&](uint32_t i, std::string_view n) {
    return lessIgnoringCase(texts[i], n);
  });
  for (; at != order.end() && dos::equalsIgnoreCase(texts[*at], name); ++at) {
    if (!exact || texts[*at] == name) return *at;
  }
  return std::nullopt;
}

std::optional<size_t> DirectoryListing::find(std::string_view name) const {
  std::call_once(byNameDone_, [this] { byName_ = sortedIgnoringCase(names_); });
  if (auto exact = firstEqual(names_, byName_, name, true)) return exact;
  if (auto anyCase = firstEqual(names_, byName_, name, false)) return anyCase;
  // Aliases without "~" are those of names that already fit 8.3, each its own name upper-cased:
  // a name without "~" is looked for among them, and the directory's aliases are not worked
  // out only to test one name.
  if (name.find('~') == std::string_view::npos) {
    std::call_once(byPlainDone_, [this] {
      plain_.reserve(names_.size());
      for (const std::string& n : names_) plain_.push_back(plainShortName(n).value_or(""));
      byPlain_ = sortedIgnoringCase(plain_);
    });
    if (name.empty()) return std::nullopt;
    return firstEqual(plain_, byPlain_, name, false);
  }
  std::call_once(byAliasDone_, [this] { byAlias_ = sortedIgnoringCase(aliases()); });
  return firstEqual(aliases_, byAlias_, name, false);
}

std::optional<size_t> DirectoryListing::indexOf(std::string_view storedName) const {
  std::call_once(byNameDone_, [this] { byName_ = sortedIgnoringCase(names_); });
  return firstEqual(names_, byName_, storedName, true);
}

const std::vector<uint32_t>& DirectoryListing::shownOrder() const {
  std::call_once(byNameDone_, [this] { byName_ = sortedIgnoringCase(names_); });
  std::call_once(shownDone_, [this] {
    // The lookup order keeps names equal in any case in listing order; a list orders them.
    shown_ = byName_;
    for (size_t first = 0; first < shown_.size();) {
      size_t end = first + 1;
      while (end < shown_.size() &&
             dos::equalsIgnoreCase(names_[shown_[first]], names_[shown_[end]]))
        ++end;
      if (end - first > 1) {
        std::stable_sort(shown_.begin() + ptrdiff_t(first), shown_.begin() + ptrdiff_t(end),
                         [this](uint32_t a, uint32_t b) { return names_[a] < names_[b]; });
      }
      first = end;
    }
  });
  return shown_;
}

}  // namespace platform
