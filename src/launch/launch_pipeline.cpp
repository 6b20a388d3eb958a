#include "launch/launch_pipeline.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "catalogue/catalogue_files.h"
#include "catalogue/game_types.h"
#include "catalogue/native_ports.h"
#include "launch/arg_pass_patch.h"
#include "launch/command_line_composer.h"
#include "launch/config_file_writer.h"
#include "launch/content_names.h"
#include "launch/map_directory_policy.h"
#include "launch/option_lines.h"
#include "launch/placeholders.h"
#include "launch/registry_edits.h"
#include "launch/selected_file_preparation.h"
#include "launch/space_orb_launch.h"
#include "launch/template_markers.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"
#include "platform/pif_fields.h"

namespace launch {

namespace {

using namespace catalogue;

constexpr const char* kEditPatchName = "editpatch.bat";
constexpr const char* kKeysName = "keys";
constexpr const char* kBuildName = "Build.exe";
constexpr const char* kBuildPatchName = "buildpatch.bat";
constexpr const char* kTempMapName = "~tempmap.map";
constexpr const char* kBatchParameters = " %1 %2 %3 %4 %5 %6 %7 %8 %9";

constexpr const char* kNoEditPatch = "Could not create editpatch.bat file";
constexpr const char* kNoKeys = "Could not create keys file";
constexpr const char* kNoPif =
    "Could not create pif file.  Either the Hard-drive is full, or another program is using the "
    "PIF file.";
constexpr const char* kNoBuild =
    " Sorry, could not find Build.exe file. Need to copy Build.exe to Duke3D directroy. SEE BUILD "
    "NOTE for more information.";
constexpr const char* kNoBuildPif = "Could not create PatchForBuild.pif file";
constexpr const char* kNoBuildPatch = "Could not create buildpatch.bat file";
constexpr const char* kPauseQuestion =
    "Do you wish to to set the Pause-Before-Returning-From-Game option?\r\n  This option can be "
    "used to trouble-shoot a launching problem.\r\nSee help file for more information.";
constexpr const char* kCouldNotCopy = "Could not copy %s to %s.";
constexpr const char* kRunAfterEditor = "Do you want to run Duke Nukem with selected Map?";
constexpr const char* kTailTooLong =
    "The command line is too long for a DOS program: %zu characters, at most %zu fit.\n\n%s";

constexpr const char* kNotADosName =
    "%s cannot be given to a DOS program: DOS does not allow the character '%c' in a name.\n\n"
    "Rename it and try again.";

constexpr size_t kWindowsCommandLine = 255;

constexpr const char* kNoHostPath =
    "%s cannot be given to %s: no folder of this machine is mapped to its drive.";

// Stands for a blank inside a path while the composed pieces are split into arguments at
// their blanks; no name holds it.
constexpr char kBlankInPath = '\x1f';

bool isAbsoluteDosPath(const std::string& text) {
  return text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
         text[2] == '\\';
}

// The communication program of each connection type, in connection-type order.
const TextField<GameInfoTag>* const kCommPrograms[] = {
    &game_info::SerialExecuteFile,        &game_info::ModemExecuteFile,
    &game_info::IpxExecuteFile,           &game_info::KahnExecuteFile,
    &game_info::InternetExecuteFile,      &game_info::NetServerExecuteFile,
    &game_info::InternetServerExecuteFile};

size_t tailLength(const std::vector<std::string>& args) {
  size_t n = 0;
  for (const std::string& a : args) n += 1 + a.size();
  return n;
}

}  // namespace

LaunchPipeline::LaunchPipeline(LaunchServices services, Catalogue& catalogue,
                               LaunchSession& session)
    : services_(services),
      catalogue_(catalogue),
      session_(session),
      converter_(services.conConverter ? services.conConverter : &noConverter_) {}

LaunchState LaunchPipeline::newLaunchState() const {
  LaunchState state;
  const std::string gameDir = catalogue_.current().get(game_info::GameDir);
  const std::string selected = catalogue_.gameData().get(game_data::SelectedFile);
  // One spelling for both directories, so they compare and combine as text: a DOS program gets
  // 8.3 forms (what it can take, and what the file manager stores for it), a Windows program
  // long names. The file system finds both spellings.
  state.NativeRun = runWith();
  const bool dosProgram =
      catalogue_.current().get(game_info::WindowsModeOnly) == 0 && !state.NativeRun.native;
  auto launchForm = [&](const std::string& dir) {
    if (dir.empty()) return dir;
    auto form = dosProgram ? services_.fs.shortPathName(dir) : services_.fs.longPathName(dir);
    return platform::dos::withTrailingSeparator(form ? *form : dir);
  };
  state.LaunchDir = launchForm(gameDir);
  state.ProgramDir = catalogue_.startupDirectory();
  state.SelectedDir = launchForm(selected.empty() ? gameDir : platform::dos::directoryOf(selected));
  if (state.SelectedDir.empty()) state.SelectedDir = state.LaunchDir;
  return state;
}

bool LaunchPipeline::multiplayer() const {
  return catalogue_.univ().get(univ_info::MultiplayerMode) != 0;
}

bool LaunchPipeline::playsOverIpx() const {
  // "NetWork/IPX" and "Kahn/Kali" carry IPX; the serial, modem and InterNet types do not.
  const size_t type = catalogue_.univ().get(univ_info::ConnectionType);
  return type == 2 || type == 3;
}

bool LaunchPipeline::closeOnLaunch() const {
  return catalogue_.univ().get(univ_info::CloseOnLaunch) != 0 ||
         catalogue_.current().get(game_info::CloseOnGameLaunch) != 0;
}

std::string LaunchPipeline::commProgram() const {
  const size_t type = catalogue_.univ().get(univ_info::ConnectionType);
  if (type >= std::size(kCommPrograms)) return "";
  return catalogue_.current().get(*kCommPrograms[type]);
}

PifOptions LaunchPipeline::pifOptions(bool editor) const {
  const GameInfoRecord& game = catalogue_.current();
  const UnivInfoRecord& univ = catalogue_.univ();
  PifOptions o;
  o.PauseBeforeReturn = catalogue_.gameData().get(game_data::PauseBeforeReturn) != 0;
  o.ReserveAltSpace = univ.get(univ_info::DisableAltSpace) != 0;
  o.ReserveAllKeys = univ.get(univ_info::DisableAllWindowsKeys) != 0;
  o.TerminateWithoutWarning = univ.get(univ_info::TerminateWithoutWarning) != 0;
  o.HideWindowsFromGame = game.get(game_info::HideWindowsFromGame) != 0;
  o.DosModeOnly = game.get(game_info::DosModeOnly) != 0;
  o.EditorLaunch = editor;
  return o;
}

bool LaunchPipeline::writeText(const std::string& path, const std::string& text) {
  services_.fs.setAttributesNormal(path);
  return services_.fs.replaceWhole(path, std::vector<uint8_t>(text.begin(), text.end()));
}

bool LaunchPipeline::namesFitDos(const LaunchState& state) {
  if (catalogue_.current().get(game_info::WindowsModeOnly) != 0) return true;
  // What the DOS program gets: its directory, the picked file and where that file is.
  for (const std::string& path :
       {state.LaunchDir, state.SelectedDir, catalogue_.gameData().get(game_data::SelectedFile)}) {
    const std::optional<char> bad = platform::dos::forbiddenInDosName(path);
    if (!bad) continue;
    const std::string shown = services_.fs.longPathName(path).value_or(path);
    char text[1024];
    std::snprintf(text, sizeof text, kNotADosName, shown.c_str(), *bad);
    services_.prompter.ask(platform::kCaptionError, text, platform::Buttons::kOk);
    return false;
  }
  return true;
}

bool LaunchPipeline::writeKeysFile(const std::string& launchDir) {
  const std::string keys = launchDir + kKeysName;
  if (services_.fs.exists(keys)) return true;
  if (writeText(keys, "Y")) return true;
  services_.prompter.tell(kNoKeys);
  return false;
}

bool LaunchPipeline::prepareHelpers(LaunchState& state) {
  const GameInfoRecord& game = catalogue_.current();
  const bool spaceOrb = catalogue_.univ().get(univ_info::SpaceOrbOn) != 0;
  const bool argPass = game.get(game_info::UseArgPassProgram) != 0;
  if (!spaceOrb && !argPass) return true;

  std::string program = state.LaunchDir;
  if (state.EditorLaunch) {
    // The edit program's name ends at its first "|"; what follows are its markers.
    const std::string editor = game.get(game_info::FileKindEditProgram, size_t(state.EditorKind));
    program += editor.substr(0, editor.find('|'));
  }
  if (spaceOrb) {
    const std::string comm = multiplayer() && !state.EditorLaunch ? commProgram() : "";
    SpaceOrbLaunch orb = prepareSpaceOrb(services_.fs, services_.prompter,
                                         game.get(game_info::ExecuteFile), state.LaunchDir, comm);
    state.SpaceOrbActive = orb.active;
    state.SpaceOrbBatch = orb.batchPath;
  }
  if (!argPass) return true;
  program += state.SpaceOrbActive ? std::string(kSpaceOrbBatch) : game.get(game_info::ExecuteFile);
  return patchArgPass(services_.fs, services_.prompter, state.ProgramDir, state.LaunchDir,
                      state.SelectedDir, program);
}

LaunchOutcome LaunchPipeline::launchGame(LaunchState& state) {
  LaunchOutcome outcome = runOnce(state);
  // After an editor run, offer to play the edited map, then reopen the editor on it.
  while (outcome == LaunchOutcome::kReturned && state.EditorLaunch &&
         catalogue_.gameData().get(game_data::PromptRunAfterEditor) != 0 &&
         (!state.EditedMap.empty() || !state.EditSource.empty()) &&
         services_.prompter.ask(platform::kCaptionProgram, kRunAfterEditor,
                                platform::Buttons::kYesNo) == platform::Answer::kYes) {
    GameDataRecord& data = catalogue_.gameData();
    const std::string editorArg = state.Args.args.empty() ? "" : state.Args.args.front();
    const int editorKind = state.EditorKind;
    state.OptionStart = 0;
    state.EditorLaunch = false;
    state.Args.args.assign(1, "");
    if (!services_.fs.samePath(state.EditSource, state.EditedMap))
      services_.fs.copyFile(state.EditSource, state.EditedMap, /*failIfExists=*/false);
    const std::string keptFile = data.get(game_data::SelectedFile);
    data.set(game_data::SelectedFile, state.EditedMap);
    data.set(game_data::SelectedFileTemplate,
             catalogue_.current().get(game_info::FileKindLoadCommand, size_t(editorKind)));
    state.Args.args.clear();
    outcome = runOnce(state);
    if (outcome != LaunchOutcome::kReturned) return outcome;

    state.OptionStart = int(kOptionLineCount);
    state.EditorLaunch = true;
    data.set(game_data::SelectedFileTemplate, "");
    data.set(game_data::SelectedFile, keptFile);
    state.Args.args.assign(1, editorArg);
    outcome = runOnce(state);
  }
  return outcome;
}

LaunchOutcome LaunchPipeline::launchEditor(LaunchState& state, int kind, const std::string& file,
                                           const std::string& arguments,
                                           const std::string& editedMap) {
  state.EditorLaunch = true;
  state.EditorKind = kind;
  state.EditedMap = editedMap;
  // A bare name is a file of the game directory.
  state.EditSource = platform::dos::fileNameOf(file) == file ? state.LaunchDir + file : file;
  // The editor's own arguments, from its template alone: no option line of the game is read.
  OptionLines lines;
  lines[0].Text = platform::dos::findIgnoreCase(arguments, markers::kCml) == std::string::npos
                      ? std::string(markers::kCml) + arguments
                      : arguments;
  lines[0].Value = file;
  state.Args.args.clear();
  CommandLineComposer(services_.fs, LaunchRecords{catalogue_.current(), catalogue_.gameData()},
                      state)
      .composeCommandLine(lines, 0);
  state.OptionStart = int(kOptionLineCount);
  return launchGame(state);
}

// A file inside an archive is taken out first; the launch runs with that file picked and the
// pick goes back to the archive's member afterwards.
LaunchOutcome LaunchPipeline::runOnce(LaunchState& state) {
  GameDataRecord& data = catalogue_.gameData();
  const std::string picked = data.get(game_data::SelectedFile);
  if (picked.empty() || state.EditorLaunch) return runSteps(state);
  UnzipProfile profile = UnzipProfile::load(services_.fs, state.ProgramDir, catalogue_.univ());
  const UnzipProfile before = profile;
  SelectedFilePreparation preparation(services_.fs, services_.processes, services_.prompter,
                                      profile, state.LaunchDir);
  preparation.setProfileEditor(unzipProfileEditor_);
  const std::optional<std::string> file = preparation.prepare(picked);
  if (profile != before) {
    const std::string failure =
        profile.saveOrSayWhy(services_.fs, state.ProgramDir, catalogue_.univ());
    if (!failure.empty()) services_.prompter.tell(failure);
  }
  if (!file) return LaunchOutcome::kAbandoned;
  if (*file == picked) return runSteps(state);
  data.set(game_data::SelectedFile, *file);
  const std::string pickedDir = state.SelectedDir;
  const bool dosProgram = catalogue_.current().get(game_info::WindowsModeOnly) == 0;
  const std::string dir = platform::dos::directoryOf(*file);
  state.SelectedDir = platform::dos::withTrailingSeparator(
      (dosProgram ? services_.fs.shortPathName(dir) : services_.fs.longPathName(dir))
          .value_or(dir));
  const LaunchOutcome outcome = runSteps(state);
  data.set(game_data::SelectedFile, picked);
  state.SelectedDir = pickedDir;
  return outcome;
}

// One launch, step by step; each step that can fail says so and ends the launch.
LaunchOutcome LaunchPipeline::runSteps(LaunchState& state) {
  // An editor is a DOS program whatever the game runs with.
  if (state.NativeRun.native && !state.EditorLaunch) return runNative(state);
  // Nothing is written or renamed for a launch that cannot happen.
  if (!namesFitDos(state)) return LaunchOutcome::kAbandoned;
  if (!placeSelectedFile(state)) return LaunchOutcome::kAbandoned;
  if (!prepareContent(state)) return LaunchOutcome::kAbandoned;
  if (!prepareHelpers(state)) return LaunchOutcome::kAbandoned;

  OptionLines lines = launchOptionLines(state);
  const std::string startSelectedDir = state.SelectedDir;
  std::string dosCommand;
  if (!composeCommandLine(state, lines, dosCommand)) return LaunchOutcome::kAbandoned;
  services_.fs.setCurrentDirectory(state.LaunchDir);

  SessionPlan plan = planSession(state);
  if (!writeAnswerFile(state, plan)) return LaunchOutcome::kAbandoned;
  writeConfigurationFiles(state, lines, startSelectedDir);
  if (startsThroughCommProgram(state)) plan.program = commProgram();

  const Start pif{plan.pifDir + kPifName, state.Args.args};
  if (!writePif(services_.fs, pif.pifPath,
                buildPif(pifOptions(state.EditorLaunch), plan.program, plan.workDir,
                         /*forBuild=*/false))) {
    services_.prompter.tell(kNoPif);
    return LaunchOutcome::kAbandoned;
  }
  if (plan.editorElsewhere) services_.fs.setCurrentDirectory(plan.workDir);
  // A network game over IPX runs its session on the network the copies of the program share.
  const bool ipx = startsThroughCommProgram(state) && playsOverIpx();
  if (ipx) services_.processes.setIpxNetwork(true);
  LaunchOutcome outcome = start(state, pif, dosCommand);
  if (ipx) services_.processes.setIpxNetwork(false);
  if (outcome == LaunchOutcome::kReturned) services_.fs.setCurrentDirectory(state.LaunchDir);
  return outcome;
}

catalogue::RunWith LaunchPipeline::runWith() const {
  return catalogue_.runWith(catalogue_.currentSlot());
}

OptionLines LaunchPipeline::launchOptionLines(const LaunchState& state) {
  OptionLines lines;
  buildOptionLines(lines,
                   OptionLineInputs{catalogue_.current(), catalogue_.gameData(), catalogue_.univ(),
                                    catalogue_.launchLink().workingCopies(), state.LaunchDir,
                                    state.SelectedDir, services_.fs},
                   session_);
  // The game loads the converted twin of a picked CON file, or the copy put where it loads.
  if (!state.ConLaunchFile.empty() && !lines[kLineSelectedFile].Value.empty())
    lines[kLineSelectedFile].Value = state.ConLaunchFile;
  else if (!state.PlacedFile.empty() && !lines[kLineSelectedFile].Value.empty())
    lines[kLineSelectedFile].Value = state.PlacedFile;
  return lines;
}

LaunchOutcome LaunchPipeline::runNative(LaunchState& state) {
  const std::string program = state.NativeRun.program;
  if (program.empty()) {
    services_.prompter.ask(platform::kCaptionError,
                           catalogue_.current().get(game_info::GameName) +
                               " runs with a native program, but none is given. Choose it under "
                               "\"Run with\" in the game's definition.",
                           platform::Buttons::kOk);
    return LaunchOutcome::kAbandoned;
  }
  if (!placeSelectedFile(state)) return LaunchOutcome::kAbandoned;
  if (!prepareContent(state)) return LaunchOutcome::kAbandoned;

  OptionLines lines = launchOptionLines(state);
  const std::string startSelectedDir = state.SelectedDir;
  {
    OptionLines hostLines = lines;
    if (!valuesOnHost(hostLines, program)) return LaunchOutcome::kAbandoned;
    composeArguments(state, hostLines);
  }
  services_.fs.setCurrentDirectory(state.LaunchDir);
  writeConfigurationFiles(state, lines, startSelectedDir);

  platform::NativeStart start;
  start.program = program;
  start.args = state.NativeRun.arguments;
  for (std::string& arg : nativeArguments(state)) start.args.push_back(std::move(arg));
  start.directory = state.LaunchDir;
  start.package = catalogue::nativePortPackage(program);
  std::string error;
  const int status = services_.processes.startNativeAndWait(start, &error);
  if (status == -1) {
    services_.prompter.ask(platform::kCaptionError, error, platform::Buttons::kOk);
  } else {
    recordLaunch(state, Start{program, start.args});
  }
  services_.fs.setCurrentDirectory(state.LaunchDir);
  return LaunchOutcome::kReturned;
}

bool LaunchPipeline::valuesOnHost(OptionLines& lines, const std::string& program) {
  for (OptionLine& line : lines) {
    if (!isAbsoluteDosPath(line.Value)) continue;
    std::optional<std::string> host = services_.fs.hostPath(line.Value);
    if (!host || host->find(kBlankInPath) != std::string::npos) {
      char text[1024];
      std::snprintf(text, sizeof text, kNoHostPath, line.Value.c_str(), program.c_str());
      services_.prompter.ask(platform::kCaptionError, text, platform::Buttons::kOk);
      return false;
    }
    std::replace(host->begin(), host->end(), ' ', kBlankInPath);
    line.Value = *host;
  }
  return true;
}

std::vector<std::string> LaunchPipeline::nativeArguments(const LaunchState& state) const {
  std::vector<std::string> words;
  for (const std::string& piece : state.Args.args) {
    size_t at = 0;
    while (at < piece.size()) {
      if (piece[at] == ' ') {
        ++at;
        continue;
      }
      size_t end = piece.find(' ', at);
      if (end == std::string::npos) end = piece.size();
      std::string word = piece.substr(at, end - at);
      at = end;
      // A path the template put in itself (the game's directory) is spelled here too.
      if (isAbsoluteDosPath(word))
        if (auto host = services_.fs.hostPath(word)) word = *host;
      std::replace(word.begin(), word.end(), kBlankInPath, ' ');
      words.push_back(std::move(word));
    }
  }
  return words;
}

bool LaunchPipeline::placeSelectedFile(LaunchState& state) {
  state.PlacedFile.clear();
  const std::string selected = catalogue_.gameData().get(game_data::SelectedFile);
  if (selected.empty() || state.EditorLaunch) return true;
  const GameInfoRecord& game = catalogue_.current();
  const std::string name = platform::dos::fileNameOf(selected);
  MapDirectoryPolicy::chooseEpisodeAndLevel(name, game, catalogue_.gameData());
  MapDirectorySettings settings = MapDirectorySettings::load(services_.fs, state.ProgramDir);
  MapDirectoryPolicy policy(services_.fs, services_.prompter, game, state.LaunchDir, settings);
  std::string dir = state.SelectedDir;
  if (!policy.placeSelectedFile(name, dir, /*quiet=*/false)) return false;
  if (!services_.fs.samePath(dir, state.SelectedDir)) {
    state.SelectedDir = dir;
    state.PlacedFile = dir + name;
    return true;
  }
  placeBesideGame(state, selected);
  return true;
}

void LaunchPipeline::placeBesideGame(LaunchState& state, const std::string& selected) {
  platform::FileSystem& fs = services_.fs;
  const GameInfoRecord& game = catalogue_.current();
  const std::string templateText = catalogue_.gameData().get(game_data::SelectedFileTemplate);
  if (state.NativeRun.native || game.get(game_info::WindowsModeOnly) != 0 ||
      platform::dos::findIgnoreCase(templateText, markers::kFileOnly) == std::string::npos ||
      fs.samePath(state.SelectedDir, state.LaunchDir))
    return;
  // The game gets the bare name and loads the file from the directory it runs in. The copy
  // there goes by the file's long name, and the game is given the 8.3 name the copy has there:
  // the picked file's own 8.3 name may be another file's in the game directory.
  const std::string longPath = fs.longPathName(selected).value_or(selected);
  const std::string target = state.LaunchDir + platform::dos::fileNameOf(longPath);
  if (!fs.exists(target)) {
    if (!fs.copyFile(longPath, target, /*failIfExists=*/true)) {
      char text[1024];
      std::snprintf(text, sizeof text, kCouldNotCopy, longPath.c_str(), target.c_str());
      services_.prompter.tell(text);
      return;
    }
    state.CopiedFile = target;
    state.FileCopied = true;
  }
  if (const auto alias = fs.shortPathName(target)) state.PlacedFile = *alias;
}

// Add-on content under the names the game loads; old CON scripts for the later Duke Nukem 3D.
bool LaunchPipeline::prepareContent(LaunchState& state) {
  const int kind = catalogue_.current().get(game_info::GameKind);
  if (isDukeNukem(kind) && !services_.fs.samePath(state.SelectedDir, state.LaunchDir))
    renameAddOnContent(services_.fs, state.SelectedDir);
  state.ConArguments.clear();
  state.ConLaunchFile.clear();
  if (kind != kKindDukeAtomic) return true;
  return converter_->convertForLaunch(state, catalogue_.gameData().get(game_data::SelectedFile)) !=
         ConConversion::kFailed;
}

// The command line, from its own copy of the option lines; `dosCommand` is the whole command
// as the player would type it, for the messages and the Windows start.
bool LaunchPipeline::composeCommandLine(LaunchState& state, const OptionLines& lines,
                                        std::string& dosCommand) {
  const GameInfoRecord& game = catalogue_.current();
  composeArguments(state, lines);
  dosCommand = game.get(game_info::GameDir) + game.get(game_info::ExecuteFile) + " ";
  for (const std::string& arg : state.Args.args) dosCommand += arg + " ";
  if (tailLength(state.Args.args) <= platform::kMaxCommandTail) return true;
  char text[1024];
  std::snprintf(text, sizeof text, kTailTooLong, tailLength(state.Args.args),
                platform::kMaxCommandTail, dosCommand.c_str());
  services_.prompter.ask(platform::kCaptionError, text, platform::Buttons::kOk);
  return false;
}

void LaunchPipeline::composeArguments(LaunchState& state, const OptionLines& lines) {
  // The CON step's arguments come first, so the option lines can never crowd them out.
  if (!state.EditorLaunch)
    for (const std::string& arg : state.ConArguments)
      if (!state.Args.full()) state.Args.args.push_back(arg);
  OptionLines commandLines = lines;
  CommandLineComposer(services_.fs, LaunchRecords{catalogue_.current(), catalogue_.gameData()},
                      state)
      .composeCommandLine(commandLines, size_t(std::max(0, state.OptionStart)));
}

// The program the PIF starts, where the session runs and where its PIF goes.
LaunchPipeline::SessionPlan LaunchPipeline::planSession(const LaunchState& state) const {
  const GameInfoRecord& game = catalogue_.current();
  SessionPlan plan;
  plan.program = game.get(game_info::ExecuteFile);
  const bool argPass = game.get(game_info::UseArgPassProgram) != 0;
  if (argPass && (game.get(game_info::LaunchInUserPath) != 0 || state.SpaceOrbActive))
    plan.program = kArgPassName;
  else if (state.SpaceOrbActive)
    plan.program = kSpaceOrbBatch;
  std::string editorDir;
  if (state.EditorLaunch) {
    std::string editor = game.get(game_info::FileKindEditProgram, size_t(state.EditorKind));
    editor = editor.substr(0, editor.find('|'));
    const size_t cut = editor.rfind('\\');
    if (cut != std::string::npos && cut > 0) {
      editorDir = editor.substr(0, cut);
      editor = editor.substr(cut + 1);
    }
    plan.program = editor;
  }
  plan.workDir = state.LaunchDir;
  plan.pifDir = state.LaunchDir;
  if (!editorDir.empty()) {
    const bool absolute = editorDir.size() >= 2 && editorDir[1] == ':';
    plan.workDir = absolute ? editorDir : state.LaunchDir + editorDir;
    plan.pifDir = plan.workDir + "\\";
    plan.editorElsewhere = true;
  } else if (plan.workDir.size() > 3 && plan.workDir.back() == '\\') {
    plan.workDir.pop_back();  // "D:\GAMES\DUKE3D", as a DOS working directory is written
  }
  return plan;
}

// An answer file for a program that asks before it starts: the program runs through a batch
// file that feeds it the keys.
bool LaunchPipeline::writeAnswerFile(const LaunchState& state, SessionPlan& plan) {
  const bool bypass = catalogue_.gameData().get(game_data::BypassBuildPrompt) != 0;
  if (!(state.EditorLaunch && bypass) &&
      catalogue_.current().get(game_info::MapEditorLaunchFlag) == 0)
    return true;
  if (!writeText(state.LaunchDir + kEditPatchName,
                 plan.program + kBatchParameters + " <keys" + "\r\n")) {
    services_.prompter.tell(kNoEditPatch);
    return false;
  }
  plan.program = kEditPatchName;
  return writeKeysFile(state.LaunchDir);
}

// The game's configuration files, from their own copy of the option lines.
void LaunchPipeline::writeConfigurationFiles(LaunchState& state, OptionLines& lines,
                                             const std::string& startSelectedDir) {
  const GameInfoRecord& game = catalogue_.current();
  ConfigFileWriter::Setup setup{game,
                                catalogue_.gameData(),
                                catalogue_.launchLink().workingCopies(),
                                catalogue_.currentSlot(),
                                gameDataPath(state.ProgramDir, catalogue_.currentSlot()),
                                startSelectedDir};
  ConfigFileWriter::Hooks hooks;
  hooks.registryPass = [&](OptionLines& l) {
    applyRegistryEdits(l, game.get(game_info::RegKey), game.get(game_info::LaunchNameCommand),
                       services_.registry);
  };
  hooks.initialiseGameData = [&] { catalogue_.LoadGameData(); };
  hooks.gameDataSetUp = [&] {
    return catalogue_.gameData().get(game_data::Marker) == kValidMarker;
  };
  ConfigFileWriter(services_.fs, services_.prompter, setup, state, lines, hooks).writeConfigFiles();
}

// A multiplayer game starts through its communication program (a Build game even with the
// SpaceOrb batch file in front).
bool LaunchPipeline::startsThroughCommProgram(const LaunchState& state) const {
  const int kind = catalogue_.current().get(game_info::GameKind);
  return multiplayer() && !state.EditorLaunch && (!state.SpaceOrbActive || isBuildGame(kind));
}

void LaunchPipeline::recordLaunch(const LaunchState& state, const Start& pif) {
  if (!recorder_ || state.EditorLaunch) return;
  // Read at the start: a play after an editor run has the edited map picked just for it.
  const std::string file = catalogue_.gameData().get(game_data::SelectedFile);
  if (file.empty()) return;
  std::string arguments;
  for (const std::string& arg : pif.args) arguments += (arguments.empty() ? "" : " ") + arg;
  recorder_(file, arguments);
}

LaunchOutcome LaunchPipeline::handOver(const LaunchState& state, const Start& pif) {
  // Counted before: a hand-over that works never comes back here (one that fails, rarely, is
  // counted all the same).
  recordLaunch(state, pif);
  std::string error;
  services_.processes.execPif(pif.pifPath, pif.args, &error);
  if (error.empty()) return LaunchOutcome::kHandedOver;
  services_.prompter.ask(platform::kCaptionError, error, platform::Buttons::kOk);
  askPauseOption();
  return LaunchOutcome::kReturned;
}

void LaunchPipeline::askPauseOption() {
  GameDataRecord& data = catalogue_.gameData();
  if (data.get(game_data::PauseBeforeReturn) != 0) return;
  if (services_.prompter.ask(platform::kCaptionProgram, kPauseQuestion,
                             platform::Buttons::kYesNo) == platform::Answer::kYes)
    data.set(game_data::PauseBeforeReturn, 1);
}

LaunchOutcome LaunchPipeline::start(LaunchState& state, const Start& pif,
                                    const std::string& dosCommand) {
  const GameInfoRecord& game = catalogue_.current();
  const UnivInfoRecord& univ = catalogue_.univ();
  if (game.get(game_info::DosModeOnly) != 0 && !state.EditorLaunch) return handOver(state, pif);

  if (game.get(game_info::WindowsModeOnly) != 0) {
    const std::string gameDir = game.get(game_info::GameDir);
    std::string commandLine = dosCommand.substr(std::min(gameDir.size(), dosCommand.size()));
    if (!commandLine.empty()) commandLine.pop_back();
    if (commandLine.size() > kWindowsCommandLine) commandLine.resize(kWindowsCommandLine);
    std::string error;
    if (!services_.processes.startWindowsProgram(game.get(game_info::ExecuteFile), commandLine,
                                                 gameDir, &error)) {
      services_.prompter.ask(platform::kCaptionError, error, platform::Buttons::kOk);
      return LaunchOutcome::kReturned;
    }
    recordLaunch(state, pif);
    return closeOnLaunch() ? LaunchOutcome::kHandedOver : LaunchOutcome::kReturned;
  }

  if (state.SpaceOrbActive && services_.fs.exists(state.SpaceOrbBatch))
    services_.processes.runCommand(kSpaceOrbDriverOff);
  if (closeOnLaunch()) return handOver(state, pif);

  const uint64_t started = services_.clock.milliseconds();
  std::string error;
  const int status = services_.processes.startPifAndWait(pif.pifPath, pif.args, &error);
  const uint64_t ended = services_.clock.milliseconds();
  if (univ.get(univ_info::SpaceOrbOn) != 0 && univ.get(univ_info::SpaceOrbDriverAfterGame) != 0)
    services_.processes.runCommand(kSpaceOrbDriverOn);

  if (status != -1) recordLaunch(state, pif);
  if (status == -1) {
    services_.prompter.ask(platform::kCaptionError, error, platform::Buttons::kOk);
    askPauseOption();
  } else if (ended - started < kShortSessionMs) {
    askPauseOption();
  }
  return LaunchOutcome::kReturned;
}

LaunchOutcome LaunchPipeline::launchMapEditor(LaunchState& state, const std::string& map) {
  platform::FileSystem& fs = services_.fs;
  platform::Prompter& prompter = services_.prompter;
  const GameDataRecord& data = catalogue_.gameData();
  const bool bypass = data.get(game_data::BypassBuildPrompt) != 0;
  if (!fs.exists(state.LaunchDir + kBuildName)) {
    prompter.tell(kNoBuild);
    return LaunchOutcome::kAbandoned;
  }
  if (bypass && !writeKeysFile(state.LaunchDir)) return LaunchOutcome::kAbandoned;

  fs.setCurrentDirectory(state.LaunchDir);
  std::string workDir = state.LaunchDir;
  if (workDir.size() > 3 && workDir.back() == '\\') workDir.pop_back();
  PifOptions options;
  options.PauseBeforeReturn = data.get(game_data::PauseBeforeReturn) != 0;
  const Start pif{state.LaunchDir + kBuildPifName, {}};
  if (!writePif(fs, pif.pifPath,
                buildPif(options, bypass ? kBuildPatchName : "build.exe", workDir, true))) {
    prompter.tell(kNoBuildPif);
    return LaunchOutcome::kAbandoned;
  }

  const std::string batch = state.LaunchDir + kBuildPatchName;
  std::string error;
  if (map.empty()) {
    if (!writeText(batch, std::string("Build.exe ") + (bypass ? "<keys" : ""))) {
      prompter.tell(kNoBuildPatch);
      return LaunchOutcome::kAbandoned;
    }
    services_.processes.startPifAndWait(pif.pifPath, pif.args, &error);
    return LaunchOutcome::kReturned;
  }

  // Copies go by the long name: a new file beside the map may give its 8.3 alias to another.
  const std::string longMap = fs.longPathName(map).value_or(map);
  if (data.get(game_data::AutoBackupEditMap) != 0) {
    const std::string name = platform::dos::fileNameOf(longMap);
    const size_t dot = name.rfind('.');
    const std::string backup = platform::dos::directoryOf(longMap) +
                               (dot == std::string::npos ? name : name.substr(0, dot)) + ".bck";
    fs.copyFile(longMap, backup, /*failIfExists=*/false);
  }
  const bool tempCopy = !fs.samePath(state.SelectedDir, state.LaunchDir);
  const std::string tempMap = state.LaunchDir + kTempMapName;
  const std::string argument =
      tempCopy ? kTempMapName : platform::dos::fileNameOf(fs.shortPathName(longMap).value_or(map));
  if (tempCopy) fs.copyFile(longMap, tempMap, /*failIfExists=*/false);
  Start editor{pif.pifPath, {argument}};
  if (bypass) {
    if (!writeText(batch, "Build.exe " + argument + " <keys")) {
      prompter.tell(kNoBuildPatch);
      return LaunchOutcome::kAbandoned;
    }
    editor.args.push_back("<keys");
  }

  for (;;) {
    services_.processes.startPifAndWait(editor.pifPath, editor.args, &error);
    const bool playIt = data.get(game_data::PromptRunAfterEditor) != 0 &&
                        prompter.ask(platform::kCaptionProgram, kRunAfterEditor,
                                     platform::Buttons::kYesNo) == platform::Answer::kYes;
    if (tempCopy) fs.copyFile(tempMap, longMap, /*failIfExists=*/false);
    if (!playIt) return LaunchOutcome::kReturned;
    LaunchState game = newLaunchState();
    if (launchGame(game) == LaunchOutcome::kHandedOver) return LaunchOutcome::kHandedOver;
    fs.setCurrentDirectory(state.LaunchDir);
  }
}

}  // namespace launch
