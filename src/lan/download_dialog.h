// "Download file": a client fetches the map a server announced before it asks to join. It
// listens on its stream socket, asks the server for the file by datagram until the server
// connects, then takes the blocks in order. The file is written under a scratch name beside
// its destination and renamed when the last byte arrived, stamped with the announced time:
// an interrupted, short or overlong transfer leaves nothing under the map's name, and never
// more than the announced size is written.
//
// The window calls poll() as often as it likes (it reads the clock and takes at most 64 blocks
// a time) and shows location(), packetNumber() and the progress; Quit calls quit(). When
// result() is no longer kRunning the window closes it and hands it to
// LanSocket::finishDownload().
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "lan/lan_socket.h"

namespace lan {

struct DownloadTarget {
  std::string gameDir;      // ends in "\"; its "maps" and "TC" are made
  std::string destination;  // the map's path, in the game's "maps\" directory
  platform::IpxAddress server;
  uint32_t size = 0;  // as announced
  uint32_t time = 0;  // seconds since 1970, as announced
};

class DownloadDialog {
 public:
  enum class Result { kRunning, kDone, kFailed };

  static constexpr int kTimeoutSeconds = 5;
  // The request is repeated until the server connects.
  static constexpr uint64_t kRequestIntervalMs = 500;
  static constexpr int kErrorsInARow = 10;
  // A quarter megabyte a poll: a big map travels at speed, and one poll stays short.
  static constexpr size_t kBlocksPerPoll = 1024;

  // Makes the directories, listens and creates the scratch file; a failure is shown ("Bad
  // socket", "Bad bind", "Could not create file") and the dialog ends at once.
  DownloadDialog(LanSocket& socket, DownloadTarget target);
  // A transfer that did not finish leaves no file behind.
  ~DownloadDialog();
  DownloadDialog(const DownloadDialog&) = delete;
  DownloadDialog& operator=(const DownloadDialog&) = delete;

  void poll();
  void quit();
  // One block as the stream delivered it; false when the transfer ended with it.
  bool takeBlock(std::span<const uint8_t> bytes);

  Result result() const { return result_; }
  const DownloadTarget& target() const { return target_; }
  // The "Download location" box: the destination, or the time-out text.
  const std::string& location() const { return location_; }
  // The "Packet Number" box: blocks taken so far.
  std::string packetNumber() const { return std::to_string(nextBlock_); }
  int progress() const { return int(nextBlock_); }
  int progressRange() const { return progressRange_; }
  uint64_t received() const { return received_; }
  int seconds() const { return seconds_; }

 private:
  void fail();
  void finish();
  // The blocks gathered so far go to the scratch file; false when it could not take them.
  bool writeGathered();
  void readBlocks();
  void countSeconds(uint64_t now);

  LanSocket& socket_;
  BusyMark busy_;
  DownloadTarget target_;
  std::string scratch_;
  std::unique_ptr<platform::FileHandle> file_;
  static constexpr size_t kWritePiece = 64 * 1024;
  std::vector<uint8_t> gathered_;
  std::unique_ptr<platform::StreamListener> listener_;
  std::unique_ptr<platform::StreamConnection> connection_;
  Result result_ = Result::kRunning;
  std::string location_;
  uint32_t nextBlock_ = 0;
  uint64_t received_ = 0;
  int progressRange_ = 0;
  int errors_ = 0;
  int seconds_ = 0;
  uint64_t quietSince_ = 0;
  std::optional<uint64_t> lastRequest_;
};

}  // namespace lan
