#include "app/file_editing.h"

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

}  // namespace app
