// The process service with stand-in commands for DOSBox, Wine and the opener: shell scripts that
// write down what they were given.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>

#include "support/process_fixture.h"

namespace platform {
namespace {

// Keeps its arguments and the configuration file it was given, and exits with $FAKE_STATUS.
const char* const kFakeDosbox = R"(#!/bin/sh
for a in "$@"; do echo "$a" >> "$OUT/argv.txt"; done
while [ $# -gt 1 ]; do [ "$1" = -conf ] && cp "$2" "$OUT/seen.conf"; shift; done
exit ${FAKE_STATUS:-0}
)";
// Keeps the configuration it was given, then tells the test, through the FIFO "started", the
// session it runs in.
const char* const kFakeDetachedDosbox = R"(#!/bin/sh
while [ $# -gt 1 ]; do [ "$1" = -conf ] && cp "$2" "$OUT/seen.conf"; shift; done
cut -d' ' -f6 /proc/$$/stat > "$OUT/started"
)";
// Never ends: opening a FIFO nobody writes blocks.
const char* const kHangingDosbox = "#!/bin/sh\nexec cat \"$OUT/never\"\n";
// Tells the test, through the FIFO "started", where it ran, its prefix and its arguments.
const char* const kFakeStarter = R"(#!/bin/sh
{ pwd; echo "$WINEPREFIX"; for a in "$@"; do echo "$a"; done; } > "$OUT/started"
)";

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

class HostProcessesTest : public testsupport::ProcessTest {
 protected:
  HostProcessesTest() {
    put("bin/dosbox", kFakeDosbox, true);
    put("bin/hang", kHangingDosbox, true);
    put("bin/start", kFakeStarter, true);
    options.dosbox = {dir / "bin/dosbox", "--first-word"};
    options.wine = options.opener = options.textViewer = {dir / "bin/start"};
    put("d/Long Game Dir/STANDIN.COM", "com");
    put("d/GAMES/TEST/STANDIN.COM", "com");
    put("d/GAMES/TEST/RUN.BAT", "@echo off\r\n");
  }

