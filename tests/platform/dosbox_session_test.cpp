// The DOSBox configuration that runs a DOS program, without DOSBox.
#include "platform/host/dosbox_session.h"

#include <gtest/gtest.h>

namespace platform::dosbox {
namespace {

TEST(CommandTail, ArgumentsJoinedByOneBlank) {
  EXPECT_EQ(commandTail({"-map", "E1L1.MAP"}), " -map E1L1.MAP");
  EXPECT_EQ(commandTail({}), "");
  EXPECT_EQ(commandTail({" /v1\t", "", "  ", "\"a  b\""}), " /v1 \"a  b\"");
  EXPECT_TRUE(needsCall("D:\\GAMES\\run.Bat"));
  EXPECT_TRUE(needsCall("GAME"));
  EXPECT_FALSE(needsCall("D:\\BAT.DIR\\GAME.EXE"));
}

class Configuration : public ::testing::Test {
 protected:
  Configuration() {
    session.mounts = {{'C', "/home/u/drive_c"}, {'D', "/srv/Game Disk"}, {'Z', "/"}};
    session.workingDirectory = "D:\\GAMES\\TEST\\";
    session.program = "D:\\GAMES\\TEST\\STANDIN.COM";
    session.args = {"-map", "E1L1.MAP"};
  }
  std::vector<std::string> lines() {
    auto made = autoexecLines(session, &error);
    EXPECT_TRUE(made) << error;
    return made.value_or(std::vector<std::string>{});
  }
  void expectRefused(const std::string& why) {
    EXPECT_FALSE(autoexecLines(session, &error));
    EXPECT_NE(error.find(why), std::string::npos) << error;
    EXPECT_FALSE(composeConfiguration(session, nullptr));
  }
  Session session;
  std::string error;
};

TEST_F(Configuration, MountsChangesDirectoryRunsAndExits) {
  EXPECT_EQ(lines(),
            (std::vector<std::string>{"@echo off", "mount C \"/home/u/drive_c\"",
                                      "mount D \"/srv/Game Disk\"", "D:", "cd \\GAMES\\TEST",
                                      "D:\\GAMES\\TEST\\STANDIN.COM -map E1L1.MAP", "exit"}));
  session.closeOnExit = false;
  session.workingDirectory = "C:";
  session.program = "run.bat";
  session.args = {};
  auto made = lines();
  EXPECT_EQ(std::vector(made.begin() + 3, made.end()),
            (std::vector<std::string>{"C:", "cd \\", "call run.bat", "pause", "exit"}));
}

TEST_F(Configuration, PercentAndHashSurviveTheBatchAndConfigReaders) {
  session.mounts = {{'D', "/srv/100%"}};
  session.program = "#GAME.EXE";
  session.args = {"50%"};
  auto made = lines();
  EXPECT_EQ(made[1], "mount D \"/srv/100%%\"");
  EXPECT_EQ(made[4], "@#GAME.EXE 50%%");
}

TEST_F(Configuration, SettingsBeforeTheAutoexecSection) {
  session.cycles = "fixed 20000";
  auto text = composeConfiguration(session, &error).value_or("");
  EXPECT_EQ(text.substr(0, text.find("[autoexec]\n@echo off\nmount C")),
            "[sdl]\nfullscreen=false\noutput=surface\n[cpu]\ncycles=fixed 20000\n"
            "[mixer]\nnosound=true\n[sblaster]\nsbtype=none\n[speaker]\npcspeaker=false\n"
            "[midi]\nmpu401=none\n")
      << error;
}

TEST_F(Configuration, LineBreaksAreRefusedRedirectionsPassedOn) {
  session.args = {"E1L1.MAP", "<keys"};
  EXPECT_EQ(lines()[5], "D:\\GAMES\\TEST\\STANDIN.COM E1L1.MAP <keys");
  for (const char* arg : {"line\r\nexit", "a\nb", "\x1a"}) {
    session.args = {arg};
    expectRefused("holds a control character");
  }
  session.args = {};
  session.program = "D:\\GAMES\\TEST\\STANDIN.COM\nexit";
  expectRefused("cannot be run in a DOS session");
  session.program = "D:\\GAMES\\MY GAME.EXE";
  expectRefused("cannot be run in a DOS session");
  session.program = "";
  expectRefused("No program");
}

TEST_F(Configuration, ANetworkGameTurnsIpxOnAndConnectsBeforeTheProgram) {
  session.ipxServer = {"192.168.1.5", 21300};
  auto made = lines();
  EXPECT_EQ(std::vector(made.begin() + 3, made.end()),
            (std::vector<std::string>{"ipxnet connect 192.168.1.5 21300", "D:", "cd \\GAMES\\TEST",
                                      "D:\\GAMES\\TEST\\STANDIN.COM -map E1L1.MAP", "exit"}));
  // The player may have turned IPX off; a network game needs it whatever they chose.
  session.playerConfiguration = "[ipx]\nipx=false\n";
  const std::string text = composeConfiguration(session, &error).value_or("");
  const size_t ours = text.find("[ipx]\nipx=true\n");
  EXPECT_LT(text.find("ipx=false"), ours) << text;
  EXPECT_LT(ours, text.find("[autoexec]")) << text;

  session.ipxServer = {"host\r\nexit", 21300};
  expectRefused("cannot be named in a DOS session");
  session.ipxServer = {"host", 0};
  expectRefused("cannot be named in a DOS session");
  session.ipxServer = {};
  const std::string without = composeConfiguration(session, &error).value_or("");
  EXPECT_EQ(without.find("ipx=true"), std::string::npos) << without;
  EXPECT_EQ(without.find("ipxnet"), std::string::npos) << without;
}

TEST_F(Configuration, DrivesTheSessionCannotHaveAreRefused) {
  session.workingDirectory = "Z:\\USR\\BIN";
  expectRefused("Drive Z: cannot be reached");
  session.workingDirectory = "E:\\";
  expectRefused("Drive E: cannot be reached");
  session.workingDirectory = "\\GAMES";
  expectRefused("not a full DOS path");
  session.workingDirectory = "C:\\";
  session.mounts = {{'C', "/srv/\"quoted\""}};
  expectRefused("cannot be mounted");
}

}  // namespace
}  // namespace platform::dosbox
