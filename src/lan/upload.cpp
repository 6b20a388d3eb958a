#include "lan/upload.h"

#include <algorithm>
#include <limits>

#include "lan/lan_texts.h"

namespace lan {

std::unique_ptr<Upload> Upload::start(platform::Network& network, platform::FileSystem& fs,
                                      const std::string& path, const FileRequest& request,
                                      const std::string& status, UploadLog& log) {
  auto file = fs.open(path, platform::OpenMode::kRead);
  if (!file) return nullptr;
  log.showStatus(status);
  log.logLine("Server: " + status);
  const platform::IpxAddress requester = addressOf(request, file_request::RequesterAddress);
  std::string error;
  auto connection = network.connectStream(streamAddress(requester), error);
  if (!connection) {
    log.showStatus(kUploadSocketConnect);
    log.logLine(kUploadSocketConnect);
    return nullptr;
  }
  log.logLine(kUploadConnected);
  // A map is far below 4 GB; the length field could not say more.
  const uint32_t length =
      uint32_t(std::min<uint64_t>(file->length(), std::numeric_limits<uint32_t>::max()));
  const uint32_t blocks = uint32_t((uint64_t(length) + kBlockData - 1) / kBlockData);
  return std::unique_ptr<Upload>(new Upload(std::move(file), std::move(connection),
                                            blockTemplate(request, length), blocks, log));
}

Upload::Upload(std::unique_ptr<platform::FileHandle> file,
               std::unique_ptr<platform::StreamConnection> connection, FileBlock block,
               uint32_t blocks, UploadLog& log)
    : file_(std::move(file)),
      connection_(std::move(connection)),
      block_(block),
      blocks_(blocks),
      log_(log) {}

size_t Upload::readBlockData(std::span<uint8_t> data) {
  // The file is read a piece at a time, not a system call per block; a block is filled
  // whole unless the file ends.
  size_t filled = 0;
  while (filled < data.size()) {
    if (readAt_ == readAhead_.size()) {
      readAhead_.resize(kReadPiece);
      readAhead_.resize(file_->read(readAhead_.data(), readAhead_.size()));
      readAt_ = 0;
      if (readAhead_.empty()) break;
    }
    const size_t count = std::min(data.size() - filled, readAhead_.size() - readAt_);
    std::copy_n(readAhead_.begin() + std::ptrdiff_t(readAt_), count,
                data.begin() + std::ptrdiff_t(filled));
    readAt_ += count;
    filled += count;
  }
  return filled;
}

bool Upload::send(size_t& budget) {
  while (budget > 0) {
    std::span<uint8_t> data = block_.region(file_block::Data);
    const size_t got = index_ < blocks_ ? readBlockData(data) : 0;
    if (got == 0) {
      const bool sent = connection_->flush();
      connection_.reset();
      if (!sent) {
        log_.showStatus(kUploadSocketSend);
        log_.logLine(kUploadSocketSend);
        return false;
      }
      log_.logLine(kUploadComplete);
      return false;
    }
    // The last block is padded with zeros, not with the block before it.
    std::fill(data.begin() + std::ptrdiff_t(got), data.end(), uint8_t(0));
    block_.set(file_block::BlockIndex, int32_t(index_));
    --budget;
    if (!connection_->send(block_.bytes())) {
      log_.showStatus(kUploadSocketSend);
      log_.logLine(kUploadSocketSend);
      connection_.reset();
      return false;
    }
    if (index_ == 1) log_.logLine(kUploadGoing);
    ++index_;
  }
  // The blocks of this turn go out now: the client is not kept waiting for a fuller buffer.
  if (!connection_->flush()) {
    log_.showStatus(kUploadSocketSend);
    log_.logLine(kUploadSocketSend);
    connection_.reset();
    return false;
  }
  return true;
}

}  // namespace lan
