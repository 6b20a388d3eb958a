// "Auto DeathMatch Launch Options": what the automatic network launch may do (download and
// upload maps, be client or server, keep to the player's clan, start games that are not
// selected), the player's clan, the map socket and the IPX network's server. Everything is
// program-wide and stored on OK.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/univ_info_record.h"
#include "multiplayer/dialog_fields.h"
#include "multiplayer/ipx_server_choice.h"

namespace multiplayer {

class AutoLaunchOptionsDialog {
 public:
  static constexpr const char* kTitle = "Auto DeathMatch Launch Options";

  enum Box : size_t {
    kNeverDownloadMap,
    kNeverUploadMap,
    kNeverClient,
    kNeverServer,
    kOnlyClanClients,
    kOnlyClanServer,
    kAutoLaunchOtherGames,
    kBoxCount,
  };
  static constexpr std::array<const char*, kBoxCount> kCaptions{
      "Never download map from server",
      "Never upload map to client",
      "Never launch as client",
      "Never launch as server",
      "Only allow clients from my clan",
      "Only become a client to a server from my clan",
      "Allow Auto-launch on Non-slectected Games",
  };
  static constexpr const char* kClan = "My Clan";
  static constexpr const char* kMapSocket = "Map Socket#";
  static constexpr const char* kIpxServer = "IPX Server";
  static constexpr size_t kClanMax = 31;
  static constexpr size_t kMapSocketMax = 5;
  // The map socket in use when the stored one is not a socket a player's program may open.
  static constexpr const char* kDefaultMapSocket = "34879";
  static constexpr int kLowestMapSocket = 1024;
  static constexpr int kHighestMapSocket = 65535;

  // Without `ipxServer` the server's box is shown greyed and empty.
  explicit AutoLaunchOptionsDialog(catalogue::UnivInfoRecord& univ,
                                   IpxServerChoice* ipxServer = nullptr);

  bool checked(size_t box) const { return boxes_.at(box).checked; }
  void setChecked(size_t box, bool on) { boxes_.at(box).checked = on; }
  const TextBox& clan() const { return clan_; }
  bool typeClan(std::string_view text) { return clan_.type(text); }
  // Shown greyed: the map socket is not typed here.
  const TextBox& mapSocket() const { return mapSocket_; }
  // "host" or "host:port"; greyed when the environment names the server.
  const TextBox& ipxServer() const { return ipxServer_; }
  bool typeIpxServer(std::string_view text) { return ipxServer_.type(text); }

  // The map socket the automatic launch uses for a stored text.
  static std::string usableMapSocket(std::string_view stored);

  // A control by caption, as scripts fill the dialog (check boxes "on" or "off").
  std::optional<std::string> field(std::string_view name) const;
  // False for an unknown name, a greyed control or a check box state other than on/off.
  bool setField(std::string_view name, std::string_view text);
  bool enabled(std::string_view name) const;

  // Stores everything; false when the server typed was not taken (the rest is stored, and
  // `ipxServerError()` says why).
  bool ok();
  const std::string& ipxServerError() const { return ipxServerError_; }

 private:
  catalogue::UnivInfoRecord& univ_;
  std::array<CheckBox, kBoxCount> boxes_;
  TextBox clan_;
  TextBox mapSocket_;
  IpxServerChoice* ipxChoice_;
  TextBox ipxServer_;
  std::string ipxServerError_;
};

}  // namespace multiplayer
