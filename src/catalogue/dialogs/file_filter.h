// The filter texts of the program's file dialogs are written as "Description | pattern | ... ||";
// the toolkit wants the description and pattern pairs without the padding.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace catalogue::dialogs {

struct FilterEntry {
  std::string description;
  std::string pattern;  // one or more patterns separated by ";"
};

// Splits a filter text into its pairs; blanks around each part are dropped and the empty parts
// of the closing "||" end the list. A description without a pattern is left out.
std::vector<FilterEntry> splitFileFilter(std::string_view filter);

// A pattern that matches names in any case, as DOS does, for file dialogs that match exactly:
// each letter becomes a bracket of both cases ("*.exe" -> "*.[eE][xX][eE]").
std::string anyCasePattern(std::string_view pattern);

// A DOS path split at its last backslash: the directory keeps the backslash. A path without one
// is all file name.
std::pair<std::string, std::string> splitDirectoryAndName(std::string_view path);

}  // namespace catalogue::dialogs
