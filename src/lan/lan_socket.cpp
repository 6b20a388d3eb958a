#include "lan/lan_socket.h"

#include <algorithm>

#include "catalogue/catalogue_files.h"
#include "lan/download_dialog.h"
#include "lan/lan_texts.h"
#include "lan/launch_location.h"
#include "multiplayer/auto_launch_options_dialog.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace lan {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;
namespace an = announcement;

namespace {

using Options = multiplayer::AutoLaunchOptionsDialog;

// The socket number slot a joined game's number goes into.
constexpr size_t kServerSocketSlot = 9;

bool flag(const catalogue::UnivInfoRecord& univ,
          const catalogue::IntField<catalogue::UnivInfoTag>& field) {
  return univ.get(field) != 0;
}

}  // namespace

LanSocket::LanSocket(LanServices services, catalogue::Catalogue& catalogue)
    : services_(services), catalogue_(catalogue), outgoing_(freshAnnouncement()) {
  catalogue::UnivInfoRecord& univ = catalogue_.univ();
  if (platform::dos::decimalValue(univ.get(ui::MapSocket)) < Options::kLowestMapSocket)
    univ.set(ui::MapSocket, Options::kDefaultMapSocket);

  std::string error;
  endpoint_ = services_.network.openDatagram(kCoordinationSocket, error);
  if (!endpoint_) {
    services_.prompter.ask("", socketFailure(error), platform::Buttons::kOk);
    return;
  }
  setAddress(outgoing_, an::SenderAddress, endpoint_->ownAddress());
}

LanSocket::~LanSocket() {
  restoreAfterLaunch();
}

platform::IpxAddress LanSocket::ownAddress() const {
  return endpoint_ ? endpoint_->ownAddress() : platform::IpxAddress{};
}

platform::IpxAddress LanSocket::serverAddress() const {
  return addressOf(heard_, an::SenderAddress);
}

std::string LanSocket::playerName() const {
  const catalogue::UnivInfoRecord& univ = catalogue_.univ();
  return univ.get(ui::PlayerNameList, univ.get(ui::NameIndex));
}

LanSocket::Heard LanSocket::receiveAnnouncement() {
  if (!endpoint_ || busy_) return Heard::kNothing;
  // Not a client: what arrives is only taken off the queue. The receive itself tells whether
  // anything waits; the pending size cannot tell an empty datagram from none.
  const bool listening = !flag(catalogue_.univ(), ui::NeverClient);
  for (size_t i = 0; i < kDatagramsPerPoll; ++i) {
    auto datagram = endpoint_->receive(AnnouncementTag::kSize);
    if (!datagram) break;
    if (!listening) continue;
    const Heard heard = hear(datagram->bytes);
    if (heard != Heard::kNothing) return heard;
  }
  return Heard::kNothing;
}

std::optional<std::pair<int, std::string>> LanSocket::findGame(const std::string& name) const {
  auto file = services_.fs.open(catalogue_.gameInfoPath(), platform::OpenMode::kRead);
  if (!file) return std::nullopt;
  const uint64_t slots = std::min<uint64_t>(file->length() / catalogue::GameInfoRecord::kSize,
                                            uint64_t(catalogue::kHighestSlot) + 1);
  // Only the three fields the match needs are read of each slot.
  const auto readAt = [&](uint64_t slot, const catalogue::Field<catalogue::GameInfoTag>& f,
                          uint8_t* out) {
    return file->seek(slot * catalogue::GameInfoRecord::kSize + f.offset) &&
           file->read(out, f.size) == f.size;
  };
  for (uint64_t slot = 0; slot < slots; ++slot) {
    catalogue::GameInfoRecord r;
    if (!readAt(slot, gi::GameName, r.bytes().data() + gi::GameName.offset) ||
        !readAt(slot, gi::IsDefined, r.bytes().data() + gi::IsDefined.offset) ||
        !readAt(slot, gi::GameDir, r.bytes().data() + gi::GameDir.offset))
      break;
    if (r.get(gi::IsDefined) != 0 && r.get(gi::GameName) == name && !r.get(gi::GameDir).empty())
      return std::make_pair(int(slot), r.get(gi::GameDir));
  }
  return std::nullopt;
}

