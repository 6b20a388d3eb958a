// The views of a network start's dialogs on the pretend network: the timer ticks the dialog,
// the controls show its status, log and progress, the buttons reach it, and the view ends
// itself when the dialog has its result.
#include "gui/dialogs/lan_views.h"

#include <wx/gauge.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "gui/dialogs/view_support.h"
#include "lan/lan_copy.h"
#include "lan/lan_texts.h"
#include "view_helpers.h"

namespace {

using gui::fromWx;
using namespace gui::dialogs;
using lantest::ClientFlow;
using lantest::LanCopy;
using viewtest::click;
using viewtest::control;
using viewtest::screenshot;
using viewtest::show;
using viewtest::textOf;

std::string labelOf(wxWindow* view, int id) {
  return fromWx(control<wxStaticText>(view, id)->GetLabel());
}

class LanViewsTest : public lantest::LanTest {
 protected:
  LanViewsTest() : server(addCopy("Sam")) {}

  lan::ServerDialog& serve(int otherPlayers, const std::string& map = "") {
    server.univ().set(lantest::ui::PlayersIndex, uint8_t(otherPlayers - 1));
    server.open().prepareAnnouncement(map, map.empty() ? "" : lantest::kGameDir);
    dialog = std::make_unique<lan::ServerDialog>(*server.socket);
    return *dialog;
  }
  // The views' timers tick while the pretend clock moves on and the rest of the network runs;
  // false when `done` did not come within `limitMs` of that clock.
  bool runUntil(const std::function<void()>& others, const std::function<bool()>& done,
                uint64_t limitMs = 5000) {
    for (uint64_t t = 0; t <= limitMs; t += 20) {
      others();
      wxMilliSleep(TickedView::kTickMs + 2);
      wxYield();
      if (done()) return true;
      clock.advance(20);
    }
    return false;
  }

