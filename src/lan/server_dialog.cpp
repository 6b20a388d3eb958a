#include "lan/server_dialog.h"

#include <algorithm>

#include "lan/lan_texts.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace lan {

namespace gi = catalogue::game_info;
namespace ui = catalogue::univ_info;
namespace an = announcement;

namespace {

// A file request names its requester twice (field and sender): only the node and socket are
// compared, the network number is the host's to fill in.
bool sameEndpoint(const platform::IpxAddress& a, const platform::IpxAddress& b) {
  return std::equal(a.bytes.begin() + 6, a.bytes.end(), b.bytes.begin() + 6);
}

}  // namespace

ServerDialog::ServerDialog(LanSocket& socket, std::function<void()> openOptions)
    : socket_(socket), busyMark_(socket), openOptions_(std::move(openOptions)) {
  const catalogue::Catalogue& cat = socket_.catalogue();
  if (!socket_.isOpen() || cat.univ().get(ui::NeverServer) != 0) {
    end(Result::kFailed);
    return;
  }
  Announcement& a = socket_.announcement();
  const std::string gameDir = gameDirectory();
  if (a.get(an::HasLaunchFile) != 0) {
    std::string dir = a.get(an::LaunchDir);
    if (dir.size() < 2 || dir[1] != ':') dir = gameDir + dir;
    const std::string path = platform::dos::withTrailingSeparator(dir) + a.get(an::LaunchFile);
    platform::FileSystem& fs = socket_.services().fs;
    const auto found = fs.stat(path);
    a.set(an::LaunchFileSize, found ? int32_t(found->size) : 0);
    a.set(an::LaunchFileTime, int32_t(fs.modificationTime(path).value_or(0)));
    if (!gameDir.empty() && platform::dos::startsWithIgnoreCase(dir, gameDir))
      a.set(an::LaunchDir, dir.substr(gameDir.size()));
  }
  a.set(an::PlayersFound, uint8_t(count_));

  const catalogue::GameInfoRecord& game = cat.current();
  ServerInformation info;
  info.hasLaunchFile = a.get(an::HasLaunchFile) != 0;
  info.launchFile = a.get(an::LaunchFile);
  info.launchDir = a.get(an::LaunchDir);
  info.skill = a.get(an::Skill) + game.get(gi::SkillMin);
  info.episode = a.get(an::Episode) + game.get(gi::EpisodeMin);
  info.level = a.get(an::Level) + game.get(gi::LevelMin);
  if (cat.univ().get(ui::OnlyClanClients) != 0) info.clan = cat.univ().get(ui::Clan);
  logLine(informationText(info));
  searchLine_ = kSearchLine;
  secondsMark_ = socket_.services().clock.milliseconds();
}

ServerDialog::~ServerDialog() = default;

int ServerDialog::otherPlayers() const {
  return socket_.announcement().get(an::OtherPlayers);
}

std::string ServerDialog::gameDirectory() const {
  const std::string& dir = socket_.catalogue().currentGameDirectory();
  return dir.empty() ? dir : platform::dos::withTrailingSeparator(dir);
}

void ServerDialog::logLine(const std::string& line) {
  log_ += line + "\r\n";
}

void ServerDialog::end(Result result) {
  result_ = result;
  state_ = State::kDone;
  uploads_.clear();
}

bool ServerDialog::send(const platform::IpxAddress& to, std::span<const uint8_t> bytes) {
  lastSendFailed_ = !socket_.endpoint().send(to, bytes);
  return !lastSendFailed_;
}

bool ServerDialog::broadcast(std::span<const uint8_t> bytes) {
  lastSendFailed_ = !socket_.endpoint().broadcast(bytes);
  return !lastSendFailed_;
}

void ServerDialog::broadcastAnnouncement() {
  ++broadcasts_;
  searchLine_ = kSearchLine;
  Announcement& a = socket_.announcement();
  setAddress(a, an::SenderAddress, socket_.ownAddress());
  if (!broadcast(a.bytes())) {
    socket_.services().prompter.ask("", kBadSendto, platform::Buttons::kOk);
    end(Result::kFailed);
  }
}

void ServerDialog::showFound() {
  status_ = foundPlayers(count_, otherPlayers() + 1, socket_.announcement().get(an::GameName));
}

void ServerDialog::poll() {
  if (busy_ || state_ == State::kDone) return;
  const uint64_t now = socket_.services().clock.milliseconds();
  if (now - secondsMark_ >= 1000) {
    seconds_ += int((now - secondsMark_) / 1000);
    secondsMark_ += (now - secondsMark_) / 1000 * 1000;
  }
  if (state_ == State::kSearching &&
      (!lastBroadcast_ || now - *lastBroadcast_ >= kBroadcastIntervalMs)) {
    lastBroadcast_ = now;
    broadcastAnnouncement();
    if (state_ == State::kDone) return;
  }
  for (size_t i = 0; i < kDatagramsPerPoll && state_ != State::kDone; ++i) {
    auto datagram = socket_.endpoint().receive(AnnouncementTag::kSize);
    if (!datagram) break;
    onDatagram(datagram->bytes, datagram->from);
  }
  // The datagrams took their time: what they started is timed from a later reading.
  const uint64_t afterDatagrams = socket_.services().clock.milliseconds();
  checkAllFound(afterDatagrams);
  if (state_ == State::kStarting) advanceStart(afterDatagrams);
  pumpUploads();
}

