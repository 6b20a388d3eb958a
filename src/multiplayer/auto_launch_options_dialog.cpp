#include "multiplayer/auto_launch_options_dialog.h"

#include "platform/dos_text.h"

namespace multiplayer {

namespace ui = catalogue::univ_info;

namespace {

const std::array<const catalogue::IntField<catalogue::UnivInfoTag>*,
                 AutoLaunchOptionsDialog::kBoxCount>
    kFlags{&ui::NeverDownloadMap, &ui::NeverUploadMap, &ui::NeverClient,         &ui::NeverServer,
           &ui::OnlyClanClients,  &ui::OnlyClanServer, &ui::AutoLaunchOtherGames};

static_assert(AutoLaunchOptionsDialog::kClanMax < ui::Clan.size);
static_assert(AutoLaunchOptionsDialog::kMapSocketMax < ui::MapSocket.size);

std::optional<size_t> boxNamed(std::string_view name) {
  for (size_t i = 0; i < AutoLaunchOptionsDialog::kBoxCount; ++i)
    if (name == AutoLaunchOptionsDialog::kCaptions[i]) return i;
  return std::nullopt;
}

}  // namespace

AutoLaunchOptionsDialog::AutoLaunchOptionsDialog(catalogue::UnivInfoRecord& univ,
                                                 IpxServerChoice* ipxServer)
    : univ_(univ), ipxChoice_(ipxServer) {
  for (size_t i = 0; i < kBoxCount; ++i) boxes_[i] = {true, univ.get(*kFlags[i]) != 0};
  clan_ = {true, univ.get(ui::Clan).substr(0, kClanMax), kClanMax};
  mapSocket_ = {false, usableMapSocket(univ.get(ui::MapSocket)), kMapSocketMax};
  if (ipxChoice_)
    ipxServer_ = {!ipxChoice_->fixed(), ipxChoice_->current(), IpxServerChoice::kMaxText};
  else
    ipxServer_ = {false, "", IpxServerChoice::kMaxText};
}

std::string AutoLaunchOptionsDialog::usableMapSocket(std::string_view stored) {
  // Sockets below 1024 are the system's; a number past 65535 is no socket at all. The text is
  // written back as the plain number the launch reads.
  const int32_t socket = platform::dos::decimalValue(stored);
  if (socket < kLowestMapSocket || socket > kHighestMapSocket) return kDefaultMapSocket;
  return std::to_string(socket);
}

std::optional<std::string> AutoLaunchOptionsDialog::field(std::string_view name) const {
  if (auto box = boxNamed(name)) return checkText(boxes_[*box].checked);
  if (name == kClan) return clan_.text;
  if (name == kMapSocket) return mapSocket_.text;
  if (name == kIpxServer) return ipxServer_.text;
  return std::nullopt;
}

bool AutoLaunchOptionsDialog::setField(std::string_view name, std::string_view text) {
  if (auto box = boxNamed(name)) {
    const auto on = checkFromText(text);
    if (on) setChecked(*box, *on);
    return on.has_value();
  }
  if (name == kClan) return clan_.type(text);
  if (name == kMapSocket) return mapSocket_.type(text);
  if (name == kIpxServer) return ipxServer_.type(text);
  return false;
}

bool AutoLaunchOptionsDialog::enabled(std::string_view name) const {
  if (boxNamed(name)) return true;
  if (name == kClan) return clan_.enabled;
  if (name == kMapSocket) return mapSocket_.enabled;
  if (name == kIpxServer) return ipxServer_.enabled;
  return false;
}

bool AutoLaunchOptionsDialog::ok() {
  for (size_t i = 0; i < kBoxCount; ++i) univ_.set(*kFlags[i], boxes_[i].checked ? 1 : 0);
  univ_.set(ui::Clan, clan_.text);
  univ_.set(ui::MapSocket, usableMapSocket(mapSocket_.text));
  ipxServerError_.clear();
  if (!ipxChoice_ || !ipxServer_.enabled) return true;
  return ipxChoice_->choose(ipxServer_.text, ipxServerError_);
}

}  // namespace multiplayer
