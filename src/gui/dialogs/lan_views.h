// The views of a network start's dialogs: the server's search, the client's join and wait, the
// map download. A timer ticks the plain dialog while the view is up and shows what it says;
// the view ends itself once the dialog has its result.
#pragma once

#include <wx/gauge.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <functional>
#include <string>

#include "gui/dialogs/view_support.h"
#include "lan/client_dialog.h"
#include "lan/download_dialog.h"
#include "lan/server_dialog.h"

namespace gui::dialogs {

// A view whose dialog runs by itself: `tick` polls it and refreshes the controls, false once
// the dialog has ended.
class TickedView : public View {
 public:
  // How often the dialog is polled: datagrams are answered as they come, not on a slow beat.
  static constexpr int kTickMs = lan::kPollIntervalMs;

  TickedView(wxWindow* parent, const char* title);
  ~TickedView() override;

 protected:
  void startTicking(std::function<bool()> tick, std::function<void()> cancel);
  // The log control shows `text` (lines ended by "\r\n"), scrolled to its last line.
  static void showLog(wxTextCtrl* log, const std::string& text);
  static void showText(wxStaticText* label, const std::string& text);
  static void showGauge(wxGauge* gauge, int value, int range);

 private:
  wxTimer timer_;
  std::function<bool()> tick_;
  bool ended_ = false;
};

class ServerView : public TickedView {
 public:
  ServerView(wxWindow* parent, lan::ServerDialog& dialog);

 private:
  bool tick();

  lan::ServerDialog& dialog_;
  wxStaticText *status_ = nullptr, *search_ = nullptr, *counter_ = nullptr;
  wxTextCtrl *log_ = nullptr, *message_ = nullptr;
  wxGauge* progress_ = nullptr;
};

class ClientView : public TickedView {
 public:
  ClientView(wxWindow* parent, lan::ClientDialog& dialog);

 private:
  bool tick();

  lan::ClientDialog& dialog_;
  wxStaticText* status_ = nullptr;
  wxTextCtrl *log_ = nullptr, *message_ = nullptr;
};

class DownloadView : public TickedView {
 public:
  DownloadView(wxWindow* parent, lan::DownloadDialog& dialog);

 private:
  bool tick();

  lan::DownloadDialog& dialog_;
  wxTextCtrl *packet_ = nullptr, *location_ = nullptr;
  wxGauge* progress_ = nullptr;
};

}  // namespace gui::dialogs
