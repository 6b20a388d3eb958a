// A real installation from the setup image the build made, into a fresh drive map, and a start
// of the installed front-end through the desktop entry setup wrote.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/fake/scripted_prompter.h"
#include "platform/host/host_file_system.h"
#include "support/temp_dir.h"
#include "setup/host_desktop_entry.h"
#include "setup/installer.h"
#include "setup/shell_link_reader.h"

namespace setup {
namespace {

namespace stdfs = std::filesystem;

std::string readHostFile(const stdfs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The value of `key` in a desktop entry, with the string escapes undone.
std::string entryValue(const std::string& entry, const std::string& key) {
  const size_t at = entry.find("\n" + key + "=");
  if (at == std::string::npos) return "";
  const size_t start = at + key.size() + 2;
  const std::string raw = entry.substr(start, entry.find('\n', start) - start);
  std::string value;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\' || i + 1 == raw.size()) {
      value += raw[i];
      continue;
    }
    const char c = raw[++i];
    value += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
  }
  return value;
}

// The arguments of an Exec value: blanks separate, double quotes group, and inside quotes a
// backslash takes the next character literally.
std::vector<std::string> execArguments(const std::string& exec) {
  std::vector<std::string> args;
  std::string arg;
  bool quoted = false, any = false;
  for (size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (quoted && c == '\\' && i + 1 < exec.size()) {
      arg += exec[++i];
    } else if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == ' ' && !quoted) {
      if (any || !arg.empty()) args.push_back(arg);
      arg.clear();
      any = false;
    } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
      arg += exec[++i];
    } else {
      arg += c;
    }
  }
  if (any || !arg.empty()) args.push_back(arg);
  return args;
}

struct ProgramRun {
  int status = -1;
  std::string output;
};

ProgramRun runIn(const std::string& dir, const std::vector<std::string>& args) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipeFds[1], 1);
    ::dup2(pipeFds[1], 2);
    ::close(pipeFds[0]);
    const int devNull = ::open("/dev/null", O_RDONLY);
    ::dup2(devNull, 0);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (::chdir(dir.c_str()) == 0) ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(pipeFds[1]);
  ProgramRun run;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
    run.output.append(buffer, size_t(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class HostInstallTest : public ::testing::Test {
 protected:
  HostInstallTest() {
    // A copy of the image: setup writes the install path into its shortcut.
    stdfs::copy(QF95_SETUP_IMAGE_DIR, media, stdfs::copy_options::recursive);
    stdfs::current_path(media);
  }
  ~HostInstallTest() override { stdfs::current_path(cwd_); }

  stdfs::path cwd_ = stdfs::current_path();
  testsupport::TempDir dir;
  std::string media = dir / "media";
  std::string prefix = dir / "prefix";
};

TEST_F(HostInstallTest, InstalledFrontEndStartsFromTheDesktopEntry) {
  platform::HostFileSystem fs(prefix);
  platform::ScriptedPrompter prompter;
  HostDesktopEntryWriter desktop(fs, dir / "applications");
  Installer installer(fs, prompter, desktop);
  std::string field = "C:\\Games\\Quillfen95";
  const InstallResult result = installer.install(field);
  ASSERT_EQ(result.outcome, InstallResult::Outcome::kCompleted)
      << ::testing::PrintToString(prompter.texts());

  const stdfs::path installed = stdfs::path(prefix) / "drive_c/Games/Quillfen95";
  std::ifstream list(stdfs::path(media) / "filelist.txt", std::ios::binary);
  for (std::string line; std::getline(list, line);) {
    ASSERT_FALSE(line.empty() || line.back() != '\r') << "not a CR LF line: " << line;
    line.pop_back();
    EXPECT_EQ(readHostFile(installed / line), readHostFile(stdfs::path(media) / line)) << line;
  }
  const stdfs::path startMenu = stdfs::path(prefix) / "drive_c/WINDOWS/Start Menu";
  for (const stdfs::path& link :
       {startMenu / "Quillfen.lnk", startMenu / "Programs/Quillfen.lnk"}) {
    const std::string bytes = readHostFile(link);
    const auto parsed =
        testsupport::parseShellLink(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    EXPECT_EQ(parsed.target(), "C:\\Games\\Quillfen95\\quillfen95.exe");
    EXPECT_EQ(parsed.workingDirectory, "C:\\Games\\Quillfen95");
  }

  const std::string entry = readHostFile(desktop.entryPath());
  const std::string path = entryValue(entry, "Path");
  EXPECT_EQ(stdfs::path(path), stdfs::canonical(installed));
  const std::vector<std::string> exec = execArguments(entryValue(entry, "Exec"));
  ASSERT_EQ(exec.size(), 3u) << entry;
  EXPECT_EQ(exec[0], "env");
  EXPECT_EQ(exec[1], "QF95_PREFIX=" + prefix);
  EXPECT_EQ(stdfs::path(exec[2]), stdfs::canonical(installed / "quillfen95.exe"));

  // The installed headless driver starts from P with the entry's drive map.
  const ProgramRun run =
      runIn(path, {exec[0], exec[1], (stdfs::path(path) / "qf95-catalogue").string()});
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Start-up directory: C:\\Games\\Quillfen95\\\n"), std::string::npos)
      << run.output;
}

}  // namespace
}  // namespace setup
