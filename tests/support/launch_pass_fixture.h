// A fake machine for the two passes over the option lines: Duke Nukem 3D in C:\GAMES\DUKE3D\,
// the program in C:\QF95\, the picked file's directory C:\ADDONS\HELL\.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_files.h"
#include "launch/command_line_composer.h"
#include "launch/config_file_writer.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace testsupport {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

class LaunchPassTest : public ::testing::Test {
 protected:
  static constexpr const char* kGameDir = "C:\\GAMES\\DUKE3D\\";
  static constexpr const char* kAddonDir = "C:\\ADDONS\\HELL\\";
  static constexpr const char* kMap = "C:\\ADDONS\\HELL\\HELL.MAP";

  LaunchPassTest() {
    game.set(gi::GameDir, kGameDir);
    game.set(gi::GameKind, 1);
    game.set(gi::LaunchNameCommand, "DUKE3D.EXE");
    game.set(gi::Marker, catalogue::kValidMarker);
    data.set(gd::Marker, catalogue::kValidMarker);
    fs.makeDirectories(kGameDir);
    fs.makeDirectories("C:\\QF95\\");
    fs.putFile(kMap, "map bytes");
    state.LaunchDir = kGameDir;
    state.SelectedDir = kAddonDir;
  }

  void setLine(size_t i, std::string text, std::string value = {}, int32_t lineState = 0) {
    lines[i] = launch::OptionLine{std::move(text), std::move(value), lineState};
  }
  // Configuration slot n (1–5): its file in the game directory and its mode character.
  std::string useSlot(size_t n, const std::string& name, const std::string& mode) {
    configs.names[n - 1] = name;
    configs.dirs[n - 1] = kGameDir;
    data.set(gd::ConfigFileCopy, name, n - 1);
    game.set(gi::ConfigFileFlag, mode, n - 1);
    return kGameDir + name;
  }

  std::vector<std::string> compose() {
    // The pass works on its own copy, as in a launch.
    composed = lines;
    launch::CommandLineComposer composer(fs, {game, data}, state);
    composer.composeCommandLine(composed);
    return state.Args.args;
  }
  launch::ConfigFileWriter makeWriter(launch::ConfigFileWriter::Hooks hooks = {}) {
    launch::ConfigFileWriter::Setup setup{game, data, configs, currentSlot, dataFile(), kAddonDir};
    return launch::ConfigFileWriter(fs, prompter, std::move(setup), state, lines, std::move(hooks));
  }
  std::string dataFile() const { return catalogue::gameDataPath("C:\\QF95\\", 3); }
  std::string text(const std::string& path) {
    auto bytes = fs.readWhole(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
  }

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  catalogue::GameInfoRecord game;
  catalogue::GameDataRecord data;
  catalogue::ConfigWorkingCopies configs;
  launch::LaunchState state;
  launch::OptionLines lines;
  launch::OptionLines composed;
  int currentSlot = 3;
};

}  // namespace testsupport
