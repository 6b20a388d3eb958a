// The application object of setup: the drive map, the message boxes and the Installer live
// here for the whole run; the frame shows the welcome form.
#pragma once

#include <wx/app.h>
#include <wx/cmdline.h>

#include <memory>

#include "platform/host/host_file_system.h"
#include "setup/gui/wx_prompter.h"
#include "setup/host_desktop_entry.h"
#include "setup/installer.h"

namespace setup::gui {

class CSetupApp : public wxApp {
 public:
  bool OnInit() override;
  int OnRun() override;
  void OnInitCmdLine(wxCmdLineParser& parser) override;
  bool OnCmdLineParsed(wxCmdLineParser& parser) override;

  Installer& installer() { return *installer_; }
  // Closes every window and ends the program with `code`.
  void EndProgram(int code);
  // With --announce-ready each window the program opens writes "ready" on standard output
  // once it is on screen, so a test can take its picture.
  void WatchUntilDrawn(wxWindow* window);

 private:
  std::unique_ptr<platform::HostFileSystem> fs_;
  std::unique_ptr<WxPrompter> prompter_;
  std::unique_ptr<HostDesktopEntryWriter> desktop_;
  std::unique_ptr<Installer> installer_;
  int exitCode_ = -1;
  bool announceReady_ = false;
  int startCommand_ = 0;  // a welcome window command to run at once, for tests
};

}  // namespace setup::gui

wxDECLARE_APP(setup::gui::CSetupApp);
