// Arbitrary configuration file bytes and option lines through both passes over the option
// lines: no read or write outside a buffer, at most ten arguments, and no configuration file
// grows beyond the size the pass edits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_files.h"
#include "content/key_scanner.h"
#include "launch/command_line_composer.h"
#include "launch/config_file_writer.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

constexpr const char* kGameDir = "C:\\GAMES\\DUKE3D\\";
constexpr const char* kSelectedDir = "C:\\ADDONS\\";
constexpr char kModes[] = {'R', 'N', '1', '0', 'r'};

// The input: one byte of switches, two bytes of configuration file length, the file, then the
// option lines as Text and Value fields separated by newlines.
struct Input {
  uint8_t switches = 0;
  std::string file;
  std::vector<std::string> fields;
};

Input split(const uint8_t* data, size_t size) {
  Input in;
  if (size < 3) return in;
  in.switches = data[0];
  size_t length = (size_t(data[1]) | size_t(data[2]) << 8) % (size - 2);
  in.file.assign(reinterpret_cast<const char*>(data + 3), length);
  std::string_view rest(reinterpret_cast<const char*>(data + 3 + length), size - 3 - length);
  while (!rest.empty() && in.fields.size() < 2 * launch::kOptionLineCount) {
    size_t cut = rest.find('\n');
    in.fields.emplace_back(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
  }
  return in;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Input in = split(data, size);

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  fs.makeDirectories("C:\\QF95\\");
  fs.putFile(std::string(kSelectedDir) + "ADDON.GRP", "grp");
  fs.putFile(std::string(kSelectedDir) + "HELL.MAP", "map");

  catalogue::GameInfoRecord game;
  catalogue::GameDataRecord record;
  catalogue::ConfigWorkingCopies configs;
  game.set(gi::GameDir, kGameDir);
  game.set(gi::GameKind, (in.switches & 1) ? 1 : 6);
  game.set(gi::LaunchPipelineFlag, (in.switches >> 1) & 1);
  game.set(gi::LaunchNameCommand, "DUKE3D.EXE");
  game.set(gi::LevelCommand, in.fields.empty() ? "" : in.fields[0]);
  game.set(gi::Marker, catalogue::kValidMarker);
  record.set(gd::Marker, catalogue::kValidMarker);
  record.set(gd::SelectedFile, in.fields.size() > 1 ? in.fields[1] : "");
  std::vector<std::string> paths;
  for (size_t i = 0; i < catalogue::kConfigFiles; ++i) {
    configs.names[i] = "SLOT" + std::to_string(i) + ".CFG";
    configs.dirs[i] = kGameDir;
    record.set(gd::ConfigFileCopy, configs.names[i], i);
    game.set(gi::ConfigFileFlag, std::string(1, kModes[((in.switches >> 2) + i) % 5]), i);
    paths.push_back(configs.dirs[i] + configs.names[i]);
    if ((in.switches >> 5) != i) fs.putFile(paths.back(), in.file);
  }

  launch::OptionLines lines;
  for (size_t i = 0; i + 1 < in.fields.size(); i += 2) {
    launch::OptionLine& line = lines[i / 2];
    line.Text = in.fields[i];
    line.Value = in.fields[i + 1];
    line.State = int32_t(line.Value.size() % 3);
  }

  launch::LaunchState state;
  state.LaunchDir = kGameDir;
  state.SelectedDir = kSelectedDir;
  state.CurrentMapDir = (in.switches & 0x80) ? "C:\\MAPS\\" : "";
  launch::CommandLineComposer composer(fs, {game, record}, state);
  launch::OptionLines commandLines = lines;
  composer.composeCommandLine(commandLines);
  if (state.Args.args.size() > launch::kMaxCommandArgs) __builtin_trap();

  launch::ConfigFileWriter::Setup setup{
      game, record, configs, 0, catalogue::gameDataPath("C:\\QF95\\", 0), kSelectedDir};
  prompter.script({platform::Answer::kOk});
  launch::ConfigFileWriter writer(fs, prompter, std::move(setup), state, lines);
  writer.writeConfigFiles();
  for (const std::string& path : paths) {
    auto bytes = fs.readWhole(path);
    if (!bytes || bytes->size() <= launch::kMaxConfigFileSize) continue;
    if (std::string(bytes->begin(), bytes->end()) != in.file) __builtin_trap();
  }

  // The scanner on its own, with the fields as keys and values.
  content::KeyScanner scanner;
  scanner.setAppendMissing(in.switches & 1);
  scanner.setCapacity(in.file.size() + 64);
  std::string text = in.file;
  for (size_t i = 0; i + 1 < in.fields.size(); i += 2) {
    content::KeyScanner::findValue(text, in.fields[i]);
    content::KeyScanner::findValue(text, in.fields[i], content::KeyScanner::Anchor::kLineStart);
    scanner.setLine(text, in.fields[i], in.fields[i + 1], (i & 2) ? " " : "");
    if (text.size() > scanner.capacity()) __builtin_trap();
  }
  return 0;
}
