// The coordination of network starts as the main window runs it: the LAN endpoint made and
// destroyed with multiplayer mode and auto-launch, the idle listener, and the dialogs before a
// launch. The window shows the dialogs; this decides what happens around them.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "catalogue/catalogue.h"
#include "lan/client_dialog.h"
#include "lan/download_dialog.h"
#include "lan/lan_socket.h"
#include "lan/server_dialog.h"
#include "multiplayer/coordination.h"

namespace app {

// What shows the coordination dialogs: each runs until its result is no longer kRunning.
class LanDialogHost {
 public:
  virtual ~LanDialogHost() = default;
  virtual void runServerDialog(lan::ServerDialog& dialog) = 0;
  virtual void runClientDialog(lan::ClientDialog& dialog) = 0;
  virtual void runDownloadDialog(lan::DownloadDialog& dialog) = 0;
};

class LanCoordination : public multiplayer::Coordination {
 public:
  // `options`: "Options" of a coordination dialog (the auto-launch options).
  LanCoordination(lan::LanServices services, catalogue::Catalogue& cat, LanDialogHost& host,
                  std::function<void()> options)
      : services_(services), cat_(cat), host_(host), options_(std::move(options)) {}

  bool exists() const override { return socket_ != nullptr; }
  void create() override;
  void destroy() override { socket_.reset(); }

  // One poll of the idle listener. A usable announcement (its file here or downloaded) leads
  // to the join dialog; an accepted join gives the launch to make.
  std::optional<lan::ClientLaunch> listen();
  // Before a launch in multiplayer mode: the server's search or the wait for the server's
  // start. False: no launch.
  bool beforeLaunch(const std::string& launchFile, const std::string& launchDir);
  // After a coordinated launch: the socket selection put back and the endpoint made again.
  void afterLaunch();

 private:
  lan::LanServices services_;
  catalogue::Catalogue& cat_;
  LanDialogHost& host_;
  std::function<void()> options_;
  std::unique_ptr<lan::LanSocket> socket_;
};

}  // namespace app
