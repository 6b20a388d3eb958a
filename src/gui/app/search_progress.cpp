#include "gui/app/search_progress.h"

#include <wx/progdlg.h>

#include <chrono>

#include "gui/app/wx_text.h"

namespace gui {

namespace {

constexpr const char* kSearchTitle = "Quillfen95";
constexpr const char* kSearchText = "Searching the drives for installed games...";
// A search over small drives ends before anyone would read the dialog, so it appears only
// once the search has run a while; then it is redrawn (and the window's events handled) a few
// times a second, however fast the look-ups come: redrawing it at every few look-ups cost
// more than the look-ups themselves.
constexpr std::chrono::milliseconds kShowAfter{300};
constexpr std::chrono::milliseconds kPulseEvery{100};

std::chrono::steady_clock::time_point now() {
  return std::chrono::steady_clock::now();
}

}  // namespace

SearchProgressFileSystem::SearchProgressFileSystem(platform::FileSystem& inner) : inner_(inner) {}

SearchProgressFileSystem::~SearchProgressFileSystem() = default;

void SearchProgressFileSystem::arm(wxWindow* parent) {
  parent_ = parent;
  armed_ = true;
  armedAt_ = now();
}

void SearchProgressFileSystem::disarm() {
  armed_ = false;
  dialog_.reset();
}

std::vector<platform::FindData> SearchProgressFileSystem::find(const std::string& pattern) const {
  pulse(pattern);
  return inner_.find(pattern);
}

std::optional<platform::FindData> SearchProgressFileSystem::stat(const std::string& path) const {
  pulse(path);
  return inner_.stat(path);
}

void SearchProgressFileSystem::pulse(const std::string& path) const {
  if (!armed_) return;
  const auto time = now();
  if (!dialog_) {
    if (time - armedAt_ < kShowAfter) return;
    wxWindow* parent = parent_ && parent_->IsShown() ? parent_ : nullptr;
    dialog_ =
        std::make_unique<wxProgressDialog>(kSearchTitle, wxString(kSearchText) + "\n", 100, parent,
                                           wxPD_APP_MODAL | wxPD_SMOOTH | wxPD_ELAPSED_TIME);
    dialog_->SetMinSize(wxSize(420, -1));
    dialog_->Fit();
  }
  if (time - lastPulse_ < kPulseEvery) return;
  lastPulse_ = time;
  // The drive being looked at, as the user knows it.
  const std::string where = path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : path;
  dialog_->Pulse(wxString(kSearchText) + "\n" + toWx(where));
}

}  // namespace gui
