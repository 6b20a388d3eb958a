// The application object: records the start-up directory, builds the program's services
// and the single-document template, and shows the main frame.
#pragma once

#include <wx/app.h>

#include <memory>
#include <string>

class CQuillfen95App : public wxApp {
 public:
  CQuillfen95App();
  ~CQuillfen95App() override;
  bool OnInit() override;
  int OnExit() override;

 private:
  struct Services;
  // The current directory when the program was started, as the host names it.
  wxString startupHostDirectory_;
  std::unique_ptr<Services> services_;
};

wxDECLARE_APP(CQuillfen95App);
