// The file manager's program-wide switches in the settings record.
#pragma once

#include <cstddef>

#include "catalogue/univ_info_record.h"

namespace files {

class FileManagerSettings {
 public:
  explicit FileManagerSettings(catalogue::UnivInfoRecord& univ) : univ_(univ) {}

  // "&Disable FileManager": the lists stay empty and take no clicks while set.
  bool disabled() const { return univ_.get(catalogue::univ_info::DisableFileManager) != 0; }
  void toggleDisabled() { univ_.set(catalogue::univ_info::DisableFileManager, disabled() ? 0 : 1); }

  // "Set AUTO-TEXT-TAB selection" (on) and "Manual TEXT-TAB selection" (off): while on,
  // picking a file that has a description brings the "File Text Desc" tab to the front.
  bool autoTextTab() const { return univ_.get(catalogue::univ_info::AutoTextTab) != 0; }
  void setAutoTextTab(bool on) { univ_.set(catalogue::univ_info::AutoTextTab, on ? 1 : 0); }

  // "&Set FileManager at Expert Mode": no confirmations in the file operations while set.
  bool expertMode() const { return univ_.get(catalogue::univ_info::FileManagerExpertMode) != 0; }
  void toggleExpertMode() {
    univ_.set(catalogue::univ_info::FileManagerExpertMode, expertMode() ? 0 : 1);
  }

  // How many of the four file lists are in use: FileManagerMode, which installing the
  // defaults sets to 4. Any other value than 1 to 4 means all four.
  size_t listsInUse() const;

 private:
  catalogue::UnivInfoRecord& univ_;
};

}  // namespace files
