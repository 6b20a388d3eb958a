#include "platform/dos_path.h"

#include <algorithm>

namespace platform::dos {
namespace {

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

bool isDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Characters Windows refuses in a file name (wildcards are left to the callers: a pattern may
// hold them, a name to open may not).
bool isBadNameCharacter(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' ||
         c == '|';
}

// Applies the components of `text` to `path`; false for a component no DOS name can be.
bool appendComponents(Path& path, std::string_view text) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    while (end < text.size() && !isSeparator(text[end])) ++end;
    std::string component(text.substr(start, end - start));
    start = end + 1;
    if (component.empty() || component == ".") continue;
    if (component == "..") {
      if (!path.components.empty()) path.components.pop_back();
      continue;
    }
    if (std::any_of(component.begin(), component.end(), isBadNameCharacter)) return false;
    // "NAME." and "NAME " are "NAME", as for every Windows call; a pattern such as "*." keeps
    // its dot because it means something there.
    if (!hasWildcards(component)) {
      while (!component.empty() && (component.back() == '.' || component.back() == ' ')) {
        component.pop_back();
      }
      if (component.empty()) continue;
    }
    path.components.push_back(std::move(component));
  }
  return true;
}

Path rootOf(char drive) {
  Path root;
  root.drive = toUpper(drive);
  return root;
}

std::optional<Path> parseAbsolute(std::string_view text) {
  if (text.size() < 2 || !isDriveLetter(text[0]) || text[1] != ':') return std::nullopt;
  Path path = rootOf(text[0]);
  if (!appendComponents(path, text.substr(2))) return std::nullopt;
  return path;
}

}  // namespace

Path Path::parent() const {
  Path up = *this;
  if (!up.components.empty()) up.components.pop_back();
  up.trailingSeparator = true;
  return up;
}

const std::string& Path::leaf() const {
  static const std::string kNone;
  return components.empty() ? kNone : components.back();
}

std::optional<Path> resolve(std::string_view text, std::string_view currentDirectory) {
  return resolve(text, parseAbsolute(currentDirectory).value_or(rootOf('C')));
}

std::optional<Path> resolve(std::string_view text, const Path& current) {
  if (text.empty() || text.find('\0') != std::string_view::npos) return std::nullopt;
  if (text.size() >= 2 && isSeparator(text[0]) && isSeparator(text[1])) return std::nullopt;

  Path path;
  std::string_view rest = text;
  if (text.size() >= 2 && text[1] == ':') {
    if (!isDriveLetter(text[0])) return std::nullopt;
    char drive = toUpper(text[0]);
    rest = text.substr(2);
    path = (drive == current.drive) ? current : rootOf(drive);
  } else {
    path = current;
  }
  if (!rest.empty() && isSeparator(rest[0])) path.components.clear();
  if (!appendComponents(path, rest)) return std::nullopt;
  path.trailingSeparator = isSeparator(text.back());
  return path;
}

std::string format(const Path& path, bool trailingSeparator) {
  std::string text{path.drive, ':', '\\'};
  for (size_t i = 0; i < path.components.size(); ++i) {
    if (i > 0) text += '\\';
    text += path.components[i];
  }
  if (trailingSeparator && !path.components.empty()) text += '\\';
  return text;
}

char toUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = toUpper(c);
  return upper;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (toUpper(a[i]) != toUpper(b[i])) return false;
  }
  return true;
}

bool hasWildcards(std::string_view name) {
  return name.find_first_of("*?") != name.npos;
}

bool matchesWildcard(std::string_view pattern, std::string_view name) {
  // The patterns of nearly every find, matched against every name of a directory.
  if (pattern == "*" || pattern == "*.*") return true;
  if (pattern.size() > 2 && pattern.substr(0, 2) == "*." &&
      pattern.find_first_of("*?.", 2) == pattern.npos) {
    // "*.EXT": the "*" stops at the last dot, so the name ends in ".EXT".
    return name.size() >= pattern.size() - 1 &&
           equalsIgnoreCase(name.substr(name.size() - (pattern.size() - 1)), pattern.substr(1));
  }
  // Reachable positions in `name` after each pattern character, as FsRtlIsNameInExpression
  // walks the DOS forms of "*", "?" and "." that FindFirstFileA hands it.
  const size_t n = name.size();
  const size_t lastDot = name.rfind('.');
  // A find matches every name of a directory: no allocation for names of usual length.
  constexpr size_t kOnStack = 260;
  char onStack[2 * kOnStack];
  std::vector<char> onHeap;
  char* reach = onStack;
  if (n + 1 > kOnStack) {
    onHeap.resize(2 * (n + 1));
    reach = onHeap.data();
  }
  char* next = reach + n + 1;
  std::fill(reach, reach + n + 1, 0);
  reach[0] = 1;
  for (size_t p = 0; p < pattern.size(); ++p) {
    const char token = pattern[p];
    const char following = p + 1 < pattern.size() ? pattern[p + 1] : '\0';
    std::fill(next, next + n + 1, 0);
    bool any = false;
    size_t filled = 0;  // "*": positions below this are set already
    for (size_t i = 0; i <= n; ++i) {
      if (!reach[i]) continue;
      any = true;
      if (token == '*') {
        // Followed by a dot it may not run past the name's last dot.
        size_t limit = (following == '.' && lastDot != name.npos && lastDot >= i) ? lastDot : n;
        for (size_t j = std::max(i, filled); j <= limit; ++j) next[j] = 1;
        filled = std::max(filled, limit + 1);
      } else if (token == '?') {
        if (i < n && name[i] != '.') next[i + 1] = 1;
        if (i == n || name[i] == '.') next[i] = 1;
      } else if (token == '.' && (following == '*' || following == '?' || following == '\0')) {
        if (i < n && name[i] == '.') next[i + 1] = 1;
        if (i == n) next[i] = 1;
      } else if (i < n && toUpper(name[i]) == toUpper(token)) {
        next[i + 1] = 1;
      }
    }
    if (!any) return false;
    std::swap(reach, next);
  }
  return reach[n] != 0;
}

std::optional<char> forbiddenInDosName(std::string_view path) {
  static constexpr std::string_view kForbidden = "\"<>|;,=+[]*?/ ";
  const size_t start = (path.size() >= 2 && path[1] == ':') ? 2 : 0;
  for (size_t i = start; i < path.size(); ++i) {
    const char c = path[i];
    if (c == '\\') continue;
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == ':' ||
        kForbidden.find(c) != std::string_view::npos)
      return c;
  }
  return std::nullopt;
}

std::string withTrailingSeparator(std::string directory) {
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  return directory;
}

std::string directoryOf(std::string_view path) {
  const size_t cut = path.rfind('\\');
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::string fileNameOf(std::string_view path) {
  const size_t cut = path.rfind('\\');
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string fileStemOf(std::string_view path) {
  std::string name = fileNameOf(path);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return name;
}

std::string lastComponent(std::string_view directory) {
  if (!directory.empty() && directory.back() == '\\') directory.remove_suffix(1);
  return fileNameOf(directory);
}

}  // namespace platform::dos
