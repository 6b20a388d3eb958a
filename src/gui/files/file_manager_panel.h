// The file manager on the main panel: the left file list, and the tab strip of the right-hand
// side with the long-name list, the picked file's description, the favourites and the two
// spare lists. Every rule lives in files::FileManager; this only binds the controls to it.
#pragma once

#include <wx/panel.h>

#include <array>
#include <functional>

#include "catalogue/catalogue.h"
#include "files/file_manager.h"
#include "platform/file_system.h"

class wxListBox;
class wxNotebook;
class wxStaticText;
class wxTextCtrl;
class wxTreeCtrl;
class wxCommandEvent;
class wxBookCtrlEvent;

namespace gui {

class FileManagerPanel : public wxPanel {
 public:
  FileManagerPanel(wxWindow* parent, catalogue::Catalogue& cat, platform::FileSystem& fs);

  // After start-up and every game change: lists, tab texts and the last pick from the current
  // game.
  void refreshForGame();

  // After a file operation: the lists are read again, directories kept.
  void refreshLists();
  // "Reset to Selected Game Home Directory".
  void resetToGameDirectory();
  // "&Disable FileManager": switches the file manager off or on.
  void toggleDisabled();
  // "Set AUTO-TEXT-TAB selection" (true) and "Manual TEXT-TAB selection" (false).
  void setAutoTextTab(bool on);
  // "Favorite files list": the favourites tab, filled again. Keep the command greyed while
  // no source is set.
  void showFavourites();
  void setFavouritesSource(files::FavouritesSource source);

  // Called after every click on an entry (a file picked, or a directory chosen as the place to
  // copy or move to) and after a favourite is picked.
  using SelectionHandler = std::function<void(const files::Selection&)>;
  void setSelectionHandler(SelectionHandler handler) { onSelection_ = std::move(handler); }
  // Called on a double-click on a file entry (a directory entry is walked into instead).
  void setFileActivatedHandler(SelectionHandler handler) { onActivated_ = std::move(handler); }

  files::FileManager& fileManager() { return manager_; }

 private:
  void showAll();
  void showList(size_t list);
  // Highlights the picked file in a list, or nothing when the list does not show it.
  void showPick(size_t list);
  void showTabs();
  void showDirectories();
  void onListClick(wxCommandEvent& event);
  void onListDoubleClick(wxCommandEvent& event);
  void onFavouriteClick(wxCommandEvent& event);
  void onTabChanged(wxBookCtrlEvent& event);
  void afterPick(const files::Selection& selection);
  size_t listOfControl(int id) const;

  files::FileManager manager_;
  std::array<wxListBox*, files::kFileLists> lists_{};
  wxNotebook* tabs_ = nullptr;
  void showEpisodeTree();

  wxPanel* descriptionPage_ = nullptr;
  wxTreeCtrl* episodeTree_ = nullptr;
  wxTextCtrl* description_ = nullptr;
  wxListBox* favourites_ = nullptr;
  wxStaticText* leftDirectory_ = nullptr;
  wxStaticText* rightDirectory_ = nullptr;
  bool showingTab_ = false;  // the tab is being changed by the program, not the user
  files::Selection lastSelection_;
  SelectionHandler onSelection_;
  SelectionHandler onActivated_;
};

}  // namespace gui
