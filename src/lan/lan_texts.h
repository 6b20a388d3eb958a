// The texts the coordination dialogs show, as the program words them (odd spellings included).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lan {

// Message boxes, all under an empty caption. The network interface opens a socket, binds it and
// allows its broadcasts (or listens) in one call, so a failure is either a socket that could not
// be made or one that is taken: "Bad setsockopt" and "Bad listen" have no step of their own.
inline constexpr const char* kBadSocket = "Bad socket";
inline constexpr const char* kBadBind = "Bad bind";
inline constexpr const char* kBadSendto = "Bad sendto";
inline constexpr const char* kCouldNotCreateFile = "Could not create file";
// The box for a socket the network would not open, from its reason.
const char* socketFailure(const std::string& error);

inline constexpr const char* kOptionsNote =
    "Some changes may not take effect until the next launch.";
inline constexpr const char* kNoteCaption = "Note";

// Server.
inline constexpr const char* kSearchLine =
    "Seaching for other players using Quillfen95.  \r\nPress Cancel to quit seaching.";
inline constexpr const char* kFoundAllPlayers =
    "Found All Players.\r\nAttempting to launch other players.";
inline constexpr const char* kUploadSocketConnect =
    "Bad socket connect with client requesting file";
inline constexpr const char* kUploadSocketSend = "Bad socket send with client requesting file";
inline constexpr const char* kUploadConnected = "Server: Made good connection...";
inline constexpr const char* kUploadGoing = "Server: Uploading file.....";
inline constexpr const char* kUploadComplete = "Server: Upload Complete.....";

// Client.
inline constexpr const char* kWaitingForAccept =
    "Waiting for an \"Accept Join\" message from server.";
inline constexpr const char* kWaitingForPreStart = "Waiting for PreStart signal";
inline constexpr const char* kWaitingForLaunch = "Waiting for final launch signal";
inline constexpr const char* kLaunchReceived =
    "Received Launch Command\r\nWill launch game in 2 seconds";

// The buttons of the server and client dialogs.
inline constexpr const char* kSendMessageButton = "Send MSG";
inline constexpr const char* kOptionsButton = "Options";
inline constexpr const char* kCancelButton = "Cancel";

// Download.
inline constexpr const char* kDownloadTitle = "Download file";
inline constexpr const char* kDownloadText = "Downloading file from server.";
inline constexpr const char* kDownloadQuit = "Quit";
inline constexpr const char* kPacketNumberLabel = "Packet Number";
inline constexpr const char* kDownloadLocationLabel = "Download location";
inline constexpr const char* kServerNotResponding = "Sever is not responding!  Canceling download.";

std::string foundPlayers(int count, int wanted, const std::string& gameName);
std::string checkingPlayer(int index);
std::string gettingInfo(int index, int attempt, int scan);
std::string messageReceived(int index);
std::string sendingLaunchCode(int index);
std::string clientHeading(const std::string& gameName);
std::string uploadingToNode(const std::array<uint8_t, 6>& node);
std::string uploadingToPlayer(int index);

// The information text of a game on offer, as the server shows it and the client repeats it.
struct ServerInformation {
  bool hasLaunchFile = false;
  std::string launchFile;
  std::string launchDir;
  int skill = 0;  // index plus the game's lowest value, each
  int episode = 0;
  int level = 0;
  std::string clan;  // empty when not to be shown
};
std::string informationText(const ServerInformation& info);

}  // namespace lan
