// The main window's editing commands: the map editor, the picked file in the editor of its
// file kind, backups, and the text and help files.
#include <cstdio>

#include "app/command_ids.h"
#include "app/file_editing.h"
#include "app/help_files.h"
#include "app/main_window.h"
#include "catalogue/game_types.h"
#include "content/con_editor.h"
#include "files/file_operations.h"
#include "launch/map_directory_policy.h"
#include "platform/dos_path.h"

namespace app {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

namespace {

constexpr const char* kEditsKeptMessage =
    "The edited file could not be copied back to %s: your changes are in %s.";

// The text file of a directory, as the player would look for it.
constexpr const char* kTextFilePatterns[] = {"*.txt", "*.doc", "readme.*"};

}  // namespace

void MainWindow::filePicked(const files::Selection& selection) {
  if (selection.status != files::PickStatus::kSetOnly) return;
  if (offerDefaultFile(cat_.current(), selection.fileKind, selection.directory,
                       selection.shortName.empty() ? selection.longName : selection.shortName,
                       cat_.launchLink().workingCopies(), services_.prompter))
    runLaunch();
}

void MainWindow::mapEditorCommand(int id) {
  if (id == kCmdFileEditor) {
    editSelectedFile();
    return;
  }
  if (id == kCmdUndoEdit || id == kCmdDeleteBackUp) {
    files::FileManager* fm = host_.fileManager();
    if (!fm || fm->disabled()) return;
    files::FileOperations ops(services_.fs, services_.prompter, fileManagerSettings().expertMode());
    const std::string source = fm->leftListFile();
    if (!ops.hasSource(source)) return;
    if (id == kCmdUndoEdit)
      ops.restoreBackup(source);
    else
      ops.removeBackup(source);
    host_.refreshFileManager();
    return;
  }
  std::string map;
  if (id == kCmdEditSelectedMap) {
    map = cat_.gameData().get(gd::SelectedFile);
    if (map.empty()) {
      services_.prompter.tell(kNoFileForEditor);
      return;
    }
  }
  saveBeforeHandOff();
  launch::LaunchPipeline pipeline(services_, cat_, session_);
  preparePipeline(pipeline);
  launch::LaunchState state = pipeline.newLaunchState();
  afterLaunch(pipeline.launchMapEditor(state, map));
  host_.refreshFileManager();
}

void MainWindow::editSelectedFile() {
  const std::string selected = cat_.gameData().get(gd::SelectedFile);
  if (selected.empty()) {
    services_.prompter.tell(kNoFileForEditor);
    return;
  }
  platform::FileSystem& fs = services_.fs;
  const std::string gameDir = platform::dos::withTrailingSeparator(cat_.current().get(gi::GameDir));
  auto planFor = [&](const std::string& path) {
    const std::string dir = platform::dos::directoryOf(path);
    return planEdit(cat_.current(), dir, platform::dos::fileNameOf(path),
                    fs.samePath(dir, gameDir));
  };
  EditPlan plan = planFor(selected);
  if (plan.editor == EditorChoice::kNone) return;
  if (plan.editor == EditorChoice::kNoEditor) {
    services_.prompter.tell(kNoValidEditor);
    return;
  }
  // Copies go by the long name: a new file beside it may give the 8.3 alias to another file.
  const std::string longPath = fs.longPathName(selected).value_or(selected);
  if (cat_.gameData().get(gd::AutoBackupEditMap) != 0)
    fs.copyFile(longPath, longPath + kBackupSuffix, /*failIfExists=*/false);
  // The file as the editor is to get it, with the alias it has now.
  const bool dosProgram = cat_.current().get(gi::WindowsModeOnly) == 0;
  const std::string current = dosProgram ? fs.shortPathName(longPath).value_or(selected) : longPath;
  plan = planFor(current);
  const std::string dir = platform::dos::directoryOf(current);
  const std::string name = platform::dos::fileNameOf(current);

  if (plan.editor == EditorChoice::kConEditor) {
    content::ConEditor editor(fs, services_.prompter, name, dir,
                              cat_.current().get(gi::GameKind) == catalogue::kKindDukeAtomic);
    host_.runConEditor(editor);
  } else if (plan.editor == EditorChoice::kRtsEditor) {
    runRtsEditorOn(dir, name);
  } else {
    if (!plan.tempCopy.empty() && !fs.copyFile(longPath, plan.tempCopy, /*failIfExists=*/false)) {
      services_.prompter.tell("The file could not be copied to " + plan.tempCopy +
                              " for its editor: " + fs.lastErrorText());
      return;
    }
    saveBeforeHandOff();
    launch::LaunchPipeline pipeline(services_, cat_, session_);
    preparePipeline(pipeline);
    launch::LaunchState state = pipeline.newLaunchState();
    const launch::LaunchOutcome outcome =
        pipeline.launchEditor(state, plan.kind, plan.file, plan.arguments, current);
    if (!plan.tempCopy.empty()) {
      // The copy goes only once the edits are back in the picked file: they are never lost.
      if (fs.copyFile(plan.tempCopy, longPath, /*failIfExists=*/false)) {
        fs.deleteFile(plan.tempCopy);
      } else {
        char text[1024];
        std::snprintf(text, sizeof text, kEditsKeptMessage, longPath.c_str(),
                      plan.tempCopy.c_str());
        services_.prompter.tell(text);
      }
    }
    afterLaunch(outcome);
  }
  host_.refreshFileManager();
}

void MainWindow::viewText(int id) {
  if (id == kCmdGameHelp || id == kCmdEditorHelp) {
    const std::string file =
        cat_.current().get(id == kCmdGameHelp ? gi::GameHelpFile : gi::EditorHelpFile);
    const std::string command = startFileCommand(cat_.current(), file);
    if (!command.empty()) services_.processes.runCommand(command);
    return;
  }
  std::string dir = platform::dos::withTrailingSeparator(host_.currentListDirectory());
  if (dir.empty() || dir == "\\")
    dir = platform::dos::withTrailingSeparator(cat_.current().get(gi::GameDir));
  for (const char* pattern : kTextFilePatterns)
    for (const platform::FindData& found : services_.fs.find(dir + pattern)) {
      if (found.isDirectory()) continue;
      services_.processes.openTextViewer(dir + found.longName);
      return;
    }
}

void MainWindow::mapDirectoryCommand(int id) {
  files::FileManager* fm = host_.fileManager();
  if (!fm || fm->disabled()) return;
  platform::FileSystem& fs = services_.fs;
  launch::LaunchPipeline pipeline(services_, cat_, session_);
  const launch::LaunchState state = pipeline.newLaunchState();
  launch::MapDirectorySettings settings = launch::MapDirectorySettings::load(fs, state.ProgramDir);
  launch::MapDirectoryPolicy policy(fs, services_.prompter, cat_.current(), state.LaunchDir,
                                    settings);
  if (id == kCmdTotalConversionDir) {
    const std::string shown = fm->list(files::kShortDirList).workDir();
    if (const auto dir = policy.tcDirectory(platform::dos::withTrailingSeparator(shown), tcDrive_))
      fm->showDirectory(files::kShortDirList, *dir);
    host_.refreshFileManager();
    return;
  }
  // The launch compares the directory in the form the game gets, so it is kept in that form.
  std::string shown = platform::dos::withTrailingSeparator(fm->currentDirectory());
  if (const auto shortForm = fs.shortPathName(shown))
    shown = platform::dos::withTrailingSeparator(*shortForm);
  const launch::MapDirectorySettings before = settings;
  policy.setOverrideMapDir(shown);
  if (settings.userMapDir == before.userMapDir && settings.autoCopyMaps == before.autoCopyMaps)
    return;
  if (!settings.save(fs, state.ProgramDir))
    services_.prompter.tell("The map directory setting could not be saved in " + state.ProgramDir +
                            launch::MapDirectorySettings::kFileName + ": " + fs.lastErrorText());
}

void MainWindow::unzipProfile() {
  const std::string programDir = cat_.startupDirectory();
  launch::UnzipProfileDialog dialog(
      launch::UnzipProfile::load(services_.fs, programDir, cat_.univ()));
  if (!host_.runUnzipProfileDialog(dialog)) return;
  const std::string failure = dialog.profile().saveOrSayWhy(services_.fs, programDir, cat_.univ());
  if (!failure.empty()) services_.prompter.tell(failure);
}

}  // namespace app
