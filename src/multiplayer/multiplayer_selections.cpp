#include "multiplayer/multiplayer_selections.h"

#include <algorithm>
#include <cstdio>

#include "catalogue/switch_text.h"
#include "platform/dos_path.h"

namespace multiplayer {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

namespace {

constexpr size_t kNameCount = 10;
constexpr size_t kSocketCount = 10;
constexpr int kModeSingle = 0;
constexpr int kModeMulti = 1;

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int clampIndex(int index, size_t count) {
  if (count == 0) return -1;
  return std::clamp(index, 0, int(count) - 1);
}

}  // namespace

size_t servedCommTypes(const catalogue::GameInfoRecord& game) {
  const bool kahn = !game.get(gi::KahnExecuteFile).empty();
  const bool netServer = !game.get(gi::NetServerExecuteFile).empty();
  const bool internetServer = !game.get(gi::InternetServerExecuteFile).empty();
  const bool internet = !game.get(gi::InternetExecuteFile).empty() || netServer || internetServer;
  // Cut at the first type the game cannot serve, so an index always names the same type.
  if (!kahn) return kKahnKali;
  if (!internet) return kInternet;
  if (!(netServer || internetServer)) return kNetServer;
  if (!internetServer) return kInternetServer;
  return kCommTypeNames.size();
}

MultiplayerSelections::MultiplayerSelections(catalogue::UnivInfoRecord& univ,
                                             const catalogue::GameInfoRecord& game,
                                             catalogue::GameDataRecord& data,
                                             platform::Prompter& prompter,
                                             Coordination& coordination)
    : univ_(univ), game_(game), data_(data), prompter_(prompter), coordination_(coordination) {}

int MultiplayerSelections::storedIndex(
    const catalogue::ByteField<catalogue::UnivInfoTag>& field) const {
  return static_cast<int8_t>(univ_.get(field));
}

int MultiplayerSelections::maxPlayers() const {
  return std::max<int>(2, game_.get(gi::PlayerQtyMax));
}

int MultiplayerSelections::players() const {
  return 2 + clampIndex(storedIndex(ui::PlayersIndex), size_t(maxPlayers() - 1));
}

std::string MultiplayerSelections::socketText(int32_t number) {
  char text[16];
  std::snprintf(text, sizeof text, "%X", static_cast<uint32_t>(number));
  return text;
}

std::vector<std::string> MultiplayerSelections::nameEntries() const {
  std::vector<std::string> names;
  for (size_t i = 0; i < kNameCount; ++i) {
    std::string name = univ_.get(ui::PlayerNameList, i);
    if (name.empty()) break;
    names.push_back(std::move(name));
  }
  return names;
}

size_t MultiplayerSelections::socketEntryCount() const {
  // Entry 0 is the game's own; typed numbers follow it without gaps.
  size_t count = 1;
  while (count < kSocketCount && univ_.get(ui::SocketNumbers, count) != 0) ++count;
  return count;
}

void MultiplayerSelections::setUp() {
  univ_.set(ui::SocketNumbers, game_.get(gi::DefaultSocketNumber), 0);
  univ_.set(ui::PlayersIndex, uint8_t(players() - 2));
  const int comm = clampIndex(storedIndex(ui::ConnectionType), servedCommTypes(game_));
  univ_.set(ui::ConnectionType, uint8_t(comm));
  const int socket = clampIndex(storedIndex(ui::SocketIndex), socketEntryCount());
  univ_.set(ui::SocketIndex, uint8_t(socket));
  const size_t names = nameEntries().size();
  if (names > 0) univ_.set(ui::NameIndex, uint8_t(clampIndex(storedIndex(ui::NameIndex), names)));
  keepCoordination();
}

bool MultiplayerSelections::multiplayer() const {
  return univ_.get(ui::MultiplayerMode) != kModeSingle;
}

MultiplayerView MultiplayerSelections::view() const {
  MultiplayerView v;
  v.multiplayer = multiplayer();
  v.aiShown = catalogue::isPresentSwitch(game_.get(gi::AiPlayerCommand));
  v.aiChecked = v.aiShown && data_.get(gd::UseAiPlayers) != 0;
  if (!v.multiplayer) return v;

  v.players = {true, true, kPlayersLabel, {}, players() - 2};
  for (int n = 2; n <= maxPlayers(); ++n) v.players.entries.push_back(std::to_string(n));

  const std::vector<std::string> names = nameEntries();
  v.names = {true, catalogue::isPresentSwitch(game_.get(gi::PlayerNameCommand)), kNameLabel, names,
             clampIndex(storedIndex(ui::NameIndex), names.size())};

  const size_t served = servedCommTypes(game_);
  const int comm = clampIndex(storedIndex(ui::ConnectionType), served);
  v.commTypes = {true, true, kCommTypeLabel, {}, comm};
  for (size_t i = 0; i < served; ++i) v.commTypes.entries.push_back(kCommTypeNames[i]);

  if (comm >= kNetworkIpx) {
    const size_t count = socketEntryCount();
    v.sockets = {true,
                 catalogue::isPresentSwitch(game_.get(gi::SocketCommand)),
                 kSocketLabel,
                 {},
                 clampIndex(storedIndex(ui::SocketIndex), count)};
    for (size_t i = 0; i < count; ++i)
      v.sockets.entries.push_back(socketText(univ_.get(ui::SocketNumbers, i)));
    v.autoLaunchShown = true;
    v.autoLaunchChecked = univ_.get(ui::AutoLaunch) != 0;
    if (comm >= kInternet) {
      v.numberShown = true;
      v.numberLabel = kInternetNumberLabel;
    }
  } else {
    v.connectType = {true, true, kConnectTypeLabel, {}, -1};
    for (size_t i = 0; i < kConnectTypeNames.size(); ++i)
      v.connectType.entries.push_back(kConnectTypeNames[i]);
    v.connectType.selection = clampIndex(univ_.get(ui::DialMode), kConnectTypeNames.size());
    v.numberShown = true;
    v.numberLabel = kPhoneNumberLabel;
  }
  return v;
}

void MultiplayerSelections::toggleMode() {
  univ_.set(ui::MultiplayerMode, multiplayer() ? kModeSingle : kModeMulti);
  keepCoordination();
}

void MultiplayerSelections::keepCoordination() {
  const bool wanted = multiplayer() && univ_.get(ui::AutoLaunch) != 0;
  if (wanted && !coordination_.exists()) coordination_.create();
  if (!wanted && coordination_.exists()) coordination_.destroy();
}

void MultiplayerSelections::choosePlayers(int index) {
  univ_.set(ui::PlayersIndex, uint8_t(clampIndex(index, size_t(maxPlayers() - 1))));
}

void MultiplayerSelections::chooseName(int index) {
  const size_t names = nameEntries().size();
  if (names > 0) univ_.set(ui::NameIndex, uint8_t(clampIndex(index, names)));
}

void MultiplayerSelections::typeName(const std::string& text) {
  if (text.empty() || !catalogue::isPresentSwitch(game_.get(gi::PlayerNameCommand))) return;
  const std::vector<std::string> names = nameEntries();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == text) {
      univ_.set(ui::NameIndex, uint8_t(i));
      return;
    }
  }
  for (size_t i = kNameCount - 1; i > 0; --i)
    univ_.set(ui::PlayerNameList, univ_.get(ui::PlayerNameList, i - 1), i);
  univ_.set(ui::PlayerNameList, text, 0);
  univ_.set(ui::NameIndex, 0);
}

