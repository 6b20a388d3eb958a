// "Found Quillfen95 Server": this copy answers an announcement. In the join phase it asks the
// server to take it every 500 ms until the server accepts (7 seconds at most); in the waiting
// phase (the launch of the joined game) it waits up to 600 seconds for "PreStart0", confirms
// it, and once "StartNow0" came it ends 2 seconds later, when the server's game is under way.
// The server's quit, Cancel or a time-out end it without a launch.
//
// The window calls poll() as often as it likes (it reads the clock and takes at most 64
// datagrams a time) and shows heading(), information(), status() and log(). The buttons call
// sendMessage(), cancel() and options(). When result() is no longer kRunning the window closes
// the dialog: kAccepted ends the join phase with the server's settings to take over, kStarted
// the waiting phase with the game to launch.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "lan/lan_socket.h"

namespace lan {

class ClientDialog {
 public:
  static constexpr const char* kTitle = "Found Quillfen95 Server";
  enum class Phase { kJoin, kWaitForStart };
  enum class Result { kRunning, kAccepted, kStarted, kFailed };

  static constexpr uint64_t kJoinIntervalMs = 500;
  static constexpr int kJoinTimeoutSeconds = 7;
  static constexpr int kStartTimeoutSeconds = 600;
  static constexpr uint64_t kLaunchDelayMs = 2000;

  // Talks to the server of the announcement the socket last found usable. The join phase is
  // refused (kFailed at once) when this copy may never be a client.
  ClientDialog(LanSocket& socket, Phase phase, std::function<void()> openOptions = {});
  ClientDialog(const ClientDialog&) = delete;
  ClientDialog& operator=(const ClientDialog&) = delete;

  void poll();
  void onDatagram(std::span<const uint8_t> bytes);
  // "Send MSG": the line goes to the server, and shows here when the server relays it.
  void sendMessage(const std::string& text);
  void cancel();
  void options();

  Result result() const { return result_; }
  Phase phase() const { return phase_; }
  const std::string& heading() const { return heading_; }
  const std::string& information() const { return information_; }
  const std::string& status() const { return status_; }
  const std::string& log() const { return log_; }
  int seconds() const { return seconds_; }
  int timeout() const { return timeout_; }
  bool preStartReceived() const { return preStart_; }
  bool startReceived() const { return startNow_.has_value(); }

 private:
  bool fromServer(const Handshake& h) const;
  bool forMe(const Handshake& h) const;
  void sendJoin();
  void onHandshake(const Handshake& h, const std::string& kind, const std::string& subkind);
  void onChat(std::span<const uint8_t> bytes);
  void end(Result result) { result_ = result; }

  LanSocket& socket_;
  BusyMark busyMark_;
  Phase phase_;
  std::function<void()> openOptions_;
  Result result_ = Result::kRunning;
  bool busy_ = false;

  std::string heading_, information_, status_, log_;
  platform::IpxAddress server_;
  int timeout_;
  int seconds_ = 0;
  uint64_t secondsMark_;
  std::optional<uint64_t> lastJoin_;
  bool preStart_ = false;
  std::optional<uint64_t> startNow_;
  std::optional<uint8_t> lastSequence_;
  int32_t mySequence_ = 0;
};

}  // namespace lan