LanSocket::Heard LanSocket::hear(std::span<const uint8_t> bytes) {
  const auto read = readAnnouncement(bytes);
  if (!read) return Heard::kNothing;
  const Announcement& a = *read;
  if (endpoint_ && addressOf(a, an::SenderAddress) == endpoint_->ownAddress())
    return Heard::kNothing;
  if (a.get(an::Kind) != kKindAnnouncement) return Heard::kNothing;

  const catalogue::UnivInfoRecord& univ = catalogue_.univ();
  const std::string name = a.get(an::GameName);
  if (name.empty()) return Heard::kNothing;
  std::optional<int> slot;
  std::string gameDir = catalogue_.currentGameDirectory();
  if (name != catalogue_.current().get(gi::GameName)) {
    if (!flag(univ, ui::AutoLaunchOtherGames)) return Heard::kNothing;
    auto found = findGame(name);
    if (!found) return Heard::kNothing;
    slot = found->first;
    gameDir = found->second;
  }
  if (gameDir.empty()) return Heard::kNothing;
  gameDir = platform::dos::withTrailingSeparator(gameDir);

  // The file's directory and name come from the network: only a bare name in a directory of
  // the game's own tree is taken.
  WantedFile wanted;
  const bool hasFile = a.get(an::HasLaunchFile) != 0;
  if (hasFile) {
    wanted.file = a.get(an::LaunchFile);
    if (!isBareFileName(wanted.file)) return Heard::kNothing;
    auto dir = directoryInGame(a.get(an::LaunchDir), gameDir);
    if (!dir) return Heard::kNothing;
    wanted.dir = *dir;
    wanted.size = uint32_t(a.get(an::LaunchFileSize));
    wanted.time = uint32_t(a.get(an::LaunchFileTime));
  }

  if ((flag(univ, ui::OnlyClanServer) || a.get(an::OnlyClanClients) != 0) &&
      a.get(an::Clan) != univ.get(ui::Clan))
    return Heard::kNothing;

  if (!hasFile) {
    accept(a, slot, gameDir, "", "");
    return Heard::kJoin;
  }
  if (auto found = locateFile(services_.fs, wanted, gameDir)) {
    accept(a, slot, gameDir, found->dir, found->file);
    return Heard::kJoin;
  }
  if (flag(univ, ui::NeverDownloadMap) || a.get(an::NeverUpload) != 0 || wanted.file.empty())
    return Heard::kNothing;
  pending_ = PendingDownload{a, gameDir, slot};
  return Heard::kDownload;
}

void LanSocket::accept(const Announcement& a, std::optional<int> slot, const std::string& gameDir,
                       std::string dir, std::string file) {
  heard_ = a;
  launchDir_ = std::move(dir);
  launchFile_ = std::move(file);
  matchedSlot_ = slot;
  matchedGameDir_ = slot ? gameDir : "";
  pending_.reset();
  if (slot) catalogue_.SelectGame(*slot);
}

std::unique_ptr<DownloadDialog> LanSocket::startDownload() {
  if (!pending_ || !endpoint_) return nullptr;
  const Announcement& a = pending_->announcement;
  DownloadTarget target;
  target.gameDir = pending_->gameDir;
  target.destination = downloadDirectory(pending_->gameDir) + a.get(an::LaunchFile);
  target.server = addressOf(a, an::SenderAddress);
  target.size = uint32_t(a.get(an::LaunchFileSize));
  target.time = uint32_t(a.get(an::LaunchFileTime));
  return std::make_unique<DownloadDialog>(*this, std::move(target));
}

bool LanSocket::finishDownload(const DownloadDialog& dialog) {
  if (!pending_) return false;
  if (dialog.result() != DownloadDialog::Result::kDone) {
    pending_.reset();
    return false;
  }
  const std::string& destination = dialog.target().destination;
  PendingDownload pending = std::move(*pending_);
  accept(pending.announcement, pending.slot, pending.gameDir,
         platform::dos::directoryOf(destination), platform::dos::fileNameOf(destination));
  return true;
}

