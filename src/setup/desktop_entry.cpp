#include "setup/desktop_entry.h"

#include <string_view>

namespace setup {
namespace {

// The escapes of a string value: applied after the Exec quoting, so a backslash inside a
// quoted argument ends up as four.
std::string escapeValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  // A leading blank would be taken for the space after "=".
  if (!out.empty() && out[0] == ' ') out.replace(0, 1, "\\s");
  return out;
}

std::string quoteArgument(std::string_view arg) {
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  const bool quote = arg.empty() || arg.find_first_of(kReserved) != std::string_view::npos;
  std::string out;
  for (char c : arg) {
    if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) out += '\\';
    // A literal percent sign would start a field code.
    if (c == '%') out += '%';
    out += c;
  }
  return quote ? '"' + out + '"' : out;
}

}  // namespace

std::string formatDesktopEntry(const DesktopEntry& entry) {
  std::string exec;
  for (const std::string& arg : entry.exec) {
    if (!exec.empty()) exec += ' ';
    exec += quoteArgument(arg);
  }
  std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
  text += "Name=" + escapeValue(entry.name) + "\n";
  if (!entry.comment.empty()) text += "Comment=" + escapeValue(entry.comment) + "\n";
  if (!entry.tryExec.empty()) text += "TryExec=" + escapeValue(entry.tryExec) + "\n";
  text += "Exec=" + escapeValue(exec) + "\n";
  text += "Path=" + escapeValue(entry.path) + "\n";
  text += "Terminal=false\nCategories=Game;\n";
  return text;
}

}  // namespace setup
