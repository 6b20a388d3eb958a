#include "platform/host/host_native_programs.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

std::vector<std::string> splitColons(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(':', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool isExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

const std::vector<std::string>& HostNativePrograms::defaultDataFolders() {
  static const std::vector<std::string> folders{
      "/usr/share/games/doom",    "/usr/local/share/games/doom", "/usr/share/doom",
      "/usr/share/games/heretic", "/usr/share/games/hexen",      "/usr/share/games/strife"};
  return folders;
}

HostNativePrograms::HostNativePrograms(std::string programPath,
                                       std::vector<std::string> dataFolders)
    : programPath_(std::move(programPath)), dataFolders_(std::move(dataFolders)) {}

HostNativePrograms HostNativePrograms::fromEnvironment(const Lookup& lookup) {
  std::string path;
  if (const char* own = lookup("QF95_NATIVE_PATH")) {
    path = own;
  } else {
    const char* system = lookup("PATH");
    path = std::string(system ? system : "/usr/local/bin:/usr/bin:/bin") + ":/usr/games";
  }
  std::vector<std::string> data = defaultDataFolders();
  if (const char* own = lookup("QF95_NATIVE_DATA")) data = splitColons(own);
  return HostNativePrograms(std::move(path), std::move(data));
}

HostNativePrograms HostNativePrograms::fromEnvironment() {
  return fromEnvironment([](const char* name) { return std::getenv(name); });
}

std::optional<std::string> HostNativePrograms::findProgram(const std::string& name) const {
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  for (const std::string& folder : splitColons(programPath_)) {
    const std::string candidate = folder + "/" + name;
    if (isExecutableFile(candidate)) return candidate;
  }
  return std::nullopt;
}

std::vector<std::string> HostNativePrograms::dataFiles() const {
  std::vector<std::string> files;
  for (const std::string& folder : dataFolders_) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) continue;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      struct stat st {};
      // Through links too: Debian's IWADs are often links into another package's folder.
      if (::stat((folder + "/" + name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
        names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) files.push_back(folder + "/" + name);
  }
  return files;
}

}  // namespace platform
