// DOS sessions in a real, headless DOSBox: the stand-in game writes QFRUN.TXT in the directory
// it ran in, with the directory DOS reported and the command tail it received.
#include <unistd.h>

#include <iostream>

#include "platform/host/host_network.h"
#include "support/ipx_loopback.h"
#include "support/process_fixture.h"

#ifndef QF95_STANDIN_COM
#error "QF95_STANDIN_COM must name the assembled standin.com"
#endif

namespace platform {
namespace {

class DosSessionTest : public testsupport::ProcessTest {
 protected:
  void SetUp() override {
    options.dosbox = HostProcessOptions::fromEnvironment().dosbox;
    if (!onPath(options.dosbox[0])) GTEST_SKIP() << options.dosbox[0] << " is not installed";
    std::ifstream in(QF95_STANDIN_COM, std::ios::binary);
    standin.assign(std::istreambuf_iterator<char>(in), {});
    ASSERT_FALSE(standin.empty()) << QF95_STANDIN_COM;
    put("d/GAMES/TEST/STANDIN.COM", standin);
  }
  void TearDown() override {
    if (HasFailure()) std::cerr << "DOSBox said:\n" << read("output.txt");
  }
  static bool onPath(const std::string& name) {
    if (name.find('/') != std::string::npos) return ::access(name.c_str(), X_OK) == 0;
    std::string path = ::getenv("PATH") ? ::getenv("PATH") : "";
    for (size_t start = 0; start <= path.size();) {
      size_t end = std::min(path.find(':', start), path.size());
      if (::access((path.substr(start, end - start) + "/" + name).c_str(), X_OK) == 0) return true;
      start = end + 1;
    }
    return false;
  }
  // QFRUN.TXT of a run, CR LF line ends and all.
  std::string run(const std::string& relativeDir) const { return read(relativeDir + "/QFRUN.TXT"); }
  std::string standin;
};

TEST_F(DosSessionTest, ProgramRunsInItsWorkingDirectoryWithTheArguments) {
  putPif("d/GAMES/TEST/GAME.PIF", "D:\\GAMES\\TEST\\STANDIN.COM", "D:\\GAMES\\TEST");
  HostProcesses processes(*fs, options);
  std::string error;
  // DOSBox ends with 0 whatever the program's own exit code was.
  EXPECT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {"-map", "E1L1.MAP", "/exit:5"},
                                      &error),
            0)
      << error;
  EXPECT_EQ(run("d/GAMES/TEST"), "CWD=D:\\GAMES\\TEST\r\nTAIL= -map E1L1.MAP /exit:5\r\n");
  EXPECT_EQ(filesIn("home"), 0u) << "DOSBox wrote into the user's settings";
  EXPECT_EQ(logText(),
            "dos-wait\tprogram=D:\\GAMES\\TEST\\STANDIN.COM\targs=-map E1L1.MAP /exit:5"
            "\tdir=D:\\GAMES\\TEST\n");
}

TEST_F(DosSessionTest, LongHostNamesAreReachedThroughTheirAliases) {
  put("d/Long Game Dir/STANDIN.COM", standin);
  put("d/Long Game Dir/Maps 100%/STANDIN.COM", standin);
  putPif("d/GAMES/ALIAS.PIF", "D:\\LONGGA~1\\STANDIN.COM", "D:\\LONGGA~1");
  putPif("d/GAMES/LONG.PIF", "STANDIN.COM", "D:\\Long Game Dir\\Maps 100%");
  HostProcesses processes(*fs, options);
  std::string error;
  EXPECT_EQ(processes.startPifAndWait("D:\\GAMES\\ALIAS.PIF", {"alias"}, &error), 0) << error;
  EXPECT_EQ(run("d/Long Game Dir"), "CWD=D:\\LONGGA~1\r\nTAIL= alias\r\n");
  EXPECT_EQ(processes.startPifAndWait("D:\\GAMES\\LONG.PIF", {"100%"}, &error), 0) << error;
  EXPECT_EQ(run("d/Long Game Dir/Maps 100%"), "CWD=D:\\LONGGA~1\\MAPS10~1\r\nTAIL= 100%\r\n");
}

TEST_F(DosSessionTest, BatchProgramIsCalledAndTheSessionStillEnds) {
  put("d/GAMES/TEST/RUNGAME.BAT", "@echo off\r\nD:\\GAMES\\TEST\\STANDIN.COM %1 %2 %3\r\n");
  put("d/GAMES/TEST/KEYS", "\r\n");
  putPif("d/GAMES/TEST/BATCH.PIF", "RUNGAME.BAT", "D:\\GAMES\\TEST");
  HostProcesses processes(*fs, options);
  std::string error;
  // As the map editor is started: its keys come through a redirection the DOS shell takes.
  EXPECT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\BATCH.PIF", {"-map", "E1L1.MAP", "<KEYS"},
                                      &error),
            0)
      << error;
  EXPECT_EQ(run("d/GAMES/TEST"), "CWD=D:\\GAMES\\TEST\r\nTAIL= -map E1L1.MAP\r\n");
}

