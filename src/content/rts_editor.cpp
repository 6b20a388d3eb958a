#include "content/rts_editor.h"

#include <algorithm>
#include <cctype>

#include "content/content_tools.h"
#include "content/editor_file_list.h"
#include "platform/byte_cursor.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace content {

namespace gi = catalogue::game_info;

namespace {

// A sound file name the game's RTS tool takes: 8.3, at most 12 characters.
constexpr size_t kSoundNameMax = 12;

std::string toolMissing(const std::string& path) {
  const std::string_view format = ContentTools::kToolMissing;
  const size_t at = format.find("%s");
  std::string text(format.substr(0, at));
  text.append(path).append(format.substr(at + 2));
  return text;
}

}  // namespace

RtsEditor::RtsEditor(platform::FileSystem& fs, platform::Processes& processes,
                     platform::Prompter& prompter, const catalogue::GameInfoRecord& game,
                     std::string rtsDirectory, std::string rtsName)
    : fs_(fs),
      processes_(processes),
      prompter_(prompter),
      game_(game),
      rtsDirectory_(platform::dos::withTrailingSeparator(std::move(rtsDirectory))),
      rtsName_(std::move(rtsName)),
      workDirectory_(rtsDirectory_ + kWorkDirectory),
      listDirectory_(workDirectory_) {
  prepare();
}

std::optional<std::array<std::string, RtsEditor::kSounds>> RtsEditor::soundNamesOf(
    std::span<const uint8_t> file) {
  if (file.size() < kNamesFromEnd) return std::nullopt;
  platform::ByteCursor in(file);
  in.seek(file.size() - kNamesFromEnd);
  std::array<std::string, kSounds> names;
  for (std::string& name : names) {
    name = in.text(8).value_or("");
    in.skip(8);
    const bool plain =
        name.find("..") == std::string::npos && std::all_of(name.begin(), name.end(), [](char c) {
          return std::isalnum(static_cast<unsigned char>(c)) ||
                 std::string_view("_-~!@#$%^&()").find(c) != std::string_view::npos;
        });
    if (!plain) name.clear();
  }
  return names;
}

std::string RtsEditor::toolName(const catalogue::GameInfoRecord& game) {
  return game.get(gi::RtsToolName);
}

std::string RtsEditor::gameDirectory() const {
  return platform::dos::withTrailingSeparator(game_.get(gi::GameDir));
}

void RtsEditor::prepare() {
  const auto bytes = fs_.readWhole(rtsDirectory_ + rtsName_);
  if (!bytes) {
    prompter_.tell(kCannotOpen);
    failed_ = true;
    return;
  }
  const auto names = soundNamesOf(*bytes);
  if (!names) {
    prompter_.tell(kCannotOpen);
    failed_ = true;
    return;
  }
  sounds_ = *names;
  fs_.createDirectory(workDirectory_.substr(0, workDirectory_.size() - 1));
  if (!fs_.copyFile(rtsDirectory_ + rtsName_, workDirectory_ + rtsName_, false)) {
    prompter_.tell(kCannotCopyTemp);
    failed_ = true;
    return;
  }
  const std::string tool = gameDirectory() + toolName(game_);
  if (toolName(game_).empty() || !fs_.exists(tool)) {
    prompter_.tell(toolMissing(tool));
    failed_ = true;
    return;
  }
  fs_.setCurrentDirectory(workDirectory_);
  processes_.runCommand(tool + " -u " + rtsName_);
  for (std::string& sound : sounds_)
    if (!sound.empty()) sound += fs_.exists(workDirectory_ + sound + ".wav") ? ".wav" : ".voc";
}

std::vector<std::string> RtsEditor::fileEntries() const {
  return editorFileEntries(fs_, listDirectory_, {".wav", ".voc"});
}

void RtsEditor::openFileEntry(const std::string& entry, int sound) {
  if (const auto walked = walkedDirectory(listDirectory_, entry)) {
    listDirectory_ = *walked;
    return;
  }
  if (sound < 0 || sound >= int(kSounds)) return;
  // The RTS tool takes 8.3 names: a longer one goes by its alias.
  std::string name = entry;
  if (name.size() > kSoundNameMax) {
    const auto found = fs_.stat(listDirectory_ + entry);
    name = found ? found->shortName.substr(0, kSoundNameMax) : name.substr(0, kSoundNameMax);
  }
  if (!platform::dos::equalsIgnoreCase(listDirectory_, rtsDirectory_))
    fs_.copyFile(listDirectory_ + entry, workDirectory_ + name, false);
  sounds_[size_t(sound)] = name;
}

void RtsEditor::finish() {
  if (failed_) return;
  std::string list = rtsName_ + "\r\n";
  for (const std::string& sound : sounds_) list += sound + "\r\n";
  const std::string tool = gameDirectory() + toolName(game_);
  if (!fs_.replaceWhole(workDirectory_ + kListFile,
                        std::vector<uint8_t>(list.begin(), list.end()))) {
    prompter_.tell(kCannotWriteList);
  } else {
    fs_.setCurrentDirectory(workDirectory_);
    processes_.runCommand(tool + " " + kListFile);
    // The RTS file is replaced whole or not at all.
    const auto rebuilt = fs_.readWhole(workDirectory_ + rtsName_);
    if (!rebuilt || !fs_.replaceWhole(rtsDirectory_ + rtsName_, *rebuilt)) {
      prompter_.tell(kCannotCopyBack);
      failed_ = true;
      return;  // the working directory stays, with the rebuilt file
    }
  }
  cleanUp();
}

void RtsEditor::cancel() {
  failed_ = true;
  cleanUp();
}

void RtsEditor::cleanUp() {
  if (fs_.exists(workDirectory_ + rtsName_)) {
    processes_.runCommand("del " + workDirectory_ + "*.voc");
    processes_.runCommand("del " + workDirectory_ + "*.wav");
    processes_.runCommand("del " + workDirectory_ + rtsName_);
    processes_.runCommand(std::string("del ") + workDirectory_ + kListFile);
    fs_.setCurrentDirectory(gameDirectory());
    fs_.removeDirectory(workDirectory_.substr(0, workDirectory_.size() - 1));
  }
}

}  // namespace content
