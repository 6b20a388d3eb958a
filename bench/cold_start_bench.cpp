// Cold starts of the window program: from spawning quillfen95 until its main window is shown
// and drawn (its test hooks then write the window's title to the ready file), on a made-up
// machine; then a close by SIGTERM, as "Exit". Counters: the process's peak resident memory
// when the window is ready, the time the close takes, and the CPU time of its whole life, start
// and close (the rest of the wall time is spent waiting, mostly on the X server). The baseline in
// the same run is an empty wx frame (bare_frame_app.cpp) started and measured the same way: the
// difference is what our own start-up costs above the toolkit's. Needs an X display: run under
//   xvfb-run -a -s "-screen 0 1280x1024x24" qf95_bench --benchmark_filter=Start
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(30);
constexpr auto kCloseTimeout = std::chrono::seconds(10);
constexpr int kIterations = 5;

struct Program {
  const char* exe;
  const char* title;  // of the window that counts as started
};
const Program kQuillfen{QF95_GUI_EXE, "Duke3D 1.3 Reg. - Quillfen95"};
const Program kBareFrame{QF95_BARE_FRAME_EXE, "Bare frame"};

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The program in C:\QF95\ with the factory definitions and the argument helper, a stand-in
// Duke Nukem 3D 1.3 on drive D:, Z: at the host's root, and a home of its own.
struct Machine {
  fs::path root;

  Machine() {
    char tmpl[] = "/tmp/qf95-start-bench-XXXXXX";
    if (!mkdtemp(tmpl)) throw std::runtime_error("mkdtemp: " + std::string(strerror(errno)));
    root = tmpl;
    fs::create_directories(program());
    fs::create_directories(root / "drive_d/GAMES/DUKE3D");
    fs::create_directories(root / "prefix/dosdevices");
    fs::create_directories(home());
    fs::create_symlink(root / "drive_c", root / "prefix/dosdevices/c:");
    fs::create_symlink(root / "drive_d", root / "prefix/dosdevices/d:");
    fs::create_symlink("/", root / "prefix/dosdevices/z:");
    const fs::path build = QF95_BUILD_DIR;
    fs::copy_file(build / "Quillfen.Sig", program() / "Quillfen.Sig");
    fs::copy_file(build / "arg_pass.com", program() / "arg_pass.com");
    fs::copy_file(build / "standin.com", root / "drive_d/GAMES/DUKE3D/DUKE3D.EXE");
  }
  ~Machine() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  fs::path program() const { return root / "drive_c/QF95"; }
  fs::path home() const { return root / "home"; }
  fs::path ready() const { return root / "ready"; }
  fs::path log() const { return root / "stderr.log"; }

  // Back to the program directory as shipped: the next start is a first start again.
  void forgetFirstStart() const {
    for (const auto& entry : fs::directory_iterator(program()))
      if (entry.path().filename() != "Quillfen.Sig" && entry.path().filename() != "arg_pass.com")
        fs::remove_all(entry.path());
  }

  std::string logTail() const {
    std::string text = readFile(log());
    if (text.size() > 400) text = "..." + text.substr(text.size() - 400);
    return text.empty() ? "" : "; its stderr: " + text;
  }
};

struct Measured {
  double readyMs = 0;
  double peakMiB = 0;
  double closeMs = 0;
  double cpuMs = 0;  // user and system, from the start to the end of the close
};

// One running child; killed and reaped when it goes out of scope, whatever happened.
class Child {
 public:
  ~Child() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (pidfd_ >= 0) close(pidfd_);
  }

  std::string spawn(const Program& program, const Machine& machine) {
    const std::string dir = machine.program().string();
    std::vector<std::string> env{"HOME=" + machine.home().string(),
                                 "QF95_PREFIX=" + (machine.root / "prefix").string(),
                                 "QF95_TEST_READY_FILE=" + machine.ready().string()};
    for (char** e = environ; *e; ++e) {
      const std::string_view entry(*e);
      const std::string_view name = entry.substr(0, entry.find('='));
      if (name != "HOME" && name != "QF95_PREFIX" && !name.starts_with("QF95_TEST_"))
        env.emplace_back(entry);
    }
    std::vector<char*> envp;
    for (auto& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.exe), nullptr};
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    const int log = open(machine.log().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (null < 0 || log < 0) {
      const std::string reason =
          "cannot open /dev/null or the log: " + std::string(strerror(errno));
      if (null >= 0) close(null);
      if (log >= 0) close(log);
      return reason;
    }
    const pid_t parent = getpid();

    pid_ = fork();
    if (pid_ == 0) {
      // Dies with the benchmark, so an interrupted run leaves no window program behind.
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      if (getppid() != parent) _exit(126);
      if (chdir(dir.c_str()) != 0) _exit(126);
      dup2(null, 0);
      dup2(null, 1);
      dup2(log, 2);
      execve(program.exe, argv, envp.data());
      const char message[] = "cannot execute ";
      ssize_t written = write(2, message, sizeof message - 1);
      written = write(2, program.exe, strlen(program.exe));
      (void)written;
      _exit(127);
    }
    const int error = errno;
    close(null);
    close(log);
    if (pid_ < 0) return "fork: " + std::string(strerror(error));
    // Through syscall(): glibc 2.36's <sys/pidfd.h> does not declare it extern "C".
    pidfd_ = int(syscall(SYS_pidfd_open, pid_, 0));
    if (pidfd_ < 0) return "pidfd_open: " + std::string(strerror(errno));
    return {};
  }

  pid_t pid() const { return pid_; }
  int pidfd() const { return pidfd_; }

  // Reaps the ended child; its wait status, and its CPU time when asked for.
  int reap(double* cpuMs = nullptr) {
    int status = 0;
    rusage usage{};
    wait4(pid_, &status, 0, &usage);
    if (cpuMs)
      *cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    pid_ = -1;
    return status;
  }

 private:
  pid_t pid_ = -1;
  int pidfd_ = -1;
};

