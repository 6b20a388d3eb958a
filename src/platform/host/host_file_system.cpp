#include "platform/host/host_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "platform/directory_search.h"
#include "platform/dos_path.h"
#include "platform/host/directory_cache.h"
#include "platform/host/directory_entries.h"
#include "platform/host/host_trash.h"
#include "platform/short_names.h"

namespace platform {
namespace {

namespace stdfs = std::filesystem;

std::string joinHost(const std::string& dir, const std::string& name) {
  if (!dir.empty() && dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

std::optional<struct stat> statHost(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return st;
}

bool isDirectory(const struct stat& st) {
  return S_ISDIR(st.st_mode);
}
// Windows' read-only attribute; checked by hand because root may write anything.
bool isReadOnly(const struct stat& st) {
  return !isDirectory(st) && !(st.st_mode & S_IWUSR);
}

FindData describe(std::string longName, std::string shortName, const struct stat& st) {
  FindData data;
  data.longName = std::move(longName);
  data.shortName = std::move(shortName);
  if (isDirectory(st)) {
    data.attributes = kAttrDirectory;
  } else {
    data.attributes = kAttrArchive | (isReadOnly(st) ? uint32_t(kAttrReadOnly) : 0u);
    data.size = static_cast<uint64_t>(st.st_size);
  }
  return data;
}

// A host directory held open, so that its listing and the entries' attributes come from the
// same directory.
class OpenDirectory {
 public:
  explicit OpenDirectory(const std::string& dir)
      : fd_(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
  ~OpenDirectory() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenDirectory(const OpenDirectory&) = delete;
  OpenDirectory& operator=(const OpenDirectory&) = delete;

  std::shared_ptr<const DirectoryListing> listing(DirectoryCache& cache) const {
    return fd_ < 0 ? nullptr : cache.listing(fd_);
  }
  CachedDirectory entries(DirectoryCache& cache) const {
    return fd_ < 0 ? CachedDirectory{} : cache.entries(fd_);
  }
  std::optional<struct stat> statEntry(const std::string& name) const {
    struct stat st {};
    if (::fstatat(fd_, name.c_str(), &st, 0) != 0) return std::nullopt;
    return st;
  }

 private:
  int fd_;
};

// The alias of `storedName` inside the host directory `dir`.
std::string aliasIn(DirectoryCache& cache, const std::string& dir, const std::string& storedName) {
  if (auto plain = plainShortName(storedName)) return *plain;
  if (auto listing = OpenDirectory(dir).listing(cache)) {
    if (auto index = listing->indexOf(storedName)) return listing->aliases()[*index];
  }
  return dos::toUpper(storedName);
}

// The scratch files of a whole-file replace: ".<name>.qf95-<pid>-<n>" beside the target.
constexpr std::string_view kScratchMark = ".qf95-";

// The process id in a scratch file's name, or 0 when the name is not one of ours.
pid_t scratchOwner(std::string_view name) {
  if (name.size() < 2 || name[0] != '.') return 0;
  const size_t mark = name.rfind(kScratchMark);
  if (mark == std::string_view::npos || mark == 0) return 0;
  std::string_view rest = name.substr(mark + kScratchMark.size());
  const size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size()) return 0;
  const std::string_view pid = rest.substr(0, dash), counter = rest.substr(dash + 1);
  auto digits = [](std::string_view s) {
    return s.size() <= 9 && s.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!digits(pid) || !digits(counter)) return 0;
  return static_cast<pid_t>(std::atol(std::string(pid).c_str()));
}

// Opens a scratch file beside `target` that nobody else can have opened.
int createScratchFile(const std::string& target, std::string& scratchPath) {
  static std::atomic<unsigned> counter{0};
  stdfs::path targetPath(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "." + targetPath.filename().string() + std::string(kScratchMark) +
                       std::to_string(::getpid()) + "-" + std::to_string(counter++);
    scratchPath = (targetPath.parent_path() / name).string();
    int fd = ::open(scratchPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, const uint8_t* bytes, size_t count) {
  while (count > 0) {
    ssize_t done = ::write(fd, bytes, count);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes += done;
    count -= static_cast<size_t>(done);
  }
  return true;
}

bool copyContent(int from, int to) {
  std::vector<uint8_t> buffer(1 << 16);
  while (true) {
    ssize_t got = ::read(from, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!writeAll(to, buffer.data(), static_cast<size_t>(got))) return false;
  }
}

bool syncDirectory(const std::string& dir) {
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  // Some file systems cannot sync a directory at all; that is no failure of the write.
  bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
  int code = errno;
  ::close(fd);
  errno = code;
  return ok;
}

class HostFileHandle : public FileHandle {
 public:
  explicit HostFileHandle(int fd) : fd_(fd) {}
  ~HostFileHandle() override { ::close(fd_); }

  size_t read(void* buffer, size_t count) override {
    auto* out = static_cast<uint8_t*>(buffer);
    size_t total = 0;
    while (total < count) {
      ssize_t got = ::read(fd_, out + total, count - total);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      total += static_cast<size_t>(got);
    }
    return total;
  }

  size_t write(const void* buffer, size_t count) override {
    const auto* in = static_cast<const uint8_t*>(buffer);
    size_t total = 0;
    while (total < count) {
      ssize_t done = ::write(fd_, in + total, count - total);
      if (done < 0 && errno == EINTR) continue;
      if (done <= 0) break;
      total += static_cast<size_t>(done);
    }
    return total;
  }

  bool seek(uint64_t position) override {
    if (position > static_cast<uint64_t>(LLONG_MAX)) return false;
    return ::lseek(fd_, static_cast<off_t>(position), SEEK_SET) != -1;
  }

  uint64_t position() const override {
    off_t at = ::lseek(fd_, 0, SEEK_CUR);
    return at < 0 ? 0 : static_cast<uint64_t>(at);
  }

  uint64_t length() const override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return 0;
    return static_cast<uint64_t>(st.st_size);
  }

  bool truncate(uint64_t length) override {
    if (length > static_cast<uint64_t>(LLONG_MAX)) return false;
    return ::ftruncate(fd_, static_cast<off_t>(length)) == 0;
  }

 private:
  int fd_;
};

// A DOS path mapped onto the host: the components that exist, spelled as stored, and the rest
// as written.
struct Located {
  dos::Path dos;
  std::string driveDir;             // <prefix>/dosdevices/x:
  std::string host;                 // the whole path on the host
  std::string parentHost;           // the host directory holding the last component
  std::vector<std::string> stored;  // names of the components that exist
  bool parentIsDirectory = false;   // the last component's directory exists
  struct stat st {};                // of the whole path, when it exists

  bool exists() const { return stored.size() == dos.components.size(); }
  bool isRoot() const { return dos.components.empty(); }
  bool existsAsFile() const { return exists() && !isRoot() && !isDirectory(st); }
  bool existsAsDirectory() const { return exists() && isDirectory(st); }
};

bool isAbsoluteDosPath(std::string_view text) {
  return text.size() >= 3 && text[1] == ':' && (text[2] == '\\' || text[2] == '/');
}

std::string linkOf(const std::string& prefix, char drive) {
  return prefix + "/dosdevices/" + static_cast<char>(drive - 'A' + 'a') + ":";
}

std::optional<std::string> realHostPath(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (!real) return std::nullopt;
  std::string result(real);
  std::free(real);
  return result;
}

// Finds DOS paths on the host, case-insensitively and through the aliases.
class HostLookup {
 public:
  HostLookup(const HostFileSystem& fs, DirectoryCache& cache) : fs_(fs), cache_(cache) {}

  // Nothing for bad text, an unmapped drive or (unless `pattern`) a wildcard in the path.
  std::optional<Located> locate(const std::string& text, bool pattern = false) const {
    std::string current = isAbsoluteDosPath(text) ? std::string() : fs_.currentDirectory();
    auto dosPath = dos::resolve(text, current);
    if (!dosPath) return std::nullopt;
    const std::vector<std::string> parts = dosPath->components;
    for (size_t i = 0; i < parts.size(); ++i) {
      bool leafPattern = pattern && i + 1 == parts.size();
      if (!leafPattern && dos::hasWildcards(parts[i])) return std::nullopt;
    }
    Located found;
    found.dos = std::move(*dosPath);
    found.driveDir = linkOf(fs_.prefix(), found.dos.drive);
    auto rootStat = statHost(found.driveDir);
    if (!rootStat || !isDirectory(*rootStat)) return std::nullopt;

    // The usual case first: the path exists exactly as written, one stat.
    std::string exact = found.driveDir;
    for (const auto& part : parts) exact = joinHost(exact, part);
    if (auto st = statHost(exact)) {
      found.stored = parts;
      found.host = exact;
      found.parentHost = stdfs::path(exact).parent_path().string();
      found.parentIsDirectory = true;
      found.st = *st;
      return found;
    }

    std::string dir = found.driveDir;
    struct stat dirStat = *rootStat;
    size_t i = 0;
    for (; i < parts.size(); ++i) {
      if (!isDirectory(dirStat)) break;
      // A pattern is matched by find() against the whole directory, not looked up here.
      if (pattern && i + 1 == parts.size() && dos::hasWildcards(parts[i])) break;
      std::optional<std::string> name;
      std::optional<struct stat> st = statHost(joinHost(dir, parts[i]));
      if (st) {
        name = parts[i];
      } else if (auto listing = OpenDirectory(dir).listing(cache_)) {
        if (auto index = listing->find(parts[i])) {
          name = listing->names()[*index];
          st = statHost(joinHost(dir, *name));
        }
      }
      if (!name || !st) break;
      if (i + 1 == parts.size()) found.parentHost = dir;
      found.stored.push_back(*name);
      dir = joinHost(dir, *name);
      dirStat = *st;
    }
    if (found.exists()) {
      found.host = dir;
      found.parentIsDirectory = true;
      found.st = dirStat;
      return found;
    }
    // Missing components keep their spelling.
    found.parentIsDirectory = (i + 1 == parts.size()) && isDirectory(dirStat);
    found.parentHost = dir;
    for (; i < parts.size(); ++i) dir = joinHost(dir, parts[i]);
    found.host = dir;
    return found;
  }

  // The entry of an existing, non-root path as a listing shows it.
  FindData describeEntry(const Located& at) const {
    return describe(at.stored.back(), aliasIn(cache_, at.parentHost, at.stored.back()), at.st);
  }

 private:
  const HostFileSystem& fs_;
  DirectoryCache& cache_;
};

}  // namespace

// Every call below catches at the boundary: a failure of any kind is the call's failure.

HostFileSystem::HostFileSystem(std::string prefixDir, std::shared_ptr<DirectoryCache> cache)
    : cache_(cache ? std::move(cache) : std::make_shared<DirectoryCache>()) {
  try {
    std::error_code ec;
    stdfs::path prefix = stdfs::absolute(prefixDir, ec).lexically_normal();
    prefix_ = prefix.string();
    while (prefix_.size() > 1 && prefix_.back() == '/') prefix_.pop_back();
    stdfs::path devices = stdfs::path(prefix_) / "dosdevices";
    if (!stdfs::exists(stdfs::symlink_status(devices, ec))) {
      stdfs::create_directories(stdfs::path(prefix_) / "drive_c", ec);
      stdfs::create_directories(devices, ec);
      stdfs::create_directory_symlink("../drive_c", devices / "c:", ec);
      stdfs::create_directory_symlink("/", devices / "z:", ec);
    }
  } catch (...) {
    // A prefix we cannot set up simply has no drives.
  }
}

std::string HostFileSystem::defaultPrefix() {
  const char* prefix = std::getenv("QF95_PREFIX");
  if (prefix && *prefix) return prefix;
  const char* home = std::getenv("HOME");
  std::string homeDir = (home && *home) ? home : "";
  if (homeDir.empty()) {
    if (const passwd* user = ::getpwuid(::getuid())) homeDir = user->pw_dir;
  }
  return homeDir + "/.local/share/quillfen95";
}

std::optional<std::string> HostFileSystem::hostPath(const std::string& dosPath) const {
  try {
    auto at = HostLookup(*this, *cache_).locate(dosPath);
    if (!at) return std::nullopt;
    auto root = realHostPath(at->driveDir);
    if (!root) return std::nullopt;
    std::string rest = at->host.substr(at->driveDir.size());
    // A drive on "/" (our Z:) would otherwise give "//usr/...".
    if (!root->empty() && root->back() == '/' && rest.starts_with("/")) rest.erase(0, 1);
    return *root + rest;
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<std::string> HostFileSystem::dosPath(const std::string& hostPath) const {
  try {
    std::error_code ec;
    stdfs::path absolute = stdfs::weakly_canonical(stdfs::absolute(hostPath, ec), ec);
    if (ec) return std::nullopt;
    std::string target = absolute.string();

    // The drive with the longest mapping that holds the path; Z: (usually the whole host)
    // only when no other drive does.
    char bestDrive = 0;
    std::string bestRoot;
    for (char drive : std::string("CDEFGHIJKLMNOPQRSTUVWXYZ")) {
      if (drive == 'Z' && bestDrive) break;
      auto root = realHostPath(linkOf(prefix_, drive));
      if (!root) continue;
      bool inside = target == *root || *root == "/" ||
                    (target.size() > root->size() && target.compare(0, root->size(), *root) == 0 &&
                     target[root->size()] == '/');
      if (inside && (!bestDrive || root->size() > bestRoot.size())) {
        bestDrive = drive;
        bestRoot = *root;
      }
    }
    if (!bestDrive) return std::nullopt;
    dos::Path result;
    result.drive = bestDrive;
    std::string rest = target.substr(bestRoot == "/" ? 0 : bestRoot.size());
    for (const auto& part : stdfs::path(rest)) {
      std::string name = part.string();
      if (!name.empty() && name != "/") result.components.push_back(name);
    }
    return dos::format(result);
  } catch (...) {
    return std::nullopt;
  }
}

std::vector<char> HostFileSystem::drives() const {
  std::vector<char> letters;
  try {
    for (char drive = 'C'; drive <= 'Z'; ++drive) {
      auto st = statHost(linkOf(prefix_, drive));
      if (st && isDirectory(*st)) letters.push_back(drive);
    }
  } catch (...) {
  }
  return letters;
}

std::vector<FindData> HostFileSystem::find(const std::string& pattern) const {
  try {
    HostLookup lookup(*this, *cache_);
    auto at = lookup.locate(pattern, true);
    // A pattern ending in a separator names no entry to look for, as with FindFirstFileA.
    if (!at || at->isRoot() || at->dos.trailingSeparator) return {};
    const std::string& leaf = at->dos.leaf();
    if (!dos::hasWildcards(leaf)) {
      if (!at->exists()) return {};
      return {lookup.describeEntry(*at)};
    }
    if (!at->parentIsDirectory) return {};
    OpenDirectory dir(at->parentHost);
    auto listing = dir.listing(*cache_);
    if (!listing) return {};
    const std::vector<std::string>& names = listing->names();
    const std::vector<std::string>& aliases = listing->aliases();
    std::vector<FindData> found;
    for (size_t i = 0; i < names.size(); ++i) {
      const std::string& name = names[i];
      // An alias that is the name upper-cased matches just as the name does.
      if (!dos::matchesWildcard(leaf, name) &&
          (dos::equalsIgnoreCase(name, aliases[i]) || !dos::matchesWildcard(leaf, aliases[i]))) {
        continue;
      }
      // A dangling link is no entry for DOS.
      if (auto st = dir.statEntry(name)) found.push_back(describe(name, aliases[i], *st));
    }
    return found;
  } catch (...) {
    return {};
  }
}

std::optional<DirectorySearch> HostFileSystem::searchDirectory(
    const std::string& dir, const std::vector<std::string>& patterns) const {
  try {
    auto at = HostLookup(*this, *cache_).locate(dir);
    if (!at || !at->existsAsDirectory()) return std::nullopt;
    OpenDirectory open(at->host);
    const CachedDirectory listed = open.entries(*cache_);
    if (!listed.listing) {
      // There, but not to be read: nothing in it shows, the way out does.
      DirectorySearch none;
      none.matches.resize(patterns.size());
      return none;
    }
    const std::vector<std::string>& names = listed.listing->names();
    const std::vector<ListedType>& types = *listed.types;
    // The listing's types spare a look at each entry; links and untyped entries get one.
    return searchListing(listed.listing, patterns, [&](size_t i) {
      if (types[i] == ListedType::kDirectory) return ListedKind::kDirectory;
      if (types[i] == ListedType::kFile) return ListedKind::kFile;
      auto st = open.statEntry(names[i]);
      if (!st) return ListedKind::kGone;  // a dangling link is no entry for DOS
      return isDirectory(*st) ? ListedKind::kDirectory : ListedKind::kFile;
    });
  } catch (...) {
    return std::nullopt;
  }
}

namespace {

// The names in the directory open as `fd` (which this takes over), each directory's own names
// too while `depth` > 0. Read past the listing cache: a search reads each directory once, and
// keeping them would push out the listings the window uses.
std::vector<ListedName> readNames(int fd, int depth) {
  std::vector<ListedName> names;
  forEachDirectoryEntry(fd, [&](std::string_view name, unsigned char type) {
    bool directory = type == DT_DIR;
    if (type == DT_LNK || type == DT_UNKNOWN) {
      struct stat st {};
      // A dangling link is no entry for DOS.
      if (::fstatat(fd, std::string(name).c_str(), &st, 0) != 0) return;
      directory = isDirectory(st);
    }
    names.push_back({std::string(name), directory, {}});
    if (directory && depth > 0) {
      const int inner = ::openat(fd, names.back().name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (inner >= 0) names.back().inside = readNames(inner, depth - 1);
    }
  });
  ::close(fd);
  return names;
}

}  // namespace

std::optional<std::vector<ListedName>> HostFileSystem::listNames(const std::string& dir,
                                                                 bool withFolders) const {
  try {
    auto at = HostLookup(*this, *cache_).locate(dir);
    if (!at || !at->existsAsDirectory()) return std::nullopt;
    const int fd = ::open(at->host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return std::vector<ListedName>{};  // there, but not to be read
    return readNames(fd, withFolders ? 1 : 0);
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<FindData> HostFileSystem::stat(const std::string& path) const {
  try {
    HostLookup lookup(*this, *cache_);
    auto at = lookup.locate(path);
    if (!at || !at->exists()) return std::nullopt;
    if (at->isRoot()) return describe("", "", at->st);
    return lookup.describeEntry(*at);
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<int64_t> HostFileSystem::modificationTime(const std::string& path) const {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || !at->exists() || !S_ISREG(at->st.st_mode)) return std::nullopt;
    return int64_t(at->st.st_mtim.tv_sec);
  } catch (...) {
    return std::nullopt;
  }
}

bool HostFileSystem::setModificationTime(const std::string& path, int64_t seconds) {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || !at->exists() || !S_ISREG(at->st.st_mode)) return failed(false, "no such file");
    // The access time stays as it is: only the change the map is compared by moves.
    const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(seconds), 0}};
    if (::utimensat(AT_FDCWD, at->host.c_str(), times, 0) != 0)
      return failed(false, std::strerror(errno));
    return true;
  } catch (...) {
    return false;
  }
}

std::unique_ptr<FileHandle> HostFileSystem::open(const std::string& path, OpenMode mode) {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || at->isRoot()) return failed(nullptr, "no such file or directory");
    int flags = O_CLOEXEC;
    if (at->exists()) {
      if (isDirectory(at->st)) return failed(nullptr, "it is a directory");
      // A FIFO, socket or device would block or never end: only files are opened.
      if (!S_ISREG(at->st.st_mode)) return failed(nullptr, "it is not a regular file");
      if (mode != OpenMode::kRead && isReadOnly(at->st)) return failed(nullptr, "it is read-only");
    } else if (mode == OpenMode::kRead || mode == OpenMode::kReadWrite || !at->parentIsDirectory) {
      return failed(nullptr, "no such file or directory");
    }
    switch (mode) {
      case OpenMode::kRead:
        flags |= O_RDONLY;
        break;
      case OpenMode::kReadWrite:
        flags |= O_RDWR;
        break;
      case OpenMode::kCreateTruncate:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
      case OpenMode::kCreateKeep:
        flags |= O_RDWR | O_CREAT;
        break;
    }
    // Never wait for a writer: a file that became a FIFO since the look must not block us.
    int fd = ::open(at->host.c_str(), flags | O_NONBLOCK, 0666);
    if (!at->exists()) cache_->forget(at->parentHost);
    if (fd < 0) return failed(nullptr, std::strerror(errno));
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
      ::close(fd);
      return failed(nullptr, "it is not a regular file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return std::make_unique<HostFileHandle>(fd);
  } catch (...) {
    return nullptr;
  }
}

bool HostFileSystem::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
  try {
    HostLookup lookup(*this, *cache_);
    auto source = lookup.locate(from);
    if (!source || !source->existsAsFile()) return failed(false, "no such file");
    // Reading a FIFO or a device would wait or never end.
    if (!S_ISREG(source->st.st_mode)) return failed(false, "it is not a regular file");
    auto target = lookup.locate(to);
    if (!target || target->isRoot()) return failed(false, "no such directory");
    if (target->exists()) {
      if (failIfExists || isDirectory(target->st) || isReadOnly(target->st) ||
          !S_ISREG(target->st.st_mode))
        return failed(false, "the target exists");
      if (target->st.st_dev == source->st.st_dev && target->st.st_ino == source->st.st_ino) {
        return false;
      }
    } else if (!target->parentIsDirectory) {
      return false;
    }
    int in = ::open(source->host.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) return failed(false, std::strerror(errno));
    int out = ::open(target->host.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0) {
      ::close(in);
      return false;
    }
    // The copy carries the source's attributes, read-only included, as CopyFileA does.
    bool ok = copyContent(in, out) && ::fchmod(out, source->st.st_mode & 07777) == 0;
    ::close(in);
    if (::close(out) != 0) ok = false;
    if (!ok && !target->exists()) ::unlink(target->host.c_str());
    if (!target->exists()) cache_->forget(target->parentHost);
    return ok;
  } catch (...) {
    return false;
  }
}

bool HostFileSystem::moveFile(const std::string& from, const std::string& to) {
  try {
    HostLookup lookup(*this, *cache_);
    auto source = lookup.locate(from);
    if (!source || !source->exists() || source->isRoot()) return false;
    auto target = lookup.locate(to);
    if (!target || target->isRoot()) return false;
    std::string destination = target->host;
    if (target->exists()) {
      // Only a change of spelling of the same entry ("readme.txt" to "README.TXT").
      if (target->host != source->host || target->stored.back() == target->dos.leaf()) {
        return false;
      }
      destination = joinHost(target->parentHost, target->dos.leaf());
    } else if (!target->parentIsDirectory) {
      return false;
    }
    bool moved = ::rename(source->host.c_str(), destination.c_str()) == 0;
    // Another host file system: copy, then remove the original.
    if (!moved && errno == EXDEV && !isDirectory(source->st) && copyFile(from, to, true)) {
      moved = ::unlink(source->host.c_str()) == 0;
    }
    cache_->forget(source->parentHost);
    cache_->forget(target->parentHost);
    return moved;
  } catch (...) {
    return false;
  }
}

bool HostFileSystem::deleteFile(const std::string& path) {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || !at->existsAsFile() || isReadOnly(at->st)) return false;
    bool deleted = ::unlink(at->host.c_str()) == 0;
    cache_->forget(at->parentHost);
    return deleted;
  } catch (...) {
    return false;
  }
}

bool HostFileSystem::moveToTrash(const std::string& path) {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || !at->existsAsFile()) return failed(false, "no such file");
    if (isReadOnly(at->st)) return failed(false, "the file is read-only");
    const std::string real = hostPath(path).value_or(at->host);
    std::string why;
    const TrashResult result = moveToHomeTrash(real, why);
    bool done = result == TrashResult::kTrashed;
    if (result == TrashResult::kOtherFileSystem) {
      done = ::unlink(at->host.c_str()) == 0;
      if (!done) why = std::strerror(errno);
    }
    cache_->forget(at->parentHost);
    return done ? true : failed(false, why);
  } catch (...) {
    return false;
  }
}

