// Two copies of the program on one pretend IPX network, for the LAN targets: a server (node 1)
// offering Duke Nukem 3D with the map MAPS\HELL.MAP, and a client (node 2) that has heard it,
// with Quake defined as well and automatic launching of other games allowed. Every received
// datagram goes to each of the three receivers a copy has: the client's idle listener, the
// server's dialog and the client's dialog in both its phases. Each checks what must hold
// whatever the bytes: nothing taken from the network points outside the game's tree, the
// player table stays a table, the client moves on only for commands meant for it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "lan/client_dialog.h"
#include "lan/download_dialog.h"
#include "lan/lan_socket.h"
#include "lan/server_dialog.h"
#include "platform/dos_text.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/scripted_prompter.h"

namespace lanfuzz {

namespace gi = catalogue::game_info;
namespace ui = catalogue::univ_info;

inline constexpr const char* kStartup = "C:\\QF95\\";
inline constexpr const char* kDuke = "D:\\GAMES\\DUKE3D\\";
inline constexpr const char* kQuake = "D:\\QUAKE\\";

inline catalogue::GameInfoRecord definition(const char* name, const char* dir) {
  catalogue::GameInfoRecord r;
  r.set(gi::GameName, name);
  r.set(gi::GameDir, dir);
  r.set(gi::IsDefined, 1);
  r.set(gi::SkillMin, 1);
  r.set(gi::Marker, catalogue::kValidMarker);
  return r;
}

struct Copy {
  Copy(std::shared_ptr<platform::FakeIpxHub> hub, uint8_t node, platform::FakeClock& clock)
      : network(std::move(hub), node) {
    fs.addDrive('D');
    fs.setCurrentDirectory("C:\\");
    std::vector<uint8_t> games;
    for (const auto& r : {definition("Duke3D 1.3 Reg.", kDuke), definition("Quake", kQuake)})
      games.insert(games.end(), r.bytes().begin(), r.bytes().end());
    fs.putFile(std::string(kStartup) + catalogue::kGameInfoFile, games);
    fs.putFile(std::string(kDuke) + "DUKE3D.EXE", "MZ");
    fs.putFile(std::string(kDuke) + "MAPS\\HELL.MAP", std::vector<uint8_t>(700, 0x4D));
    fs.setModificationTime(std::string(kDuke) + "MAPS\\HELL.MAP", 1000000000);
    cat = std::make_unique<catalogue::Catalogue>(fs, prompter, kStartup, link);
    // Nothing is selected yet: the switch has no record of its own to write back.
    cat->univ().set(ui::CurrentSlot, catalogue::kNoSlotSelected);
    cat->SelectGame(0);
    cat->univ().set(ui::AutoLaunchOtherGames, 1);
    cat->univ().set(ui::PlayersIndex, 1);
    socket = std::make_unique<lan::LanSocket>(lan::LanServices{network, fs, clock, prompter}, *cat);
  }

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  catalogue::BasicLaunchLink link;
  platform::FakeNetwork network;
  std::unique_ptr<catalogue::Catalogue> cat;
  std::unique_ptr<lan::LanSocket> socket;
};

struct Network {
  Network() {
    server.socket->prepareAnnouncement("HELL.MAP", std::string(kDuke) + "MAPS\\");
    serverDialog = std::make_unique<lan::ServerDialog>(*server.socket);
    // The client hears the server once, so its dialogs know whom they talk to.
    serverDialog->poll();
    while (auto d = client.socket->endpoint().receive(400))
      if (client.socket->hear(d->bytes) != lan::LanSocket::Heard::kNothing) break;
    serverDialog.reset();
  }

