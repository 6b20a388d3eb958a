#include "launch/arg_pass_patch.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/dos_session_paths.h"

namespace launch {

namespace {

constexpr const char* kMissingMessage =
    "Could Not find arg_pass.com file in the Quillfen directory (%s)(%s).";
constexpr const char* kCannotOpenMessage =
    "Could Not open arg_pass.com file in the Game directory.  Either the Hard-drive is full, or "
    "another program is using the arg_pass.com file.";

using Image = std::vector<uint8_t>;

// Position just after the first occurrence of `marker`, or nothing.
std::optional<size_t> afterMarker(const Image& image, std::string_view marker) {
  auto at = std::search(image.begin(), image.end(), marker.begin(), marker.end());
  if (at == image.end()) return std::nullopt;
  return size_t(at - image.begin()) + marker.size();
}

// Writes `text` NUL-terminated at `pos`, cut to the helper's room and to the image's end.
void writeSlot(Image& image, size_t pos, const std::string& text) {
  const size_t room = std::min(kArgPassPathRoom, image.size() - pos);
  if (room == 0) return;
  const size_t n = std::min(text.size(), room - 1);
  std::copy_n(text.begin(), n, image.begin() + std::ptrdiff_t(pos));
  image[pos + n] = 0;
}

}  // namespace

bool patchArgPass(platform::FileSystem& fs, platform::Prompter& prompter,
                  const std::string& programDir, const std::string& launchDir,
                  const std::string& selectedDir, const std::string& programPath) {
  const std::string placed = launchDir + kArgPassName;
  auto existing = fs.stat(placed);
  if (!existing || existing->size != kArgPassSize) {
    const std::string shipped = programDir + kArgPassName;
    if (!fs.exists(shipped) || !fs.copyFile(shipped, placed, /*failIfExists=*/false)) {
      char text[600];
      std::snprintf(text, sizeof text, kMissingMessage, shipped.c_str(), programDir.c_str());
      prompter.tell(text);
      return false;
    }
  }
  fs.setAttributesNormal(placed);
  auto bytes = fs.readWhole(placed);
  if (!bytes) {
    prompter.tell(kCannotOpenMessage);
    return false;
  }
  Image image = std::move(*bytes);
  auto dirSlot = afterMarker(image, "xxchdir");
  if (!dirSlot) return false;
  // The helper runs inside the DOS session: the paths it gets are the session's.
  std::string dir = platform::onSessionDrives(fs, selectedDir);
  if (!dir.empty()) dir.pop_back();
  writeSlot(image, *dirSlot, dir);

  auto programSlot = afterMarker(image, "yydukedir");
  if (!programSlot) return false;
  writeSlot(image, *programSlot, platform::onSessionDrives(fs, programPath));

  if (auto flag = afterMarker(image, "zzdukedir"); flag && *flag < image.size()) image[*flag] = 'N';

  if (!fs.replaceWhole(placed, image)) {
    prompter.tell(kCannotOpenMessage);
    return false;
  }
  return true;
}

}  // namespace launch