bool HostFileSystem::setAttributesNormal(const std::string& path) {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || !at->exists()) return false;
    return ::chmod(at->host.c_str(), (at->st.st_mode & 07777) | S_IWUSR) == 0;
  } catch (...) {
    return false;
  }
}

bool HostFileSystem::createDirectory(const std::string& path) {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || at->exists() || !at->parentIsDirectory) return false;
    bool made = ::mkdir(at->host.c_str(), 0777) == 0;
    cache_->forget(at->parentHost);
    return made;
  } catch (...) {
    return false;
  }
}

bool HostFileSystem::removeDirectory(const std::string& path) {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || !at->existsAsDirectory() || at->isRoot()) return false;
    bool removed = ::rmdir(at->host.c_str()) == 0;
    cache_->forget(at->parentHost);
    return removed;
  } catch (...) {
    return false;
  }
}

std::string HostFileSystem::currentDirectory() const {
  try {
    std::error_code ec;
    stdfs::path cwd = stdfs::current_path(ec);
    if (!ec) {
      if (auto path = dosPath(cwd.string())) {
        return path->back() == '\\' ? *path : *path + "\\";
      }
    }
  } catch (...) {
  }
  return "C:\\";
}

bool HostFileSystem::setCurrentDirectory(const std::string& path) {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || !at->existsAsDirectory()) return false;
    return ::chdir(at->host.c_str()) == 0;
  } catch (...) {
    return false;
  }
}

