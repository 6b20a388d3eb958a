#include "gui/dialogs/lan_views.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include <algorithm>

#include "lan/lan_texts.h"

namespace gui::dialogs {

namespace {

// The dialogs end their lines with "\r\n"; the controls want "\n".
wxString lines(const std::string& text) {
  wxString shown = toWx(text);
  shown.Replace("\r\n", "\n");
  return shown;
}

wxTextCtrl* logControl(wxWindow* parent) {
  return new wxTextCtrl(parent, kIdLanLog, "", wxDefaultPosition,
                        wxSize(parent->GetCharWidth() * 60, parent->GetCharHeight() * 10),
                        wxTE_MULTILINE | wxTE_READONLY);
}

// The message entry with "Send MSG", then "Options" and "Cancel".
template <class Dialog>
wxSizer* chatAndButtons(wxWindow* parent, Dialog& dialog, wxTextCtrl*& message) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  auto* chat = new wxBoxSizer(wxHORIZONTAL);
  message = new wxTextCtrl(parent, kIdLanMessage, "", wxDefaultPosition, wxDefaultSize,
                           wxTE_PROCESS_ENTER);
  chat->Add(message, 1, wxEXPAND | wxRIGHT, 6);
  auto* send = new wxButton(parent, kIdLanSend, lan::kSendMessageButton);
  chat->Add(send);
  column->Add(chat, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  buttons->Add(new wxButton(parent, kIdLanOptions, lan::kOptionsButton), 0, wxRIGHT, 6);
  buttons->Add(new wxButton(parent, wxID_CANCEL, lan::kCancelButton));
  column->Add(buttons, 0, wxEXPAND | wxALL, 10);

  auto sendTyped = [&dialog, message](wxCommandEvent&) {
    const std::string text = fromWx(message->GetValue());
    if (text.empty()) return;
    dialog.sendMessage(text);
    message->Clear();
  };
  send->Bind(wxEVT_BUTTON, sendTyped);
  message->Bind(wxEVT_TEXT_ENTER, sendTyped);
  parent->Bind(
      wxEVT_BUTTON, [&dialog](wxCommandEvent&) { dialog.options(); }, kIdLanOptions);
  return column;
}

}  // namespace

TickedView::TickedView(wxWindow* parent, const char* title)
    : View(parent, wxID_ANY, title), timer_(this) {}

TickedView::~TickedView() {
  timer_.Stop();
}

void TickedView::startTicking(std::function<bool()> tick, std::function<void()> cancel) {
  tick_ = std::move(tick);
  // Cancel, Quit or the close box: the dialog says goodbye and the next tick ends the view.
  Bind(
      wxEVT_BUTTON, [cancel](wxCommandEvent&) { cancel(); }, wxID_CANCEL);
  Bind(wxEVT_CLOSE_WINDOW, [cancel](wxCloseEvent&) { cancel(); });
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
    if (ended_ || tick_()) return;
    ended_ = true;
    timer_.Stop();
    finish(wxID_OK);
  });
  tick_();
  timer_.Start(kTickMs);
}

void TickedView::showLog(wxTextCtrl* log, const std::string& text) {
  const wxString shown = lines(text);
  if (log->GetValue() == shown) return;
  log->ChangeValue(shown);
  log->ShowPosition(log->GetLastPosition());
}

void TickedView::showText(wxStaticText* label, const std::string& text) {
  const wxString shown = lines(text);
  if (label->GetLabel() != shown) label->SetLabel(shown);
}

void TickedView::showGauge(wxGauge* gauge, int value, int range) {
  if (range > 0 && gauge->GetRange() != range) gauge->SetRange(range);
  gauge->SetValue(std::clamp(value, 0, gauge->GetRange()));
}

