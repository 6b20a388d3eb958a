// Writes setup's desktop menu entry on this machine: quillfen95.desktop in the XDG
// applications directory, starting the installed program in its directory through the same
// drive map setup used.
#pragma once

#include <string>

#include "platform/host/host_file_system.h"
#include "setup/desktop_entry.h"

namespace setup {

inline constexpr const char* kDesktopEntryFile = "quillfen95.desktop";

class HostDesktopEntryWriter : public DesktopEntryWriter {
 public:
  HostDesktopEntryWriter(const platform::HostFileSystem& fs, std::string applicationsDirectory);

  // $XDG_DATA_HOME/applications, else ~/.local/share/applications.
  static std::string defaultApplicationsDirectory();

  std::string entryPath() const;
  bool write(const std::string& program, const std::string& workingDirectory) override;

 private:
  const platform::HostFileSystem& fs_;
  std::string applications_;
};

}  // namespace setup