void ServerDialog::checkAllFound(uint64_t now) {
  if (state_ != State::kSearching) return;
  showFound();
  if (count_ != otherPlayers() + 1) return;
  // The rest of this poll's datagrams meet a server that no longer takes players.
  status_ = kFoundAllPlayers;
  state_ = State::kStarting;
  client_ = 0;
  askNextClient(now);
}

void ServerDialog::onDatagram(std::span<const uint8_t> bytes, const platform::IpxAddress& from) {
  if (busy_ || state_ == State::kDone) return;
  lastVersion_ = versionOf(bytes);
  if (state_ == State::kStarting) status_ = gettingInfo(int(client_) + 1, attempt_, ++scan_);
  const std::string subkind = subkindOf(bytes).value_or("");
  if (kindOf(bytes) == kKindFileRequest)
    onFileRequest(bytes, from);
  else if (subkind == kMessage)
    onChat(bytes);
  else if (subkind == kPlayerJoin)
    onJoin(bytes);
  else if (subkind == kConfirm)
    onConfirm(bytes);
  checkAllFound(socket_.services().clock.milliseconds());
}

void ServerDialog::onFileRequest(std::span<const uint8_t> bytes, const platform::IpxAddress& from) {
  const auto request = readFileRequest(bytes);
  const Announcement& a = socket_.announcement();
  if (!request || a.get(an::HasLaunchFile) == 0 ||
      socket_.catalogue().univ().get(ui::NeverUploadMap) != 0)
    return;
  const platform::IpxAddress own = socket_.ownAddress();
  const platform::IpxAddress requester = addressOf(*request, file_request::RequesterAddress);
  // Only for this server, only to the copy that asked, one transfer to it at a time.
  if (addressOf(*request, file_request::ServerAddress) != own || !sameEndpoint(requester, from))
    return;
  if (uploads_.size() >= kMaxUploads) return;
  for (const auto& upload : uploads_)
    if (upload->requester() == requester) return;

  auto player = std::find(players_.begin(), players_.end(), requester);
  const std::string status = player != players_.end()
                                 ? uploadingToPlayer(int(player - players_.begin()))
                                 : uploadingToNode(requester.node());
  std::string dir = a.get(an::LaunchDir);
  if (dir.size() < 2 || dir[1] != ':') dir = gameDirectory() + dir;
  const std::string path = platform::dos::withTrailingSeparator(dir) + a.get(an::LaunchFile);
  LanServices& services = socket_.services();
  if (auto upload = Upload::start(services.network, services.fs, path, *request, status, *this))
    uploads_.push_back(std::move(upload));
}

uint8_t ServerDialog::nextSequence() {
  seenIndex_ = uint8_t((seenIndex_ + 1) % kSeenRing);
  return seenIndex_;
}

void ServerDialog::onChat(std::span<const uint8_t> bytes) {
  const auto received = readChat(bytes);
  if (!received) return;
  ChatMessage message = wellFormed(*received);
  const platform::IpxAddress own = socket_.ownAddress();
  const platform::IpxAddress origin = addressOf(message, chat::OriginAddress);
  // A line sent to another server (or relayed by one) is not ours to relay: two servers would
  // pass each other's relays back and forth for ever.
  if (origin == own || addressOf(message, chat::SenderAddress) != own) return;
  const int32_t sequence = message.get(chat::Sequence);
  for (const Seen& seen : seen_)
    if (seen.origin == origin && seen.sequence == sequence) return;
  seen_[seenIndex_] = {origin, sequence};
  message.set(chat::Sequence, nextSequence());
  logLine(chatLine(message));
  setAddress(message, chat::OriginAddress, own);
  broadcast(message.bytes());
}

void ServerDialog::onJoin(std::span<const uint8_t> bytes) {
  const auto request = readHandshake(bytes);
  if (!request || state_ != State::kSearching || lastSendFailed_) return;
  const platform::IpxAddress own = socket_.ownAddress();
  if (addressOf(*request, handshake::ServerAddress) != own) return;
  const platform::IpxAddress player = addressOf(*request, handshake::PlayerAddress);
  if (std::find(players_.begin(), players_.end(), player) == players_.end()) {
    // Only a player the start will take through is answered: an accepted player left out of
    // the table would wait for a start that never comes.
    if (request->get(handshake::Kind) != kKindHandShake || players_.size() >= kMaxClients ||
        player == own || player.isZero())
      return;
    players_.push_back(player);
    ++count_;
  }
  Announcement& a = socket_.announcement();
  a.set(an::PlayersFound, uint8_t(count_));
  HandshakeFields reply;
  reply.version = request->get(handshake::Version);
  reply.subkind = kAcceptJoin;
  reply.server = own;
  reply.player = player;
  reply.clan = request->get(handshake::Clan);
  reply.byte0 = reply.byte2 = reply.byte3 = uint8_t(count_);
  reply.byte1 = uint8_t(otherPlayers());
  broadcast(makeHandshake(reply).bytes());
}

