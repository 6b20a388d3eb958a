// One launch's preparation without the DOS session: the option lines, the command-line pass,
// the configuration pass over five 31000-byte configuration files, the PIF and the helper
// patch, against a plain copy of the same bytes (the files read and written once) as the
// baseline, in the same run.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "launch/arg_pass_patch.h"
#include "launch/command_line_composer.h"
#include "launch/config_file_writer.h"
#include "launch/option_lines.h"
#include "launch/pif.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

using namespace catalogue;

constexpr size_t kConfigSize = 31000;
constexpr int kSlots = 5;

std::vector<uint8_t> configText(int slot) {
  std::string text;
  for (int line = 0; text.size() + 40 < kConfigSize; ++line)
    text += "Key" + std::to_string(slot) + "_" + std::to_string(line) + " = value\r\n";
  text.resize(kConfigSize, ';');
  return std::vector<uint8_t>(text.begin(), text.end());
}

struct Machine {
  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  GameInfoRecord game;
  GameDataRecord data;
  UnivInfoRecord univ;
  ConfigWorkingCopies configs;
  std::vector<std::vector<uint8_t>> files;

  Machine() {
    fs.addDrive('D');
    fs.putFile("C:\\QF95\\arg_pass.com", std::string("xxchdir") + std::string(128, '\0') +
                                             "yydukedir" + std::string(128, '\0') + "zzdukedir" +
                                             std::string(launch::kArgPassSize - 281, '\0'));
    fs.putFile("D:\\MAPS\\CITY.MAP", "map");
    game.set(game_info::GameDir, "D:\\GAMES\\DUKE3D\\");
    game.set(game_info::ExecuteFile, "duke3d.exe");
    game.set(game_info::IsDefined, 1);
    game.set(game_info::Marker, kValidMarker);
    game.set(game_info::UseArgPassProgram, 1);
    game.set(game_info::SkillCommand, "<cml>/s<var>");
    game.set(game_info::SoundOffCommand, "<cml>/ns|FXDevice = 13@Default File1");
    for (int i = 0; i < kSlots; ++i) {
      const std::string name = "GAME" + std::to_string(i) + ".CFG";
      game.set(game_info::ConfigFile, name, size_t(i));
      game.set(game_info::ConfigFileFlag, "N", size_t(i));
      configs.names[size_t(i)] = name;
      configs.dirs[size_t(i)] = "D:\\GAMES\\DUKE3D\\";
      data.set(game_data::ConfigFileCopy, name, size_t(i));
      files.push_back(configText(i));
    }
    game.set(game_info::UserPathCommand, "");
    for (int n = 1; n <= kSlots; ++n)
      game.set(game_info::ConfigFileCommand,
               "Key" + std::to_string(n - 1) + "_100 = <var>@Default File" + std::to_string(n),
               size_t(n - 1));
    data.set(game_data::Marker, kValidMarker);
    data.set(game_data::SelectedFile, "D:\\MAPS\\CITY.MAP");
    data.set(game_data::SelectedFileTemplate,
             "<cml>-map <fileonly> |Map <fileonly_name>@Default File1");
    data.set(game_data::SkillIndex, 2);
    data.set(game_data::SoundOption, 1, 0);
    resetFiles();
  }
  void resetFiles() {
    for (int i = 0; i < kSlots; ++i)
      fs.putFile("D:\\GAMES\\DUKE3D\\GAME" + std::to_string(i) + ".CFG", files[size_t(i)]);
  }
};

void BM_LaunchPreparation(benchmark::State& s) {
  Machine m;
  launch::LaunchSession session;
  for (auto _ : s) {
    launch::LaunchState state;
    state.LaunchDir = "D:\\GAMES\\DUKE3D\\";
    state.SelectedDir = "D:\\MAPS\\";
    state.ProgramDir = "C:\\QF95\\";
    launch::OptionLines lines;
    launch::buildOptionLines(
        lines, {m.game, m.data, m.univ, m.configs, state.LaunchDir, state.SelectedDir, m.fs},
        session);
    launch::OptionLines commandLines = lines;
    launch::CommandLineComposer(m.fs, {m.game, m.data}, state).composeCommandLine(commandLines);
    launch::ConfigFileWriter(
        m.fs, m.prompter,
        {m.game, m.data, m.configs, 0, "C:\\QF95\\Quillfen_Game_data.dat0", state.SelectedDir},
        state, lines)
        .writeConfigFiles();
    auto pif = launch::buildPif({}, "arg_pass.com", "D:\\GAMES\\DUKE3D", false);
    launch::writePif(m.fs, "D:\\GAMES\\DUKE3D\\dmpatch95.pif", pif);
    launch::patchArgPass(m.fs, m.prompter, state.ProgramDir, state.LaunchDir, state.SelectedDir,
                         "D:\\GAMES\\DUKE3D\\duke3d.exe");
    benchmark::DoNotOptimize(state.Args.args.data());
  }
}
BENCHMARK(BM_LaunchPreparation)->Unit(benchmark::kMicrosecond);

// Baseline: the same files read and written whole once, nothing parsed.
void BM_PlainCopyBaseline(benchmark::State& s) {
  Machine m;
  for (auto _ : s) {
    for (int i = 0; i < kSlots; ++i) {
      const std::string path = "D:\\GAMES\\DUKE3D\\GAME" + std::to_string(i) + ".CFG";
      auto bytes = m.fs.readWhole(path);
      m.fs.replaceWhole(path, *bytes);
    }
    auto helper = m.fs.readWhole("C:\\QF95\\arg_pass.com");
    m.fs.replaceWhole("D:\\GAMES\\DUKE3D\\arg_pass.com", *helper);
    m.fs.replaceWhole("D:\\GAMES\\DUKE3D\\dmpatch95.pif", std::vector<uint8_t>(launch::kPifSize));
  }
}
BENCHMARK(BM_PlainCopyBaseline)->Unit(benchmark::kMicrosecond);

}  // namespace
