// Text as DOS and the program's files compare and read it: ASCII case folding only (the
// 8-bit characters of a file name are never folded), and numbers read the way the C library's
// atoi reads them. Every part of the program that compares names or reads numbers from text
// uses these.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::dos {

char toLower(char c);
std::string toLower(std::string_view text);

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);
bool endsWithIgnoreCase(std::string_view text, std::string_view suffix);
// Position of the first occurrence of `needle` at or after `from`, compared without regard to
// case; npos when there is none.
size_t findIgnoreCase(std::string_view text, std::string_view needle, size_t from = 0);
bool containsIgnoreCase(std::string_view text, std::string_view needle);

// `text` read as a decimal integer the C library way: leading blanks, a sign, digits up to the
// first other character; 0 without digits. Out-of-range numbers stop at the int32 limits.
int32_t decimalValue(std::string_view text);

// Hash and equality of names ignoring case, for sets and maps of names that are looked up by
// any spelling without making an upper-cased copy of each.
struct HashIgnoringCase {
  using is_transparent = void;
  size_t operator()(std::string_view text) const;
};
struct EqualIgnoringCase {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace platform::dos
