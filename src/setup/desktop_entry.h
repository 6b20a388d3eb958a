// The menu entry of the desktop's application launcher, beside the Start-menu shortcut: setup
// hands over DOS paths and the writer finds where they live on this machine.
#pragma once

#include <string>
#include <vector>

namespace setup {

class DesktopEntryWriter {
 public:
  virtual ~DesktopEntryWriter() = default;
  // Adds (or replaces) the entry that starts `program` with `workingDirectory` as its current
  // directory. Both are DOS paths of existing entries.
  virtual bool write(const std::string& program, const std::string& workingDirectory) = 0;
};

// What goes into a freedesktop.org desktop entry file of type Application.
struct DesktopEntry {
  std::string name;
  std::string comment;
  std::vector<std::string> exec;  // the program and its arguments, unquoted
  std::string tryExec;            // hidden from menus when this program is gone
  std::string path;               // the working directory
};

// The text of the entry file, with the Exec arguments quoted and every value escaped as the
// desktop entry format requires.
std::string formatDesktopEntry(const DesktopEntry& entry);

}  // namespace setup
