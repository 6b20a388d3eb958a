#include "app/file_editing.h"

#include <cstdio>

#include "files/file_masks.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace app {

namespace gi = catalogue::game_info;

namespace {

constexpr std::string_view kFileOnlyMarker = "<fileonly>";
constexpr std::string_view kMoveToMainDirMarker = "<MoveToMainDir>";

bool contains(const std::string& text, std::string_view marker) {
  return platform::dos::findIgnoreCase(text, marker) != std::string::npos;
}

}  // namespace

EditPlan planEdit(const catalogue::GameInfoRecord& game, const std::string& dir,
                  const std::string& name, bool inGameDir) {
  EditPlan plan;
  plan.kind = files::fileKindOfName(game, name);
  if (plan.kind < 0) return plan;
  const std::string editor = game.get(gi::FileKindEditProgram, size_t(plan.kind));
  if (editor.empty() || editor.starts_with("//")) {
    plan.editor = EditorChoice::kNoEditor;
    return plan;
  }
  if (platform::dos::equalsIgnoreCase(editor, kConEditorName)) {
    plan.editor = EditorChoice::kConEditor;
    return plan;
  }
  if (platform::dos::equalsIgnoreCase(editor, kRtsEditorName)) {
    plan.editor = EditorChoice::kRtsEditor;
    return plan;
  }
  plan.editor = EditorChoice::kOutside;
  plan.file = inGameDir ? name : dir + name;
  plan.arguments = game.get(gi::FileKindLoadCommand, size_t(plan.kind));
  if (contains(editor, kFileOnlyMarker)) {
    plan.file = name;
    plan.arguments = kFileOnlyMarker;
  }
  if (contains(editor, kMoveToMainDirMarker) && !inGameDir) {
    // An editor that only works in the game directory gets a copy there, under a name that
    // cannot be one of the game's own files.
    const size_t dot = name.find('.');
    plan.file = std::string(kTempEditStem) + (dot == std::string::npos ? "" : name.substr(dot));
    plan.arguments = kFileOnlyMarker;
    plan.tempCopy = platform::dos::withTrailingSeparator(game.get(gi::GameDir)) + plan.file;
  }
  return plan;
}

bool offerDefaultFile(const catalogue::GameInfoRecord& game, int kind, const std::string& dir,
                      const std::string& name, catalogue::ConfigWorkingCopies& copies,
                      platform::Prompter& prompter) {
  if (kind < 0 || size_t(kind) >= files::kFileKinds) return false;
  const std::string load = game.get(gi::FileKindLoadCommand, size_t(kind));
  bool launch = false;
  for (int n = 1; n <= int(catalogue::kConfigFiles); ++n) {
    if (load.find("@Default File" + std::to_string(n)) == std::string::npos) continue;
    std::string& slotName = copies.names[size_t(n - 1)];
    const std::string previous = slotName;
    // Cut to what the slots hold, as the game data record keeps them.
    slotName = name.substr(0, 13);
    copies.dirs[size_t(n - 1)] = dir.substr(0, 127);
    char text[512];
    std::snprintf(text, sizeof text, kDefaultFileQuestion, n, previous.c_str(), n, name.c_str());
    if (prompter.ask(platform::kCaptionAttension, text, platform::Buttons::kYesNo) ==
        platform::Answer::kYes)
      launch = true;
  }
  return launch;
}

}  // namespace app