std::string HostFileSystem::windowsDirectory() const {
  return "C:\\WINDOWS";
}

std::optional<std::string> HostFileSystem::shortPathName(const std::string& path) const {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || !at->exists()) return std::nullopt;
    dos::Path result;
    result.drive = at->dos.drive;
    std::string dir = at->driveDir;
    for (const std::string& name : at->stored) {
      result.components.push_back(aliasIn(*cache_, dir, name));
      dir = joinHost(dir, name);
    }
    return dos::format(result, at->dos.trailingSeparator);
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<std::string> HostFileSystem::longPathName(const std::string& path) const {
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || !at->exists()) return std::nullopt;
    dos::Path result;
    result.drive = at->dos.drive;
    result.components = at->stored;
    return dos::format(result, at->dos.trailingSeparator);
  } catch (...) {
    return std::nullopt;
  }
}

std::vector<DriveMapping> HostFileSystem::mappings() const {
  std::vector<DriveMapping> found;
  try {
    const stdfs::path devices = stdfs::path(prefix_) / "dosdevices";
    for (char drive = 'C'; drive <= 'Z'; ++drive) {
      const std::string link = linkOf(prefix_, drive);
      struct stat st {};
      if (::lstat(link.c_str(), &st) != 0) continue;
      DriveMapping m;
      m.letter = drive;
      if (S_ISLNK(st.st_mode)) {
        std::error_code ec;
        stdfs::path target = stdfs::read_symlink(link, ec);
        if (ec) continue;
        // Wine's own links are relative to dosdevices ("../drive_c").
        if (target.is_relative()) target = devices / target;
        m.hostFolder = storedFolder(target.string());
      } else {
        m.hostFolder = link;
      }
      auto target = statHost(link);
      m.present = target && isDirectory(*target);
      found.push_back(std::move(m));
    }
  } catch (...) {
  }
  return found;
}

