// The episode tree of the file manager's description tab: a picked content file's episodes
// (volumes, maps), numbered from 1, each with its numbered level names.
#pragma once

#include <string>
#include <vector>

#include "content/content_names.h"

namespace files {

struct EpisodeTreeItem {
  std::string text;                 // "1 : L.A. MELTDOWN"
  std::vector<std::string> levels;  // "1 : HOLLYWOOD HOLOCAUST", ...
};

std::vector<EpisodeTreeItem> episodeTree(const content::ContentNames& names);

}  // namespace files
