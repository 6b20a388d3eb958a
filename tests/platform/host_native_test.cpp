// Native programs on this machine: started with a whole argument vector and waited for, named
// with their package when missing, and found on a program path and in game data folders that
// the test gives.
#include <sys/stat.h>

#include "platform/host/host_native_programs.h"
#include "support/process_fixture.h"

namespace platform {
namespace {

// Writes where it ran and each argument on a line of its own, then exits with $FAKE_STATUS.
const char* const kFakePort = R"(#!/bin/sh
{ pwd; for a in "$@"; do echo "$a"; done; } > "$OUT/port.txt"
echo "timed 1415 gametics"
exit ${FAKE_STATUS:-0}
)";

class HostNativeTest : public testsupport::ProcessTest {};

TEST_F(HostNativeTest, TheProgramGetsEachArgumentWholeAndIsWaitedFor) {
  put("bin/fake-port", kFakePort, true);
  put("d/Game Data/freedoom2.wad", "IWAD");
  options.environment.push_back({"FAKE_STATUS", "3"});
  HostProcesses processes(*fs, options);
  NativeStart start;
  start.program = (dir / "bin/fake-port");
  start.args = {"-iwad", driveD() + "/Game Data/freedoom2.wad", "-skill", "4", "", "a \"q\" $HOME"};
  start.directory = "D:\\GAMEDA~1\\";
  std::string error;
  EXPECT_EQ(processes.startNativeAndWait(start, &error), 3) << error;
  EXPECT_EQ(read("port.txt"), driveD() + "/Game Data\n-iwad\n" + driveD() +
                                  "/Game Data/freedoom2.wad\n-skill\n4\n\na \"q\" $HOME\n");
  // Its output goes where the sessions' output goes.
  EXPECT_NE(read("output.txt").find("timed 1415 gametics"), std::string::npos);
  EXPECT_NE(logText().find("native\tprogram=" + start.program), std::string::npos);
}

TEST_F(HostNativeTest, AMissingProgramIsNamedWithItsPackage) {
  HostProcesses processes(*fs, options);
  std::string error;
  EXPECT_EQ(processes.startNativeAndWait({"/nonexistent/chocolate-doom", {}, "", "chocolate-doom"},
                                         &error),
            -1);
  EXPECT_EQ(error,
            "The program \"/nonexistent/chocolate-doom\" was not found: No such file or directory."
            "\nInstall the package \"chocolate-doom\" (apt install chocolate-doom), or change "
            "\"Run with\" in the game's definition.");
  EXPECT_EQ(processes.startNativeAndWait({"qf95-no-such-port", {}, "", ""}, &error), -1);
  EXPECT_NE(error.find("\"qf95-no-such-port\" was not found"), std::string::npos) << error;
  EXPECT_EQ(error.find("apt install"), std::string::npos) << error;
  EXPECT_EQ(logText(), "");

  put("bin/fake-port", kFakePort, true);
  // A relative path would be read in the game's directory: it is refused, even where it names
  // a program from here.
  std::filesystem::current_path(dir.path());
  EXPECT_EQ(processes.startNativeAndWait({"bin/fake-port", {}, "", ""}, &error), -1);
  EXPECT_NE(error.find("\"bin/fake-port\" was not found"), std::string::npos) << error;
  EXPECT_EQ(
      processes.startNativeAndWait({(dir / "bin/fake-port"), {}, "D:\\NOWHERE\\", ""}, &error), -1);
  EXPECT_NE(error.find("Cannot change to D:\\NOWHERE\\"), std::string::npos) << error;
  EXPECT_FALSE(exists("port.txt"));
}

TEST_F(HostNativeTest, ProgramsAndDataAreFoundWhereTheSettingsSay) {
  put("bin/chocolate-doom", kFakePort, true);
  put("bin/not-executable", "text");
  put("data/doom/freedoom2.wad", "IWAD");
  put("data/doom/freedoom1.wad", "IWAD");
  put("data/heretic/heretic.wad", "IWAD");
  std::filesystem::create_directories(dir / "data/doom/subfolder");
  const std::string bin = (dir / "bin");
  const std::string data = (dir / "data");
  HostNativePrograms native =
      HostNativePrograms::fromEnvironment([&](const char* name) -> const char* {
        static std::string path, folders;
        path = "/nonexistent:" + bin;
        folders = data + "/heretic:" + data + "/missing:" + data + "/doom";
        if (std::string(name) == "QF95_NATIVE_PATH") return path.c_str();
        if (std::string(name) == "QF95_NATIVE_DATA") return folders.c_str();
        return nullptr;
      });
  EXPECT_EQ(native.findProgram("chocolate-doom"), bin + "/chocolate-doom");
  EXPECT_EQ(native.findProgram("not-executable"), std::nullopt);
  EXPECT_EQ(native.findProgram("chocolate-heretic"), std::nullopt);
  EXPECT_EQ(native.findProgram("../bin/chocolate-doom"), std::nullopt);
  EXPECT_EQ(native.dataFiles(),
            (std::vector<std::string>{data + "/heretic/heretic.wad", data + "/doom/freedoom1.wad",
                                      data + "/doom/freedoom2.wad"}));

  // Without settings: the system's PATH with /usr/games after it, and Debian's folders.
  HostNativePrograms plain =
      HostNativePrograms::fromEnvironment([](const char* name) -> const char* {
        return std::string(name) == "PATH" ? "/a:/b" : nullptr;
      });
  EXPECT_EQ(plain.programPath(), "/a:/b:/usr/games");
  EXPECT_EQ(plain.dataFolders().front(), "/usr/share/games/doom");
}

}  // namespace
}  // namespace platform
