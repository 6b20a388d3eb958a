// "Quillfen95 Server": this copy announces its game once a second, takes players' join
// requests until the game's number of players has joined, relays the players' chat and serves
// the launch file to clients that lack it. Then it takes each client through the start: a
// "PreStart0" repeated every 500 ms until that client confirms (32 times, 16 seconds, at
// most); a client that never confirms is dropped and the search goes on; once all confirmed,
// "StartNow0" to each, and the server's own game starts.
//
// Nothing here waits: the window calls poll() as often as it likes (it reads the clock, takes
// at most 64 datagrams and sends at most 64 map blocks a time) and shows status(), log(),
// searchLine(), counter() and the progress. The buttons call sendMessage(), cancel() and
// options(). When result() is no longer kRunning the window closes the dialog; kStarted means
// the server's game is to be launched.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "lan/lan_socket.h"
#include "lan/upload.h"

namespace lan {

class ServerDialog : private UploadLog {
 public:
  static constexpr const char* kTitle = "Quillfen95 Server";
  enum class Result { kRunning, kStarted, kFailed };

  static constexpr size_t kMaxClients = 16;
  static constexpr size_t kSeenRing = 255;
  static constexpr uint64_t kBroadcastIntervalMs = 1000;
  static constexpr uint64_t kConfirmIntervalMs = 500;
  static constexpr int kConfirmAttempts = 32;
  // Copies of each "StartNow0": one lost datagram must not leave a player behind.
  static constexpr int kStartNowCopies = 3;
  static constexpr size_t kMaxUploads = kMaxClients;
  // A quarter megabyte a poll: a big map travels at speed, and one poll stays short.
  static constexpr size_t kBlocksPerPoll = 1024;

  // Refused (kFailed at once) when this copy may never serve. With a launch file its size and
  // time go into the announcement and its directory is made relative to the game's.
  // `openOptions` runs the auto-launch options dialog for the "Options" button.
  ServerDialog(LanSocket& socket, std::function<void()> openOptions = {});
  ~ServerDialog() override;
  ServerDialog(const ServerDialog&) = delete;
  ServerDialog& operator=(const ServerDialog&) = delete;

  void poll();
  // One received datagram, as poll() hands them on.
  void onDatagram(std::span<const uint8_t> bytes, const platform::IpxAddress& from);
  // "Send MSG" with the entry's text (the window clears the entry).
  void sendMessage(const std::string& text);
  // "Cancel": every client is told and the server ends without a launch.
  void cancel();
  // "Options".
  void options();

  Result result() const { return result_; }
  const std::string& status() const { return status_; }
  // The message log: each line ends in "\r\n"; the first is the information text.
  const std::string& log() const { return log_; }
  const std::string& searchLine() const { return searchLine_; }
  // Announcements sent so far.
  std::string counter() const { return std::to_string(broadcasts_); }
  int progress() const { return count_; }
  int progressRange() const { return otherPlayers() + 1; }
  int playerCount() const { return count_; }
  const std::vector<platform::IpxAddress>& players() const { return players_; }
  int seconds() const { return seconds_; }
  bool starting() const { return state_ == State::kStarting; }

 private:
  enum class State { kSearching, kStarting, kDone };
  struct Seen {
    platform::IpxAddress origin;
    int32_t sequence = 0;
  };

  void showStatus(const std::string& text) override { status_ = text; }
  void logLine(const std::string& line) override;

  int otherPlayers() const;
  std::string gameDirectory() const;
  bool send(const platform::IpxAddress& to, std::span<const uint8_t> bytes);
  bool broadcast(std::span<const uint8_t> bytes);
  void broadcastAnnouncement();
  void showFound();
  void checkAllFound(uint64_t now);
  void end(Result result);

  void onFileRequest(std::span<const uint8_t> bytes, const platform::IpxAddress& from);
  void onChat(std::span<const uint8_t> bytes);
  void onJoin(std::span<const uint8_t> bytes);
  void onConfirm(std::span<const uint8_t> bytes);
  uint8_t nextSequence();

  Handshake startMessage(const char* subkind, size_t client) const;
  void askNextClient(uint64_t now);
  void advanceStart(uint64_t now);
  void dropClient();
  void sendStartNow();
  void pumpUploads();

  LanSocket& socket_;
  BusyMark busyMark_;
  std::function<void()> openOptions_;
  Result result_ = Result::kRunning;
  State state_ = State::kSearching;
  bool busy_ = false;
  bool lastSendFailed_ = false;

  std::string status_, log_, searchLine_;
  std::vector<platform::IpxAddress> players_;
  int count_ = 1;
  std::array<Seen, kSeenRing> seen_{};
  uint8_t seenIndex_ = 0;
  std::string lastVersion_ = std::string(10, '\0');

  uint32_t broadcasts_ = 0;
  std::optional<uint64_t> lastBroadcast_;
  uint64_t secondsMark_ = 0;
  int seconds_ = 0;

  // The start: the client being asked, its attempt and when it began, datagrams seen.
  size_t client_ = 0;
  int attempt_ = 0;
  uint64_t attemptStart_ = 0;
  int scan_ = 0;

  std::vector<std::unique_ptr<Upload>> uploads_;
};

}  // namespace lan
