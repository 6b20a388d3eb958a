// The server's side of a map transfer: the launch file, 256 bytes a block, over a stream it
// opens to the requester's stream socket. It goes on across the server's polls, a few blocks
// at a time, so the server keeps answering while a big map travels.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>
#include <string>

#include "lan/datagrams.h"
#include "platform/file_system.h"
#include "platform/network.h"

namespace lan {

// Where the server's status line and message log take an upload's lines.
class UploadLog {
 public:
  virtual ~UploadLog() = default;
  virtual void showStatus(const std::string& text) = 0;
  virtual void logLine(const std::string& line) = 0;
};

class Upload {
 public:
  // Opens `path` and connects to the requester; nothing when the file cannot be read (silently)
  // or the connection cannot be made (said in the log). `status` names the requester.
  static std::unique_ptr<Upload> start(platform::Network& network, platform::FileSystem& fs,
                                       const std::string& path, const FileRequest& request,
                                       const std::string& status, UploadLog& log);

  // Sends blocks while `budget` lasts, taking each from it; false once the upload ended.
  bool send(size_t& budget);
  platform::IpxAddress requester() const { return addressOf(block_, file_block::RequesterAddress); }

 private:
  Upload(std::unique_ptr<platform::FileHandle> file,
         std::unique_ptr<platform::StreamConnection> connection, FileBlock block, uint32_t blocks,
         UploadLog& log);

  // The next block's data (at most `data.size()` bytes) from the file; 0 at its end.
  size_t readBlockData(std::span<uint8_t> data);

  static constexpr size_t kReadPiece = 64 * 1024;
  std::unique_ptr<platform::FileHandle> file_;
  std::vector<uint8_t> readAhead_;
  size_t readAt_ = 0;
  std::unique_ptr<platform::StreamConnection> connection_;
  FileBlock block_;
  uint32_t blocks_;  // what the announced length fills; the file may grow meanwhile
  uint32_t index_ = 0;
  UploadLog& log_;
};

}  // namespace lan
