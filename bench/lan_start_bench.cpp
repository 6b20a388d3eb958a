// Network starts between copies of the program over our relay on loopback (real UDP and TCP):
//   - a 4 MB map from the server to a client that lacks it (the maps on this machine's file
//     system, in scratch directories), the two dialogs polled back to back, against a plain
//     copy of the same file over one loopback TCP connection (read, send, receive, write in
//     64 KB pieces, as a copy with netcat does);
//   - one server and eight clients: the time from "Found All Players" to the last client's
//     "Received Launch Command", every copy polled on its own beat (random phase) as its window
//     would poll it: every lan::kPollIntervalMs, against the same start polled every 500 ms.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "lan/client_dialog.h"
#include "lan/download_dialog.h"
#include "lan/lan_socket.h"
#include "lan/server_dialog.h"
#include "platform/fake/scripted_prompter.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_file_system.h"
#include "platform/host/host_network.h"
#include "support/fake_machine.h"
#include "support/ipx_loopback.h"
#include "system/quillfen_system.h"

namespace {

namespace ui = catalogue::univ_info;
using Clock = std::chrono::steady_clock;

constexpr const char* kGameDir = "D:\\games\\Duke3d\\";
constexpr size_t kMapSize = 4 << 20;

// The relay all copies of a benchmark meet at.
testsupport::RelayProcess& relay() {
  static testsupport::RelayProcess process{QF95_IPXRELAY_EXE};
  return process;
}

// One copy of the program: its own machine in memory, a real network endpoint.
struct Copy {
  Copy(int otherPlayers, const std::string& player) : network(settingFor(relay().port())) {
    machine.fs.putFile(std::string(kGameDir) + "DUKE3D.EXE", "MZ");
    program = std::make_unique<qf95::QuillfenSystem>(machine, prompter,
                                                     testsupport::FakeMachine::kStartup);
    cat = &program->catalogue();
    cat->LoadCatalogue();
    catalogue::UnivInfoRecord& univ = cat->univ();
    univ.set(ui::MultiplayerMode, 1);
    univ.set(ui::AutoLaunch, 1);
    univ.set(ui::ConnectionType, 2);
    univ.set(ui::PlayersIndex, uint8_t(otherPlayers - 1));
    univ.set(ui::PlayerNameList, player, 0);
    univ.set(ui::NameIndex, 0);
  }
  static platform::IpxServerSetting settingFor(uint16_t port) {
    platform::IpxServerSetting setting;
    setting.server = {"127.0.0.1", port};
    return setting;
  }
  // `files`: where the maps are, when not on the copy's machine in memory.
  lan::LanSocket& open(platform::FileSystem* files = nullptr) {
    socket.reset();
    socket = std::make_unique<lan::LanSocket>(
        lan::LanServices{network, files ? *files : machine.fs, clock, prompter}, *cat);
    return *socket;
  }

  testsupport::FakeMachine machine;
  platform::ScriptedPrompter prompter;
  platform::HostNetwork network;
  platform::HostClock clock;
  std::unique_ptr<qf95::QuillfenSystem> program;
  catalogue::Catalogue* cat = nullptr;
  std::unique_ptr<lan::LanSocket> socket;
};

// --- the map transfer ----------------------------------------------------------------------

// A drive D: of this machine for one copy's maps, in a scratch directory of its own.
struct HostDrive {
  HostDrive() {
    char scratch[] = "/tmp/qf95-lan-bench-XXXXXX";
    root = ::mkdtemp(scratch);
    std::filesystem::create_directories(root + "/drive_d/games/Duke3d/maps");
    std::filesystem::create_directories(root + "/prefix/dosdevices");
    std::filesystem::create_directory_symlink(root + "/drive_d", root + "/prefix/dosdevices/d:");
    fs = std::make_unique<platform::HostFileSystem>(root + "/prefix");
  }
  ~HostDrive() { std::filesystem::remove_all(root); }

  std::string root;
  std::unique_ptr<platform::HostFileSystem> fs;
};

void BM_MapTransferOverRelay(benchmark::State& state) {
  if (relay().port() == 0) {
    state.SkipWithError("the relay did not start");
    return;
  }
  Copy server(1, "Sam"), client(1, "Carol");
  HostDrive serverDrive, clientDrive;
  const std::string map = std::string(kGameDir) + "maps\\BIG.MAP";
  std::vector<uint8_t> bytes(kMapSize);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i * 7 + i / 251);
  if (!serverDrive.fs->replaceWhole(map, bytes)) {
    state.SkipWithError("the map could not be written");
    return;
  }
  server.open(serverDrive.fs.get())
      .prepareAnnouncement("BIG.MAP", std::string(kGameDir) + "maps\\");
  lan::ServerDialog serving(*server.socket);
  serving.poll();
  lan::LanSocket& socket = client.open(clientDrive.fs.get());
  for (auto _ : state) {
    state.PauseTiming();
    clientDrive.fs->deleteFile(map);
    if (socket.hear(server.socket->announcement().bytes()) != lan::LanSocket::Heard::kDownload) {
      state.SkipWithError("the client did not ask for the map");
      return;
    }
    std::unique_ptr<lan::DownloadDialog> download = socket.startDownload();
    state.ResumeTiming();
    while (download->result() == lan::DownloadDialog::Result::kRunning) {
      serving.poll();
      download->poll();
    }
    if (download->result() != lan::DownloadDialog::Result::kDone) {
      state.SkipWithError("the transfer failed");
      return;
    }
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMapSize));
}
BENCHMARK(BM_MapTransferOverRelay)->Unit(benchmark::kMillisecond)->UseRealTime();

