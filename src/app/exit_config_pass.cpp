#include "app/exit_config_pass.h"

#include "catalogue/catalogue_files.h"
#include "launch/config_file_writer.h"
#include "launch/option_lines.h"
#include "launch/registry_edits.h"

namespace app {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

int runExitConfigurationPass(const launch::LaunchServices& services, catalogue::Catalogue& cat,
                             launch::LaunchSession& session) {
  if (!catalogue::isSelectableSlot(cat.currentSlot())) return 0;
  launch::LaunchPipeline pipeline(services, cat, session);
  launch::LaunchState state = pipeline.newLaunchState();
  const catalogue::GameInfoRecord& game = cat.current();

  launch::OptionLines lines;
  launch::buildOptionLines(
      lines,
      launch::OptionLineInputs{game, cat.gameData(), cat.univ(), cat.launchLink().workingCopies(),
                               state.LaunchDir, state.SelectedDir, services.fs},
      session);

  launch::ConfigFileWriter::Setup setup{
      game,
      cat.gameData(),
      cat.launchLink().workingCopies(),
      cat.currentSlot(),
      catalogue::gameDataPath(state.ProgramDir, cat.currentSlot()),
      state.SelectedDir};
  launch::ConfigFileWriter::Hooks hooks;
  hooks.registryPass = [&](launch::OptionLines& l) {
    launch::applyRegistryEdits(l, game.get(gi::RegKey), game.get(gi::LaunchNameCommand),
                               services.registry);
  };
  hooks.initialiseGameData = [&] { cat.LoadGameData(); };
  hooks.gameDataSetUp = [&] { return cat.gameData().get(gd::Marker) == catalogue::kValidMarker; };
  return launch::ConfigFileWriter(services.fs, services.prompter, setup, state, lines, hooks)
      .writeConfigFiles();
}

}  // namespace app
