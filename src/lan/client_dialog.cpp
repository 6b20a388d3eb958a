#include "lan/client_dialog.h"

#include "lan/lan_texts.h"

namespace lan {

namespace gi = catalogue::game_info;
namespace ui = catalogue::univ_info;
namespace an = announcement;

namespace {

// The server numbers its chat lines round a ring of 255; a line is new when it lies less than
// half the ring ahead of the last one shown, so the numbers may wrap without hiding anything.
bool isNewer(int32_t sequence, uint8_t last) {
  const int32_t ring = 255;
  if (sequence < 0 || sequence >= ring) return false;
  const int32_t ahead = (sequence - last + ring) % ring;
  return ahead > 0 && ahead <= ring / 2;
}

}  // namespace

ClientDialog::ClientDialog(LanSocket& socket, Phase phase, std::function<void()> openOptions)
    : socket_(socket),
      busyMark_(socket),
      phase_(phase),
      openOptions_(std::move(openOptions)),
      server_(socket.serverAddress()),
      timeout_(phase == Phase::kJoin ? kJoinTimeoutSeconds : kStartTimeoutSeconds),
      secondsMark_(socket.services().clock.milliseconds()) {
  const catalogue::Catalogue& cat = socket_.catalogue();
  const catalogue::UnivInfoRecord& univ = cat.univ();
  if (!socket_.isOpen() || (phase == Phase::kJoin && univ.get(ui::NeverClient) != 0)) {
    end(Result::kFailed);
    return;
  }
  const catalogue::GameInfoRecord& game = cat.current();
  const Announcement& a = socket_.heard();
  heading_ = clientHeading(game.get(gi::GameName));
  ServerInformation info;
  info.hasLaunchFile = socket_.hasLaunchFile();
  info.launchFile = socket_.launchFile();
  info.launchDir = socket_.launchDir();
  info.skill = a.get(an::Skill) + game.get(gi::SkillMin);
  info.episode = a.get(an::Episode) + game.get(gi::EpisodeMin);
  info.level = a.get(an::Level) + game.get(gi::LevelMin);
  if (univ.get(ui::OnlyClanServer) != 0 || a.get(an::OnlyClanClients) != 0)
    info.clan = a.get(an::Clan);
  information_ = informationText(info);
  status_ = phase_ == Phase::kJoin ? kWaitingForAccept : kWaitingForPreStart;
}

void ClientDialog::poll() {
  if (busy_ || result_ != Result::kRunning) return;
  const uint64_t now = socket_.services().clock.milliseconds();
  if (startNow_) {
    // The server starts its own game once every player has the command: give it that start.
    if (now - *startNow_ >= kLaunchDelayMs) end(Result::kStarted);
    return;
  }
  if (now - secondsMark_ >= 1000) {
    seconds_ += int((now - secondsMark_) / 1000);
    secondsMark_ += (now - secondsMark_) / 1000 * 1000;
    if (seconds_ > timeout_) {
      end(Result::kFailed);
      return;
    }
  }
  if (phase_ == Phase::kJoin) {
    if (!lastJoin_ || now - *lastJoin_ >= kJoinIntervalMs) {
      lastJoin_ = now;
      status_ = kWaitingForAccept;
      sendJoin();
    }
  } else {
    status_ = preStart_ ? kWaitingForLaunch : kWaitingForPreStart;
  }
  for (size_t i = 0; i < kDatagramsPerPoll && result_ == Result::kRunning && !startNow_; ++i) {
    auto datagram = socket_.endpoint().receive(AnnouncementTag::kSize);
    if (!datagram) break;
    onDatagram(datagram->bytes);
  }
}

void ClientDialog::sendJoin() {
  const Announcement& a = socket_.heard();
  HandshakeFields f;
  f.version = kVersion;
  f.subkind = kPlayerJoin;
  f.server = server_;
  f.player = socket_.ownAddress();
  f.clan = a.get(an::Clan);
  f.byte0 = f.byte2 = f.byte3 = uint8_t(a.get(an::PlayersFound) + 1);
  f.byte1 = a.get(an::OtherPlayers);
  socket_.endpoint().send(server_, makeHandshake(f).bytes());
}

bool ClientDialog::fromServer(const Handshake& h) const {
  return addressOf(h, handshake::ServerAddress) == server_;
}

bool ClientDialog::forMe(const Handshake& h) const {
  return h.get(handshake::Kind) == kKindHandShake && fromServer(h) &&
         addressOf(h, handshake::PlayerAddress) == socket_.ownAddress();
}

void ClientDialog::onDatagram(std::span<const uint8_t> bytes) {
  if (busy_ || result_ != Result::kRunning) return;
  const std::string kind = kindOf(bytes).value_or("");
  const std::string subkind = subkindOf(bytes).value_or("");
  if (subkind == kMessage) {
    onChat(bytes);
    return;
  }
  if (const auto h = readHandshake(bytes)) onHandshake(*h, kind, subkind);
}

void ClientDialog::onHandshake(const Handshake& h, const std::string& kind,
                               const std::string& subkind) {
  // Only this copy's server may end it: another server's quit is no news here.
  if (subkind == kServerQuit || kind == kServerQuit) {
    if (fromServer(h)) end(Result::kFailed);
    return;
  }
  if (!forMe(h)) return;
  if (phase_ == Phase::kJoin) {
    if (subkind == kAcceptJoin) end(Result::kAccepted);
    return;
  }
  if (subkind == kPreStart) {
    preStart_ = true;
    status_ = kWaitingForLaunch;
    Handshake confirm = h;
    confirm.set(handshake::Subkind, kConfirm);
    socket_.endpoint().send(server_, confirm.bytes());
  } else if (subkind == kStartNow && !startNow_) {
    startNow_ = socket_.services().clock.milliseconds();
    status_ = kLaunchReceived;
    seconds_ = 0;
    timeout_ = 1;
  }
}

void ClientDialog::onChat(std::span<const uint8_t> bytes) {
  const auto message = readChat(bytes);
  // Only the lines this copy's server relays.
  if (!message || addressOf(*message, chat::SenderAddress) != server_) return;
  const int32_t sequence = message->get(chat::Sequence);
  if (lastSequence_ ? !isNewer(sequence, *lastSequence_) : (sequence <= 0 || sequence >= 255))
    return;
  lastSequence_ = uint8_t(sequence);
  log_ += "\r\n" + chatLine(*message);
}

void ClientDialog::sendMessage(const std::string& text) {
  if (busy_ || result_ != Result::kRunning) return;
  ChatFields f;
  f.sender = server_;
  f.origin = socket_.ownAddress();
  f.clan = socket_.heard().get(an::Clan);
  f.playerName = socket_.playerName();
  f.text = text;
  f.sequence = ++mySequence_;
  socket_.endpoint().send(server_, makeChat(f).bytes());
}

void ClientDialog::cancel() {
  if (result_ == Result::kRunning) end(Result::kFailed);
}

void ClientDialog::options() {
  if (busy_ || result_ != Result::kRunning) return;
  // The options dialog is modal in the window: polls that arrive meanwhile do nothing.
  busy_ = true;
  socket_.runOptions(openOptions_);
  busy_ = false;
}

}  // namespace lan