void ServerDialog::onConfirm(std::span<const uint8_t> bytes) {
  const auto confirm = readHandshake(bytes);
  if (!confirm || state_ != State::kStarting || client_ >= players_.size()) return;
  if (addressOf(*confirm, handshake::PlayerAddress) != players_[client_]) return;
  status_ = messageReceived(int(client_) + 1);
  ++client_;
  askNextClient(socket_.services().clock.milliseconds());
}

Handshake ServerDialog::startMessage(const char* subkind, size_t client) const {
  HandshakeFields f;
  f.version = lastVersion_;
  f.subkind = subkind;
  f.server = socket_.ownAddress();
  f.player = players_[client];
  f.clan = socket_.announcement().get(an::Clan);
  f.byte0 = f.byte3 = uint8_t(client);
  f.byte1 = uint8_t(otherPlayers());
  f.byte2 = uint8_t(count_);
  return makeHandshake(f);
}

void ServerDialog::askNextClient(uint64_t now) {
  if (state_ != State::kStarting) return;
  if (client_ >= players_.size()) {
    sendStartNow();
    return;
  }
  attempt_ = 1;
  scan_ = 0;
  attemptStart_ = now;
  status_ = checkingPlayer(int(client_) + 1);
  send(players_[client_], startMessage(kPreStart, client_).bytes());
}

void ServerDialog::advanceStart(uint64_t now) {
  if (now < attemptStart_ || now - attemptStart_ < kConfirmIntervalMs) return;
  // A lost "PreStart0" or "Confirm69" costs one attempt, not the player.
  const int due = int(
      std::min<uint64_t>((now - attemptStart_) / kConfirmIntervalMs, uint64_t(kConfirmAttempts)));
  attempt_ += due;
  attemptStart_ += uint64_t(due) * kConfirmIntervalMs;
  scan_ = 0;
  if (attempt_ > kConfirmAttempts) {
    dropClient();
    return;
  }
  send(players_[client_], startMessage(kPreStart, client_).bytes());
}

void ServerDialog::dropClient() {
  status_ = messageReceived(int(client_) + 1);
  players_.erase(players_.begin() + std::ptrdiff_t(client_));
  --count_;
  socket_.announcement().set(an::PlayersFound, uint8_t(count_));
  state_ = State::kSearching;
}

void ServerDialog::sendStartNow() {
  for (int copy = 0; copy < kStartNowCopies; ++copy) {
    for (size_t i = 0; i < players_.size(); ++i) {
      status_ = sendingLaunchCode(int(i) + 1);
      if (!send(players_[i], startMessage(kStartNow, i).bytes())) {
        state_ = State::kSearching;
        return;
      }
    }
  }
  end(Result::kStarted);
}

void ServerDialog::pumpUploads() {
  if (uploads_.empty()) return;
  // Each transfer gets its share, so one big map does not hold the others up.
  const size_t share = std::max<size_t>(1, kBlocksPerPoll / uploads_.size());
  size_t budget = kBlocksPerPoll;
  for (auto it = uploads_.begin(); it != uploads_.end() && budget > 0;) {
    const size_t given = std::min(share, budget);
    size_t left = given;
    const bool going = (*it)->send(left);
    budget -= given - left;
    it = going ? it + 1 : uploads_.erase(it);
  }
}

void ServerDialog::sendMessage(const std::string& text) {
  if (busy_ || state_ == State::kDone) return;
  ChatFields f;
  f.sender = f.origin = socket_.ownAddress();
  f.clan = socket_.announcement().get(an::Clan);
  f.playerName = socket_.playerName();
  f.text = text;
  f.sequence = nextSequence();
  const ChatMessage message = makeChat(f);
  broadcast(message.bytes());
  logLine(chatLine(message));
}

void ServerDialog::cancel() {
  if (state_ == State::kDone) return;
  const platform::IpxAddress own = socket_.ownAddress();
  for (const platform::IpxAddress& player : players_)
    send(player, makeServerQuit(lastVersion_, own, player).bytes());
  broadcast(makeServerQuit(lastVersion_, own, platform::IpxAddress{}).bytes());
  end(Result::kFailed);
}

void ServerDialog::options() {
  if (busy_ || state_ == State::kDone) return;
  // The options dialog is modal in the window: polls that arrive meanwhile do nothing.
  busy_ = true;
  socket_.runOptions(openOptions_);
  busy_ = false;
}

}  // namespace lan
