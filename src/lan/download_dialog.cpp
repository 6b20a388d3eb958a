#include "lan/download_dialog.h"

#include <algorithm>

#include "lan/lan_texts.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace lan {

namespace {

// Beside the destination, in the same directory, so the finished file is renamed in place.
std::string scratchPath(const std::string& destination) {
  const std::string name = platform::dos::fileNameOf(destination);
  const char* scratch =
      platform::dos::equalsIgnoreCase(name, "QF95DL.TMP") ? "QF95DL2.TMP" : "QF95DL.TMP";
  return platform::dos::directoryOf(destination) + scratch;
}

}  // namespace

DownloadDialog::DownloadDialog(LanSocket& socket, DownloadTarget target)
    : socket_(socket),
      busy_(socket),
      target_(std::move(target)),
      scratch_(scratchPath(target_.destination)),
      location_(target_.destination),
      quietSince_(socket.services().clock.milliseconds()) {
  if (!socket_.isOpen()) {
    result_ = Result::kFailed;
    return;
  }
  LanServices& services = socket_.services();
  services.fs.createDirectory(target_.gameDir + "maps");
  services.fs.createDirectory(target_.gameDir + "TC");

  std::string error;
  listener_ = services.network.listenStream(streamAddress(socket_.ownAddress()), error);
  if (!listener_) {
    services.prompter.ask("", socketFailure(error), platform::Buttons::kOk);
    result_ = Result::kFailed;
    return;
  }
  file_ = services.fs.open(scratch_, platform::OpenMode::kCreateTruncate);
  if (!file_) {
    services.prompter.ask("", kCouldNotCreateFile, platform::Buttons::kOk);
    listener_.reset();
    result_ = Result::kFailed;
  }
}

DownloadDialog::~DownloadDialog() {
  if (result_ != Result::kDone) fail();
}

void DownloadDialog::fail() {
  result_ = Result::kFailed;
  connection_.reset();
  listener_.reset();
  if (file_) {
    file_.reset();
    socket_.services().fs.deleteFile(scratch_);
  }
}

bool DownloadDialog::writeGathered() {
  const size_t count = gathered_.size();
  const bool written = count == 0 || (file_ && file_->write(gathered_.data(), count) == count);
  gathered_.clear();
  return written;
}

void DownloadDialog::finish() {
  connection_.reset();
  listener_.reset();
  if (!writeGathered()) {
    fail();
    return;
  }
  file_.reset();
  platform::FileSystem& fs = socket_.services().fs;
  // A different file under the map's name (another size or time) gives way to the server's.
  if (fs.exists(target_.destination) && !fs.deleteFile(target_.destination)) {
    fs.deleteFile(scratch_);
    result_ = Result::kFailed;
    return;
  }
  if (!fs.moveFile(scratch_, target_.destination)) {
    fs.deleteFile(scratch_);
    result_ = Result::kFailed;
    return;
  }
  fs.setModificationTime(target_.destination, int64_t(target_.time));
  result_ = Result::kDone;
}

void DownloadDialog::quit() {
  if (result_ == Result::kRunning) fail();
}

void DownloadDialog::countSeconds(uint64_t now) {
  seconds_ = int((now - quietSince_) / 1000);
  if (seconds_ > kTimeoutSeconds) location_ = kServerNotResponding;
  if (seconds_ > kTimeoutSeconds + 5) fail();
}

void DownloadDialog::poll() {
  if (result_ != Result::kRunning) return;
  const uint64_t now = socket_.services().clock.milliseconds();
  if (!connection_) {
    if (!lastRequest_ || now - *lastRequest_ >= kRequestIntervalMs) {
      lastRequest_ = now;
      socket_.endpoint().send(
          target_.server,
          makeFileRequest(target_.server, socket_.ownAddress(), int32_t(nextBlock_)).bytes());
    }
    connection_ = listener_->accept();
    if (connection_) {
      // The listener has done its work: a second server connecting is not heard.
      listener_.reset();
      quietSince_ = now;
    }
  }
  if (connection_) readBlocks();
  if (result_ == Result::kRunning) countSeconds(socket_.services().clock.milliseconds());
}

void DownloadDialog::readBlocks() {
  std::vector<uint8_t> message;
  bool heard = false;
  for (size_t i = 0; i < kBlocksPerPoll && result_ == Result::kRunning; ++i) {
    switch (connection_->receive(FileBlockTag::kSize, message, 0)) {
      case platform::StreamConnection::Read::kMessage:
        errors_ = 0;
        if (!heard) quietSince_ = socket_.services().clock.milliseconds();
        heard = true;
        takeBlock(message);
        break;
      case platform::StreamConnection::Read::kEnd:
        // The server closed after its last block: whole only when every byte came.
        if (received_ == target_.size)
          finish();
        else
          fail();
        return;
      case platform::StreamConnection::Read::kNothingYet:
        return;
      case platform::StreamConnection::Read::kError:
        if (++errors_ >= kErrorsInARow) fail();
        break;
    }
  }
}

bool DownloadDialog::takeBlock(std::span<const uint8_t> bytes) {
  if (result_ != Result::kRunning || !file_) return false;
  const auto block = readFileBlock(bytes);
  if (!block) return true;  // a message of another size is no block; skipped
  // The server's file is not the one announced: nothing of it is kept.
  if (uint32_t(block->get(file_block::FileLength)) != target_.size) {
    fail();
    return false;
  }
  if (uint32_t(block->get(file_block::BlockIndex)) != nextBlock_ || received_ >= target_.size)
    return true;
  if (nextBlock_ == 0) progressRange_ = int(target_.size / kBlockData);
  const size_t count = size_t(std::min<uint64_t>(kBlockData, target_.size - received_));
  const std::span<const uint8_t> data = block->get(file_block::Data);
  gathered_.insert(gathered_.end(), data.begin(), data.begin() + std::ptrdiff_t(count));
  // Written a piece at a time, not a system call per block.
  if (gathered_.size() >= kWritePiece && !writeGathered()) {
    fail();
    return false;
  }
  ++nextBlock_;
  received_ += count;
  if (received_ == target_.size) {
    finish();
    return false;
  }
  return true;
}

}  // namespace lan