  std::vector<std::string> autoexec() const {
    auto lines = splitLines(read("seen.conf"));
    auto at = std::find(lines.begin(), lines.end(), "[autoexec]");
    return at == lines.end() ? lines : std::vector<std::string>(at + 1, lines.end());
  }
  std::string driveC() const { return std::filesystem::canonical(dir / "prefix/drive_c").string(); }
  // Opens the FIFO the starter script writes to; the start must come after this.
  int listen() {
    ::unlink((dir / "started").c_str());
    EXPECT_EQ(::mkfifo((dir / "started").c_str(), 0600), 0);
    return ::open((dir / "started").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  }
  // What the starter wrote, up to its end; empty if nothing came within 30 s.
  std::vector<std::string> heard(int fd) {
    std::string text;
    pollfd watch{fd, POLLIN, 0};
    while (::poll(&watch, 1, 30000) > 0) {
      char buffer[512];
      ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got <= 0) break;
      text.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return splitLines(text);
  }
};

TEST_F(HostProcessesTest, PifStartGivesDosboxTheSessionAndReturnsItsStatus) {
  putPif("d/Long Game Dir/GAME.PIF", "standin.com", "D:\\Long Game Dir");
  options.environment.push_back({"FAKE_STATUS", "7"});
  HostProcesses processes(*fs, options);
  std::string error;
  EXPECT_EQ(processes.startPifAndWait("D:\\LONGGA~1\\GAME.PIF", {"-map", "E1L1.MAP"}, &error), 7)
      << error;
  auto argv = splitLines(read("argv.txt"));
  ASSERT_EQ(argv.size(), 3u);
  EXPECT_EQ(argv[0], "--first-word");
  EXPECT_EQ(argv[1], "-conf");
  EXPECT_EQ(filesIn("run"), 0u) << "the configuration file is removed after the run";
  EXPECT_EQ(autoexec(), (std::vector<std::string>{
                            "@echo off", "mount C \"" + driveC() + "\"",
                            "mount D \"" + driveD() + "\"", "mount Y \"/\"", "D:", "cd \\LONGGA~1",
                            "D:\\LONGGA~1\\STANDIN.COM -map E1L1.MAP", "exit"}));
  EXPECT_EQ(logText(),
            "dos-wait\tprogram=D:\\LONGGA~1\\STANDIN.COM\targs=-map E1L1.MAP\tdir=D:\\LONGGA~1\n");
}

TEST_F(HostProcessesTest, PifWithoutWorkingDirectoryStartsInTheProgramsDirectory) {
  putPif("d/PIFS/RUN.PIF", "D:\\GAMES\\TEST\\RUN", "", false);
  HostProcesses processes(*fs, options);
  std::string error;
  EXPECT_EQ(processes.startPifAndWait("D:\\PIFS\\RUN.PIF", {}, &error), 0) << error;
  auto lines = autoexec();
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(std::vector(lines.begin() + 4, lines.end()),
            (std::vector<std::string>{"D:", "cd \\GAMES\\TEST", "call D:\\GAMES\\TEST\\RUN.BAT",
                                      "pause", "exit"}));
}

TEST_F(HostProcessesTest, RefusedStartsRunNothing) {
  putPif("d/P/EMPTY.PIF", "", "D:\\GAMES\\TEST");
  putPif("d/P/NOPROG.PIF", "D:\\GAMES\\NOPE.EXE", "D:\\GAMES");
  putPif("d/P/NODIR.PIF", "STANDIN.COM", "D:\\NOPE");
  putPif("d/P/OK.PIF", "STANDIN.COM", "D:\\GAMES\\TEST");
  // Cut inside the working directory's field: the program's field is whole, but the file is
  // not the PIF that was written.
  put("d/P/CUT.PIF", read("d/P/OK.PIF").substr(0, platform::pif::kStartBytes - 1));
  HostProcesses processes(*fs, options);
  const std::string tooLong(126, 'x');  // a blank goes before it
  for (auto [pif, arg, why] : {std::tuple{"D:\\P\\MISSING.PIF", "", "Cannot open"},
                               {"D:\\P\\EMPTY.PIF", "", "names no program"},
                               {"D:\\P\\CUT.PIF", "", "too short to be a PIF"},
                               {"D:\\P\\NOPROG.PIF", "", "Cannot find the program"},
                               {"D:\\P\\NODIR.PIF", "", "D:\\NOPE does not exist"},
                               {"D:\\P\\OK.PIF", tooLong.c_str(), "at most 126"}}) {
    std::string error;
    EXPECT_EQ(processes.startPifAndWait(pif, {arg}, &error), -1) << pif;
    EXPECT_NE(error.find(why), std::string::npos) << pif << ": " << error;
  }
  EXPECT_FALSE(exists("argv.txt"));
  EXPECT_EQ(logText(), "");
  EXPECT_EQ(filesIn("run"), 0u);
}

TEST_F(HostProcessesTest, DosboxThatCannotStartOrNeverEnds) {
  putPif("d/GAMES/TEST/GAME.PIF", "STANDIN.COM", "D:\\GAMES\\TEST");
  std::string error;
  for (std::string missing : {std::string("/nonexistent/dosbox"), std::string("qf95-nothing")}) {
    options.dosbox = {missing};
    EXPECT_EQ(HostProcesses(*fs, options).startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error),
              -1);
    EXPECT_EQ(error, "DOSBox was not found: \"" + missing +
                         "\": No such file or directory.\nInstall the package \"dosbox\" (apt "
                         "install dosbox), or set $QF95_DOSBOX to the command that starts it.");
  }
  EXPECT_EQ(logText(), "");

  ASSERT_EQ(::mkfifo((dir / "never").c_str(), 0600), 0);
  options.dosbox = {dir / "bin/hang"};
  options.timeout = std::chrono::milliseconds(100);
  EXPECT_EQ(HostProcesses(*fs, options).startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error),
            -1);
  EXPECT_EQ(error, "The DOS session was still running after 100 ms and was stopped");
  EXPECT_EQ(filesIn("run"), 0u);
}

