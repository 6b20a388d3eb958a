// The scripted Processes other tests drive the launch code with.
#include "platform/fake/fake_processes.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(FakeProcesses, RecordsEveryStartAndAnswersFromTheScript) {
  FakeProcesses processes;
  processes.scriptStatus(3);
  processes.scriptFailure("No such file or directory");
  processes.scriptFailure("Exec format error");
  std::string error;
  EXPECT_EQ(processes.startPifAndWait("D:\\GAMES\\DUKE.PIF", {"-map", "E1L1.MAP"}, &error), 3);
  EXPECT_EQ(error, "");
  EXPECT_FALSE(processes.startWindowsProgram("C:\\W\\G.EXE", "G.EXE -net", "C:\\W", &error));
  EXPECT_EQ(error, "No such file or directory");
  processes.execPif("D:\\GAMES\\DUKE.PIF", {}, &error);
  EXPECT_EQ(error, "Exec format error");
  EXPECT_EQ(processes.runCommand("del C:\\*.TMP"), 0);  // script used up: success
  EXPECT_TRUE(processes.openTextViewer("C:\\README.TXT"));
  EXPECT_EQ(processes.transcript(),
            (std::vector<std::string>{"pif-wait D:\\GAMES\\DUKE.PIF -map E1L1.MAP",
                                      "windows C:\\W\\G.EXE G.EXE -net (in C:\\W)",
                                      "pif-exec D:\\GAMES\\DUKE.PIF", "command del C:\\*.TMP",
                                      "text-viewer C:\\README.TXT"}));
  EXPECT_EQ(processes.calls()[1].args, std::vector<std::string>{"G.EXE -net"});
}

}  // namespace
}  // namespace platform
