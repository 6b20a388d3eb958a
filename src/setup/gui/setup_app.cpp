#include "setup/gui/setup_app.h"

#include <wx/window.h>

#include <cstdio>
#include <memory>

#include "setup/commands.h"
#include "setup/gui/main_frame.h"

wxIMPLEMENT_APP(setup::gui::CSetupApp);

namespace setup::gui {

void CSetupApp::OnInitCmdLine(wxCmdLineParser& parser) {
  wxApp::OnInitCmdLine(parser);
  parser.AddSwitch("", "show-install-dialog", "open the install dialog at once");
  parser.AddSwitch("", "show-about-dialog", "open the about.txt dialog at once");
  parser.AddSwitch("", "show-about-box", "open the About setup box at once");
  parser.AddSwitch("", "announce-ready", "print \"ready\" when each window is on screen");
}

bool CSetupApp::OnCmdLineParsed(wxCmdLineParser& parser) {
  if (!wxApp::OnCmdLineParsed(parser)) return false;
  announceReady_ = parser.Found("announce-ready");
  if (parser.Found("show-install-dialog")) startCommand_ = kCmdInstall;
  if (parser.Found("show-about-dialog")) startCommand_ = kCmdAbout;
  if (parser.Found("show-about-box")) startCommand_ = wxID_ABOUT;
  return true;
}

bool CSetupApp::OnInit() {
  if (!wxApp::OnInit()) return false;
  SetAppName("setup");
  fs_ = std::make_unique<platform::HostFileSystem>(platform::HostFileSystem::defaultPrefix());
  prompter_ = std::make_unique<WxPrompter>();
  desktop_ = std::make_unique<HostDesktopEntryWriter>(
      *fs_, HostDesktopEntryWriter::defaultApplicationsDirectory());
  installer_ = std::make_unique<Installer>(*fs_, *prompter_, *desktop_);

  auto* frame = new CMainFrame(*installer_);
  SetTopWindow(frame);
  frame->Show();
  if (startCommand_) {
    frame->CallAfter([frame, command = startCommand_] { frame->RunCommand(command); });
  } else {
    WatchUntilDrawn(frame);
  }
  return true;
}

int CSetupApp::OnRun() {
  const int code = wxApp::OnRun();
  return exitCode_ >= 0 ? exitCode_ : code;
}

void CSetupApp::EndProgram(int code) {
  exitCode_ = code;
  if (wxWindow* top = GetTopWindow()) top->Destroy();
  ExitMainLoop();
}

void CSetupApp::WatchUntilDrawn(wxWindow* window) {
  if (!announceReady_) return;
  // The first idle time after the window is mapped: its contents have been drawn then.
  auto done = std::make_shared<bool>(false);
  window->Bind(wxEVT_IDLE, [window, done](wxIdleEvent& event) {
    event.Skip();
    if (*done || !window->IsShownOnScreen()) return;
    *done = true;
    window->Update();
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
  });
}

}  // namespace setup::gui
