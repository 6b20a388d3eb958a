#include "gui/app/main_frame.h"

#include <wx/app.h>
#include <wx/modalhook.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "catalogue/catalogue_files.h"
#include "gui/app/about_box.h"
#include "gui/app/default_files_box.h"
#include "gui/app/main_panel.h"
#include "gui/app/menus.h"
#include "gui/app/search_progress.h"
#include "gui/app/toolbars.h"
#include "gui/app/wx_ids.h"
#include "gui/app/wx_text.h"
#include "gui/dialogs/dialogs.h"

namespace {

constexpr const char* kReady = "Ready";
constexpr const char* kMainPane = "MainToolbar";
constexpr const char* kSelectGamePane = "SelectGameToolbar";
// How often the idle window looks for a server's announcement.
constexpr int kListenMs = 100;

// Counts the modal dialogs and message boxes on screen: the idle listener waits while any is.
class ModalDialogCount : public wxModalDialogHook {
 public:
  ModalDialogCount() { Register(); }
  ~ModalDialogCount() override { Unregister(); }
  int open() const { return open_; }

 protected:
  int Enter(wxDialog*) override {
    ++open_;
    return wxID_NONE;
  }
  void Exit(wxDialog*) override { --open_; }

 private:
  int open_ = 0;
};

const ModalDialogCount& modalDialogs() {
  static ModalDialogCount count;
  return count;
}

bool isCheckItem(int id) {
  if (id >= app::kCmdGamePickFirst && id <= app::kCmdGamePickLast) return true;
  if (app::dockCommand(id)) return true;
  switch (id) {
    case app::kCmdViewToolbar:
    case app::kCmdViewStatusBar:
    case app::kCmdSelectGameBar:
    case app::kCmdDisableFileManager:
    case app::kCmdExpertMode:
    case app::kCmdAutoTextTab:
    case app::kCmdManualTextTab:
      return true;
    default:
      return false;
  }
}

}  // namespace

CMainFrame::CMainFrame(wxDocManager* manager, Services services, app::FeatureSet features)
    : wxDocParentFrame(manager, nullptr, wxID_ANY, "Quillfen95", wxDefaultPosition,
                       wxSize(960, 640)),
      services_(services),
      indicators_(this),
      listener_(this),
      joystickTimer_(this),
      window_(services.launch, services.cat, services.session, features, *this) {
  SetMenuBar(gui::createMenuBar());
  aui_.SetManagedWindow(this);
  // The first start runs before the frame is on screen: the chooser has no parent.
  folderChooser_ = std::make_unique<gui::WxGameFolderChooser>(nullptr);
  services_.cat.setGameFolderChooser(folderChooser_.get());

  // The main toolbar and the status bar: a message pane, then CAP, NUM and SCRL.
  mainBar_ = gui::createMainToolbar(this);
  bindFlyByHelp(mainBar_);
  CreateStatusBar(4);
  const int widths[] = {-1, 44, 44, 44};
  GetStatusBar()->SetStatusWidths(4, widths);
  SetStatusText(kReady, 0);

  // Where the bars go: the defaults, then "ToolBar.dat".
  window_.createFrame();
  aui_.AddPane(mainBar_, wxAuiPaneInfo().Name(kMainPane).Caption("Toolbar").ToolbarPane());
  selectBar_ = gui::createSelectGameToolbar(this);
  bindFlyByHelp(selectBar_);
  aui_.AddPane(selectBar_,
               wxAuiPaneInfo().Name(kSelectGamePane).Caption("Select Game").ToolbarPane());
  applyToolbarLayout(window_.toolbarLayout());

  const int lowest = gui::wxIdOf(app::kCmdLowest);
  const int highest = gui::wxIdOf(app::kCmdHighest);
  Bind(wxEVT_MENU, &CMainFrame::onCommand, this, lowest, highest);
  Bind(wxEVT_BUTTON, &CMainFrame::onCommand, this, lowest, highest);
  Bind(wxEVT_UPDATE_UI, &CMainFrame::onUpdateUi, this, lowest, highest);
  Bind(wxEVT_MENU_OPEN, &CMainFrame::onMenuOpen, this);
  Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::onClose, this);
  Bind(wxEVT_TIMER, &CMainFrame::onIndicatorTimer, this, indicators_.GetId());
  indicators_.Start(250);
  Bind(wxEVT_TIMER, &CMainFrame::onListenTimer, this, listener_.GetId());
  Bind(wxEVT_TIMER, &CMainFrame::onJoystickTimer, this, joystickTimer_.GetId());
}

