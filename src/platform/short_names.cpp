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

// Whether an existing "~N" alias belongs to the same stem as the name being shortened: both
// agree on the characters before the "~", or on as many as the new name's base keeps in front
// of a number of that width, whichever is more.
int compareWithGenerated(std::string_view name, std::string_view alias) {
  size_t tilde = alias.find('~');
  size_t stemLength = tilde;
  size_t numberLength = std::min(alias.find('.', tilde), alias.size()) - tilde;
  size_t baseLength = std::min<size_t>(std::min(name.find('.'), name.size()), 8);
  if (baseLength > stemLength + numberLength) stemLength = baseLength - numberLength;
  return compareFirst(name, alias, stemLength);
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

}  // namespace

unsigned ShortNameAssigner::nextNumber(const std::string& stem) const {
  // A binary search over the sorted aliases, then onwards while they still match: the number
  // after the last match is the next one.
  long low = 0;
  long high = static_cast<long>(generated_.size()) - 1;
  while (low <= high) {
    long mid = (low + high) / 2;
    int order = compareWithGenerated(stem, generated_[mid].alias);
    if (order > 0) {
      low = mid + 1;
    } else if (order < 0) {
      high = mid - 1;
    } else {
      unsigned found = 0;
      do {
        found = generated_[mid].number;
        ++mid;
      } while (static_cast<size_t>(mid) < generated_.size() &&
               compareWithGenerated(stem, generated_[mid].alias) == 0);
      return found + 1;
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
    shorten = std::binary_search(taken_.begin(), taken_.end(), asIs);
  }

  std::string alias;
  if (shorten) {
    unsigned number = nextNumber(p.name);
    std::string digits = std::to_string(number);
    size_t keep = (p.baseLength + digits.size() + 1 > 8) ? 8 - digits.size() - 1 : p.baseLength;
    alias = p.name.substr(0, keep) + "~" + digits;
    if (p.hasDot) alias += p.name.substr(p.name.rfind('.'), 4);
    if (alias.size() > 12) alias.resize(12);
    Generated entry{alias, number};
    auto at =
        std::upper_bound(generated_.begin(), generated_.end(), entry,
                         [](const Generated& a, const Generated& b) { return a.alias < b.alias; });
    generated_.insert(at, std::move(entry));
  } else {
    alias = p.name;
  }
  dropTrailingDot(alias);
  taken_.insert(std::upper_bound(taken_.begin(), taken_.end(), alias), alias);
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

std::optional<size_t> findEntry(const std::vector<std::string>& longNames,
                                std::vector<std::string>& aliases, std::string_view name) {
  for (size_t i = 0; i < longNames.size(); ++i) {
    if (longNames[i] == name) return i;
  }
  for (size_t i = 0; i < longNames.size(); ++i) {
    if (dos::equalsIgnoreCase(longNames[i], name)) return i;
  }
  if (aliases.size() != longNames.size()) aliases = assignShortNames(longNames);
  for (size_t i = 0; i < aliases.size(); ++i) {
    if (dos::equalsIgnoreCase(aliases[i], name)) return i;
  }
  return std::nullopt;
}

}  // namespace platform
