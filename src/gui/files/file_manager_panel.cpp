#include "gui/files/file_manager_panel.h"

#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "files/episode_tree.h"
#include "gui/files/file_manager_ids.h"

namespace gui {

namespace ids = file_manager_ids;

namespace {

constexpr std::array<int, files::kFileLists> kListIds{ids::kLeftList, ids::kLongNameList,
                                                      ids::kMisc1List, ids::kMisc2List};

// Names and texts are 8-bit: UTF-8 as the host file system gives them, or a DOS-era text in a
// single-byte code page, which is shown as Latin-1.
wxString toWx(const std::string& text) {
  if (text.empty()) return wxString();
  wxString utf8 = wxString::FromUTF8(text.data(), text.size());
  if (!utf8.empty()) return utf8;
  return wxString(text.data(), wxConvISO8859_1, text.size());
}

wxArrayString toWx(const std::vector<std::string>& texts) {
  wxArrayString out;
  out.reserve(texts.size());
  for (const std::string& t : texts) out.Add(toWx(t));
  return out;
}

}  // namespace

FileManagerPanel::FileManagerPanel(wxWindow* parent, catalogue::Catalogue& cat,
                                   platform::FileSystem& fs)
    : wxPanel(parent, wxID_ANY), manager_(cat, fs) {
  leftDirectory_ = new wxStaticText(this, ids::kLeftDirectory, wxEmptyString, wxDefaultPosition,
                                    wxDefaultSize, wxST_ELLIPSIZE_START | wxST_NO_AUTORESIZE);
  rightDirectory_ = new wxStaticText(this, ids::kRightDirectory, wxEmptyString, wxDefaultPosition,
                                     wxDefaultSize, wxST_ELLIPSIZE_START | wxST_NO_AUTORESIZE);
  lists_[files::kShortDirList] = new wxListBox(this, ids::kLeftList, wxDefaultPosition,
                                               wxSize(180, 200), 0, nullptr, wxLB_SINGLE);

  tabs_ = new wxNotebook(this, ids::kTabStrip);
  const auto& texts = manager_.tabTexts();
  for (size_t tab = 0; tab < files::kTabCount; ++tab) {
    wxWindow* page = nullptr;
    if (tab == files::kFileTextDescTab) {
      // The picked file's episodes and levels above its ".txt"; the tree only when it has some.
      descriptionPage_ = new wxPanel(tabs_);
      episodeTree_ =
          new wxTreeCtrl(descriptionPage_, ids::kEpisodeTree, wxDefaultPosition, wxDefaultSize,
                         wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_SINGLE | wxTR_LINES_AT_ROOT);
      description_ =
          new wxTextCtrl(descriptionPage_, ids::kDescription, wxEmptyString, wxDefaultPosition,
                         wxDefaultSize, wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
      auto* column = new wxBoxSizer(wxVERTICAL);
      column->Add(episodeTree_, 3, wxEXPAND);
      column->Add(description_, 2, wxEXPAND);
      descriptionPage_->SetSizer(column);
      episodeTree_->Hide();
      page = descriptionPage_;
    } else if (tab == files::kFavoriteFilesTab) {
      favourites_ = new wxListBox(tabs_, ids::kFavourites, wxDefaultPosition, wxDefaultSize, 0,
                                  nullptr, wxLB_SINGLE);
      page = favourites_;
    } else {
      const size_t list = *files::listOfTab(tab);
      lists_[list] = new wxListBox(tabs_, kListIds[list], wxDefaultPosition, wxDefaultSize, 0,
                                   nullptr, wxLB_SINGLE);
      page = lists_[list];
    }
    tabs_->AddPage(page, toWx(texts[tab]), tab == files::kLongNameDirTab);
  }
  // The five tab texts get a smaller font so that they fit side by side; the pages keep the
  // font of the left list.
  const wxFont font = GetFont();
  tabs_->SetFont(font.Smaller());
  for (size_t tab = 0; tab < files::kTabCount; ++tab) tabs_->GetPage(tab)->SetFont(font);

  auto* left = new wxBoxSizer(wxVERTICAL);
  left->Add(leftDirectory_, 0, wxEXPAND | wxBOTTOM, 2);
  left->Add(lists_[files::kShortDirList], 1, wxEXPAND);
  auto* right = new wxBoxSizer(wxVERTICAL);
  right->Add(rightDirectory_, 0, wxEXPAND | wxBOTTOM, 2);
  right->Add(tabs_, 1, wxEXPAND);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(left, 2, wxEXPAND | wxRIGHT, 6);
  row->Add(right, 3, wxEXPAND);
  SetSizer(row);

  for (int id : kListIds) {
    Bind(wxEVT_LISTBOX, &FileManagerPanel::onListClick, this, id);
    Bind(wxEVT_LISTBOX_DCLICK, &FileManagerPanel::onListDoubleClick, this, id);
  }
  Bind(wxEVT_LISTBOX, &FileManagerPanel::onFavouriteClick, this, ids::kFavourites);
  Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &FileManagerPanel::onTabChanged, this, ids::kTabStrip);

  refreshForGame();
}

void FileManagerPanel::refreshForGame() {
  manager_.refreshForGame();
  showAll();
}

void FileManagerPanel::refreshLists() {
  manager_.refreshLists();
  showAll();
}

void FileManagerPanel::resetToGameDirectory() {
  manager_.resetToGameDirectory();
  showAll();
}

void FileManagerPanel::toggleDisabled() {
  manager_.toggleDisabled();
  showAll();
}

void FileManagerPanel::setAutoTextTab(bool on) {
  manager_.setAutoTextTab(on);
}

void FileManagerPanel::setFavouritesSource(files::FavouritesSource source) {
  manager_.setFavouritesSource(std::move(source));
}

void FileManagerPanel::showFavourites() {
  manager_.refreshFavourites();
  manager_.chooseTab(files::kFavoriteFilesTab);
  showAll();
}

void FileManagerPanel::showAll() {
  const bool on = !manager_.disabled();
  for (size_t list = 0; list < files::kFileLists; ++list) showList(list);
  std::vector<std::string> lines;
  for (const files::Favourite& f : manager_.favourites()) lines.push_back(f.line);
  favourites_->Set(toWx(lines));
  description_->ChangeValue(toWx(manager_.descriptionText()));
  showEpisodeTree();
  showTabs();
  showDirectories();
  for (wxListBox* list : lists_) list->Enable(on);
  favourites_->Enable(on);
  description_->Enable(on);
  episodeTree_->Enable(on);
  tabs_->Enable(on);
}

void FileManagerPanel::showList(size_t list) {
  lists_[list]->Set(toWx(manager_.list(list).texts()));
  showPick(list);
}

void FileManagerPanel::showPick(size_t list) {
  wxListBox* box = lists_[list];
  if (auto picked = manager_.entryOfSelectedFile(list)) {
    box->SetSelection(static_cast<int>(*picked));
    box->EnsureVisible(static_cast<int>(*picked));
  } else if (box->GetSelection() != wxNOT_FOUND &&
             manager_.list(list).entry(box->GetSelection())->kind == files::EntryKind::kFile) {
    box->SetSelection(wxNOT_FOUND);  // an earlier pick
  }
}

void FileManagerPanel::showTabs() {
  const auto& texts = manager_.tabTexts();
  showingTab_ = true;
  for (size_t tab = 0; tab < files::kTabCount; ++tab) tabs_->SetPageText(tab, toWx(texts[tab]));
  if (static_cast<size_t>(tabs_->GetSelection()) != manager_.currentTab())
    tabs_->ChangeSelection(manager_.currentTab());
  showingTab_ = false;
}

void FileManagerPanel::showDirectories() {
  leftDirectory_->SetLabel(toWx(manager_.list(files::kShortDirList).workDir()));
  const auto list = files::listOfTab(manager_.currentTab());
  rightDirectory_->SetLabel(list ? toWx(manager_.list(*list).workDir()) : wxString());
}

size_t FileManagerPanel::listOfControl(int id) const {
  for (size_t list = 0; list < files::kFileLists; ++list)
    if (kListIds[list] == id) return list;
  return files::kShortDirList;
}

void FileManagerPanel::onListClick(wxCommandEvent& event) {
  const int index = event.GetSelection();
  if (index < 0) return;
  afterPick(manager_.select(listOfControl(event.GetId()), static_cast<size_t>(index)));
}

void FileManagerPanel::onListDoubleClick(wxCommandEvent& event) {
  const int index = event.GetSelection();
  if (index < 0) return;
  const size_t list = listOfControl(event.GetId());
  const files::ListEntry* entry = manager_.list(list).entry(static_cast<size_t>(index));
  if (entry == nullptr) return;
  // A directory or drive is walked into, an archive opens under its plus sign or closes.
  const bool fileToRun =
      entry->kind == files::EntryKind::kFile || entry->kind == files::EntryKind::kArchiveMember;
  if (manager_.openEntry(list, static_cast<size_t>(index))) {
    showAll();
    return;
  }
  if (!fileToRun) return;
  // The click before the double-click has picked it already.
  if (onActivated_ && lastSelection_.status == files::PickStatus::kPicked &&
      lastSelection_.list == list && lastSelection_.longName.ends_with(entry->longName))
    onActivated_(lastSelection_);
}

void FileManagerPanel::onFavouriteClick(wxCommandEvent& event) {
  const int index = event.GetSelection();
  if (index < 0) return;
  afterPick(manager_.selectFavourite(static_cast<size_t>(index)));
}

void FileManagerPanel::afterPick(const files::Selection& selection) {
  if (selection.status == files::PickStatus::kNothing) return;
  lastSelection_ = selection;
  if (selection.status == files::PickStatus::kPicked)
    for (size_t list = 0; list < files::kFileLists; ++list) showPick(list);
  description_->ChangeValue(toWx(manager_.descriptionText()));
  showEpisodeTree();
  showTabs();
  showDirectories();
  if (selection.status == files::PickStatus::kPathTooLong) {
    wxMessageBox(toWx("The path of " + selection.directory + selection.longName +
                      " is too long to be passed to the game."),
                 "Error Message", wxOK | wxICON_ERROR, this);
  }
  if (onSelection_) onSelection_(selection);
}

void FileManagerPanel::showEpisodeTree() {
  episodeTree_->DeleteAllItems();
  const auto& names = manager_.contentNames();
  episodeTree_->Show(names.has_value());
  if (names) {
    const wxTreeItemId root = episodeTree_->AddRoot("");
    for (const files::EpisodeTreeItem& item : files::episodeTree(*names)) {
      const wxTreeItemId volume = episodeTree_->AppendItem(root, toWx(item.text));
      for (const std::string& level : item.levels) episodeTree_->AppendItem(volume, toWx(level));
    }
    // The first episode open: its levels are what a player looks for.
    wxTreeItemIdValue cookie;
    if (const wxTreeItemId first = episodeTree_->GetFirstChild(root, cookie); first.IsOk())
      episodeTree_->Expand(first);
  }
  descriptionPage_->Layout();
}

void FileManagerPanel::onTabChanged(wxBookCtrlEvent& event) {
  if (showingTab_) return;
  manager_.chooseTab(static_cast<size_t>(event.GetSelection()));
  showDirectories();
}

}  // namespace gui
