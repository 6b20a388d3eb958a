#include "setup/host_desktop_entry.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace setup {

namespace stdfs = std::filesystem;

HostDesktopEntryWriter::HostDesktopEntryWriter(const platform::HostFileSystem& fs,
                                               std::string applicationsDirectory)
    : fs_(fs), applications_(std::move(applicationsDirectory)) {}

std::string HostDesktopEntryWriter::defaultApplicationsDirectory() {
  // Relative values are to be ignored, as the base directory rules say.
  const char* data = ::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return std::string(data) + "/applications";
  const char* home = ::getenv("HOME");
  std::string homeDir = (home && *home) ? home : "";
  if (homeDir.empty()) {
    if (const passwd* user = ::getpwuid(::getuid())) homeDir = user->pw_dir;
  }
  return homeDir + "/.local/share/applications";
}

std::string HostDesktopEntryWriter::entryPath() const {
  return (stdfs::path(applications_) / kDesktopEntryFile).string();
}

bool HostDesktopEntryWriter::write(const std::string& program,
                                   const std::string& workingDirectory) {
  try {
    auto hostProgram = fs_.hostPath(program);
    auto hostDir = fs_.hostPath(workingDirectory);
    if (!hostProgram || !hostDir) return false;

    DesktopEntry entry;
    entry.name = "Quillfen95";
    entry.comment = "Pick and start your MS-DOS games";
    // The program finds its drives through the prefix setup installed into.
    entry.exec = {"env", "QF95_PREFIX=" + stdfs::absolute(fs_.prefix()).string(), *hostProgram};
    entry.tryExec = *hostProgram;
    entry.path = *hostDir;

    std::error_code ec;
    stdfs::create_directories(applications_, ec);
    const std::string path = entryPath();
    const std::string temporary = path + ".tmp";
    {
      std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
      out << formatDesktopEntry(entry);
      out.close();
      if (!out) {
        stdfs::remove(temporary, ec);
        return false;
      }
    }
    stdfs::rename(temporary, path, ec);
    if (!ec) return true;
    std::error_code ignored;
    stdfs::remove(temporary, ignored);
    return false;
  } catch (...) {
    return false;
  }
}

}  // namespace setup