TEST_F(HostProcessesTest, ExecHandsTheProcessOverToDosbox) {
  putPif("d/GAMES/TEST/GAME.PIF", "STANDIN.COM", "D:\\GAMES\\TEST");
  options.environment.push_back({"FAKE_STATUS", "7"});
  HostProcesses processes(*fs, options);
  pid_t child = ::fork();
  if (child == 0) {
    std::string error;
    processes.execPif("D:\\GAMES\\TEST\\GAME.PIF", {"/v1"}, &error);
    ::_exit(99);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_EQ(WEXITSTATUS(status), 7);
  auto argv = splitLines(read("argv.txt"));
  ASSERT_EQ(argv.size(), 3u);
  EXPECT_TRUE(std::filesystem::exists(argv[2])) << "DOSBox may still need its configuration";
  EXPECT_EQ(autoexec()[6], "D:\\GAMES\\TEST\\STANDIN.COM /v1");
  EXPECT_EQ(logText(),
            "dos-exec\tprogram=D:\\GAMES\\TEST\\STANDIN.COM\targs=/v1\tdir=D:\\GAMES\\TEST\n");

  // Once that process is gone, the next start clears its file away.
  std::string error;
  EXPECT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error), 7) << error;
  EXPECT_FALSE(std::filesystem::exists(argv[2]));

  options.dosbox = {"/nonexistent/dosbox"};
  HostProcesses(*fs, options).execPif("D:\\GAMES\\TEST\\GAME.PIF", {}, &error);
  EXPECT_EQ(error.substr(0, error.find('\n')),
            "DOSBox was not found: \"/nonexistent/dosbox\": No such file or directory.");
  EXPECT_EQ(filesIn("run"), 0u);
}

TEST_F(HostProcessesTest, WindowsProgramRunsUnderWineWithoutWaiting) {
  put("prefix/drive_c/GAMES/WIN/GAME.EXE", "MZ");
  HostProcesses processes(*fs, options);
  std::string error;
  int fd = listen();
  ASSERT_TRUE(processes.startWindowsProgram(
      "C:\\GAMES\\WIN\\GAME.EXE", "GAME.EXE -net \"two words\"", "C:\\GAMES\\WIN", &error))
      << error;
  EXPECT_EQ(heard(fd),
            (std::vector<std::string>{driveC() + "/GAMES/WIN", fs->prefix(),
                                      driveC() + "/GAMES/WIN/GAME.EXE", "-net", "two words"}));
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child was left to reap";
  EXPECT_EQ(logText(),
            "windows\tprogram=C:\\GAMES\\WIN\\GAME.EXE\targs=-net two words\tdir=C:\\GAMES\\WIN\n");

  EXPECT_FALSE(processes.startWindowsProgram("C:\\GAMES\\WIN\\NOPE.EXE", "", "", &error));
  EXPECT_EQ(error, "C:\\GAMES\\WIN\\NOPE.EXE: No such file or directory");
  options.wine = {"/nonexistent/wine"};
  EXPECT_FALSE(
      HostProcesses(*fs, options).startWindowsProgram("C:\\GAMES\\WIN\\GAME.EXE", "", "", &error));
  EXPECT_EQ(
      error,
      "Wine was not found: \"/nonexistent/wine\": No such file or directory.\nInstall the "
      "package \"wine\" (apt install wine), or set $QF95_WINE to the command that starts it.");
}

