// The IPX network server the player chose in "Auto DeathMatch Launch Options": a setting of
// this machine, kept as one line "host:port" in "Quillfen.Ipx" beside the records and handed
// to the network at every start. $QF95_IPX_SERVER, when set, decides instead.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/network.h"

namespace multiplayer {

class IpxServerChoice {
 public:
  static constexpr const char* kFileName = "Quillfen.Ipx";
  // A line longer than this is not a server address.
  static constexpr size_t kMaxText = 80;

  IpxServerChoice(platform::Network& network, platform::FileSystem& fs, std::string startupDir);

  // The stored choice goes to the network; a stored line the network refuses is left alone
  // (the default server stays) and said in `problem()`.
  void applyStored();
  std::string current() const { return network_.ipxServer(); }
  // The environment decides: the choice is shown but cannot be changed.
  bool fixed() const { return network_.ipxServerFromEnvironment(); }
  // Takes `text` ("host" or "host:port") and stores it; false, with the reason in `error`,
  // when the network refuses it or it cannot be stored (then the server in use stays).
  bool choose(const std::string& text, std::string& error);
  const std::string& problem() const { return problem_; }
  std::string path() const { return startupDir_ + kFileName; }

 private:
  platform::Network& network_;
  platform::FileSystem& fs_;
  std::string startupDir_;
  std::string problem_;
};

}  // namespace multiplayer
