// The DOS path rules every FileSystem implementation shares: parsing "D:\A\B\..", resolving a
// relative path against the current directory, and FindFirstFile-style wildcard matching.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::dos {

// An absolute DOS path, normalised: no "." or ".." components, no empty ones.
struct Path {
  char drive = 'C';                     // upper case
  std::vector<std::string> components;  // as written (case and all)
  bool trailingSeparator = false;       // the text ended in "\" or "/"

  bool isRoot() const { return components.empty(); }
  // The containing directory; the root is its own parent.
  Path parent() const;
  // The last component, or "" for a root.
  const std::string& leaf() const;
};

// Parses `text` into an absolute path. A path without drive resolves against
// `currentDirectory` (itself an absolute DOS path such as "C:\GAMES\"); "\X" against the root of
// the current drive; "D:X" against the current directory when that is on D:, else D:'s root.
// ".." at a root stays at the root, "." is dropped, both "\" and "/" separate, and trailing dots
// and blanks of a component are dropped as Windows does. Nothing for an empty path, a UNC path,
// a bad drive or a component with characters no DOS name can hold.
std::optional<Path> resolve(std::string_view text, std::string_view currentDirectory);
// The same against a current directory already parsed (saves parsing it on every lookup).
std::optional<Path> resolve(std::string_view text, const Path& currentDirectory);

// "D:\A\B", or "D:\A\B\" when `trailingSeparator`; a root is always "D:\".
std::string format(const Path& path, bool trailingSeparator = false);

// Path text helpers, for paths as the records hold them (backslashes, trailing "\" on
// directories).
std::string withTrailingSeparator(std::string directory);
// The directory part of a path, up to and including its last "\" ("" without one).
std::string directoryOf(std::string_view path);
// The file name of a full path: the text after its last "\" (all of it without one).
std::string fileNameOf(std::string_view path);
// The file name without its extension: cut at its last ".".
std::string fileStemOf(std::string_view path);
// The last component of a directory path: the text after the last "\" once a trailing "\"
// is dropped.
std::string lastComponent(std::string_view directory);

char toUpper(char c);
std::string toUpper(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

bool hasWildcards(std::string_view name);

// The first character of `path` that a name on a DOS command line cannot hold (redirections,
// pipes, separators, quotes, wildcards, control characters); the drive's colon and the
// backslashes between components are not names. Host file systems allow every one of them, and
// DOSBox shows such a name as it is: given to a DOS program it would become a command.
std::optional<char> forbiddenInDosName(std::string_view path);
// FindFirstFileA matching of one name against one pattern, case-insensitive: "*" any run of
// characters, "?" one character (or none at the end of the name or before a dot); a "*"
// followed by "." stops at the name's last dot and a "." followed by wildcards also matches the
// end of a name, so "*.*" matches names without a dot and "*." only those.
bool matchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace platform::dos