TEST_F(HostProcessesTest, ADosProgramStartedWithoutWaitingIsLeftToItself) {
  put("bin/detached", kFakeDetachedDosbox, true);
  options.dosbox = {dir / "bin/detached"};
  HostProcesses processes(*fs, options);
  std::string error;
  int fd = listen();
  ASSERT_TRUE(processes.startDosProgram("D:\\Long Game Dir\\STANDIN.COM", {"-setup"},
                                        "D:\\Long Game Dir\\", &error))
      << error;
  const std::vector<std::string> session = heard(fd);
  ASSERT_EQ(session.size(), 1u);
  // A session of its own: the end of ours does not reach it.
  EXPECT_NE(session[0], std::to_string(::getsid(0)));
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child was left to reap";
  const std::vector<std::string> lines = autoexec();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "D:\\LONGGA~1\\STANDIN.COM -setup"), lines.end());
  EXPECT_EQ(logText(),
            "dos-start\tprogram=D:\\LONGGA~1\\STANDIN.COM\targs=-setup\tdir=D:\\LONGGA~1\n");

  EXPECT_FALSE(
      processes.startDosProgram("D:\\Long Game Dir\\NOPE.EXE", {}, "D:\\Long Game Dir\\", &error));
  EXPECT_EQ(error, "Cannot find the program D:\\Long Game Dir\\NOPE.EXE");
}

TEST_F(HostProcessesTest, CommandInterpreterDeletesAndOpensItself) {
  for (const char* name : {"A.TMP", "b.tmp", "Long Name.tmp", "KEEP.TXT", "README.TXT"}) {
    put(std::string("d/WORK/") + name, "x");
  }
  HostProcesses processes(*fs, options);
  EXPECT_EQ(processes.runCommand("del D:\\WORK\\*.TMP"), 0) << processes.lastError();
  EXPECT_EQ(filesIn("d/WORK"), 2u);
  EXPECT_EQ(processes.runCommand("DEL /Q \"D:\\WORK\\KEEP.TXT\" D:\\WORK\\NOPE.TXT"), 1);
  EXPECT_EQ(processes.lastError(), "File not found - D:\\WORK\\NOPE.TXT");
  EXPECT_FALSE(exists("d/WORK/KEEP.TXT"));

  int fd = listen();
  EXPECT_EQ(processes.runCommand("start D:\\WORK\\readme.txt"), 0) << processes.lastError();
  EXPECT_EQ(heard(fd).back(), driveD() + "/WORK/README.TXT");
  fd = listen();
  EXPECT_TRUE(processes.openTextViewer("D:\\WORK\\README.TXT")) << processes.lastError();
  EXPECT_EQ(heard(fd).back(), driveD() + "/WORK/README.TXT");
  EXPECT_EQ(processes.runCommand("start D:\\WORK\\GONE.TXT"), 1);
  EXPECT_FALSE(processes.openTextViewer("D:\\WORK\\GONE.TXT"));
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child was left to reap";
}

// Our Z: is the whole host; DOSBox keeps its own Z:, so the session reaches ours under the last
// free letter, and every path it gets moves there.
TEST_F(HostProcessesTest, AHostPathWithoutALetterOfItsOwnIsReachedThroughAFreeLetter) {
  // A folder of its own under /tmp whose name needs no alias: other tests' temporary
  // directories come and go beside it, and a "~N" alias there would change meanwhile.
  const std::filesystem::path home = "/tmp/P" + std::to_string(::getpid() % 10000000);
  std::filesystem::create_directories(home / "Long Game Dir");
  struct Cleanup {
    std::filesystem::path path;
    ~Cleanup() { std::filesystem::remove_all(path); }
  } cleanup{home};
  std::ofstream(home / "Long Game Dir/STANDIN.COM") << "com";
  std::string zDir = "Z:" + (home / "Long Game Dir").string();
  std::replace(zDir.begin(), zDir.end(), '/', '\\');
  const std::string sessionDir = "Y:\\TMP\\" + home.filename().string() + "\\LONGGA~1";
  {
    std::string pif(platform::pif::kFileSize, '\0');
    pif.replace(platform::pif::kProgram, 11, "STANDIN.COM");
    pif.replace(platform::pif::kWorkDir, zDir.size(), zDir);
    pif[platform::pif::kFlags] = platform::pif::kCloseOnExit;
    std::ofstream(home / "Long Game Dir/GAME.PIF", std::ios::binary) << pif;
  }
  HostProcesses processes(*fs, options);
  std::string error;
  EXPECT_EQ(processes.startPifAndWait(zDir + "\\GAME.PIF", {"-map", zDir + "\\E1L1.MAP"}, &error),
            0)
      << error;
  auto lines = autoexec();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[3], "mount Y \"/\"");
  EXPECT_EQ(lines[4], "Y:");
  EXPECT_EQ(lines[5], "cd " + sessionDir.substr(2));
  EXPECT_EQ(lines[6], sessionDir + "\\STANDIN.COM -map " + "Y" + zDir.substr(1) + "\\E1L1.MAP");

  // With every letter from D: to Y: taken there is no way in, and the start says so.
  for (char letter = 'E'; letter <= 'Y'; ++letter) {
    const std::string link = "prefix/dosdevices/" + std::string(1, char(letter + 32)) + ":";
    std::filesystem::create_directory_symlink(dir / "d", dir / link);
  }
  HostFileSystem full(dir / "prefix");
  EXPECT_EQ(HostProcesses(full, options).startPifAndWait(zDir + "\\GAME.PIF", {}, &error), -1);
  EXPECT_NE(error.find("every letter from D: to Y: is taken"), std::string::npos) << error;
}