std::string describe(int status) {
  if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return std::string("signal ") + strsignal(WTERMSIG(status));
  return "status " + std::to_string(status);
}

double peakMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

// Starts the program on the machine, waits until the ready file names its window, reads its
// peak memory and closes it by SIGTERM. Returns why it failed, or nothing.
std::string startAndClose(const Program& program, const Machine& machine, Measured& out) {
  std::error_code ignored;
  fs::remove(machine.ready(), ignored);
  // The watch is set before the start, so a quick window is not missed.
  struct Fd {
    int fd;
    ~Fd() {
      if (fd >= 0) close(fd);
    }
  } watch{inotify_init1(IN_NONBLOCK | IN_CLOEXEC)};
  if (watch.fd < 0 ||
      inotify_add_watch(watch.fd, machine.root.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE) < 0)
    return "inotify: " + std::string(strerror(errno));

  Child child;
  const Clock::time_point start = Clock::now();
  if (std::string error = child.spawn(program, machine); !error.empty()) return error;

  const std::string expected = std::string(program.title) + "\n";
  std::string last;
  for (;;) {
    const auto left = kStartTimeout - (Clock::now() - start);
    if (left <= Clock::duration::zero())
      return "no window \"" + std::string(program.title) + "\" within 30 s (last title: \"" + last +
             "\")" + machine.logTail();
    pollfd fds[] = {{watch.fd, POLLIN, 0}, {child.pidfd(), POLLIN, 0}};
    poll(fds, 2, int(std::chrono::duration_cast<std::chrono::milliseconds>(left).count()) + 1);
    if (fds[0].revents & POLLIN) {
      char events[4096];
      while (read(watch.fd, events, sizeof events) > 0) {
      }
      last = readFile(machine.ready());
      if (last == expected) break;
      if (!last.empty() && last.back() == '\n') last.pop_back();
    }
    if (fds[1].revents & POLLIN)
      return "the program ended before its window was shown (" + describe(child.reap()) + ")" +
             machine.logTail();
  }
  out.readyMs = msSince(start);
  out.peakMiB = peakMiB(child.pid());

  const Clock::time_point closing = Clock::now();
  kill(child.pid(), SIGTERM);
  pollfd ended{child.pidfd(), POLLIN, 0};
  if (poll(&ended, 1, int(std::chrono::milliseconds(kCloseTimeout).count())) != 1)
    return "the program did not close within 10 s of SIGTERM" + machine.logTail();
  const int status = child.reap(&out.cpuMs);
  out.closeMs = msSince(closing);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return "the close ended with " + describe(status) + machine.logTail();
  return {};
}

void runStarts(benchmark::State& state, const Program& program, bool firstStart) {
  if (!getenv("DISPLAY") || !*getenv("DISPLAY")) {
    state.SkipWithError(
        "no X display (DISPLAY is unset): run under xvfb-run -a -s \"-screen 0 1280x1024x24\"");
    return;
  }
  std::unique_ptr<Machine> machine;
  try {
    machine = std::make_unique<Machine>();
  } catch (const std::exception& e) {
    state.SkipWithError(("cannot make the machine: " + std::string(e.what())).c_str());
    return;
  }
  // Untimed: loads the libraries into the page cache, and on quillfen95 it is the first start
  // that writes the settings files the later starts read.
  Measured measured;
  if (std::string error = startAndClose(program, *machine, measured); !error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  double peakSum = 0, closeSum = 0, cpuSum = 0;
  for (auto _ : state) {
    if (firstStart) machine->forgetFirstStart();
    if (std::string error = startAndClose(program, *machine, measured); !error.empty()) {
      state.SkipWithError(error.c_str());
      return;
    }
    state.SetIterationTime(measured.readyMs / 1000.0);
    peakSum += measured.peakMiB;
    closeSum += measured.closeMs;
    cpuSum += measured.cpuMs;
  }
  state.counters["peak_rss_MiB"] = benchmark::Counter(peakSum, benchmark::Counter::kAvgIterations);
  state.counters["close_ms"] = benchmark::Counter(closeSum, benchmark::Counter::kAvgIterations);
  state.counters["cpu_ms"] = benchmark::Counter(cpuSum, benchmark::Counter::kAvgIterations);
}

// To the main window on a machine that has had its first start: the settings files exist.
void BM_WindowStart(benchmark::State& state) {
  runStarts(state, kQuillfen, false);
}
BENCHMARK(BM_WindowStart)->Iterations(kIterations)->UseManualTime()->Unit(benchmark::kMillisecond);

// A first start: no settings files, the drive search finds the stand-in game on D:.
void BM_WindowFirstStart(benchmark::State& state) {
  runStarts(state, kQuillfen, true);
}
BENCHMARK(BM_WindowFirstStart)
    ->Iterations(kIterations)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Baseline: an empty wx frame of the same size.
void BM_BareFrameStartBaseline(benchmark::State& state) {
  runStarts(state, kBareFrame, false);
}
BENCHMARK(BM_BareFrameStartBaseline)
    ->Iterations(kIterations)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
