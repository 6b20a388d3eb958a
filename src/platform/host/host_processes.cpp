#include "platform/host/host_processes.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/dos_path.h"
#include "platform/dos_session_paths.h"
#include "platform/host/dosbox_session.h"
#include "platform/pif_fields.h"

extern char** environ;

namespace platform {
namespace {

std::string systemText(int code) {
  return std::strerror(code);
}

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::vector<std::string> splitBlanks(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (isBlank(c)) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

// Words as a command line holds them: blanks separate, double quotes group and are dropped.
std::vector<std::string> splitQuoted(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (isBlank(c) && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::string trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// The first word of a command (quotes allowed around it) and the rest as written.
std::pair<std::string, std::string> firstWord(const std::string& text) {
  std::string rest = trim(text);
  size_t end = 0;
  bool quoted = false;
  while (end < rest.size() && (quoted || !isBlank(rest[end]))) {
    if (rest[end] == '"') quoted = !quoted;
    ++end;
  }
  std::vector<std::string> words = splitQuoted(rest.substr(0, end));
  return {words.empty() ? std::string() : words[0], trim(rest.substr(end))};
}

std::string joinWords(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

bool isDirectoryOnHost(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// --- starting programs -----------------------------------------------------------------------

struct Command {
  std::vector<std::string> argv;
  std::vector<std::pair<std::string, std::string>> environment;  // set on top of ours
  std::string directory;                                         // host; empty: ours
  std::string outputFile;                                        // empty: ours
};

std::vector<std::string> environmentFor(const Command& command) {
  std::vector<std::pair<std::string, std::string>> overrides;
  for (const auto& entry : command.environment) {
    std::erase_if(overrides, [&](const auto& o) { return o.first == entry.first; });
    overrides.push_back(entry);
  }
  std::vector<std::string> env;
  for (char** e = environ; e && *e; ++e) {
    std::string entry(*e);
    std::string name = entry.substr(0, entry.find('='));
    bool replaced = false;
    for (const auto& o : overrides) replaced = replaced || o.first == name;
    if (!replaced) env.push_back(std::move(entry));
  }
  for (const auto& [name, value] : overrides) env.push_back(name + "=" + value);
  return env;
}

std::optional<std::string> searchPath(const std::string& program,
                                      const std::vector<std::string>& env) {
  if (program.find('/') != std::string::npos) return program;
  std::string path = "/usr/local/bin:/usr/bin:/bin";
  for (const std::string& entry : env) {
    if (entry.rfind("PATH=", 0) == 0) path = entry.substr(5);
  }
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(':', start);
    if (end == std::string::npos) end = path.size();
    std::string dir = path.substr(start, end - start);
    std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
    struct stat st {};
    if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    start = end + 1;
  }
  return std::nullopt;
}

// Everything execve needs, made before fork: the child only makes async-signal-safe calls.
struct ExecImage {
  std::string path;
  std::vector<std::string> argStore, envStore;
  std::vector<char*> argv, envp;
};

bool makeImage(const Command& command, ExecImage& image, std::string* error) {
  if (command.argv.empty() || command.argv[0].empty()) {
    if (error) *error = "No program to start";
    return false;
  }
  image.envStore = environmentFor(command);
  auto path = searchPath(command.argv[0], image.envStore);
  if (!path) {
    if (error) *error = command.argv[0] + ": " + systemText(ENOENT);
    return false;
  }
  image.path = *path;
  image.argStore = command.argv;
  for (std::string& arg : image.argStore) image.argv.push_back(arg.data());
  image.argv.push_back(nullptr);
  for (std::string& entry : image.envStore) image.envp.push_back(entry.data());
  image.envp.push_back(nullptr);
  return true;
}

// True when the command's program is there to start (on $PATH or as a path).
bool installed(const Command& command) {
  if (command.argv.empty()) return false;
  auto path = searchPath(command.argv[0], environmentFor(command));
  return path && ::access(path->c_str(), X_OK) == 0;
}

// What went wrong in the child before its program started, sent back through a pipe that
// closes by itself when exec succeeds.
struct ChildFailure {
  int stage = 0;
  int code = 0;
};
enum Stage { kStageFork = 1, kStageDirectory, kStageOutput, kStageExec };

[[noreturn]] void childFails(int pipeFd, int stage) {
  ChildFailure failure{stage, errno};
  ssize_t ignored = ::write(pipeFd, &failure, sizeof failure);
  (void)ignored;
  ::_exit(127);
}

[[noreturn]] void runChild(const Command& command, const ExecImage& image, int pipeFd,
                           bool detach) {
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  ::signal(SIGPIPE, SIG_DFL);
  if (detach) {
    // The middle process exits at once and is reaped by the caller; the program itself is
    // adopted by init, so nothing is left for us to wait for.
    ::setsid();
    pid_t grandchild = ::fork();
    if (grandchild < 0) childFails(pipeFd, kStageFork);
    if (grandchild > 0) ::_exit(0);
    int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (null >= 0) ::dup2(null, 0);
  }
  if (!command.directory.empty() && ::chdir(command.directory.c_str()) != 0) {
    childFails(pipeFd, kStageDirectory);
  }
  if (!command.outputFile.empty()) {
    int out = ::open(command.outputFile.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (out < 0 || ::dup2(out, 1) < 0 || ::dup2(out, 2) < 0) childFails(pipeFd, kStageOutput);
  }
  ::execve(image.path.c_str(), image.argv.data(), image.envp.data());
  childFails(pipeFd, kStageExec);
}

std::string failureText(const Command& command, const ChildFailure& failure) {
  switch (failure.stage) {
    case kStageDirectory:
      return "Cannot change to " + command.directory + ": " + systemText(failure.code);
    case kStageOutput:
      return "Cannot open " + command.outputFile + ": " + systemText(failure.code);
    case kStageExec:
      return command.argv[0] + ": " + systemText(failure.code);
    default:
      return "Cannot start " + command.argv[0] + ": " + systemText(failure.code);
  }
}

pid_t waitChild(pid_t pid, int* status, int options = 0) {
  pid_t done;
  do {
    done = ::waitpid(pid, status, options);
  } while (done < 0 && errno == EINTR);
  return done;
}

// Starts `command`; with `detach` nothing is left to wait for and 0 is returned. Returns the
// child's id, or -1 with the reason in `error`.
pid_t spawn(const Command& command, bool detach, std::string* error) {
  ExecImage image;
  if (!makeImage(command, image, error)) return -1;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    if (error) *error = "Cannot start " + command.argv[0] + ": " + systemText(errno);
    return -1;
  }
  std::fflush(nullptr);
  pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    runChild(command, image, fds[1], detach);
  }
  int forkError = errno;
  ::close(fds[1]);
  if (pid < 0) {
    ::close(fds[0]);
    if (error) *error = "Cannot start " + command.argv[0] + ": " + systemText(forkError);
    return -1;
  }
  if (detach) waitChild(pid, nullptr);
  ChildFailure failure;
  ssize_t got;
  do {
    got = ::read(fds[0], &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  ::close(fds[0]);
  if (got == static_cast<ssize_t>(sizeof failure)) {
    if (!detach) waitChild(pid, nullptr);
    if (error) *error = failureText(command, failure);
    return -1;
  }
  return detach ? 0 : pid;
}

enum class WaitResult { kEnded, kTimedOut, kFailed };

// Waits for `pid`, killing it after `timeout` unless that is zero; `idle`, when set, is called
// every `kIdleEvery` while waiting.
constexpr long long kIdleEveryMs = 50;
WaitResult waitFor(pid_t pid, std::chrono::milliseconds timeout, int* status,
                   const std::function<void()>& idle = {}) {
  if (timeout.count() <= 0 && !idle) {
    return waitChild(pid, status) == pid ? WaitResult::kEnded : WaitResult::kFailed;
  }
  using Clock = std::chrono::steady_clock;
  const bool forever = timeout.count() <= 0;
  const Clock::time_point deadline = Clock::now() + timeout;
  auto remaining = [&] {
    if (forever) return kIdleEveryMs;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return std::max<long long>(0, left.count());
  };
  auto slice = [&] { return std::min<long long>(remaining(), idle ? kIdleEveryMs : 60000); };
  int pidfd = -1;
#ifdef SYS_pidfd_open
  pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#endif
  bool ended = false;
  while (!ended && remaining() > 0) {
    if (pidfd >= 0) {
      pollfd watch{pidfd, POLLIN, 0};
      int ready = ::poll(&watch, 1, static_cast<int>(slice()));
      if (ready > 0) ended = true;
      if (ready < 0 && errno != EINTR) break;
    } else {
      // Kernels without process descriptors: look again every 20 ms.
      pid_t done = waitChild(pid, status, WNOHANG);
      if (done == pid) return WaitResult::kEnded;
      if (done < 0) return WaitResult::kFailed;
      timespec pause{0, 20 * 1000 * 1000};
      ::nanosleep(&pause, nullptr);
    }
    if (!ended && idle) idle();
  }
  if (pidfd >= 0) ::close(pidfd);
  if (!ended) {
    if (waitChild(pid, status, WNOHANG) == pid) return WaitResult::kEnded;
    ::kill(pid, SIGKILL);
    waitChild(pid, status);
    return WaitResult::kTimedOut;
  }
  return waitChild(pid, status) == pid ? WaitResult::kEnded : WaitResult::kFailed;
}

// --- the configuration files -----------------------------------------------------------------

bool ensurePrivateDirectory(const std::string& dir, std::string* error) {
  if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
    if (error) *error = "Cannot create " + dir + ": " + systemText(errno);
    return false;
  }
  struct stat st {};
  if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
    if (error) *error = dir + " is not a directory of this user";
    return false;
  }
  return true;
}

bool processGone(const std::string& pidText) {
  if (pidText.empty() || pidText.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  return ::kill(static_cast<pid_t>(std::atol(pidText.c_str())), 0) != 0 && errno == ESRCH;
}

// The files of earlier hand-overs stay behind, since the process that wrote them became
// DOSBox; they go once that process has ended.
void removeStaleExecFiles(const std::string& dir) {
  DIR* handle = ::opendir(dir.c_str());
  if (!handle) return;
  std::vector<std::string> stale;
  while (const dirent* entry = ::readdir(handle)) {
    std::string name = entry->d_name;
    if (name.rfind("exec-", 0) != 0 || !name.ends_with(".conf")) continue;
    size_t dash = name.find('-', 5);
    if (dash != std::string::npos && processGone(name.substr(5, dash - 5))) stale.push_back(name);
  }
  ::closedir(handle);
  for (const std::string& name : stale) ::unlink((dir + "/" + name).c_str());
}

std::optional<std::string> writeConfiguration(const std::string& dir, const std::string& stem,
                                              const std::string& text, std::string* error) {
  if (!ensurePrivateDirectory(dir, error)) return std::nullopt;
  removeStaleExecFiles(dir);
  std::string path = dir + "/" + stem + "-XXXXXX.conf";
  int fd = ::mkstemps(path.data(), 5);
  if (fd < 0) {
    if (error) *error = "Cannot create a file in " + dir + ": " + systemText(errno);
    return std::nullopt;
  }
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  bool ok = done == text.size();
  int code = errno;
  if (::close(fd) != 0) ok = false;
  if (!ok) {
    ::unlink(path.c_str());
    if (error) *error = "Cannot write " + path + ": " + systemText(code);
    return std::nullopt;
  }
  return path;
}

// The configuration DOSBox itself reads for this user: the newest dosbox*.conf in ~/.dosbox.
std::string findDosboxUserConfig(const std::string& home) {
  if (home.empty()) return {};
  const std::string dir = home + "/.dosbox";
  DIR* handle = ::opendir(dir.c_str());
  if (!handle) return {};
  std::string best;
  timespec bestTime{0, 0};
  while (const dirent* entry = ::readdir(handle)) {
    std::string name = entry->d_name;
    if (name.rfind("dosbox", 0) != 0 || !name.ends_with(".conf")) continue;
    struct stat st {};
    std::string path = dir + "/" + name;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (best.empty() || st.st_mtim.tv_sec > bestTime.tv_sec ||
        (st.st_mtim.tv_sec == bestTime.tv_sec && st.st_mtim.tv_nsec > bestTime.tv_nsec)) {
      best = path;
      bestTime = st.st_mtim;
    }
  }
  ::closedir(handle);
  return best;
}

// A small text file of the host, whole; empty when it cannot be read (a configuration that is
// not there is no configuration). Only regular files are opened, so a FIFO never blocks us.
std::string readSmallHostFile(const std::string& path) {
  constexpr size_t kLimit = 1 << 20;
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return {};
  std::string text;
  char buffer[4096];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || text.size() + size_t(n) > kLimit) break;
    text.append(buffer, size_t(n));
  }
  ::close(fd);
  return text;
}

// The program of a command was not found: say what to install, not only the system's text.
std::string notInstalledText(const std::string& program, const char* what, const char* package,
                             const char* variable) {
  return std::string(what) + " was not found: \"" + program + "\": " + systemText(ENOENT) +
         ".\nInstall the package \"" + package + "\" (apt install " + package + "), or set $" +
         variable + " to the command that starts it.";
}

// A native port's program: an absolute path as it is, a name on $PATH and then in /usr/games
// (where Debian puts games, often outside a desktop user's PATH). A relative path would be
// read from the game's directory once the program runs there: it names nothing here.
std::optional<std::string> findNativeProgram(const std::string& program, char** env) {
  if (program.empty()) return std::nullopt;
  if (program.find('/') != std::string::npos) {
    if (program[0] != '/') return std::nullopt;
    struct stat st {};
    if (::stat(program.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::access(program.c_str(), X_OK) == 0)
      return program;
    return std::nullopt;
  }
  std::string path = "/usr/local/bin:/usr/bin:/bin";
  for (char** e = env; e && *e; ++e)
    if (std::strncmp(*e, "PATH=", 5) == 0) path = *e + 5;
  return searchPath(program, {"PATH=" + path + ":/usr/games"});
}

std::string nativeMissingText(const std::string& program, const std::string& package) {
  std::string text = "The program \"" + program + "\" was not found: " + systemText(ENOENT) + ".";
  if (!package.empty()) {
    text.append("\nInstall the package \"").append(package).append("\" (apt install ");
    text.append(package).append(")");
  } else {
    text.append("\nInstall it");
  }
  text.append(", or change \"Run with\" in the game's definition.");
  return text;
}

// A path in a session's spelling back on our drives: the session letter of Z: is our Z:.
std::string onOurDrives(const std::string& sessionPath, std::optional<char> zLetter) {
  std::string path = sessionPath;
  if (zLetter && path.size() >= 2 && path[1] == ':' && dos::toUpper(path[0]) == *zLetter) {
    path[0] = 'Z';
  }
  return path;
}

// DOSBox's mount command takes the folder in double quotes: a folder whose name holds one (or
// a control character) cannot be mounted.
bool mountable(const std::string& hostDirectory) {
  return std::none_of(hostDirectory.begin(), hostDirectory.end(), [](char c) {
    return c == '"' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
  });
}

}  // namespace

// --- options -----------------------------------------------------------------------------------

HostProcessOptions HostProcessOptions::fromEnvironment(const Lookup& lookup) {
  HostProcessOptions options;
  auto command = [&](const char* name, std::vector<std::string>& into) {
    const char* value = lookup(name);
    std::vector<std::string> words = value ? splitBlanks(value) : std::vector<std::string>{};
    if (!words.empty()) into = std::move(words);
  };
  command("QF95_DOSBOX", options.dosbox);
  command("QF95_WINE", options.wine);
  command("QF95_OPENER", options.opener);
  command("QF95_TEXT_VIEWER", options.textViewer);
  command("QF95_UNZIP", options.unzip);
  if (const char* log = lookup("QF95_LAUNCH_LOG")) options.launchLog = log;
  // Games get their sound unless the user turns it off.
  const char* sound = lookup("QF95_DOSBOX_SOUND");
  options.sound = !(sound && std::string(sound) == "off");
  const char* runtime = lookup("XDG_RUNTIME_DIR");
  if (runtime && *runtime) options.runtimeDir = std::string(runtime) + "/quillfen95";
  if (const char* conf = lookup("QF95_DOSBOX_CONF")) {
    options.dosboxUserConfig = conf;
  } else if (const char* home = lookup("HOME")) {
    options.dosboxUserConfig = findDosboxUserConfig(home);
  }
  options.ipx = IpxServerSetting::fromEnvironment(lookup);
  return options;
}

HostProcessOptions HostProcessOptions::fromEnvironment() {
  return fromEnvironment([](const char* name) { return std::getenv(name); });
}

// --- the service -------------------------------------------------------------------------------

struct HostProcesses::Prepared {
  std::string configuration;
  std::string program;  // the DOS program as the session runs it
  std::string tail;
  std::string directory;
};

HostProcesses::HostProcesses(HostFileSystem& fs, HostProcessOptions options)
    : fs_(fs), options_(std::move(options)) {
  HostProcessOptions defaults;
  for (auto [mine, fallback] : {std::pair{&options_.dosbox, &defaults.dosbox},
                                {&options_.wine, &defaults.wine},
                                {&options_.opener, &defaults.opener},
                                {&options_.textViewer, &defaults.textViewer}}) {
    if (mine->empty()) *mine = *fallback;
  }
  if (options_.runtimeDir.empty()) {
    options_.runtimeDir = "/tmp/quillfen95-" + std::to_string(::geteuid());
  }
}

bool HostProcesses::prepareSession(const std::string& program, const std::vector<std::string>& args,
                                   const std::string& workingDirectory, bool closeOnExit,
                                   Prepared& out, std::string* error) {
  auto fail = [&](std::string text) {
    if (error) *error = std::move(text);
    return false;
  };
  auto dir = dos::resolve(workingDirectory, fs_.currentDirectory());
  if (!dir) return fail("\"" + workingDirectory + "\" is not a DOS path");
  std::string dirText = dos::format(*dir);
  auto dirEntry = fs_.stat(dirText);
  if (!dirEntry || !dirEntry->isDirectory()) {
    return fail("The directory " + dirText + " does not exist");
  }
  // DOSBox gives long host names the same 8.3 aliases as we do, so the short forms are what
  // its shell can find; our Z: is there under a letter of its own.
  const std::optional<char> zLetter = sessionLetterForZ(fs_);
  out.directory = dosSessionPath(fs_, dirText).value_or(dirText);
  if (out.directory.size() >= 2 && out.directory[0] == 'Z' && out.directory[1] == ':') {
    return fail("The directory " + dirText +
                " cannot be reached in a DOS session: every letter "
                "from D: to Y: is taken by a drive");
  }

  out.program = program;
  if (auto at = dos::resolve(program, out.directory)) {
    std::vector<std::string> candidates{dos::format(*at)};
    if (!at->isRoot() && at->leaf().find('.') == std::string::npos) {
      for (const char* ext : {".COM", ".EXE", ".BAT"}) candidates.push_back(candidates[0] + ext);
    }
    bool found = false;
    for (const std::string& candidate : candidates) {
      // The working directory is already in the session's spelling; find the file through ours.
      const std::string ours = onOurDrives(candidate, zLetter);
      auto entry = fs_.stat(ours);
      if (entry && !entry->isDirectory()) {
        out.program = dosSessionPath(fs_, ours).value_or(candidate);
        found = true;
        break;
      }
    }
    // A bare name may still be one the DOS shell knows (its own commands, Z:).
    if (!found && program.find_first_of("\\/:") != std::string::npos) {
      return fail("Cannot find the program " + program);
    }
  }

  dosbox::Session session;
  auto addMount = [&](char drive, char letter) {
    auto host = fs_.hostPath(std::string(1, drive) + ":\\");
    if (!host) return;
    if (!mountable(*host)) {
      // One odd folder must not keep every other game from starting.
      log("note", std::string(1, drive) + ": left out of the DOS session", "", *host);
      return;
    }
    session.mounts.push_back({letter, *host});
  };
  for (char drive : fs_.drives()) {
    if (drive != 'Z') addMount(drive, drive);
  }
  if (zLetter) addMount('Z', *zLetter);
  session.workingDirectory = out.directory;
  session.program = out.program;
  for (const std::string& arg : args) session.args.push_back(onSessionDrives(fs_, arg));
  session.closeOnExit = closeOnExit;
  session.cycles = options_.cycles;
  session.sound = options_.sound;
  session.playerConfiguration = readSmallHostFile(options_.dosboxUserConfig);
  if (ipxNetwork_) {
    // A game alone on a network of its own would wait for the others for ever.
    if (!options_.ipx.problem.empty()) return fail(options_.ipx.problem);
    session.ipxServer = options_.ipx.server;
  }
  auto text = dosbox::composeConfiguration(session, error);
  if (!text) return false;
  out.configuration = std::move(*text);
  out.tail = dosbox::commandTail(session.args);
  return true;
}

bool HostProcesses::preparePif(const std::string& pifPath, const std::vector<std::string>& args,
                               Prepared& out, std::string* error) {
  auto file = fs_.open(pifPath, OpenMode::kRead);
  if (!file) {
    if (error) *error = "Cannot open " + pifPath;
    return false;
  }
  std::vector<uint8_t> bytes(pif::kStartBytes);
  bytes.resize(file->read(bytes.data(), bytes.size()));
  const std::optional<PifStart> read = readPif(bytes);
  if (!read) {
    if (error) *error = pifPath + " is too short to be a PIF";
    return false;
  }
  const PifStart& pif = *read;
  if (pif.program.empty()) {
    if (error) *error = pifPath + " names no program";
    return false;
  }
  std::string directory = pif.workingDirectory;
  if (directory.empty()) {
    // No working directory: the program's own, a bare name being beside the PIF.
    auto pifAt = dos::resolve(pifPath, fs_.currentDirectory());
    auto programAt = pifAt ? dos::resolve(pif.program, dos::format(pifAt->parent())) : std::nullopt;
    if (!programAt) {
      if (error) *error = "The program \"" + pif.program + "\" in " + pifPath + " is no DOS path";
      return false;
    }
    directory = dos::format(programAt->parent());
  }
  return prepareSession(pif.program, args, directory, pif.closeOnExit, out, error);
}

int HostProcesses::runSession(const char* kind, const Prepared& session, std::string* error) {
  auto conf = writeConfiguration(options_.runtimeDir, "dos", session.configuration, error);
  if (!conf) return -1;
  Command command{options_.dosbox, options_.environment, "", options_.outputFile};
  command.argv.push_back("-conf");
  command.argv.push_back(*conf);
  if (!installed(command)) {
    ::unlink(conf->c_str());
    if (error) *error = notInstalledText(command.argv[0], "DOSBox", "dosbox", "QF95_DOSBOX");
    return -1;
  }
  pid_t pid = spawn(command, false, error);
  if (pid < 0) {
    ::unlink(conf->c_str());
    return -1;
  }
  log(kind, session.program, session.tail, session.directory);
  const int status =
      waitForProgram(pid, session.program, options_.dosbox[0], "The DOS session", error);
  ::unlink(conf->c_str());
  return status;
}

int HostProcesses::waitForProgram(pid_t pid, const std::string& watched, const std::string& name,
                                  const std::string& running, std::string* error) {
  int status = 0;
  std::function<void()> idle;
  if (watcher_) {
    watcher_->sessionStarted(watched);
    idle = [this] { watcher_->sessionRunning(); };
  }
  WaitResult result = waitFor(pid, options_.timeout, &status, idle);
  if (watcher_) watcher_->sessionEnded();
  if (result == WaitResult::kTimedOut) {
    if (error) {
      *error = running + " was still running after " + std::to_string(options_.timeout.count()) +
               " ms and was stopped";
    }
    return -1;
  }
  if (result == WaitResult::kFailed) {
    if (error) *error = "Cannot wait for " + name + ": " + systemText(errno);
    return -1;
  }
  if (WIFSIGNALED(status)) {
    if (error) *error = name + " ended on signal " + std::to_string(WTERMSIG(status));
    return 128 + WTERMSIG(status);
  }
  return WEXITSTATUS(status);
}

int HostProcesses::startNativeAndWait(const NativeStart& start, std::string* error) {
  Command command{{}, options_.environment, "", options_.outputFile};
  const std::optional<std::string> program = findNativeProgram(start.program, environ);
  if (!program) {
    if (error) *error = nativeMissingText(start.program, start.package);
    return -1;
  }
  command.argv.push_back(*program);
  command.argv.insert(command.argv.end(), start.args.begin(), start.args.end());
  if (!start.directory.empty()) {
    auto dir = fs_.hostPath(start.directory);
    if (!dir || !isDirectoryOnHost(*dir)) {
      if (error) *error = "Cannot change to " + start.directory + ": " + systemText(ENOENT);
      return -1;
    }
    command.directory = *dir;
  }
  pid_t pid = spawn(command, false, error);
  if (pid < 0) return -1;
  log("native", *program, joinWords(start.args), start.directory);
  return waitForProgram(pid, *program, *program, *program, error);
}

int HostProcesses::startPifAndWait(const std::string& pifPath, const std::vector<std::string>& args,
                                   std::string* error) {
  Prepared session;
  if (!preparePif(pifPath, args, session, error)) return -1;
  return runSession("dos-wait", session, error);
}

void HostProcesses::execPif(const std::string& pifPath, const std::vector<std::string>& args,
                            std::string* error) {
  Prepared session;
  if (!preparePif(pifPath, args, session, error)) return;
  std::string stem = "exec-" + std::to_string(::getpid());
  auto conf = writeConfiguration(options_.runtimeDir, stem, session.configuration, error);
  if (!conf) return;
  Command command{options_.dosbox, options_.environment, "", ""};
  command.argv.push_back("-conf");
  command.argv.push_back(*conf);
  ExecImage image;
  if (!installed(command)) {
    if (error) *error = notInstalledText(command.argv[0], "DOSBox", "dosbox", "QF95_DOSBOX");
  } else if (makeImage(command, image, error)) {
    log("dos-exec", session.program, session.tail, session.directory);
    std::fflush(nullptr);
    ::execve(image.path.c_str(), image.argv.data(), image.envp.data());
    if (error) *error = command.argv[0] + ": " + systemText(errno);
  }
  ::unlink(conf->c_str());
}

bool HostProcesses::startDosProgram(const std::string& program,
                                    const std::vector<std::string>& args,
                                    const std::string& directory, std::string* error) {
  Prepared session;
  if (!prepareSession(program, args, directory, true, session, error)) return false;
  Command dosbox{options_.dosbox, options_.environment, "", options_.outputFile};
  if (!installed(dosbox)) {
    if (error) *error = notInstalledText(dosbox.argv[0], "DOSBox", "dosbox", "QF95_DOSBOX");
    return false;
  }
  auto conf = writeConfiguration(options_.runtimeDir, "start", session.configuration, error);
  if (!conf) return false;
  // Nobody waits for the session, so a shell around DOSBox removes its configuration when it
  // ends; the shell is detached from us like the session.
  Command command{{"/bin/sh", "-c", "\"$@\"; rm -f -- \"$0\"", *conf},
                  options_.environment,
                  "",
                  options_.outputFile};
  command.argv.insert(command.argv.end(), dosbox.argv.begin(), dosbox.argv.end());
  command.argv.push_back("-conf");
  command.argv.push_back(*conf);
  if (spawn(command, true, error) < 0) {
    ::unlink(conf->c_str());
    return false;
  }
  log("dos-start", session.program, session.tail, session.directory);
  return true;
}

bool HostProcesses::startWindowsProgram(const std::string& application,
                                        const std::string& commandLine,
                                        const std::string& currentDirectory, std::string* error) {
  auto host = fs_.hostPath(application);
  auto entry = fs_.stat(application);
  if (!host || !entry || entry->isDirectory()) {
    if (error) *error = application + ": " + systemText(ENOENT);
    return false;
  }
  Command command{options_.wine, {{"WINEPREFIX", fs_.prefix()}}, "", options_.outputFile};
  for (const auto& entry : options_.environment) command.environment.push_back(entry);
  if (!currentDirectory.empty()) {
    auto dir = fs_.hostPath(currentDirectory);
    if (!dir || !isDirectoryOnHost(*dir)) {
      if (error) *error = "Cannot change to " + currentDirectory + ": " + systemText(ENOENT);
      return false;
    }
    command.directory = *dir;
  }
  // The command line usually begins with the program's own name, which Wine puts back itself.
  std::vector<std::string> words = splitQuoted(commandLine);
  if (!words.empty()) {
    auto named = dos::resolve(words[0], currentDirectory.empty() ? "C:\\" : currentDirectory);
    auto app = dos::resolve(application, fs_.currentDirectory());
    std::string leaf = app ? app->leaf() : application;
    std::string stem = leaf.substr(0, leaf.rfind('.'));
    bool samePath = named && app && dos::equalsIgnoreCase(dos::format(*named), dos::format(*app));
    if (samePath || dos::equalsIgnoreCase(words[0], leaf) ||
        dos::equalsIgnoreCase(words[0], stem)) {
      words.erase(words.begin());
    }
  }
  command.argv.push_back(*host);
  command.argv.insert(command.argv.end(), words.begin(), words.end());
  if (!installed(command)) {
    if (error) *error = notInstalledText(command.argv[0], "Wine", "wine", "QF95_WINE");
    return false;
  }
  if (spawn(command, true, error) < 0) return false;
  log("windows", application, joinWords(words), currentDirectory);
  return true;
}

int HostProcesses::deleteFiles(const std::vector<std::string>& words) {
  int status = 0;
  for (const std::string& word : words) {
    if (word[0] == '/') continue;  // switches such as /Q change nothing here
    auto at = dos::resolve(word, fs_.currentDirectory());
    if (!at || at->isRoot()) {
      lastError_ = "Invalid path - " + word;
      status = 1;
      continue;
    }
    std::string dir = dos::format(at->parent(), true);
    if (dir.back() != '\\') dir += '\\';
    bool any = false;
    for (const FindData& found : fs_.find(word)) {
      if (found.isDirectory()) continue;
      any = true;
      if (!fs_.deleteFile(dir + found.longName)) {
        lastError_ = "Access denied - " + dir + found.longName;
        status = 1;
      }
    }
    if (!any) {
      lastError_ = "File not found - " + word;
      status = 1;
    }
  }
  return status;
}

bool HostProcesses::openDetached(const char* kind, const std::vector<std::string>& command,
                                 const std::string& file, std::string* error) {
  auto host = fs_.hostPath(file);
  if (!host || !fs_.exists(file)) {
    if (error) *error = file + ": " + systemText(ENOENT);
    return false;
  }
  Command start{command, options_.environment, "", options_.outputFile};
  start.argv.push_back(*host);
  if (spawn(start, true, error) < 0) return false;
  log(kind, joinWords(command), *host, "");
  return true;
}

int HostProcesses::runCommand(const std::string& commandText) {
  lastError_.clear();
  auto [verb, rest] = firstWord(commandText);
  if (verb.empty()) return 0;
  if (dos::equalsIgnoreCase(verb, "del") || dos::equalsIgnoreCase(verb, "erase")) {
    std::vector<std::string> words = splitQuoted(rest);
    if (words.empty()) {
      lastError_ = "Required parameter missing";
      return 1;
    }
    return deleteFiles(words);
  }
  if (dos::equalsIgnoreCase(verb, "start")) {
    std::vector<std::string> words = splitQuoted(rest);
    if (words.empty()) {
      lastError_ = "Required parameter missing";
      return 1;
    }
    return openDetached("open", options_.opener, words[0], &lastError_) ? 0 : 1;
  }
  // The rest goes to the program as written, quotes and all, as DOS would hand it on.
  std::vector<std::string> args;
  if (!rest.empty()) args.push_back(rest);
  Prepared session;
  if (!prepareSession(verb, args, fs_.currentDirectory(), true, session, &lastError_)) return -1;
  return runSession("dos-command", session, &lastError_);
}

int HostProcesses::unzipMember(const std::string& archive, const std::string& member,
                               const std::string& targetDir, std::string* error) {
  auto hostArchive = fs_.hostPath(archive);
  auto hostTarget = fs_.hostPath(targetDir);
  if (!hostArchive || !fs_.exists(archive) || !hostTarget) {
    if (error) *error = (hostArchive ? targetDir : archive) + ": " + systemText(ENOENT);
    return -1;
  }
  // The member is a pattern to unzip: its wildcard characters stand for themselves only
  // inside brackets. "-j" drops the member's folders, so nothing lands outside the target.
  std::string pattern;
  for (char c : member) {
    if (c == '*' || c == '?' || c == '[') {
      pattern += '[';
      pattern += c;
      pattern += ']';
    } else {
      pattern += c;
    }
  }
  Command command{options_.unzip, options_.environment, "", options_.outputFile};
  for (const char* option : {"-o", "-j", "-qq"}) command.argv.push_back(option);
  command.argv.push_back(*hostArchive);
  command.argv.push_back(pattern);
  command.argv.push_back("-d");
  command.argv.push_back(*hostTarget);
  const pid_t pid = spawn(command, false, error);
  if (pid < 0) return -1;
  log("unzip", joinWords(options_.unzip), member, *hostTarget);
  int status = 0;
  if (waitChild(pid, &status) < 0) {
    if (error) *error = "Cannot wait for " + options_.unzip[0] + ": " + systemText(errno);
    return -1;
  }
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  if (WEXITSTATUS(status) != 0 && error)
    *error = options_.unzip[0] + " ended with status " + std::to_string(WEXITSTATUS(status));
  return WEXITSTATUS(status);
}

bool HostProcesses::openTextViewer(const std::string& file) {
  lastError_.clear();
  return openDetached("text-viewer", options_.textViewer, file, &lastError_);
}

void HostProcesses::log(const std::string& kind, const std::string& program,
                        const std::string& args, const std::string& directory) const {
  if (options_.launchLog.empty()) return;
  std::string line = kind + "\tprogram=" + program +
                     "\targs=" + (args.starts_with(" ") ? args.substr(1) : args) +
                     "\tdir=" + directory + "\n";
  int fd = ::open(options_.launchLog.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return;
  // One write per line, so lines of several programs appending at once stay whole.
  ssize_t ignored = ::write(fd, line.data(), line.size());
  (void)ignored;
  ::close(fd);
}

}  // namespace platform
