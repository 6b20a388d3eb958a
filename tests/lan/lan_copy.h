// Copies of the program on one pretend IPX network: each its own machine (file system with
// Duke Nukem 3D on D:, catalogue loaded, multiplayer settings made), its own node, all on one
// clock that the test moves.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "lan/client_dialog.h"
#include "lan/download_dialog.h"
#include "lan/lan_socket.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/scripted_prompter.h"
#include "support/fake_machine.h"
#include "system/quillfen_system.h"

namespace lantest {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

inline constexpr const char* kGameDir = "D:\\games\\Duke3d\\";
// A time the maps carry: 2001-09-09.
inline constexpr uint32_t kMapTime = 1000000000;

inline std::vector<uint8_t> mapBytes(size_t size, uint8_t seed = 1) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = uint8_t(seed + i * 7 + i / 256);
  return bytes;
}

struct LanCopy {
  LanCopy(std::shared_ptr<platform::FakeIpxHub> hub, uint8_t node, platform::FakeClock& clock,
          const std::string& player)
      : network(std::move(hub), node), clock(clock) {
    machine.fs.putFile(std::string(kGameDir) + "DUKE3D.EXE", "MZ");
    program = std::make_unique<qf95::QuillfenSystem>(machine, prompter,
                                                     testsupport::FakeMachine::kStartup);
    cat = &program->catalogue();
    EXPECT_TRUE(cat->LoadCatalogue());
    catalogue::UnivInfoRecord& univ = cat->univ();
    univ.set(ui::MultiplayerMode, 1);
    univ.set(ui::AutoLaunch, 1);
    univ.set(ui::ConnectionType, 2);
    univ.set(ui::PlayersIndex, 1);  // three players
    univ.set(ui::PlayerNameList, player, 0);
    univ.set(ui::NameIndex, 0);
    boxesBefore = prompter.boxes().size();
  }

  lan::LanServices services() { return {network, machine.fs, clock, prompter}; }
  lan::LanSocket& open() {
    socket.reset();  // the socket number is free again first
    socket = std::make_unique<lan::LanSocket>(services(), *cat);
    return *socket;
  }
  // Message boxes shown since the copy was set up.
  std::vector<std::string> boxes() const {
    std::vector<std::string> texts;
    for (size_t i = boxesBefore; i < prompter.boxes().size(); ++i)
      texts.push_back(prompter.boxes()[i].text);
    return texts;
  }
  void putMap(const std::string& path, const std::vector<uint8_t>& bytes,
              uint32_t time = kMapTime) {
    machine.fs.putFile(path, bytes);
    machine.fs.setModificationTime(path, time);
  }
  platform::IpxAddress address() const { return network.address(lan::kCoordinationSocket); }
  catalogue::UnivInfoRecord& univ() { return cat->univ(); }

  testsupport::FakeMachine machine;
  platform::ScriptedPrompter prompter;
  platform::FakeNetwork network;
  platform::FakeClock& clock;
  std::unique_ptr<qf95::QuillfenSystem> program;
  catalogue::Catalogue* cat = nullptr;
  std::unique_ptr<lan::LanSocket> socket;
  size_t boxesBefore = 0;
};

// A client copy driven the way the main view drives it: listening while idle, downloading a
// missing map, joining, taking the server's settings over and waiting for the start.
struct ClientFlow {
  enum class Stage { kIdle, kDownloading, kJoining, kWaiting, kStarted, kFailed };

  explicit ClientFlow(LanCopy& copy) : copy(copy) {
    if (!copy.socket) copy.open();
  }
  void poll() {
    lan::LanSocket& socket = *copy.socket;
    if (stage == Stage::kIdle) {
      const lan::LanSocket::Heard heard = socket.receiveAnnouncement();
      if (heard == lan::LanSocket::Heard::kJoin) join();
      if (heard == lan::LanSocket::Heard::kDownload) {
        download = socket.startDownload();
        stage = Stage::kDownloading;
      }
    } else if (stage == Stage::kDownloading) {
      download->poll();
      if (download->result() == lan::DownloadDialog::Result::kRunning) return;
      downloaded = socket.finishDownload(*download);
      download.reset();
      if (downloaded) join();
      if (!downloaded) stage = Stage::kIdle;
    } else if (stage == Stage::kJoining || stage == Stage::kWaiting) {
      dialog->poll();
      switch (dialog->result()) {
        case lan::ClientDialog::Result::kRunning:
          break;
        case lan::ClientDialog::Result::kAccepted:
          ++accepted;
          launch = socket.takeOverServerSettings();
          dialog.reset();
          dialog =
              std::make_unique<lan::ClientDialog>(socket, lan::ClientDialog::Phase::kWaitForStart);
          stage = Stage::kWaiting;
          break;
        case lan::ClientDialog::Result::kStarted:
          stage = Stage::kStarted;
          break;
        case lan::ClientDialog::Result::kFailed:
          if (stage == Stage::kJoining) dialog.reset();  // listening again
          stage = stage == Stage::kJoining ? Stage::kIdle : Stage::kFailed;
          break;
      }
    }
  }
  void join() {
    dialog = std::make_unique<lan::ClientDialog>(*copy.socket, lan::ClientDialog::Phase::kJoin);
    stage = Stage::kJoining;
  }

  LanCopy& copy;
  Stage stage = Stage::kIdle;
  std::unique_ptr<lan::DownloadDialog> download;
  std::unique_ptr<lan::ClientDialog> dialog;
  lan::ClientLaunch launch;
  bool downloaded = false;
  int accepted = 0;
};

// A network of copies and the clock they share.
class LanTest : public ::testing::Test {
 protected:
  LanCopy& addCopy(const std::string& player) {
    copies.push_back(std::make_unique<LanCopy>(hub, uint8_t(copies.size() + 1), clock, player));
    return *copies.back();
  }
  // Moves the clock in steps of `stepMs`, calling `poll` after each, until `done` holds; false
  // when `limitMs` passed first.
  bool runUntil(const std::function<void()>& poll, const std::function<bool()>& done,
                uint64_t limitMs, uint64_t stepMs = 100) {
    for (uint64_t t = 0; t <= limitMs; t += stepMs) {
      poll();
      if (done()) return true;
      clock.advance(stepMs);
    }
    return false;
  }

  std::shared_ptr<platform::FakeIpxHub> hub = std::make_shared<platform::FakeIpxHub>();
  platform::FakeClock clock;
  std::vector<std::unique_ptr<LanCopy>> copies;
};

}  // namespace lantest
