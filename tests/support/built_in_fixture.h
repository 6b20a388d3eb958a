// A fake machine for launching the built-in games as the factory definitions describe them:
// the definitions are read from the built Quillfen.Sig, the game is installed in a directory
// of its own, and a launch runs the real option line builder, the command-line pass and, when
// asked, the configuration pass.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/catalogue_files.h"
#include "catalogue/default_univ_info.h"
#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "catalogue/univ_info_record.h"
#include "launch/command_line_composer.h"
#include "launch/config_file_writer.h"
#include "launch/option_lines.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace testsupport {

// The twenty factory definitions, in slot order.
inline const std::vector<catalogue::GameInfoRecord>& factoryDefinitions() {
  static const std::vector<catalogue::GameInfoRecord> records = [] {
    std::ifstream in(QF95_SIG_PATH, std::ios::binary);
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<catalogue::GameInfoRecord> out;
    for (size_t at = 0; at + catalogue::GameInfoRecord::kSize <= bytes.size();
         at += catalogue::GameInfoRecord::kSize)
      out.push_back(catalogue::GameInfoRecord::fromBytes(
          std::span(bytes).subspan(at, catalogue::GameInfoRecord::kSize)));
    return out;
  }();
  return records;
}

class BuiltInGameTest : public ::testing::Test {
 protected:
  using Args = std::vector<std::string>;

  BuiltInGameTest() : univ(catalogue::defaultUnivInfo()) { fs.addDrive('D'); }

  // Makes `slot`'s factory definition the game, installed in `gameDir`, as the catalogue
  // leaves it after loading: configuration names and directories resolved, the game data
  // record valid.
  void install(int slot, const std::string& gameDir) {
    namespace gi = catalogue::game_info;
    namespace gd = catalogue::game_data;
    ASSERT_EQ(factoryDefinitions().size(), 20u);
    game = factoryDefinitions()[size_t(slot)];
    game.set(gi::GameDir, gameDir);
    gameDir_ = gameDir;
    data.set(gd::Marker, catalogue::kValidMarker);
    fs.makeDirectories(gameDir);
    fs.makeDirectories(kProgramDir);
    for (size_t i = 0; i < catalogue::kConfigFiles; ++i) {
      const std::string file = game.get(gi::ConfigFile, i);
      const size_t cut = file.rfind('\\');
      configs.names[i] = cut == std::string::npos ? file : file.substr(cut + 1);
      configs.dirs[i] = cut == std::string::npos ? gameDir : gameDir + file.substr(0, cut + 1);
      data.set(gd::ConfigFileCopy, file, i);
      data.set(gd::ConfigFileName, configs.names[i], i);
      data.set(gd::ConfigFileDir, configs.dirs[i], i);
      if (!file.empty()) fs.makeDirectories(configs.dirs[i]);  // the game's own directories
    }
  }

  // The file picked in the file manager, with the template of its file kind.
  void pick(const std::string& file, size_t kind) {
    data.set(catalogue::game_data::SelectedFile, file);
    data.set(catalogue::game_data::SelectedFileTemplate,
             game.get(catalogue::game_info::FileKindLoadCommand, kind));
    fs.putFile(file, "content");
  }

  std::string selectedDir() const {
    const std::string file = data.get(catalogue::game_data::SelectedFile);
    return file.empty() ? gameDir_ : file.substr(0, file.rfind('\\') + 1);
  }

  // Builds the option lines and runs the command-line pass, as a launch does.
  Args compose() {
    launch::buildOptionLines(lines, {game, data, univ, configs, gameDir_, selectedDir(), fs},
                             session);
    state = {};
    state.LaunchDir = gameDir_;
    state.ProgramDir = kProgramDir;
    state.SelectedDir = selectedDir();
    composed = lines;
    launch::CommandLineComposer(fs, {game, data}, state).composeCommandLine(composed);
    return state.Args.args;
  }

  // The configuration pass of the same launch (after compose()); 1 when it finished.
  int writeConfigFiles() {
    launch::ConfigFileWriter::Setup setup{
        game, data, configs, 3, catalogue::gameDataPath(kProgramDir, 3), selectedDir()};
    launch::ConfigFileWriter writer(fs, prompter, std::move(setup), state, lines);
    return writer.writeConfigFiles();
  }

  std::string text(const std::string& path) {
    auto bytes = fs.readWhole(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
  }

  // Multiplayer with `commType` (0 serial ... 6 InterNet server) and `players` players.
  void multiplayer(int commType, int players) {
    namespace ui = catalogue::univ_info;
    univ.set(ui::MultiplayerMode, 1);
    univ.set(ui::ConnectionType, uint8_t(commType));
    univ.set(ui::PlayersIndex, uint8_t(players - 2));
    univ.set(ui::SocketNumbers, game.get(catalogue::game_info::DefaultSocketNumber), 0);
  }

  static constexpr const char* kProgramDir = "C:\\QF95\\";

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  catalogue::GameInfoRecord game;
  catalogue::GameDataRecord data;
  catalogue::UnivInfoRecord univ;
  catalogue::ConfigWorkingCopies configs;
  launch::LaunchSession session;
  launch::LaunchState state;
  launch::OptionLines lines;
  launch::OptionLines composed;

 private:
  std::string gameDir_;
};

}  // namespace testsupport
