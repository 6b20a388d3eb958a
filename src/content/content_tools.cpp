#include "content/content_tools.h"

#include "catalogue/game_types.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace content {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

namespace {

// The game's group file is the third of the data record's configuration-file copies.
constexpr size_t kGameGroupFile = 2;

}  // namespace

ContentTools::ContentTools(platform::FileSystem& fs, platform::Processes& processes,
                           platform::Prompter& prompter, const catalogue::GameInfoRecord& game,
                           const catalogue::GameDataRecord& data)
    : fs_(fs),
      processes_(processes),
      prompter_(prompter),
      game_(game),
      data_(data),
      gameDir_(platform::dos::withTrailingSeparator(game.get(gi::GameDir))),
      blood_(game.get(gi::GameKind) == catalogue::kKindBlood) {}

std::optional<std::string> ContentTools::tool(const std::string& name, const char* missing) {
  const std::string path = gameDir_ + name;
  const auto found = fs_.stat(path);
  if (name.empty() || !found || found->isDirectory()) {
    const std::string_view format = missing;
    const size_t at = format.find("%s");
    std::string text(format.substr(0, at));
    text.append(path).append(format.substr(at + 2));
    prompter_.tell(text);
    return std::nullopt;
  }
  return path;
}

void ContentTools::runIn(const std::string& dir, const std::string& command) {
  fs_.setCurrentDirectory(dir);
  processes_.runCommand(command);
  fs_.setCurrentDirectory(gameDir_);
}

bool ContentTools::extract(const std::vector<std::string>& patterns,
                           const std::string& selectedFile, const std::string& targetDir) {
  const auto extractor = tool(game_.get(gi::ContentToolField, 1));
  if (!extractor) return false;
  const std::string target =
      targetDir.empty() ? gameDir_ : platform::dos::withTrailingSeparator(targetDir);
  std::string group = selectedFile;
  if (!platform::dos::containsIgnoreCase(platform::dos::fileNameOf(selectedFile), ".GRP")) {
    std::string name = data_.get(gd::ConfigFileCopy, kGameGroupFile);
    // A game whose definition names no group file: the one in its directory.
    if (name.empty())
      for (const platform::FindData& found : fs_.find(gameDir_ + "*.GRP"))
        if (!found.isDirectory()) {
          name = found.shortName;
          break;
        }
    group = gameDir_ + name;
  }
  // The extractor is a DOS program: a name with blanks would be two words to it.
  group = fs_.shortPathName(group).value_or(group);
  // Blood's extractor takes "-x" before the pattern.
  for (const std::string& pattern : patterns) {
    std::string command = *extractor;
    command.append(" ").append(group).append(blood_ ? " -x " : " ").append(pattern);
    runIn(target, command);
  }
  return true;
}

bool ContentTools::editArt(const std::string& targetDir) {
  const auto editor = tool(game_.get(gi::ContentToolField, 0));
  if (!editor) return false;
  std::string target = gameDir_;
  if (targetDir.empty())
    prompter_.tell(kNoDirectory);
  else
    target = platform::dos::withTrailingSeparator(targetDir);
  if (!blood_) {
    // The editor needs a palette, its tables and the art files the game starts with.
    std::vector<std::string> missing;
    if (!fs_.exists(target + "tiles014.art") && !fs_.exists(target + "tiles015.art"))
      missing.push_back("tiles014.art");
    for (const char* file : {"tiles000.art", "palette.dat", "tables.dat"})
      if (!fs_.exists(target + file)) missing.push_back(file);
    if (!missing.empty() && !extract(missing, "", target)) return false;
  }
  runIn(target, *editor);
  return true;
}

bool ContentTools::startSetupProgram(bool editor) {
  std::string name = game_.get(editor ? gi::EditorSetupProgram : gi::GameSetupProgram);
  if (name.empty()) name = editor ? "bsetup.exe" : "setup.exe";
  const auto program = tool(name, kSetupMissing);
  if (!program) return false;
  std::string error;
  if (!processes_.startDosProgram(*program, {}, gameDir_, &error)) {
    std::string text = "Could not start ";
    text.append(*program).append(": ").append(error);
    prompter_.tell(text);
    return false;
  }
  return true;
}

}  // namespace content
