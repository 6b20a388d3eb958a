#include "files/file_masks.h"

#include "platform/dos_path.h"

namespace files {

namespace gi = catalogue::game_info;

std::vector<std::string> masksForExtension(std::string_view extension) {
  if (extension.empty()) return {};
  const std::string text(extension);
  const size_t dot = text.find('.');
  if (dot == std::string::npos) return {"*." + text};
  if (dot == 0) return {"*" + text};
  return {text, "?" + text, "??" + text, "???" + text, "????" + text};
}

namespace {

const catalogue::IntField<catalogue::GameInfoTag>& listFlag(size_t list) {
  switch (list) {
    case kLongDirList:
      return gi::FileKindLongDir;
    case kMisc1DirList:
      return gi::FileKindMisc1Dir;
    case kMisc2DirList:
      return gi::FileKindMisc2Dir;
    default:
      return gi::FileKindShortDir;
  }
}

}  // namespace

std::vector<KindMask> masksForList(const catalogue::GameInfoRecord& game, size_t list) {
  std::vector<KindMask> masks;
  if (list >= kFileLists) return masks;
  const auto& flag = listFlag(list);
  for (size_t kind = 0; kind < kFileKinds; ++kind) {
    if (game.get(flag, kind) == 0) continue;
    for (std::string& mask : masksForExtension(game.get(gi::FileKindExtension, kind)))
      masks.push_back({std::move(mask), static_cast<int>(kind)});
  }
  return masks;
}

int fileKindOfName(const catalogue::GameInfoRecord& game, const std::string& name) {
  const std::string upper = platform::dos::toUpper(name);
  for (size_t kind = 0; kind < kFileKinds; ++kind) {
    std::string ext =
        platform::dos::toUpper(game.get(catalogue::game_info::FileKindExtension, kind));
    if (ext.empty()) continue;
    std::string dotted;
    if (ext.find('.') == std::string::npos) dotted = ".";
    dotted.append(ext);
    if (upper.find(dotted) != std::string::npos) return static_cast<int>(kind);
  }
  return -1;
}

}  // namespace files
