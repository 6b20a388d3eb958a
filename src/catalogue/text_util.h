// Small text helpers shared by the catalogue's readers.
#pragma once

#include <string>
#include <string_view>

#include "platform/dos_path.h"

namespace catalogue {

inline char asciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

inline bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

inline std::string withTrailingBackslash(std::string dir) {
  if (dir.empty() || dir.back() != '\\') dir += '\\';
  return dir;
}

// The last component of a directory path: the text after the last "\" once a trailing "\"
// is dropped.
inline std::string lastComponent(std::string_view dir) {
  if (!dir.empty() && dir.back() == '\\') dir.remove_suffix(1);
  size_t cut = dir.rfind('\\');
  return std::string(cut == std::string_view::npos ? dir : dir.substr(cut + 1));
}

}  // namespace catalogue
