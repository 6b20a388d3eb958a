// Where the two toolbars are docked and whether the select-game toolbar shows: four ints kept
// in "ToolBar.dat" beside the program (opened by its bare name, so relative to the current
// directory).
#pragma once

#include <cstdint>
#include <optional>

#include "platform/file_system.h"

namespace app {

inline constexpr const char* kToolbarLayoutFile = "ToolBar.dat";
inline constexpr size_t kToolbarLayoutSize = 16;

enum DockSide : int32_t {
  kDockTop = 59419,
  kDockLeft = 59420,
  kDockRight = 59421,
  kDockBottom = 59422,
};

bool isDockSide(int32_t code);

struct ToolbarLayout {
  int32_t mainBarDock = kDockTop;
  int32_t selectGameBarDock = kDockBottom;
  int32_t selectGameBarVisible = 1;
  int32_t reserved = 1;  // stored and restored, not used

  bool operator==(const ToolbarLayout&) const = default;
};

// The layout read over the defaults. A missing or short file leaves the defaults; a dock code
// that names no side leaves that bar's default.
ToolbarLayout readToolbarLayout(platform::FileSystem& fs);
// Creates or truncates the file; false when it cannot be written (the layout is then lost).
bool writeToolbarLayout(platform::FileSystem& fs, const ToolbarLayout& layout);

// The dock side a docking command sets, for the main bar (`mainBar`) or the select-game bar.
struct DockCommand {
  bool mainBar;
  int32_t side;
};
std::optional<DockCommand> dockCommand(int id);

}  // namespace app
