#include "launch/duke_con_converter.h"

#include "catalogue/game_types.h"
#include "content/con_conversion.h"
#include "platform/dos_path.h"

namespace launch {

ConConversion DukeConConverter::convertForLaunch(LaunchState& state,
                                                 const std::string& selectedFile) {
  state.ConArguments.clear();
  state.ConLaunchFile.clear();
  // The directories are in the launch's spelling (8.3 for the DOS game); the picked file's name
  // must be too, as the game is given it.
  std::string name;
  if (!selectedFile.empty())
    name = platform::dos::fileNameOf(fs_.shortPathName(selectedFile).value_or(selectedFile));

  content::ConTools tools{fs_, prompter_, state.LaunchDir, catalogue::kKindDukeAtomic};
  content::ConLaunchContext context;
  context.conDirectory = state.SelectedDir;
  context.selectedCon = name;
  context.launchFile = name;
  if (!content::prepareConLaunch(tools, context)) return ConConversion::kFailed;

  state.ConArguments = context.gameArguments;
  if (!name.empty() && !platform::dos::equalsIgnoreCase(context.launchFile, name))
    state.ConLaunchFile = context.conDirectory + context.launchFile;
  return state.ConArguments.empty() && state.ConLaunchFile.empty() ? ConConversion::kNotConverted
                                                                   : ConConversion::kConverted;
}

}  // namespace launch
