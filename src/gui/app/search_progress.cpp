#include "gui/app/search_progress.h"

#include <wx/progdlg.h>

#include "gui/app/wx_text.h"

namespace gui {

namespace {

constexpr const char* kSearchTitle = "Quillfen95";
constexpr const char* kSearchText = "Searching the drives for installed games...";
// The dialog is redrawn every so many look-ups: often enough to move, rarely enough to cost
// nothing next to the look-ups themselves.
constexpr unsigned kPulseEvery = 16;

}  // namespace

SearchProgressFileSystem::SearchProgressFileSystem(platform::FileSystem& inner) : inner_(inner) {}

SearchProgressFileSystem::~SearchProgressFileSystem() = default;

void SearchProgressFileSystem::arm(wxWindow* parent) {
  parent_ = parent;
  armed_ = true;
  calls_ = 0;
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
  if (dialog_) pulse(path);
  return inner_.stat(path);
}

void SearchProgressFileSystem::pulse(const std::string& path) const {
  if (!armed_) return;
  if (!dialog_) {
    wxWindow* parent = parent_ && parent_->IsShown() ? parent_ : nullptr;
    dialog_ =
        std::make_unique<wxProgressDialog>(kSearchTitle, wxString(kSearchText) + "\n", 100, parent,
                                           wxPD_APP_MODAL | wxPD_SMOOTH | wxPD_ELAPSED_TIME);
    dialog_->SetMinSize(wxSize(420, -1));
    dialog_->Fit();
  }
  if (calls_++ % kPulseEvery != 0) return;
  // The drive being looked at, as the user knows it.
  const std::string where = path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : path;
  dialog_->Pulse(wxString(kSearchText) + "\n" + toWx(where));
}

}  // namespace gui
