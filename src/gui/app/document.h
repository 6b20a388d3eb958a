// The document of the single-document template. It holds no data: the catalogue is the
// program's state and lives for the whole run.
#pragma once

#include <wx/docview.h>

class CMy3DQuillfen95Doc : public wxDocument {
 public:
  CMy3DQuillfen95Doc() = default;
  // Nothing to save: closing never asks.
  bool IsModified() const override { return false; }
  bool OnSaveModified() override { return true; }

 private:
  wxDECLARE_DYNAMIC_CLASS(CMy3DQuillfen95Doc);
};