CMainFrame::~CMainFrame() {
  services_.cat.setGameFolderChooser(nullptr);
  indicators_.Stop();
  listener_.Stop();
  joystickTimer_.Stop();
  if (aui_.GetManagedWindow()) aui_.UnInit();
}

void CMainFrame::attachView() {
  panel_ = new gui::MainPanel(this, window_, services_.launch.fs);
  aui_.AddPane(panel_, wxAuiPaneInfo().Name("View").CenterPane());
  aui_.Update();
  window_.createView();
}

void CMainFrame::initialUpdate() {
  window_.initialUpdate();
}

void CMainFrame::viewClosing() {
  window_.closeView();
}

app::WindowRect CMainFrame::windowRect() const {
  const wxRect r = GetRect();
  return {r.x, r.y, r.x + r.width, r.y + r.height};
}

void CMainFrame::moveWindow(const app::WindowRect& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  SetSize(rect.left, rect.top, width, height);
}

void CMainFrame::refreshView() {
  if (panel_) panel_->refresh();
  refreshTitle();
}

void CMainFrame::refreshTitle() {
  catalogue::Catalogue& cat = services_.cat;
  if (catalogue::isSelectableSlot(cat.currentSlot())) {
    wxString name = gui::toWx(cat.current().get(catalogue::game_info::GameName));
    name.Replace("&&", "&");
    SetTitle(name + " - Quillfen95");
  } else {
    SetTitle("Quillfen95");
  }
}

void CMainFrame::refreshFileManager() {
  if (panel_) panel_->refreshFileLists();
}

void CMainFrame::resetFileLists() {
  if (panel_) panel_->resetFileLists();
}

void CMainFrame::showStatus(const std::string& text) {
  if (GetStatusBar()) SetStatusText(gui::toWx(text), 0);
}

void CMainFrame::showFavourites() {
  if (panel_) panel_->showFavourites();
}

void CMainFrame::showMode(const std::string& text) {
  if (panel_) panel_->showMode(text);
}

void CMainFrame::applyToolbarLayout(const app::ToolbarLayout& layout) {
  wxAuiPaneInfo& main = aui_.GetPane(mainBar_);
  gui::dockToolbar(main, layout.mainBarDock);
  wxAuiPaneInfo& select = aui_.GetPane(selectBar_);
  gui::dockToolbar(select, layout.selectGameBarDock);
  select.Show(layout.selectGameBarVisible != 0);
  aui_.Update();
}

bool CMainFrame::toolbarShown() const {
  return const_cast<wxAuiManager&>(aui_).GetPane(mainBar_).IsShown();
}

void CMainFrame::showToolbar(bool shown) {
  aui_.GetPane(mainBar_).Show(shown);
  aui_.Update();
}

bool CMainFrame::statusBarShown() const {
  return GetStatusBar() && GetStatusBar()->IsShown();
}

void CMainFrame::showStatusBar(bool shown) {
  if (!GetStatusBar()) return;
  GetStatusBar()->Show(shown);
  SendSizeEvent();
}

void CMainFrame::closeMainWindow() {
  Close();
}

void CMainFrame::beginDriveSearch() {
  services_.progress.arm(this);
}

void CMainFrame::endDriveSearch() {
  services_.progress.disarm();
}