DriveMap::FolderKind HostFileSystem::folderKind(const std::string& hostFolder) const {
  auto st = statHost(hostFolder);
  if (!st) return FolderKind::kMissing;
  return isDirectory(*st) ? FolderKind::kFolder : FolderKind::kNotFolder;
}

std::string HostFileSystem::storedFolder(const std::string& hostFolder) const {
  try {
    std::error_code ec;
    std::string folder = stdfs::absolute(hostFolder, ec).lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
  } catch (...) {
    return hostFolder;
  }
}

std::string HostFileSystem::writeLink(char letter, const std::string& hostFolder) {
  const std::string devices = prefix_ + "/dosdevices";
  const std::string link = linkOf(prefix_, letter);
  const std::string drive = std::string(1, letter) + ":";
  try {
    std::error_code ec;
    stdfs::create_directories(devices, ec);
    // A new link beside the old one, renamed over it: the drive is never missing in between.
    const std::string scratch = devices + "/." + drive + ".qf95-" + std::to_string(::getpid());
    ::unlink(scratch.c_str());
    if (::symlink(hostFolder.c_str(), scratch.c_str()) != 0)
      return "Drive " + drive + " could not be mapped: " + std::strerror(errno) + ".";
    if (::rename(scratch.c_str(), link.c_str()) != 0) {
      const int why = errno;
      ::unlink(scratch.c_str());
      return "Drive " + drive + " could not be mapped: " + std::strerror(why) + ".";
    }
    cache_->forget(devices);
    return {};
  } catch (...) {
    return "Drive " + drive + " could not be mapped.";
  }
}