ServerView::ServerView(wxWindow* parent, lan::ServerDialog& dialog)
    : TickedView(parent, lan::ServerDialog::kTitle), dialog_(dialog) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  status_ = new wxStaticText(this, kIdLanStatus, "");
  top->Add(status_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
  log_ = logControl(this);
  top->Add(log_, 1, wxEXPAND | wxALL, 10);
  search_ = new wxStaticText(this, kIdLanSearch, "");
  top->Add(search_, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  counter_ =
      new wxStaticText(this, kIdLanCounter, "", wxDefaultPosition, wxSize(GetCharWidth() * 6, -1));
  row->Add(counter_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  progress_ = new wxGauge(this, kIdLanProgress, std::max(1, dialog_.progressRange()));
  row->Add(progress_, 1, wxEXPAND);
  top->Add(row, 0, wxEXPAND | wxALL, 10);
  top->Add(chatAndButtons(this, dialog_, message_), 0, wxEXPAND);
  SetSizerAndFit(top);
  startTicking([this] { return tick(); }, [this] { dialog_.cancel(); });
}

bool ServerView::tick() {
  dialog_.poll();
  showText(status_, dialog_.status());
  showText(search_, dialog_.searchLine());
  showText(counter_, dialog_.counter());
  showGauge(progress_, dialog_.progress(), dialog_.progressRange());
  showLog(log_, dialog_.log());
  return dialog_.result() == lan::ServerDialog::Result::kRunning;
}

ClientView::ClientView(wxWindow* parent, lan::ClientDialog& dialog)
    : TickedView(parent, lan::ClientDialog::kTitle), dialog_(dialog) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, kIdLanHeading, lines(dialog_.heading())), 0,
           wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
  top->Add(new wxStaticText(this, kIdLanInformation, lines(dialog_.information())), 0,
           wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
  status_ = new wxStaticText(this, kIdLanStatus, "");
  top->Add(status_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
  log_ = logControl(this);
  top->Add(log_, 1, wxEXPAND | wxALL, 10);
  top->Add(chatAndButtons(this, dialog_, message_), 0, wxEXPAND);
  SetSizerAndFit(top);
  startTicking([this] { return tick(); }, [this] { dialog_.cancel(); });
}

bool ClientView::tick() {
  dialog_.poll();
  showText(status_, dialog_.status());
  showLog(log_, dialog_.log());
  return dialog_.result() == lan::ClientDialog::Result::kRunning;
}

DownloadView::DownloadView(wxWindow* parent, lan::DownloadDialog& dialog)
    : TickedView(parent, lan::kDownloadTitle), dialog_(dialog) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, lan::kDownloadText), 0, wxALL, 10);
  auto* grid = new wxFlexGridSizer(2, 6, 10);
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, wxID_ANY, lan::kPacketNumberLabel), 0, wxALIGN_CENTER_VERTICAL);
  packet_ = new wxTextCtrl(this, kIdLanPacket, "", wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
  grid->Add(packet_, 0, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, lan::kDownloadLocationLabel), 0,
            wxALIGN_CENTER_VERTICAL);
  location_ = new wxTextCtrl(this, kIdLanLocation, "", wxDefaultPosition,
                             wxSize(GetCharWidth() * 48, -1), wxTE_READONLY);
  grid->Add(location_, 0, wxEXPAND);
  top->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  progress_ = new wxGauge(this, kIdLanProgress, std::max(1, dialog_.progressRange()));
  top->Add(progress_, 0, wxEXPAND | wxALL, 10);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  buttons->Add(new wxButton(this, wxID_CANCEL, lan::kDownloadQuit));
  top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);
  startTicking([this] { return tick(); }, [this] { dialog_.quit(); });
}

bool DownloadView::tick() {
  dialog_.poll();
  if (packet_->GetValue() != toWx(dialog_.packetNumber()))
    packet_->ChangeValue(toWx(dialog_.packetNumber()));
  if (location_->GetValue() != toWx(dialog_.location()))
    location_->ChangeValue(toWx(dialog_.location()));
  showGauge(progress_, dialog_.progress(), dialog_.progressRange());
  return dialog_.result() == lan::DownloadDialog::Result::kRunning;
}

}  // namespace gui::dialogs