TEST_F(DosSessionTest, TailTooLongForDosIsRefusedWithoutStarting) {
  putPif("d/GAMES/TEST/GAME.PIF", "STANDIN.COM", "D:\\GAMES\\TEST");
  HostProcesses processes(*fs, options);
  std::string error;
  EXPECT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {std::string(126, 'a')}, &error),
            -1);
  EXPECT_EQ(error,
            "The command line is too long for DOS: 127 characters after the program name, "
            "at most 126");
  EXPECT_FALSE(exists("d/GAMES/TEST/QFRUN.TXT"));
  EXPECT_EQ(logText(), "");
  // 126 characters are what DOS holds, and all of them arrive.
  EXPECT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {std::string(125, 'a')}, &error),
            0)
      << error;
  EXPECT_EQ(run("d/GAMES/TEST"), "CWD=D:\\GAMES\\TEST\r\nTAIL= " + std::string(125, 'a') + "\r\n");
}

TEST_F(DosSessionTest, CommandRunsAsDosProgramInTheCurrentDirectory) {
  ASSERT_TRUE(fs->setCurrentDirectory("D:\\GAMES\\TEST"));
  HostProcesses processes(*fs, options);
  EXPECT_EQ(processes.runCommand("standin.com \"quoted  text\" /x"), 0) << processes.lastError();
  EXPECT_EQ(run("d/GAMES/TEST"), "CWD=D:\\GAMES\\TEST\r\nTAIL= \"quoted  text\" /x\r\n");
}

TEST_F(DosSessionTest, AGameOnTheIpxNetworkJoinsOurRelayBeforeItStarts) {
  testsupport::RelayProcess relay(QF95_IPXRELAY, {"--log", dir / "relay.log"});
  ASSERT_NE(relay.port(), 0);
  options.ipx.server = {"127.0.0.1", relay.port()};
  putPif("d/GAMES/TEST/GAME.PIF", "STANDIN.COM", "D:\\GAMES\\TEST");
  HostProcesses processes(*fs, options);
  processes.setIpxNetwork(true);
  std::string error;
  ASSERT_EQ(processes.startPifAndWait("D:\\GAMES\\TEST\\GAME.PIF", {"-net"}, &error), 0) << error;
  EXPECT_EQ(run("d/GAMES/TEST"), "CWD=D:\\GAMES\\TEST\r\nTAIL= -net\r\n");
  const auto ended = relay.stop();
  EXPECT_NE(ended.output.find("stopped: members=1 "), std::string::npos) << ended.output;
  EXPECT_NE(read("relay.log").find(" joined 127.0.0.1:"), std::string::npos) << read("relay.log");
}

// DOSBox's own server with our endpoints on it: the same wire format both ways.
TEST_F(DosSessionTest, OurEndpointsMeetOnDosboxsOwnIpxServer) {
  std::filesystem::create_directories(dir / "server");
  const uint16_t port = testsupport::freeUdpPort();
  testsupport::DosboxIpxServer server(options.dosbox, dir / "server", port);
  ASSERT_TRUE(server.ready()) << read("server/dosbox.out");
  IpxServerSetting setting;
  setting.server = {"127.0.0.1", port};
  setting.relayProgram = "/nonexistent";  // it answers: ours is never wanted
  HostNetwork network(setting);
  std::string error;
  auto a = network.openDatagram(0x869C, error);
  ASSERT_TRUE(a) << error;
  auto b = network.openDatagram(0x869C, error);
  ASSERT_TRUE(b) << error;
  auto next = [](DatagramEndpoint& endpoint) -> std::string {
    if (!testsupport::eventually([&] { return endpoint.pending() > 0; })) return "(nothing)";
    auto datagram = endpoint.receive(100);
    return std::string(datagram->bytes.begin(), datagram->bytes.end());
  };
  const std::vector<uint8_t> hello{'h', 'i'}, all{'a', 'l', 'l'};
  ASSERT_TRUE(a->send(b->ownAddress(), hello));
  EXPECT_EQ(next(*b), "hi");
  ASSERT_TRUE(b->broadcast(all));
  EXPECT_EQ(next(*a), "all");
}

}  // namespace
}  // namespace platform
