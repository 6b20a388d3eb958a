#include "files/episode_tree.h"

namespace files {

namespace {

std::string numbered(size_t index, const std::string& name) {
  return std::to_string(index + 1) + " : " + name;
}

}  // namespace

std::vector<EpisodeTreeItem> episodeTree(const content::ContentNames& names) {
  std::vector<EpisodeTreeItem> tree;
  for (size_t v = 0; v < names.volumeCount(); ++v) {
    EpisodeTreeItem item{numbered(v, names.volumeName[v]), {}};
    const std::vector<std::string> levels = names.levels(v);
    for (size_t l = 0; l < levels.size(); ++l) item.levels.push_back(numbered(l, levels[l]));
    tree.push_back(std::move(item));
  }
  return tree;
}

}  // namespace files
