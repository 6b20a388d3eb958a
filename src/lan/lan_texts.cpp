#include "lan/lan_texts.h"

#include <cstdio>

#include "platform/dos_text.h"

namespace lan {

namespace {

template <typename... Args>
std::string format(const char* pattern, Args... args) {
  char text[256];
  std::snprintf(text, sizeof text, pattern, args...);
  return text;
}

}  // namespace

const char* socketFailure(const std::string& error) {
  return platform::dos::containsIgnoreCase(error, "in use") ? kBadBind : kBadSocket;
}

std::string foundPlayers(int count, int wanted, const std::string& gameName) {
  return format("Found %i out of %i players for ", count, wanted) + gameName;
}

std::string checkingPlayer(int index) {
  return format("Checking player #%i", index);
}

std::string gettingInfo(int index, int attempt, int scan) {
  return format("Getting Info from player #%i\r\nSeconds#%i Scan#%i", index, attempt, scan);
}

std::string messageReceived(int index) {
  return format("Message Recv from player #%i", index);
}

std::string sendingLaunchCode(int index) {
  return format("Sending Launch Code for player #%i", index);
}

std::string clientHeading(const std::string& gameName) {
  return "Found \"Quillfen95 Sever\" for a \r\n(" + gameName + ") multiplayer game.";
}

std::string uploadingToNode(const std::array<uint8_t, 6>& n) {
  return format("Uploading file to player node %i.%i.%i.%i.%i.%i", n[0], n[1], n[2], n[3], n[4],
                n[5]);
}

std::string uploadingToPlayer(int index) {
  return format("Uploading file to player %i", index);
}

std::string informationText(const ServerInformation& info) {
  std::string text = format("Server: Skill %i", info.skill);
  if (info.hasLaunchFile)
    text += "\r\nServer: Launch file = " + info.launchFile;
  else
    text += format("\r\nServer: Episode %i\r\nServer: Level = %i", info.episode, info.level);
  if (!info.launchDir.empty()) text += "\r\nServer: Launch Dir = " + info.launchDir;
  if (!info.clan.empty()) text += "\r\nServer: Clan = " + info.clan;
  return text;
}

}  // namespace lan