TEST_F(HostProcessesTest, ThePlayersDosboxConfigurationIsTheBaseWithoutItsAutoexec) {
  const std::string players =
      "[sdl]\nfullscreen=true\n[cpu]\ncycles=12345\n[autoexec]\nmount c /nowhere\n";
  put("home/.dosbox/dosbox-0.74-3.conf", players);
  options.dosboxUserConfig = dir / "home/.dosbox/dosbox-0.74-3.conf";
  putPif("d/GAMES/TEST/GAME.PIF", "STANDIN.COM", "D:\\GAMES\\TEST");
  std::string error;
  ASSERT_EQ(HostProcesses(*fs, options).startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error), 0)
      << error;
  const std::string conf = read("seen.conf");
  // Later lines win in DOSBox: the player's values come after our defaults.
  EXPECT_LT(conf.find("cycles=max"), conf.find("cycles=12345")) << conf;
  EXPECT_LT(conf.find("fullscreen=false"), conf.find("fullscreen=true")) << conf;
  EXPECT_EQ(conf.find("/nowhere"), std::string::npos) << conf;
  EXPECT_EQ(read("home/.dosbox/dosbox-0.74-3.conf"), players) << "the player's file is unchanged";

  std::map<std::string, std::string> env{{"HOME", dir / "home"}};
  auto found = HostProcessOptions::fromEnvironment([&](const char* name) -> const char* {
    return env.contains(name) ? env[name].c_str() : nullptr;
  });
  EXPECT_EQ(found.dosboxUserConfig, options.dosboxUserConfig);
  env["QF95_DOSBOX_CONF"] = "/etc/mine.conf";
  found = HostProcessOptions::fromEnvironment([&](const char* name) -> const char* {
    return env.contains(name) ? env[name].c_str() : nullptr;
  });
  EXPECT_EQ(found.dosboxUserConfig, "/etc/mine.conf");
}

TEST_F(HostProcessesTest, ADriveDosboxCannotMountIsLeftOutOfTheSession) {
  std::filesystem::create_directories(dir / "odd\"name");
  std::filesystem::create_directory_symlink(dir / "odd\"name", dir / "prefix/dosdevices/e:");
  putPif("d/GAMES/TEST/GAME.PIF", "STANDIN.COM", "D:\\GAMES\\TEST");
  std::string error;
  ASSERT_EQ(HostProcesses(*fs, options).startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error), 0)
      << error;
  for (const std::string& line : autoexec()) EXPECT_NE(line.rfind("mount E", 0), 0u) << line;
  EXPECT_NE(logText().find("note\tprogram=E: left out of the DOS session"), std::string::npos)
      << logText();
}

