// The coordination endpoint of one copy of the program: made while multiplayer mode and
// automatic launching are on, destroyed when either goes off and made again after every
// coordinated launch. It listens for servers while idle, holds the announcement this copy
// sends when it serves, and carries the server's settings into the records when this copy
// joins a game.
//
// How the main view drives it:
//   - idle (every 100 ms or so, while no coordination dialog is open): receiveAnnouncement();
//     kJoin: run a ClientDialog in the join phase, and when it is accepted take the launch from
//     takeOverServerSettings() (its launch waits for the start through a ClientDialog in the
//     waiting phase); kDownload: run startDownload()'s dialog, then finishDownload() says
//     whether to join.
//   - before each launch in multiplayer mode: prepareAnnouncement(), then a ServerDialog when
//     clientMode() is off, a ClientDialog waiting for the start when it is on.
//   - after the launch: restoreAfterLaunch(), then the endpoint is destroyed and made again.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "catalogue/catalogue.h"
#include "lan/datagrams.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/network.h"
#include "platform/prompter.h"

namespace lan {

class DownloadDialog;

struct LanServices {
  platform::Network& network;
  platform::FileSystem& fs;
  platform::Clock& clock;
  platform::Prompter& prompter;
};

// How many datagrams one poll takes at most: a flood never holds the window up.
inline constexpr size_t kDatagramsPerPoll = 64;
// How often the window polls a coordination dialog: a datagram waits at most this long.
inline constexpr int kPollIntervalMs = 5;

// What the main view launches once a server accepted this copy.
struct ClientLaunch {
  bool hasLaunchFile = false;
  std::string launchDir;  // ends in "\"; inside the game's tree or where a copy was found
  std::string launchFile;
  int32_t viewOption = 0;  // the server's main-view setting, for the view to take
};

class LanSocket {
 public:
  enum class Heard {
    kNothing,
    kJoin,      // a usable announcement: its game is selected, its file is here
    kDownload,  // usable once its file is downloaded
  };

  // Opens the endpoint on socket 34869; "Bad socket" or "Bad bind" (empty caption) when the
  // network cannot give it, and the copy then runs without coordination.
  LanSocket(LanServices services, catalogue::Catalogue& catalogue);
  ~LanSocket();
  LanSocket(const LanSocket&) = delete;
  LanSocket& operator=(const LanSocket&) = delete;

  bool isOpen() const { return endpoint_ != nullptr; }
  platform::IpxAddress ownAddress() const;
  // Only while open.
  platform::DatagramEndpoint& endpoint() { return *endpoint_; }

  // Set while a coordination dialog is open: the idle listener stays quiet.
  bool busy() const { return busy_; }
  void setBusy(bool busy) { busy_ = busy; }
  // Set once this copy accepted a server's invitation: its next launch waits for that server.
  bool clientMode() const { return clientMode_; }
  void setClientMode(bool on) { clientMode_ = on; }

  // One poll of the idle listener: takes waiting datagrams until one is usable.
  Heard receiveAnnouncement();
  // The idle listener's judgement of one datagram.
  Heard hear(std::span<const uint8_t> bytes);

  // The announcement last found usable, and where its file is here.
  const Announcement& heard() const { return heard_; }
  platform::IpxAddress serverAddress() const;
  bool hasLaunchFile() const { return heard_.get(announcement::HasLaunchFile) != 0; }
  const std::string& launchDir() const { return launchDir_; }
  const std::string& launchFile() const { return launchFile_; }
  // Set when the announced game is another defined game than the selected one.
  bool matchedGame() const { return matchedSlot_.has_value(); }
  std::optional<int> matchedSlot() const { return matchedSlot_; }
  const std::string& matchedGameDir() const { return matchedGameDir_; }

  // After kDownload: the dialog fetching the file (nothing when no download waits).
  std::unique_ptr<DownloadDialog> startDownload();
  // The dialog ended: true when the file arrived and the announcement is usable (its game is
  // then selected).
  bool finishDownload(const DownloadDialog& dialog);

  // Fills the outgoing announcement from the current settings; `launchFile` empty: no file.
  void prepareAnnouncement(const std::string& launchFile, const std::string& launchDir,
                           int32_t viewOption = 0);
  Announcement& announcement() { return outgoing_; }
  const Announcement& announcement() const { return outgoing_; }
  // The six option words and the clan, after the options dialog changed them.
  void copyOptionsIntoAnnouncement();
  // "Options" of either dialog: `openDialog` runs the auto-launch options, whose words then go
  // into the announcement, and a note says when they count.
  void runOptions(const std::function<void()>& openDialog);

  // The server's settings into this copy's records (socket number into slot 9, selected);
  // sets client mode.
  ClientLaunch takeOverServerSettings();
  // Puts the socket selection and slot 9 back as they were before the take-over.
  void restoreAfterLaunch();

  LanServices& services() { return services_; }
  catalogue::Catalogue& catalogue() { return catalogue_; }
  // The selected entry of the player-name list.
  std::string playerName() const;

 private:
  struct PendingDownload {
    Announcement announcement;
    std::string gameDir;
    std::optional<int> slot;
  };
  struct SavedSocket {
    uint8_t index;
    int32_t slot9;
  };

  // The first defined slot of the game file named `name`, with its directory.
  std::optional<std::pair<int, std::string>> findGame(const std::string& name) const;
  void accept(const Announcement& a, std::optional<int> slot, const std::string& gameDir,
              std::string dir, std::string file);

  LanServices services_;
  catalogue::Catalogue& catalogue_;
  std::unique_ptr<platform::DatagramEndpoint> endpoint_;
  Announcement outgoing_;
  Announcement heard_;
  std::string launchDir_, launchFile_;
  std::optional<int> matchedSlot_;
  std::string matchedGameDir_;
  std::optional<PendingDownload> pending_;
  std::optional<SavedSocket> saved_;
  bool busy_ = false;
  bool clientMode_ = false;
};

// Marks the endpoint busy for a dialog's lifetime.
class BusyMark {
 public:
  explicit BusyMark(LanSocket& socket) : socket_(socket) { socket_.setBusy(true); }
  ~BusyMark() { socket_.setBusy(false); }
  BusyMark(const BusyMark&) = delete;
  BusyMark& operator=(const BusyMark&) = delete;

 private:
  LanSocket& socket_;
};

}  // namespace lan
