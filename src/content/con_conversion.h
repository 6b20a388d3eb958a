// Before a Duke Nukem 3D 1.4/1.5 launch of an add-on: find the add-on's main CON file and the
// USER file it includes, convert a USER file written for 1.3 (a ".V15" twin of it and of the
// main file, and "plut.con" with the settings 1.3 lacks), and give back what the game's
// command line must name. The player's own files are never rewritten by the conversion: it
// writes twins beside them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/prompter.h"

namespace content {

inline constexpr std::string_view kConvertFailed =
    "Can not convert the selected CON file to 1.4/1.5 version.";
inline constexpr std::string_view kNoGameConWarning =
    "You are about to run a map in a directory that does not contain a game.con file.\r\nIf "
    "prompt by the Duke Nukem to use internal game.con file, do NOT enter YES";
// "%s" marks are filled with the USER file's name, then the main file's.
inline constexpr std::string_view kMainConMissing =
    "The CON file \"%s\" is from a 1.3 version of Duke3d.\r\nQuillfen95 could not convert this "
    "CON file because the %s file could not be found.\r\nFor more information, see \"CON "
    "Convertion 1.3 to 1.5\" on the index.";
inline constexpr std::string_view kRenamedMainCon = "XGAME.CON";

// One launch's CON files. Names are file names in `conDirectory` (no directory).
struct ConLaunchContext {
  std::string conDirectory;  // the add-on's directory, ends in "\"
  std::string selectedCon;   // the picked file, then the main file, then its USER file
  std::string mainCon;       // the add-on's main (GAME) CON file
  std::string subDirectory;  // "maps\" or "map\" when the pick lay in one under the add-on
  bool makeV15 = false;      // with no CON file at all, run a "game.v15" of the game's own
  std::vector<std::string> gameArguments;  // for the game's command line, in order
  std::string launchFile;                  // the picked file's name as the game is to load it
};

// What the CON tools use of the machine and of the game.
struct ConTools {
  platform::FileSystem& fs;
  platform::Prompter& prompter;
  std::string gameDirectory;  // ends in "\"
  int gameKind = 0;
};

// True when the file has an "include " that no comment on its line comes before.
bool hasActiveInclude(ConTools& tools, const ConLaunchContext& context, const std::string& name);
// Sets `selectedCon` to the USER file that the main file (`selectedCon` when it names one,
// else `mainCon`) includes.
void findUserCon(ConTools& tools, ConLaunchContext& context);
// The USER file `mainName` includes; the context is left as it was.
std::string userConOf(ConTools& tools, const ConLaunchContext& context,
                      const std::string& mainName);
// The add-on's main file, or "" when none; sets `mainCon`. A main file whose name lacks "GAME"
// is renamed "XGAME.CON" (outside the game directory).
std::string findMainCon(ConTools& tools, ConLaunchContext& context);
// Points the main file's USER include (and its second include) at `userName`.
bool rewriteUserInclude(ConTools& tools, const std::string& mainPath, const std::string& userName);
// Converts the USER file `selectedCon` when it was written for 1.3; true when it needed nothing
// or was converted. On success the names in the context are those of the twins.
bool convertUserCon13(ConTools& tools, ConLaunchContext& context);
// The whole step before a 1.4/1.5 launch; false (after telling the player) when a conversion
// was needed and failed.
bool prepareConLaunch(ConTools& tools, ConLaunchContext& context);

}  // namespace content
