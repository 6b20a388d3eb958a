#include "app/lan_coordination.h"

namespace app {

void LanCoordination::create() {
  socket_ = std::make_unique<lan::LanSocket>(services_, cat_);
  // Without the network the copy runs without coordination.
  if (!socket_->isOpen()) socket_.reset();
}

std::optional<lan::ClientLaunch> LanCoordination::listen() {
  if (!socket_ || socket_->busy()) return std::nullopt;
  lan::LanSocket::Heard heard = socket_->receiveAnnouncement();
  if (heard == lan::LanSocket::Heard::kDownload) {
    std::unique_ptr<lan::DownloadDialog> download = socket_->startDownload();
    if (!download) return std::nullopt;
    host_.runDownloadDialog(*download);
    if (!socket_->finishDownload(*download)) return std::nullopt;
    heard = lan::LanSocket::Heard::kJoin;
  }
  if (heard != lan::LanSocket::Heard::kJoin) return std::nullopt;
  lan::ClientDialog join(*socket_, lan::ClientDialog::Phase::kJoin, options_);
  host_.runClientDialog(join);
  if (join.result() != lan::ClientDialog::Result::kAccepted) return std::nullopt;
  return socket_->takeOverServerSettings();
}

bool LanCoordination::beforeLaunch(const std::string& launchFile, const std::string& launchDir) {
  if (!socket_) return true;
  socket_->prepareAnnouncement(launchFile, launchDir);
  if (socket_->clientMode()) {
    lan::ClientDialog wait(*socket_, lan::ClientDialog::Phase::kWaitForStart, options_);
    host_.runClientDialog(wait);
    return wait.result() == lan::ClientDialog::Result::kStarted;
  }
  lan::ServerDialog server(*socket_, options_);
  host_.runServerDialog(server);
  return server.result() == lan::ServerDialog::Result::kStarted;
}

void LanCoordination::afterLaunch() {
  if (!socket_) return;
  socket_->restoreAfterLaunch();
  destroy();
  create();
}

}  // namespace app