int CMainFrame::runGameLocationDialog(int advancedSetup) {
  return gui::runGameLocationDialog(this, services_.cat, advancedSetup, services_.paths);
}

bool CMainFrame::runOtherOptionsDialog(multiplayer::OtherOptionsDialog& dialog) {
  return gui::runOtherOptionsDialog(this, dialog);
}

bool CMainFrame::runAutoLaunchOptionsDialog(multiplayer::AutoLaunchOptionsDialog& dialog) {
  return gui::runAutoLaunchOptionsDialog(this, dialog);
}

std::string CMainFrame::currentListDirectory() const {
  return panel_ ? panel_->currentListDirectory() : std::string();
}

void CMainFrame::runConEditor(content::ConEditor& editor) {
  gui::runConEditor(this, editor);
}

bool CMainFrame::runRtsEditor(content::RtsEditor& editor) {
  return gui::runRtsEditor(this, editor);
}

void CMainFrame::runWeaponOrderDialog(content::WeaponOrder& order) {
  gui::runWeaponOrderDialog(this, order);
}

bool CMainFrame::runNewNumberDialog(multiplayer::NewNumberDialog& dialog) {
  return gui::runNewNumberDialog(this, dialog);
}

files::FileManager* CMainFrame::fileManager() {
  return panel_ ? panel_->fileManager() : nullptr;
}

bool CMainFrame::runNameDialog(files::NameDialog& dialog) {
  return gui::runNameDialog(this, dialog);
}

bool CMainFrame::runUnzipProfileDialog(launch::UnzipProfileDialog& dialog) {
  return gui::runUnzipProfileDialog(this, dialog, services_.paths);
}

void CMainFrame::runLaunchOptionsDialog() {
  gui::runLaunchOptionsDialog(this, services_.cat);
}

void CMainFrame::runSingleOptionsDialog(int id) {
  if (id == app::kCmdSoundVideoOptions || id == app::kCmdToolSoundVideoOptions)
    gui::runSoundVideoMemoryOptionsDialog(this, services_.cat);
  else
    gui::runDemoRespawnOptionsDialog(this, services_.cat);
}

void CMainFrame::sessionStarted(const std::string& program) {
  std::string name = services_.cat.current().get(catalogue::game_info::GameName);
  if (name.empty()) name = program;
  waitingForGame_ = std::make_unique<wxWindowDisabler>();
  // A native port is named by its path, a DOS program runs in DOSBox.
  const size_t slash = program.rfind('/');
  const std::string in = slash == std::string::npos ? "DOSBox" : program.substr(slash + 1);
  SetStatusText(gui::toWx("Running " + name + " in " + in + "..."), 0);
  Refresh();
  wxTheApp->Yield(true);
}

void CMainFrame::sessionRunning() {
  // Paint and timer events only: every window takes no input while the disabler lives.
  wxTheApp->Yield(true);
}

void CMainFrame::sessionEnded() {
  waitingForGame_.reset();
  SetStatusText(kReady, 0);
}

void CMainFrame::showDefaultFiles(const std::vector<app::DefaultFileRow>& rows) {
  gui::showDefaultFilesBox(this, rows);
}

bool CMainFrame::runDrivesDialog() {
  if (platform::DriveMap* map = services_.launch.fs.driveMap())
    return gui::runDrivesDialog(this, *map);
  return false;
}

void CMainFrame::showAbout() {
  gui::showAboutBox(this);
}

void CMainFrame::onCommand(wxCommandEvent& event) {
  const int id = gui::commandOf(event.GetId());
  ++commandsRunning_;
  const bool handled = app::findCommand(id) && window_.execute(id);
  --commandsRunning_;
  if (!handled) event.Skip();
}

void CMainFrame::onUpdateUi(wxUpdateUIEvent& event) {
  const int id = gui::commandOf(event.GetId());
  if (!app::findCommand(id)) {
    event.Skip();
    return;
  }
  event.Enable(window_.isEnabled(id));
  if (isCheckItem(id)) event.Check(window_.isChecked(id));
}