TEST_F(HostProcessesTest, SessionsJoinTheIpxNetworkOfTheSettingWhileItIsOn) {
  putPif("d/GAMES/TEST/GAME.PIF", "STANDIN.COM", "D:\\GAMES\\TEST");
  std::map<std::string, std::string> env{{"QF95_IPX_SERVER", "10.0.0.5:3000"}};
  options.ipx = HostProcessOptions::fromEnvironment([&](const char* name) -> const char* {
                  return env.contains(name) ? env[name].c_str() : nullptr;
                }).ipx;
  HostProcesses processes(*fs, options);
  processes.setIpxNetwork(true);
  std::string error;
  ASSERT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error), 0) << error;
  EXPECT_NE(read("seen.conf").find("[ipx]\nipx=true\n[autoexec]\n"), std::string::npos);
  auto lines = autoexec();
  EXPECT_EQ(*(std::find(lines.begin(), lines.end(), "D:") - 1), "ipxnet connect 10.0.0.5 3000");

  // The server the player chose in the program: the next session joins it.
  processes.setIpxServer({"10.0.0.6", 4000});
  ASSERT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error), 0) << error;
  lines = autoexec();
  EXPECT_EQ(*(std::find(lines.begin(), lines.end(), "D:") - 1), "ipxnet connect 10.0.0.6 4000");

  processes.setIpxNetwork(false);
  ASSERT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error), 0) << error;
  EXPECT_EQ(read("seen.conf").find("ipx"), std::string::npos);

  // A server the player named wrongly is not replaced by another network.
  env["QF95_IPX_SERVER"] = "10.0.0.5:x";
  options.ipx = HostProcessOptions::fromEnvironment([&](const char* name) -> const char* {
                  return env.contains(name) ? env[name].c_str() : nullptr;
                }).ipx;
  HostProcesses misnamed(*fs, options);
  misnamed.setIpxNetwork(true);
  EXPECT_EQ(misnamed.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error), -1);
  EXPECT_EQ(error, options.ipx.problem);
  EXPECT_NE(error.find("QF95_IPX_SERVER"), std::string::npos);
}

class CountingWatcher : public SessionWatcher {
 public:
  void sessionStarted(const std::string& program) override { started.push_back(program); }
  void sessionRunning() override { ++running; }
  void sessionEnded() override { ++ended; }
  std::vector<std::string> started;
  int running = 0;
  int ended = 0;
};

TEST_F(HostProcessesTest, TheWatcherIsToldWhileTheSessionRuns) {
  put("bin/slow", "#!/bin/sh\nsleep 0.3\n", true);
  options.dosbox = {dir / "bin/slow"};
  options.timeout = std::chrono::milliseconds(0);
  putPif("d/GAMES/TEST/GAME.PIF", "STANDIN.COM", "D:\\GAMES\\TEST");
  HostProcesses processes(*fs, options);
  CountingWatcher watcher;
  processes.setSessionWatcher(&watcher);
  std::string error;
  EXPECT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {}, &error), 0) << error;
  EXPECT_EQ(watcher.started, std::vector<std::string>{"D:\\GAMES\\TEST\\STANDIN.COM"});
  EXPECT_GE(watcher.running, 2);
  EXPECT_EQ(watcher.ended, 1);
}

TEST(HostProcessOptions, CommandsFromTheEnvironmentAreSplitAtBlanks) {
  std::map<std::string, std::string> env{{"QF95_DOSBOX", "  /opt/dosbox  -fullscreen "},
                                         {"QF95_WINE", " "},
                                         {"XDG_RUNTIME_DIR", "/run/user/5"}};
  auto options = HostProcessOptions::fromEnvironment([&](const char* name) -> const char* {
    return env.contains(name) ? env[name].c_str() : nullptr;
  });
  EXPECT_EQ(options.dosbox, (std::vector<std::string>{"/opt/dosbox", "-fullscreen"}));
  EXPECT_EQ(options.wine, std::vector<std::string>{"wine"});
  EXPECT_EQ(options.runtimeDir, "/run/user/5/quillfen95");
}

}  // namespace
}  // namespace platform
