#include "gui/app/quillfen_app.h"

#include <wx/config.h>
#include <wx/docview.h>
#include <wx/filefn.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "app/command_table.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_files.h"
#include "gui/app/document.h"
#include "gui/app/main_frame.h"
#include "gui/app/search_progress.h"
#include "gui/app/termination.h"
#include "gui/app/test_hooks.h"
#include "gui/app/view.h"
#include "gui/app/wx_prompter.h"
#include "gui/app/wx_text.h"
#include "gui/dialogs/dialogs.h"
#include "launch/launch_state.h"
#include "multiplayer/network_check.h"
#include "platform/dos_path.h"
#include "platform/host/host_file_system.h"
#include "system/quillfen_system.h"

wxIMPLEMENT_APP_NO_MAIN(CQuillfen95App);

int main(int argc, char** argv) {
  // The window draws with cairo, never with OpenGL; left alone, the toolkit loads the whole
  // OpenGL stack at start only to pick its visuals (about half the program's memory and a fifth
  // of its start-up with software rendering). A GDK_GL the user has set wins.
  if (!wxGetEnv("GDK_GL", nullptr)) wxSetEnv("GDK_GL", "disable");
  return wxEntry(argc, argv);
}

namespace {

// The recent-file list of the standard profile holds five entries.
class QuillfenDocManager : public wxDocManager {
 public:
  wxFileHistory* OnCreateFileHistory() override { return new wxFileHistory(5); }
};

}  // namespace

struct CQuillfen95App::Services {
  gui::WxPrompter prompter;
  gui::SearchProgressFileSystem* progress = nullptr;  // owned by the system
  gui::dialogs::PathBridge paths;
  std::unique_ptr<qf95::QuillfenSystem> system;
  std::unique_ptr<gui::WxGameLocationRunner> locationDialog;
  wxDocManager* docManager = nullptr;
};

namespace {

// The program's files (the factory definitions above all) are in the current directory when
// the program is started from its own directory; started from anywhere else (a desktop entry,
// a shell elsewhere) they are beside the program, where setup put them.
wxString startupHostDirectory() {
  const wxString current = wxGetCwd();
  if (wxFileExists(current + "/" + catalogue::kDefaultRecordsFile)) return current;
  const wxString program = wxStandardPaths::Get().GetExecutablePath();
  const wxString beside = wxPathOnly(program);
  if (!beside.empty() && wxFileExists(beside + "/" + catalogue::kDefaultRecordsFile)) return beside;
  return current;
}

}  // namespace

CQuillfen95App::CQuillfen95App() : startupHostDirectory_(startupHostDirectory()) {}

CQuillfen95App::~CQuillfen95App() = default;

// wxApp::OnInit is not called: it would parse the command line, and the program takes no
// file and no switch from it.
bool CQuillfen95App::OnInit() {
  SetAppName("Quillfen95");
  services_ = std::make_unique<Services>();
  Services& s = *services_;
  qf95::SystemOptions options;
  options.startupHostDirectory = gui::fromWx(startupHostDirectory_);
  // The drive search shows its progress; it is over before the silent SpaceOrb check.
  options.wrapFileSystem = [&s](platform::HostFileSystem& host) {
    auto progress = std::make_unique<gui::SearchProgressFileSystem>(host);
    s.progress = progress.get();
    return std::unique_ptr<platform::FileSystem>(std::move(progress));
  };
  options.afterSearch = [&s] { s.progress->disarm(); };
  s.system = std::make_unique<qf95::QuillfenSystem>(std::move(options), s.prompter);
  qf95::QuillfenSystem& system = *s.system;
  // No window without the network layer.
  if (!multiplayer::startNetworkLayer(system.network(), s.prompter)) return false;
  catalogue::Catalogue& cat = system.catalogue();
  s.paths = gui::dialogs::hostPathBridge(system.hostFileSystem());
  // A first start may ask for the game location dialog before the frame is on screen.
  s.locationDialog = std::make_unique<gui::WxGameLocationRunner>(nullptr, cat, s.paths);
  cat.setGameLocationDialog(s.locationDialog.get());

  s.docManager = new QuillfenDocManager;
  s.docManager->FileHistoryLoad(*wxConfigBase::Get());
  new wxDocTemplate(s.docManager, "Quillfen95", "*.*", "", "", "Quillfen95 Document",
                    "Quillfen95 View", CLASSINFO(CMy3DQuillfen95Doc),
                    CLASSINFO(CMy3DQuillfen95View));

  auto* frame = new CMainFrame(
      s.docManager,
      CMainFrame::Services{system.launchServices(), cat, system.session(), *s.progress, s.paths},
      app::builtFeatures({/*dialogs=*/true, /*fileManager=*/true}));
  SetTopWindow(frame);
  frame->window().setNetwork(&system.network());
  frame->window().setIpxServerChoice(&system.ipxServerChoice());
  frame->enableLanStart();
  frame->window().setLaunchCounter([&system](const std::string& file, const std::string& args) {
    return system.recordLaunch(file, args);
  });
  frame->window().setFavouritesSource([&system] { return system.favourites(); });
  frame->enableJoystick(system.hostJoystick());
  system.hostProcesses().setSessionWatcher(frame);
  if (!s.docManager->CreateDocument(wxEmptyString, wxDOC_NEW)) return false;
  frame->Show();
  s.locationDialog->setParent(frame);
  frame->initialUpdate();
  gui::installTermination([frame] { return frame->busy(); });
#ifdef QF95_TEST_HOOKS
  gui::installTestHooks(frame);
#endif
  return true;
}

int CQuillfen95App::OnExit() {
  if (services_) {
    services_->system->hostProcesses().setSessionWatcher(nullptr);
    delete services_->docManager;
    services_.reset();
  }
  return wxApp::OnExit();
}