void CMainFrame::onMenuOpen(wxMenuEvent& event) {
  gui::prepareMenus(GetMenuBar(), window_);
  event.Skip();
}

void CMainFrame::onClose(wxCloseEvent& event) {
  if (closing_) return;
  closing_ = true;
  // A toolbar the user dragged to another side stays there.
  if (const wxAuiPaneInfo& main = aui_.GetPane(mainBar_); main.IsDocked())
    window_.toolbarDocked(true, gui::dockSideOf(main));
  if (const wxAuiPaneInfo& select = aui_.GetPane(selectBar_); select.IsDocked())
    window_.toolbarDocked(false, gui::dockSideOf(select));
  if (wxDocManager* manager = GetDocumentManager(); manager && !manager->Clear(!event.CanVeto())) {
    closing_ = false;
    event.Veto();
    return;
  }
  window_.destroyFrame();
  indicators_.Stop();
  listener_.Stop();
  joystickTimer_.Stop();
  aui_.UnInit();
  Destroy();
}

void CMainFrame::onIndicatorTimer(wxTimerEvent&) {
  if (!GetStatusBar()) return;
  const std::pair<wxKeyCode, const char*> keys[] = {
      {WXK_CAPITAL, "CAP"}, {WXK_NUMLOCK, "NUM"}, {WXK_SCROLL, "SCRL"}};
  for (int pane = 1; pane <= 3; ++pane) {
    const auto& [key, text] = keys[pane - 1];
    const wxString shown = wxGetKeyState(key) ? text : "";
    if (GetStatusBar()->GetStatusText(pane) != shown) SetStatusText(shown, pane);
  }
}

void CMainFrame::enableLanStart() {
  window_.enableLanStart(*this);
  modalDialogs();
  listener_.Start(kListenMs);
}

void CMainFrame::onListenTimer(wxTimerEvent&) {
  // Timers fire inside modal loops and while a game runs: the listener waits for the window.
  if (listening_ || closing_ || waitingForGame_ || modalDialogs().open() > 0 || !IsEnabled())
    return;
  listening_ = true;
  window_.listenForServers();
  listening_ = false;
}

void CMainFrame::enableJoystick(platform::Joystick& joystick) {
  window_.setJoystick(joystick, pointer_);
  joystickTimer_.Start(input::kJoystickPollMs);
}

void CMainFrame::onJoystickTimer(wxTimerEvent&) {
  // The pointer works the dialogs and message boxes too; while a game runs it is the game's.
  // A click the poll makes may run a command before the poll returns: no poll inside it.
  if (polling_ || closing_ || waitingForGame_) return;
  polling_ = true;
  window_.pollJoystick();
  polling_ = false;
}

void CMainFrame::runJoystickSettingsDialog(input::JoystickSettingsDialog& dialog) {
  gui::runJoystickSettingsDialog(this, dialog);
}

void CMainFrame::runServerDialog(lan::ServerDialog& dialog) {
  gui::runServerDialog(this, dialog);
}

void CMainFrame::runClientDialog(lan::ClientDialog& dialog) {
  gui::runClientDialog(this, dialog);
}

void CMainFrame::runDownloadDialog(lan::DownloadDialog& dialog) {
  gui::runDownloadDialog(this, dialog);
}

void CMainFrame::bindFlyByHelp(wxAuiToolBar* bar) {
  bar->Bind(wxEVT_MOTION, [this, bar](wxMouseEvent& event) {
    event.Skip();
    wxAuiToolBarItem* item = bar->FindToolByPosition(event.GetX(), event.GetY());
    const wxString help = item ? item->GetLongHelp() : wxString();
    SetStatusText(help.empty() ? wxString(kReady) : help, 0);
  });
  bar->Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
    event.Skip();
    SetStatusText(kReady, 0);
  });
}