// Baseline: the same file through one loopback TCP connection, 64 KB at a time, from a file
// to a file on the same drives.
void BM_PlainTcpCopyBaseline(benchmark::State& state) {
  HostDrive from, to;
  const std::string source = from.root + "/drive_d/BIG.MAP";
  const std::string target = to.root + "/drive_d/BIG.MAP";
  {
    std::vector<uint8_t> bytes(kMapSize);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i * 7 + i / 251);
    std::ofstream(source, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::listen(listener, 1);
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  for (auto _ : state) {
    // As for the transfer: the client has no copy yet.
    state.PauseTiming();
    ::unlink(target.c_str());
    state.ResumeTiming();
    const int sender = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ::connect(sender, reinterpret_cast<sockaddr*>(&address), sizeof address);
    const int receiver = ::accept(listener, nullptr, nullptr);
    std::thread writer([&] {
      const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
      std::vector<uint8_t> piece(65536);
      for (ssize_t n; (n = ::read(in, piece.data(), piece.size())) > 0;)
        if (::send(sender, piece.data(), size_t(n), 0) != n) break;
      ::close(in);
      ::shutdown(sender, SHUT_WR);
    });
    const int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    std::vector<uint8_t> piece(65536);
    size_t got = 0;
    for (ssize_t n; (n = ::recv(receiver, piece.data(), piece.size(), 0)) > 0;) {
      if (::write(out, piece.data(), size_t(n)) != n) break;
      got += size_t(n);
    }
    ::close(out);
    writer.join();
    ::close(receiver);
    ::close(sender);
    if (got != kMapSize) state.SkipWithError("the copy was cut short");
  }
  ::close(listener);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMapSize));
}
BENCHMARK(BM_PlainTcpCopyBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

// --- the start of nine copies ----------------------------------------------------------------

constexpr int kClients = 8;

// A client from the announcement on: join, then wait for the start.
struct Joiner {
  Copy& copy;
  std::unique_ptr<lan::ClientDialog> dialog;
  bool waiting = false;

  void poll() {
    if (!dialog) {
      if (copy.socket->receiveAnnouncement() == lan::LanSocket::Heard::kJoin)
        dialog = std::make_unique<lan::ClientDialog>(*copy.socket, lan::ClientDialog::Phase::kJoin);
      return;
    }
    dialog->poll();
    if (!waiting && dialog->result() == lan::ClientDialog::Result::kAccepted) {
      copy.socket->takeOverServerSettings();
      dialog = std::make_unique<lan::ClientDialog>(*copy.socket,
                                                   lan::ClientDialog::Phase::kWaitForStart);
      waiting = true;
    }
  }
  bool started() const { return waiting && dialog->startReceived(); }
};

void BM_StartOfEightClients(benchmark::State& state) {
  if (relay().port() == 0) {
    state.SkipWithError("the relay did not start");
    return;
  }
  const auto tick = std::chrono::milliseconds(state.range(0));
  std::vector<std::unique_ptr<Copy>> copies;
  copies.push_back(std::make_unique<Copy>(kClients, "Sam"));
  for (int i = 0; i < kClients; ++i)
    copies.push_back(std::make_unique<Copy>(kClients, "Player" + std::to_string(i)));
  std::mt19937 random(1995);
  for (auto _ : state) {
    Copy& server = *copies[0];
    for (auto& copy : copies) copy->open();
    server.socket->prepareAnnouncement("", "");
    lan::ServerDialog serving(*server.socket);
    std::vector<Joiner> joiners;
    for (int i = 1; i <= kClients; ++i) joiners.push_back({*copies[size_t(i)], nullptr, false});
    // Each copy polls on its own beat, as separate windows do.
    std::vector<Clock::time_point> due;
    const Clock::time_point begun = Clock::now();
    for (size_t i = 0; i < copies.size(); ++i)
      due.push_back(begun + std::chrono::microseconds(random() % (tick.count() * 1000)));
    std::optional<Clock::time_point> allFound;
    const Clock::time_point limit = begun + std::chrono::seconds(60);
    auto allStarted = [&] {
      return std::all_of(joiners.begin(), joiners.end(),
                         [](const Joiner& j) { return j.started(); });
    };
    while (!allStarted() && Clock::now() < limit) {
      const auto next = std::min_element(due.begin(), due.end());
      std::this_thread::sleep_until(*next);
      const size_t i = size_t(next - due.begin());
      *next += tick;
      if (i == 0) {
        serving.poll();
        if (!allFound &&
            (serving.starting() || serving.result() == lan::ServerDialog::Result::kStarted))
          allFound = Clock::now();
      } else {
        joiners[i - 1].poll();
      }
    }
    if (!allFound || !allStarted()) {
      state.SkipWithError("the start did not go through within a minute");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - *allFound).count());
  }
}
// The window's beat, and the dialogs polled every 500 ms as the baseline.
BENCHMARK(BM_StartOfEightClients)
    ->Arg(lan::kPollIntervalMs)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_StartOfEightClients)
    ->Name("BM_StartOfEightClientsPolledEvery500msBaseline")
    ->Arg(500)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