void MultiplayerSelections::chooseCommType(int index) {
  univ_.set(ui::ConnectionType, uint8_t(clampIndex(index, servedCommTypes(game_))));
}

void MultiplayerSelections::chooseSocket(int index) {
  univ_.set(ui::SocketIndex, uint8_t(clampIndex(index, socketEntryCount())));
}

bool MultiplayerSelections::typeSocket(const std::string& text) {
  if (!catalogue::isPresentSwitch(game_.get(gi::SocketCommand))) return false;
  const size_t count = socketEntryCount();
  for (size_t i = 0; i < count; ++i) {
    if (platform::dos::equalsIgnoreCase(socketText(univ_.get(ui::SocketNumbers, i)), text)) {
      univ_.set(ui::SocketIndex, uint8_t(i));
      return true;
    }
  }
  if (text.size() != 4 || !std::all_of(text.begin(), text.end(), isHexDigit)) {
    prompter_.tell(kBadSocketMessage);
    return false;
  }
  for (size_t i = kSocketCount - 1; i > 1; --i)
    univ_.set(ui::SocketNumbers, univ_.get(ui::SocketNumbers, i - 1), i);
  univ_.set(ui::SocketNumbers, int32_t(std::stoul(text, nullptr, 16)), 1);
  univ_.set(ui::SocketIndex, 1);
  return true;
}

void MultiplayerSelections::chooseConnectType(int index) {
  univ_.set(ui::DialMode, uint8_t(clampIndex(index, kConnectTypeNames.size())));
}

void MultiplayerSelections::setAiPlayers(bool on) {
  if (!catalogue::isPresentSwitch(game_.get(gi::AiPlayerCommand))) {
    if (on) prompter_.tell(kNoAiMessage);
    data_.set(gd::UseAiPlayers, 0);
    return;
  }
  if (!on && data_.get(gd::UseAiPlayers) != 0 &&
      prompter_.ask(platform::kCaptionProgram, kDropAiQuestion, platform::Buttons::kYesNo) ==
          platform::Answer::kNo)
    return;  // stays checked
  data_.set(gd::UseAiPlayers, on ? 1 : 0);
}

void MultiplayerSelections::setAutoLaunch(bool on) {
  univ_.set(ui::AutoLaunch, on ? 1 : 0);
  keepCoordination();
}

}  // namespace multiplayer
