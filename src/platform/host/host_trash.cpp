#include "platform/host/host_trash.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace platform {
namespace {

std::string dataHome() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') return xdg;
  const char* home = std::getenv("HOME");
  std::string homeDir = (home && *home) ? home : "";
  if (homeDir.empty())
    if (const passwd* user = ::getpwuid(::getuid())) homeDir = user->pw_dir;
  return homeDir + "/.local/share";
}

// The folder and every missing one above it, private as the trash is.
bool makeFolders(const std::string& path) {
  for (size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
    const std::string part = path.substr(0, at);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (at == std::string::npos) return true;
  }
}

// Path= holds the original path URL-escaped: every byte but the unreserved ones and "/".
std::string escapedPath(const std::string& path) {
  std::string out;
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      out += char(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      out += hex;
    }
  }
  return out;
}

std::string deletionDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

bool writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

TrashResult fail(std::string& why, int code) {
  why = std::strerror(code);
  return TrashResult::kFailed;
}

}  // namespace

std::string homeTrashDirectory() {
  return dataHome() + "/Trash";
}

TrashResult moveToHomeTrash(const std::string& hostFile, std::string& why) {
  struct stat file {};
  if (::lstat(hostFile.c_str(), &file) != 0) return fail(why, errno);
  const std::string trash = homeTrashDirectory();
  // The trash may not be made yet: its nearest folder that is tells the file system.
  std::string existing = trash;
  struct stat home {};
  while (::stat(existing.c_str(), &home) != 0) {
    const size_t up = existing.rfind('/');
    if (up == std::string::npos || up == 0) return fail(why, errno);
    existing.resize(up);
  }
  if (home.st_dev != file.st_dev) return TrashResult::kOtherFileSystem;
  if (!makeFolders(trash + "/files") || !makeFolders(trash + "/info")) return fail(why, errno);

  const size_t slash = hostFile.rfind('/');
  const std::string leaf = hostFile.substr(slash == std::string::npos ? 0 : slash + 1);
  const std::string info =
      "[Trash Info]\nPath=" + escapedPath(hostFile) + "\nDeletionDate=" + deletionDate() + "\n";
  // The info file is made first and exclusively: it claims the name in files/.
  for (int n = 1; n < 10000; ++n) {
    const std::string name = n == 1 ? leaf : leaf + "." + std::to_string(n);
    const std::string infoPath = trash + "/info/" + name + ".trashinfo";
    const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return fail(why, errno);
    }
    const bool written = writeAll(fd, info);
    const int writeError = errno;
    ::close(fd);
    if (!written) {
      ::unlink(infoPath.c_str());
      return fail(why, writeError);
    }
    const std::string target = trash + "/files/" + name;
    struct stat taken {};
    if (::lstat(target.c_str(), &taken) == 0) {  // left there without its info file
      ::unlink(infoPath.c_str());
      continue;
    }
    if (::rename(hostFile.c_str(), target.c_str()) == 0) return TrashResult::kTrashed;
    const int code = errno;
    ::unlink(infoPath.c_str());
    if (code == EXDEV) return TrashResult::kOtherFileSystem;
    return fail(why, code);
  }
  return fail(why, EEXIST);
}

}  // namespace platform
