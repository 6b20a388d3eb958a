// "ConEditor", the built-in CON editor: rename a Duke Nukem 3D add-on's episodes (volumes) and
// levels, assign map and music files to the levels, and write it all back into the add-on's
// USER CON file on Finish. The form's rules; the window shows them.
#pragma once

#include <string>
#include <vector>

#include "content/episode_data.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace content {

class ConEditor {
 public:
  static constexpr const char* kTitle = "ConEditor";
  static constexpr const char* kCopyQuestion =
      "The selected file is not located in the CON file directory.  Do you wish to copy this "
      "file to the CON file directory?";
  // A name of this many characters or more is dropped.
  static constexpr size_t kNameRoom = 33;
  // A USER file this long or longer is not written back.
  static constexpr uint64_t kWriteBackLimit = 62'489;
  static constexpr int kHelpTopic = 23;

  enum class Mode { kMaps, kMusic };

  // `selectedName` in `directory` (ending in "\"); `version15`: the game shows a fourth volume.
  ConEditor(platform::FileSystem& fs, platform::Prompter& prompter, const std::string& selectedName,
            const std::string& directory, bool version15);

  const EpisodeData& data() const { return data_; }
  // "Vol0 : L.A. MELTDOWN", one a volume shown.
  std::vector<std::string> tabs() const;
  int currentVolume() const { return currentVolume_; }
  void chooseTab(int tab);
  // The eleven rows of the current volume: "E1L1.MAP : HOLLYWOOD HOLOCAUST" with maps,
  // "stalker.mid : HOLLYWOOD HOLOCAUST" with music.
  std::vector<std::string> levelRows() const;
  Mode mode() const { return mode_; }
  void setMode(Mode mode) { mode_ = mode; }

  // The file list: "[..]" and the sub-directories in brackets, then the files of the mode's
  // pattern, sorted.
  const std::string& listDirectory() const { return listDirectory_; }
  std::vector<std::string> fileEntries() const;
  // A double click on a file list entry: a bracketed directory is walked into; a file is
  // assigned to level `row` (nothing without a row), copied first when the player wants it in
  // the CON directory.
  void openFileEntry(const std::string& entry, int row);

  // A right click on a tab: false when that volume may not be renamed (an unnamed fourth).
  bool mayRenameVolume(int tab) const;
  void renameVolume(int tab, const std::string& name);
  void renameLevel(int row, const std::string& name);

  // Writes everything back into the USER file; false (and the form stays) when the file
  // cannot be read whole, is too long, or cannot be written.
  bool finish();

 private:
  EpisodeLevel& level(int row);

  platform::FileSystem& fs_;
  platform::Prompter& prompter_;
  EpisodeData data_;
  int currentVolume_ = 0;
  Mode mode_ = Mode::kMaps;
  std::string listDirectory_;
};

}  // namespace content
