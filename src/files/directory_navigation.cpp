#include "files/directory_navigation.h"

namespace files {

std::string directoryEntry(std::string_view name) {
  return "[" + std::string(name) + "]";
}

std::string driveEntry(char letter) {
  return std::string("[-") + letter + "-]";
}

bool isDirectoryEntry(std::string_view entry) {
  return !entry.empty() && entry.front() == '[';
}

std::optional<std::string> navigate(std::string_view current, std::string_view entry) {
  std::string path = current.empty() ? std::string(kDefaultDirectory) : std::string(current);
  if (!isDirectoryEntry(entry)) return std::nullopt;
  if (entry == kParentEntry) {
    // Drop the trailing "\" and the last component, keeping the "\" before it.
    if (!path.empty() && path.back() == '\\') path.pop_back();
    const size_t cut = path.rfind('\\');
    if (cut == std::string::npos) return std::nullopt;  // "C:\" has no parent
    path.resize(cut + 1);
  } else if (entry.size() >= 3 && entry[1] == '-') {
    path = std::string(1, entry[2]) + ":\\";
  } else {
    std::string_view name = entry.substr(1);
    if (!name.empty() && name.back() == ']') name.remove_suffix(1);
    if (name.empty()) return std::nullopt;
    if (path.back() != '\\') path += '\\';
    path += name;
    path += '\\';
  }
  if (path.size() < 2 || path[1] != ':') return std::nullopt;
  return path;
}

}  // namespace files
