// The main view's multiplayer selections of the current game: number of players, player name,
// communication type, socket number, AI players and automatic launching, with which of them the
// view shows for the chosen communication type. The picks live in the settings record (and the
// AI flag in the game data record); a stored index that no longer fits is brought into range
// before it picks anything.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "catalogue/univ_info_record.h"
#include "multiplayer/coordination.h"
#include "platform/prompter.h"

namespace multiplayer {

enum CommType : int {
  kSerial = 0,
  kModem = 1,
  kNetworkIpx = 2,
  kKahnKali = 3,
  kInternet = 4,
  kNetServer = 5,
  kInternetServer = 6,
};
inline constexpr std::array<const char*, 7> kCommTypeNames{
    "Serial (cable)", "Modem",     "NetWork/IPX",   "Kahn/Kali",
    "InterNet",       "NetServer", "InterNetServer"};
// What the modem is told to do once the line is set up, as the game's connect types number it.
inline constexpr std::array<const char*, 3> kConnectTypeNames{"Dial", "Answer", "Connected"};

inline constexpr const char* kPlayersLabel = "Number of Players =";
inline constexpr const char* kNameLabel = " PLAYERS NAME =";
inline constexpr const char* kCommTypeLabel = "    COMM-TYPE =";
inline constexpr const char* kSocketLabel = "SOCKET NUMBER =";
inline constexpr const char* kInternetNumberLabel = "INTERNET NUM =";
inline constexpr const char* kConnectTypeLabel = "   CONNECT TYPE =";
inline constexpr const char* kPhoneNumberLabel = " PHONE NUMBER =";

inline constexpr const char* kBadSocketMessage = "Socket number must be a four digit number";
inline constexpr const char* kNoAiMessage =
    "Sorry, can not select this option with Duke version 1.3\nFor more information see AI "
    "(DukeBots)";
inline constexpr const char* kDropAiQuestion =
    "Deselecting this option will change AI (DukeBots) players to FakePlayers only.\nAre you "
    "sure you want to do this?";

struct ListControl {
  bool shown = false;
  bool enabled = false;
  std::string label;
  std::vector<std::string> entries;
  int selection = -1;  // -1: none
};

struct MultiplayerView {
  bool multiplayer = false;
  ListControl players;
  ListControl names;  // editable
  ListControl commTypes;
  ListControl sockets;      // editable, hexadecimal
  ListControl connectType;  // serial and modem
  // The phone or InterNet number box; its entries are the number list's (filled by its owner).
  bool numberShown = false;
  std::string numberLabel;
  bool autoLaunchShown = false;
  bool autoLaunchChecked = false;
  // The AI check box beside the computer players' list.
  bool aiShown = false;
  bool aiChecked = false;
};

// The communication types the game can serve: a prefix of kCommTypeNames, at least three long.
size_t servedCommTypes(const catalogue::GameInfoRecord& game);

class MultiplayerSelections {
 public:
  MultiplayerSelections(catalogue::UnivInfoRecord& univ, const catalogue::GameInfoRecord& game,
                        catalogue::GameDataRecord& data, platform::Prompter& prompter,
                        Coordination& coordination);

  // Entry 0 of the socket list follows the game's default; the stored picks are brought into
  // the lists. Done whenever the view is set up for a game.
  void setUp();
  MultiplayerView view() const;

  bool multiplayer() const;
  // Flips the mode; leaving multiplayer mode closes the coordination endpoint.
  void toggleMode();
  void choosePlayers(int index);
  void chooseName(int index);
  // A typed name: an existing one is selected, a new one goes to the front (ten are kept).
  void typeName(const std::string& text);
  void chooseCommType(int index);
  void chooseSocket(int index);
  // A typed socket number: an existing one is selected; otherwise exactly four hexadecimal
  // digits become entry 1, or the box says why not. False when refused.
  bool typeSocket(const std::string& text);
  void chooseConnectType(int index);
  // The AI check box as the user clicks it; asks before AI players become fake ones.
  void setAiPlayers(bool on);
  // The auto-launch check box.
  void setAutoLaunch(bool on);

  // The number of players chosen (2 ...).
  int players() const;
  static std::string socketText(int32_t number);

 private:
  int maxPlayers() const;
  // A stored list index read as the signed byte it was written as.
  int storedIndex(const catalogue::ByteField<catalogue::UnivInfoTag>& field) const;
  std::vector<std::string> nameEntries() const;
  size_t socketEntryCount() const;
  void keepCoordination();

  catalogue::UnivInfoRecord& univ_;
  const catalogue::GameInfoRecord& game_;
  catalogue::GameDataRecord& data_;
  platform::Prompter& prompter_;
  Coordination& coordination_;
};

}  // namespace multiplayer