std::string HostFileSystem::dropLink(char letter) {
  const std::string link = linkOf(prefix_, letter);
  const std::string drive = std::string(1, letter) + ":";
  struct stat st {};
  if (::lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode))
    return "Drive " + drive + " is a folder of the prefix itself and is not removed.";
  if (::unlink(link.c_str()) != 0)
    return "Drive " + drive + " could not be removed: " + std::strerror(errno) + ".";
  cache_->forget(prefix_ + "/dosdevices");
  return {};
}

size_t HostFileSystem::removeStaleScratchFiles(const std::string& directory) {
  try {
    auto at = HostLookup(*this, *cache_).locate(directory);
    if (!at || !at->existsAsDirectory()) return 0;
    // The start of this process: a scratch file written since may be a live one of a sibling.
    struct stat self {};
    const bool knowStart = ::stat("/proc/self", &self) == 0;
    size_t removed = 0;
    std::error_code ec;
    for (const auto& entry : stdfs::directory_iterator(at->host, ec)) {
      const std::string name = entry.path().filename().string();
      const pid_t owner = scratchOwner(name);
      if (owner <= 0 || owner == ::getpid()) continue;
      if (::kill(owner, 0) == 0 || errno != ESRCH) continue;  // still running, or not ours to ask
      struct stat st {};
      if (::lstat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
      if (knowStart && st.st_mtim.tv_sec > self.st_ctim.tv_sec) continue;
      if (::unlink(entry.path().c_str()) == 0) ++removed;
    }
    if (removed) cache_->forget(at->host);
    return removed;
  } catch (...) {
    return 0;
  }
}

bool HostFileSystem::replaceWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::string scratch;
  try {
    auto at = HostLookup(*this, *cache_).locate(path);
    if (!at || at->isRoot()) return failed(false, "no such directory");
    std::string target = at->host;
    if (at->exists()) {
      if (isDirectory(at->st)) return failed(false, "it is a directory");
      if (!S_ISREG(at->st.st_mode)) return failed(false, "it is not a regular file");
      if (isReadOnly(at->st)) return failed(false, "it is read-only");
      // Through a link the linked file is replaced, so the link stays.
      if (auto real = realHostPath(target)) target = *real;
    } else if (!at->parentIsDirectory) {
      return failed(false, "no such directory");
    }
    int fd = createScratchFile(target, scratch);
    if (fd < 0) return failed(false, std::strerror(errno));
    int code = 0;
    auto step = [&code](bool done) {
      if (!done && code == 0) code = errno ? errno : EIO;
      return done;
    };
    bool ok = step(writeAll(fd, bytes.data(), bytes.size()));
    if (ok && at->exists()) ok = step(::fchmod(fd, at->st.st_mode & 07777) == 0);
    if (ok) ok = step(::fsync(fd) == 0);
    if (!step(::close(fd) == 0)) ok = false;
    if (ok) ok = step(::rename(scratch.c_str(), target.c_str()) == 0);
    if (!ok) ::unlink(scratch.c_str());
    const std::string parent = stdfs::path(target).parent_path().string();
    cache_->forget(parent);
    if (!ok) return failed(false, std::strerror(code));
    // The new name is only safe once the directory holding it is on the disk.
    if (!syncDirectory(parent)) return failed(false, std::strerror(errno));
    return true;
  } catch (...) {
    if (!scratch.empty()) ::unlink(scratch.c_str());
    return failed(false, "unexpected failure");
  }
}

}  // namespace platform