  LanCopy& server;
  std::unique_ptr<lan::ServerDialog> dialog;
};

TEST_F(LanViewsTest, TheServerViewFollowsTheSearchCarriesChatAndEndsAtTheStart) {
  lan::ServerDialog& s = serve(2);
  ServerView view(nullptr, s);
  show(&view, "");
  ClientFlow carol(addCopy("Carol"));
  ASSERT_TRUE(
      runUntil([&] { carol.poll(); }, [&] { return carol.stage == ClientFlow::Stage::kWaiting; }));
  ASSERT_TRUE(runUntil([] {},
                       [&] {
                         return labelOf(&view, kIdLanStatus) ==
                                "Found 2 out of 3 players for Duke3D 1.3 Reg.";
                       }));
  EXPECT_EQ(labelOf(&view, kIdLanSearch),
            "Seaching for other players using Quillfen95.  \nPress Cancel to quit seaching.");
  EXPECT_NE(textOf(&view, kIdLanLog).find("Server: Skill 1\nServer: Episode 1\n"),
            std::string::npos);
  EXPECT_EQ(control<wxGauge>(&view, kIdLanProgress)->GetRange(), 3);
  EXPECT_EQ(control<wxGauge>(&view, kIdLanProgress)->GetValue(), 2);
  EXPECT_EQ(labelOf(&view, kIdLanCounter), s.counter());

  control<wxTextCtrl>(&view, kIdLanMessage)->ChangeValue("ready when you are");
  click(&view, kIdLanSend);
  EXPECT_EQ(textOf(&view, kIdLanMessage), "");
  ASSERT_TRUE(runUntil(
      [&] { carol.poll(); },
      [&] { return carol.dialog->log().find("ready when you are") != std::string::npos; }));
  EXPECT_NE(textOf(&view, kIdLanLog).find("ready when you are"), std::string::npos);
  screenshot(&view, "lan_server");

  ClientFlow dave(addCopy("Dave"));
  ASSERT_TRUE(runUntil(
      [&] {
        carol.poll();
        dave.poll();
      },
      [&] { return !view.IsShown(); }));
  EXPECT_EQ(s.result(), lan::ServerDialog::Result::kStarted);
}

TEST_F(LanViewsTest, CancelInTheServerViewTellsTheClientsAndEndsIt) {
  lan::ServerDialog& s = serve(2);
  ServerView view(nullptr, s);
  show(&view, "");
  ClientFlow carol(addCopy("Carol"));
  ASSERT_TRUE(
      runUntil([&] { carol.poll(); }, [&] { return carol.stage == ClientFlow::Stage::kWaiting; }));
  click(&view, wxID_CANCEL);
  EXPECT_EQ(s.result(), lan::ServerDialog::Result::kFailed);
  ASSERT_TRUE(
      runUntil([&] { carol.poll(); },
               [&] { return !view.IsShown() && carol.stage == ClientFlow::Stage::kFailed; }));
}

TEST_F(LanViewsTest, TheClientViewShowsTheServerAndEndsWhenAccepted) {
  server.putMap(std::string(lantest::kGameDir) + "HELL.MAP", lantest::mapBytes(300));
  serve(2, "HELL.MAP");
  LanCopy& carol = addCopy("Carol");
  carol.putMap(std::string(lantest::kGameDir) + "HELL.MAP", lantest::mapBytes(300));
  lan::LanSocket& socket = carol.open();
  ASSERT_TRUE(
      runUntil([&] { dialog->poll(); },
               [&] { return socket.receiveAnnouncement() == lan::LanSocket::Heard::kJoin; }));

  lan::ClientDialog join(socket, lan::ClientDialog::Phase::kJoin);
  ClientView view(nullptr, join);
  show(&view, "lan_client");
  EXPECT_EQ(labelOf(&view, kIdLanHeading),
            "Found \"Quillfen95 Sever\" for a \n(Duke3D 1.3 Reg.) multiplayer game.");
  EXPECT_EQ(
      labelOf(&view, kIdLanInformation),
      "Server: Skill 1\nServer: Launch file = HELL.MAP\nServer: Launch Dir = D:\\games\\Duke3d\\");
  EXPECT_EQ(labelOf(&view, kIdLanStatus), lan::kWaitingForAccept);
  ASSERT_TRUE(runUntil([&] { dialog->poll(); }, [&] { return !view.IsShown(); }));
  EXPECT_EQ(join.result(), lan::ClientDialog::Result::kAccepted);
  EXPECT_EQ(dialog->playerCount(), 2);
}

TEST_F(LanViewsTest, TheDownloadViewCountsPacketsUntilTheMapIsThere) {
  const std::string map = std::string(lantest::kGameDir) + "HELL.MAP";
  server.putMap(map, lantest::mapBytes(30000));
  serve(2, "HELL.MAP");
  LanCopy& carol = addCopy("Carol");
  lan::LanSocket& socket = carol.open();
  ASSERT_TRUE(
      runUntil([&] { dialog->poll(); },
               [&] { return socket.receiveAnnouncement() == lan::LanSocket::Heard::kDownload; }));
  std::unique_ptr<lan::DownloadDialog> download = socket.startDownload();
  ASSERT_NE(download, nullptr);
  DownloadView view(nullptr, *download);
  show(&view, "lan_download");
  EXPECT_EQ(textOf(&view, kIdLanLocation), download->target().destination);
  ASSERT_TRUE(runUntil([&] { dialog->poll(); }, [&] { return !view.IsShown(); }));
  EXPECT_EQ(download->result(), lan::DownloadDialog::Result::kDone);
  EXPECT_EQ(textOf(&view, kIdLanPacket), download->packetNumber());
  EXPECT_EQ(control<wxGauge>(&view, kIdLanProgress)->GetValue(), download->progressRange());
  EXPECT_EQ(carol.machine.fs.readWhole(download->target().destination), lantest::mapBytes(30000));
}

}  // namespace