void LanSocket::prepareAnnouncement(const std::string& launchFile, const std::string& launchDir,
                                    int32_t viewOption) {
  const catalogue::UnivInfoRecord& univ = catalogue_.univ();
  const catalogue::GameDataRecord& data = catalogue_.gameData();
  Announcement& a = outgoing_;
  a.set(an::GameName, catalogue_.current().get(gi::GameName));
  a.set(an::SocketNumber, univ.get(ui::SocketNumbers, univ.get(ui::SocketIndex)));
  a.set(an::Skill, data.get(gd::SkillIndex));
  a.set(an::Episode, data.get(gd::EpisodeIndex));
  a.set(an::Level, data.get(gd::LevelIndex));
  // The players list counts from two; a stored index below its first entry means that one.
  const int playersIndex = static_cast<int8_t>(univ.get(ui::PlayersIndex));
  a.set(an::OtherPlayers, uint8_t(std::max(playersIndex, 0) + 1));
  a.set(an::CommType, univ.get(ui::ConnectionType));
  a.set(an::GameMode, univ.get(ui::GameMode));
  a.set(an::FewerPacketOption, data.get(gd::FewerPacketIndex));
  a.set(an::PlayersFound, 1);
  a.set(an::SpawnOption, data.get(gd::RespawnIndex));
  a.set(an::NoMonsters, data.get(gd::NoMonsters));
  a.set(an::ViewOption, viewOption);
  a.set(an::HasLaunchFile, launchFile.empty() ? 0 : 1);
  a.set(an::LaunchFile, launchFile.empty() ? "" : launchFile);
  a.set(an::LaunchDir, launchFile.empty() ? "" : launchDir);
  a.set(an::LaunchFileSize, 0);
  a.set(an::LaunchFileTime, 0);
  copyOptionsIntoAnnouncement();
}

void LanSocket::copyOptionsIntoAnnouncement() {
  const catalogue::UnivInfoRecord& univ = catalogue_.univ();
  Announcement& a = outgoing_;
  a.set(an::Clan, univ.get(ui::Clan));
  a.set(an::NeverDownload, univ.get(ui::NeverDownloadMap));
  a.set(an::NeverUpload, univ.get(ui::NeverUploadMap));
  a.set(an::NeverClient, univ.get(ui::NeverClient));
  a.set(an::NeverServer, univ.get(ui::NeverServer));
  a.set(an::OnlyClanClients, univ.get(ui::OnlyClanClients));
  a.set(an::OnlyClanServer, univ.get(ui::OnlyClanServer));
}

void LanSocket::runOptions(const std::function<void()>& openDialog) {
  if (openDialog) openDialog();
  copyOptionsIntoAnnouncement();
  services_.prompter.ask(kNoteCaption, kOptionsNote, platform::Buttons::kOk);
}

ClientLaunch LanSocket::takeOverServerSettings() {
  const Announcement& a = heard_;
  catalogue::UnivInfoRecord& univ = catalogue_.univ();
  catalogue::GameDataRecord& data = catalogue_.gameData();
  data.set(gd::EpisodeIndex, a.get(an::Episode));
  data.set(gd::LevelIndex, a.get(an::Level));
  data.set(gd::NoMonsters, a.get(an::NoMonsters));
  data.set(gd::RespawnIndex, a.get(an::SpawnOption));
  data.set(gd::FewerPacketIndex, a.get(an::FewerPacketOption));
  data.set(gd::SkillIndex, a.get(an::Skill));
  // A game of one player is no game: the fewest the players list offers is two.
  const uint8_t others = a.get(an::OtherPlayers);
  univ.set(ui::PlayersIndex, uint8_t(others > 0 ? others - 1 : 0));
  univ.set(ui::ConnectionType, a.get(an::CommType));
  univ.set(ui::GameMode, a.get(an::GameMode));
  if (!saved_)
    saved_ = SavedSocket{univ.get(ui::SocketIndex), univ.get(ui::SocketNumbers, kServerSocketSlot)};
  univ.set(ui::SocketNumbers, a.get(an::SocketNumber), kServerSocketSlot);
  univ.set(ui::SocketIndex, uint8_t(kServerSocketSlot));
  clientMode_ = true;

  ClientLaunch launch;
  launch.viewOption = a.get(an::ViewOption);
  launch.hasLaunchFile = hasLaunchFile();
  if (launch.hasLaunchFile) {
    launch.launchDir = launchDir_;
    launch.launchFile = launchFile_;
  } else {
    data.set(gd::SelectedFile, "");
    data.set(gd::SelectedFileTemplate, "");
  }
  return launch;
}

void LanSocket::restoreAfterLaunch() {
  if (!saved_) return;
  catalogue::UnivInfoRecord& univ = catalogue_.univ();
  univ.set(ui::SocketNumbers, saved_->slot9, kServerSocketSlot);
  univ.set(ui::SocketIndex, saved_->index);
  saved_.reset();
}

}  // namespace lan
