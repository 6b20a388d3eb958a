#include "app/toolbar_layout.h"

#include <array>

#include "app/command_ids.h"
#include "catalogue/record_image.h"

namespace app {

bool isDockSide(int32_t code) {
  return code >= kDockTop && code <= kDockBottom;
}

ToolbarLayout readToolbarLayout(platform::FileSystem& fs) {
  ToolbarLayout layout;
  auto file = fs.open(kToolbarLayoutFile, platform::OpenMode::kRead);
  if (!file) return layout;
  std::array<uint8_t, kToolbarLayoutSize> bytes{};
  if (file->read(bytes.data(), bytes.size()) != bytes.size()) return layout;
  using catalogue::image::readInt;
  const int32_t mainDock = readInt(bytes, 0);
  const int32_t selectDock = readInt(bytes, 4);
  if (isDockSide(mainDock)) layout.mainBarDock = mainDock;
  if (isDockSide(selectDock)) layout.selectGameBarDock = selectDock;
  layout.selectGameBarVisible = readInt(bytes, 8);
  layout.reserved = readInt(bytes, 12);
  return layout;
}

bool writeToolbarLayout(platform::FileSystem& fs, const ToolbarLayout& layout) {
  std::array<uint8_t, kToolbarLayoutSize> bytes{};
  using catalogue::image::writeInt;
  writeInt(bytes, 0, layout.mainBarDock);
  writeInt(bytes, 4, layout.selectGameBarDock);
  writeInt(bytes, 8, layout.selectGameBarVisible);
  writeInt(bytes, 12, layout.reserved);
  fs.setAttributesNormal(kToolbarLayoutFile);
  return fs.replaceWhole(kToolbarLayoutFile, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

std::optional<DockCommand> dockCommand(int id) {
  switch (id) {
    case kCmdToolbarTop:
      return DockCommand{true, kDockTop};
    case kCmdToolbarBottom:
      return DockCommand{true, kDockBottom};
    case kCmdToolbarLeft:
      return DockCommand{true, kDockLeft};
    case kCmdToolbarRight:
      return DockCommand{true, kDockRight};
    case kCmdSelectGameTop:
      return DockCommand{false, kDockTop};
    case kCmdSelectGameBottom:
      return DockCommand{false, kDockBottom};
    case kCmdSelectGameLeft:
      return DockCommand{false, kDockLeft};
    case kCmdSelectGameRight:
      return DockCommand{false, kDockRight};
    default:
      return std::nullopt;
  }
}

}  // namespace app