  platform::FakeClock clock;
  std::shared_ptr<platform::FakeIpxHub> hub = std::make_shared<platform::FakeIpxHub>();
  Copy server{hub, 1, clock};
  Copy client{hub, 2, clock};
  std::unique_ptr<lan::ServerDialog> serverDialog;
};

inline bool under(const std::string& path, const std::string& dir) {
  return platform::dos::startsWithIgnoreCase(path, dir);
}

inline void idleListener(Copy& client, std::span<const uint8_t> bytes) {
  const lan::LanSocket::Heard heard = client.socket->hear(bytes);
  lan::LanSocket& s = *client.socket;
  if (heard == lan::LanSocket::Heard::kJoin && s.hasLaunchFile()) {
    // A file taken is one that is here, with the announced size.
    const auto found = client.fs.stat(s.launchDir() + s.launchFile());
    if (!found || found->isDirectory() ||
        found->size != uint32_t(s.heard().get(lan::announcement::LaunchFileSize)))
      __builtin_trap();
  }
  if (heard == lan::LanSocket::Heard::kDownload) {
    auto download = s.startDownload();
    if (!download) __builtin_trap();
    const std::string to = download->target().destination;
    const std::string game = download->target().gameDir;
    if (!(game == kDuke || game == kQuake) || !under(to, game + "maps\\") ||
        to.find('\\', game.size() + 5) != std::string::npos ||
        platform::dos::containsIgnoreCase(to.substr(2), ":"))
      __builtin_trap();
    download.reset();
    if (client.fs.exists(platform::dos::directoryOf(to) + "QF95DL.TMP")) __builtin_trap();
  }
}

inline void serverDialog(Network& net, std::span<const uint8_t> bytes) {
  const platform::IpxAddress from = net.client.network.address(lan::kCoordinationSocket);
  // The client listens for the map, so a request the server takes up is served.
  std::string error;
  auto listener = net.client.network.listenStream(lan::streamAddress(from), error);
  lan::ServerDialog server(*net.server.socket);
  for (int i = 0; i < 2; ++i) server.onDatagram(bytes, from);  // twice: seen before
  net.client.socket->endpoint().send(net.server.network.address(lan::kCoordinationSocket), bytes);
  server.poll();
  const auto& players = server.players();
  if (server.playerCount() != int(players.size()) + 1 || players.size() > 16) __builtin_trap();
  for (size_t i = 0; i < players.size(); ++i)
    if (players[i].isZero() || std::count(players.begin(), players.end(), players[i]) != 1)
      __builtin_trap();

  // At most one transfer to the copy that asked, of the map's three blocks and no more.
  auto stream = listener->accept();
  if (listener->accept()) __builtin_trap();
  std::vector<uint8_t> block;
  for (int32_t index = 0; stream; ++index) {
    const auto read = stream->receive(lan::FileBlockTag::kSize, block, 0);
    if (read == platform::StreamConnection::Read::kEnd) break;
    const auto b = lan::readFileBlock(block);
    if (read != platform::StreamConnection::Read::kMessage || index > 2 || !b ||
        b->get(lan::file_block::BlockIndex) != index || b->get(lan::file_block::FileLength) != 700)
      __builtin_trap();
  }
}

inline void clientDialogs(Network& net, std::span<const uint8_t> bytes) {
  lan::LanSocket& socket = *net.client.socket;
  const auto h = lan::readHandshake(bytes);
  const bool forMe = h && h->get(lan::handshake::Kind) == lan::kKindHandShake &&
                     lan::addressOf(*h, lan::handshake::ServerAddress) == socket.serverAddress() &&
                     lan::addressOf(*h, lan::handshake::PlayerAddress) == socket.ownAddress();
  const std::string subkind = lan::subkindOf(bytes).value_or("");

  lan::ClientDialog join(socket, lan::ClientDialog::Phase::kJoin);
  join.onDatagram(bytes);
  if ((join.result() == lan::ClientDialog::Result::kAccepted) !=
      (forMe && subkind == lan::kAcceptJoin))
    __builtin_trap();

  lan::ClientDialog wait(socket, lan::ClientDialog::Phase::kWaitForStart);
  for (int i = 0; i < 2; ++i) wait.onDatagram(bytes);
  if (wait.startReceived() != (forMe && subkind == lan::kStartNow)) __builtin_trap();
  if (wait.preStartReceived() != (forMe && subkind == lan::kPreStart)) __builtin_trap();
  // A chat line is shown once, with its name and text cut to their fields.
  if (wait.log().size() > 2 + lan::kMaxPlayerName + 2 + lan::kMaxChatText) __builtin_trap();
}

// Everything a copy does with one received datagram.
inline void receiveEverywhere(std::span<const uint8_t> bytes) {
  Network net;
  idleListener(net.client, bytes);
  serverDialog(net, bytes);
  clientDialogs(net, bytes);
}

}  // namespace lanfuzz
