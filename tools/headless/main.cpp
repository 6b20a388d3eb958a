// qf95-headless: the main window's logic without a display, driven by a script. The real
// catalogue, launch pipeline and host services run; the window records what it is asked to
// do, message boxes are answered from the script, and every program start is printed before
// it happens.
//
//   qf95-headless [--prefix DIR] [--output FILE] [--timeout SECONDS] [SCRIPT]
//
// The script is read from standard input when no file is given. The started programs' own
// output goes to FILE, standard error when none is given, so that standard output holds the
// transcript alone.
// The start-up directory is the current directory, as for the program.
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <thread>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/launch_selections.h"
#include "app/main_window.h"
#include "catalogue/catalogue.h"
#include "catalogue/dialogs/drives_dialog.h"
#include "catalogue/dialogs/game_location_dialog.h"
#include "catalogue/dialogs/game_select_dialog.h"
#include "dialog_fill.h"
#include "files/episode_tree.h"
#include "files/file_manager.h"
#include "launch/dialogs/demo_respawn_options.h"
#include "launch/dialogs/launch_options.h"
#include "launch/dialogs/sound_video_memory_options.h"
#include "launch/launch_state.h"
#include "launch/selected_file_preparation.h"
#include "multiplayer/network_check.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"
#include "platform/host/host_file_system.h"
#include "platform/host/host_processes.h"
#include "platform/pif_fields.h"
#include "platform/pointer.h"
#include "script.h"
#include "system/quillfen_system.h"

namespace {

// A fault of the script against what the window offers; ends the run with status 1.
struct ScriptFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

const char* statusName(files::PickStatus status) {
  switch (status) {
    case files::PickStatus::kNothing:
      return "nothing";
    case files::PickStatus::kDirectory:
      return "directory";
    case files::PickStatus::kPicked:
      return "picked";
    case files::PickStatus::kSetOnly:
      return "set-only";
    case files::PickStatus::kPathTooLong:
      return "path-too-long";
    case files::PickStatus::kUnknownKind:
      break;
  }
  return "unknown-kind";
}

std::string quoted(const std::string& word) {
  if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) return word;
  return "\"" + word + "\"";
}

class ScriptPrompter : public platform::Prompter {
 public:
  explicit ScriptPrompter(std::ostream& out) : out_(out) {}
  void queue(platform::Answer answer) { answers_.push_back(answer); }
  size_t queued() const { return answers_.size(); }

  platform::Answer ask(const std::string& caption, const std::string& text,
                       platform::Buttons buttons) override {
    out_ << "box " << caption << ": " << headless::oneLine(text) << "\n";
    platform::Answer answer = platform::answerWithoutButton(buttons);
    bool fromScript = false;
    if (!answers_.empty()) {
      // A box with OK alone takes a queued "ok", and otherwise leaves the queue to the next
      // question.
      if (headless::offers(buttons, answers_.front())) {
        answer = answers_.front();
        answers_.pop_front();
        fromScript = true;
      } else if (buttons != platform::Buttons::kOk) {
        out_ << "-> (queued " << headless::answerName(answers_.front()) << " is not a button)\n";
        throw ScriptFault("the queued answer does not fit the box");
      }
    }
    out_ << "-> " << headless::answerName(answer)
         << (fromScript || buttons == platform::Buttons::kOk ? "" : " (nothing queued)") << "\n";
    out_.flush();
    return answer;
  }

 private:
  std::ostream& out_;
  std::deque<platform::Answer> answers_;
};

// Prints every start, then passes it on.
class RecordingProcesses : public platform::Processes {
 public:
  RecordingProcesses(platform::Processes& inner, platform::FileSystem& fs, std::ostream& out)
      : inner_(inner), fs_(fs), out_(out) {}

  int startPifAndWait(const std::string& pifPath, const std::vector<std::string>& args,
                      std::string* error) override {
    printPif("dos", pifPath, args);
    return inner_.startPifAndWait(pifPath, args, error);
  }
  void execPif(const std::string& pifPath, const std::vector<std::string>& args,
               std::string* error) override {
    printPif("dos-handover", pifPath, args);
    inner_.execPif(pifPath, args, error);
  }
  bool startWindowsProgram(const std::string& application, const std::string& commandLine,
                           const std::string& currentDirectory, std::string* error) override {
    out_ << "start windows " << quoted(application) << " " << commandLine << " in "
         << currentDirectory << "\n";
    out_.flush();
    return inner_.startWindowsProgram(application, commandLine, currentDirectory, error);
  }
  int startNativeAndWait(const platform::NativeStart& start, std::string* error) override {
    out_ << "start native " << quoted(start.program);
    for (const std::string& arg : start.args) out_ << " " << quoted(arg);
    out_ << " in " << start.directory << "\n";
    out_.flush();
    return inner_.startNativeAndWait(start, error);
  }

  bool startDosProgram(const std::string& program, const std::vector<std::string>& args,
                       const std::string& directory, std::string* error) override {
    out_ << "start dos-detached " << quoted(program);
    for (const std::string& arg : args) out_ << " " << quoted(arg);
    out_ << " in " << directory << "\n";
    out_.flush();
    return inner_.startDosProgram(program, args, directory, error);
  }
  int runCommand(const std::string& commandText) override {
    out_ << "start command " << commandText << " in " << fs_.currentDirectory() << "\n";
    out_.flush();
    return inner_.runCommand(commandText);
  }
  bool openTextViewer(const std::string& file) override {
    out_ << "start viewer " << quoted(file) << " in " << fs_.currentDirectory() << "\n";
    out_.flush();
    return inner_.openTextViewer(file);
  }
  int unzipMember(const std::string& archive, const std::string& member,
                  const std::string& targetDir, std::string* error) override {
    out_ << "start unzip " << quoted(archive) << " " << quoted(member) << " into " << targetDir
         << "\n";
    out_.flush();
    return inner_.unzipMember(archive, member, targetDir, error);
  }
  void setIpxNetwork(bool on) override { inner_.setIpxNetwork(on); }

 private:
  // The PIF names the program and the directory it runs in.
  void printPif(const char* kind, const std::string& pifPath,
                const std::vector<std::string>& args) {
    std::string program = pifPath, dir = "?";
    if (const auto bytes = fs_.readWhole(pifPath))
      if (const auto pif = platform::readPif(*bytes)) {
        program = pif->program;
        dir = pif->workingDirectory;
      }
    out_ << "start " << kind << " " << quoted(program);
    for (const std::string& arg : args) out_ << " " << quoted(arg);
    out_ << " in " << dir << "\n";
    out_.flush();
  }

  platform::Processes& inner_;
  platform::FileSystem& fs_;
  std::ostream& out_;
};

// The screen's pointer of a window that is not drawn: a 1280 x 1024 screen, every move and
// button printed.
class RecordingPointer : public platform::Pointer {
 public:
  explicit RecordingPointer(std::ostream& out) : out_(out) {}
  platform::PointerPoint position() const override { return at_; }
  void moveTo(platform::PointerPoint point) override {
    at_ = platform::clampToScreen(point, screenSize());
    out_ << "pointer " << at_.x << "," << at_.y << "\n";
  }
  platform::ScreenSize screenSize() const override { return {1280, 1024}; }
  void buttonDown(platform::PointerButton button) override {
    out_ << "pointer " << name(button) << " down\n";
  }
  void buttonUp(platform::PointerButton button) override {
    out_ << "pointer " << name(button) << " up\n";
  }

 private:
  static const char* name(platform::PointerButton button) {
    return button == platform::PointerButton::kLeft    ? "left"
           : button == platform::PointerButton::kRight ? "right"
                                                       : "middle";
  }
  std::ostream& out_;
  platform::PointerPoint at_{640, 512};
};

// The window: records instead of drawing. Dialogs cannot run here: each is printed and
// cancelled, except the Drives dialog, which carries out the script's drives directive, and the
// folder chooser, which takes the script's queued folders.
class RecordingHost : public app::MainWindowHost,
                      public app::LanDialogHost,
                      public catalogue::GameLocationDialogRunner,
                      public catalogue::GameFolderChooser {
 public:
  RecordingHost(std::ostream& out, catalogue::Catalogue& cat, files::FileManager& files,
                platform::FileSystem& fs, platform::Prompter& prompter)
      : out_(out), cat_(cat), files_(files), fs_(fs), prompter_(prompter) {}

  void queueFolder(std::optional<std::string> folder) { folders_.push_back(std::move(folder)); }
  size_t queuedFolders() const { return folders_.size(); }
  // What the next Drives dialog does before it is closed.
  void setDrivesAction(const headless::Directive* action) { drivesAction_ = action; }

  std::optional<std::string> chooseGameFolder() override {
    dialog(catalogue::GameFolderChooser::kTitle);
    std::optional<std::string> folder;
    if (folders_.empty()) {
      out_ << "-> cancel (nothing queued)\n";
    } else {
      folder = folders_.front();
      folders_.pop_front();
      out_ << "-> " << (folder ? *folder : std::string("cancel")) << "\n";
    }
    out_.flush();
    return folder;
  }

  bool runDrivesDialog() override {
    dialog(catalogue::dialogs::DrivesDialog::kTitle);
    platform::DriveMap* map = fs_.driveMap();
    if (!map) throw ScriptFault("this file system has no drive map");
    catalogue::dialogs::DrivesDialog drives(*map, prompter_);
    printDrives(drives);
    const headless::Directive* d = drivesAction_;
    drivesAction_ = nullptr;
    if (!d || d->action == "show") {
      out_ << "-> close\n";
      return false;
    }
    bool done = false;
    if (d->action == "add") {
      out_ << "-> add " << drives.nextLetter() << ": " << d->path << "\n";
      done = drives.add(d->path);
    } else {
      if (!drives.selectLetter(d->letter))
        throw ScriptFault(std::string("drives: ") + d->letter + ": is not in the list");
      if (d->action == "change") {
        out_ << "-> change " << d->letter << ": " << d->path << "\n";
        done = drives.changeFolder(d->path);
      } else {
        out_ << "-> remove " << d->letter << ":\n";
        if (!drives.canRemove()) {
          out_ << "-> disabled\n";
          return false;
        }
        done = drives.removeSelected();
      }
    }
    if (done) printDrives(drives);
    out_.flush();
    return drives.changed();
  }

  // A new command: the game location dialog may be asked for again after each.
  void newCommand() { locationRequests_ = 0; }
  bool closed() const { return closed_; }

  app::WindowRect windowRect() const override { return rect_; }
  void moveWindow(const app::WindowRect& rect) override { rect_ = rect; }
  void refreshView() override { files_.refreshForGame(); }
  void refreshFileManager() override { files_.refreshForGame(); }
  void resetFileLists() override { files_.resetToGameDirectory(); }
  void showMode(const std::string&) override {}
  void applyToolbarLayout(const app::ToolbarLayout&) override {}
  bool toolbarShown() const override { return toolbar_; }
  void showToolbar(bool shown) override { toolbar_ = shown; }
  bool statusBarShown() const override { return statusBar_; }
  void showStatusBar(bool shown) override { statusBar_ = shown; }
  void closeMainWindow() override {
    out_ << "close\n";
    closed_ = true;
  }
  int runGameLocationDialog(int) override {
    dialog(catalogue::dialogs::GameLocationDialog::kTitle);
    // A define-game loop asks again while no game is current; a script cannot answer it.
    if (++locationRequests_ > 3) throw ScriptFault("the game location dialog keeps coming back");
    return cat_.currentSlot();
  }
  // The define-game dialog of `slot`, as a button of the game select dialog opens it, filled
  // from the script: the name, the execution file and what the game runs with.
  void defineGame(int slot) {
    using catalogue::dialogs::DefineGameDialog;
    catalogue::dialogs::GameSelectDialog select(cat_, /*protection=*/0, cat_.currentSlot(),
                                                cat_.current());
    select.defineSlot(slot, [this](DefineGameDialog& define) {
      DefineGameDialog::Fields& f = define.fields();
      headless::DialogForm form;
      form.field("Game Name", [&f](const std::string& v) { f.name = v; });
      form.field("Game Execution File", [&f](const std::string& v) { f.executionFile = v; });
      form.field("Run with", [&f](const std::string& v) {
        const std::vector<std::string> entries(DefineGameDialog::kRunWithNames.begin(),
                                               DefineGameDialog::kRunWithNames.end());
        f.runWith = headless::DialogForm::entryIndex(entries, v);
      });
      form.field("Native program", [&define](const std::string& v) {
        if (!define.nativeFieldsEnabled()) throw headless::FillFault("the box is greyed");
        define.fields().nativeProgram = v;
      });
      form.field("Fixed arguments", [&define](const std::string& v) {
        if (!define.nativeFieldsEnabled()) throw headless::FillFault("the box is greyed");
        define.fields().nativeArguments = v;
      });
      runDialog(
          DefineGameDialog::kTitle, form, [&define] { define.ok(); }, [] {});
    });
  }
  void runLaunchOptionsDialog() override {
    using launch::dialogs::LaunchOptions;
    LaunchOptions options(cat_.univ(), cat_.current(), cat_.gameData());
    headless::DialogForm form;
    for (size_t i = 0; i < LaunchOptions::kOptionCount; ++i)
      form.field(LaunchOptions::kCaptions[i], [&options, i](const std::string& value) {
        if (!options.enabled(i)) throw headless::FillFault("the box is greyed");
        options.setChecked(i, headless::DialogForm::onOff(value));
      });
    runDialog(
        LaunchOptions::kTitle, form, [&] { options.ok(); }, [] {});
  }
  void runSingleOptionsDialog(int id) override {
    using headless::DialogForm;
    if (id == app::kCmdSoundVideoOptions || id == app::kCmdToolSoundVideoOptions) {
      using launch::dialogs::SoundVideoMemoryOptions;
      SoundVideoMemoryOptions options(cat_.current(), cat_.gameData());
      DialogForm form;
      for (size_t i = 0; i < options.boxes().size(); ++i)
        form.field(SoundVideoMemoryOptions::kBoxCaptions[i],
                   [&options, i](const std::string& v) { checkBox(options.boxes()[i], v); });
      form.field("Video Option", [&options](const std::string& value) {
        if (!options.videoEnabled()) throw headless::FillFault("the list is greyed");
        options.setVideoSelection(DialogForm::entryIndex(options.videoEntries(), value));
      });
      form.field("Memory Option", [&options](const std::string& value) {
        if (!options.memoryEnabled()) throw headless::FillFault("the box is greyed");
        options.memoryText() = value;
      });
      runDialog(
          SoundVideoMemoryOptions::kTitle, form, [&] { options.ok(); }, [&] { options.close(); });
      return;
    }
    using launch::dialogs::DemoRespawnOptions;
    DemoRespawnOptions options(cat_.current(), cat_.gameData());
    DialogForm form;
    form.field("Play Demo", [&](const std::string& v) { checkBox(options.playDemo(), v); });
    form.field("Record Demo", [&](const std::string& v) { checkBox(options.recordDemo(), v); });
    form.field("No Monsters", [&](const std::string& v) { checkBox(options.noMonsters(), v); });
    form.field("Misc", [&](const std::string& v) { checkBox(options.misc(), v); });
    form.field("Demo Name", [&](const std::string& value) {
      if (!options.demoNameEnabled()) throw headless::FillFault("the box is greyed");
      options.demoName() = value.substr(0, DemoRespawnOptions::kDemoNameMax);
    });
    form.field("Spawn Option", [&](const std::string& value) {
      if (!options.spawnEnabled()) throw headless::FillFault("the list is greyed");
      const std::vector<std::string> entries(DemoRespawnOptions::kSpawnEntries.begin(),
                                             DemoRespawnOptions::kSpawnEntries.end());
      options.setSpawnSelection(DialogForm::entryIndex(entries, value));
    });
    form.field("Extra Command Line Options", [&](const std::string& value) {
      options.extraOptions() = value.substr(0, DemoRespawnOptions::kExtraOptionsMax);
    });
    runDialog(
        DemoRespawnOptions::kTitle, form, [&] { options.ok(); }, [&] { options.close(); });
  }

  bool runOtherOptionsDialog(multiplayer::OtherOptionsDialog& dialog) override {
    headless::DialogForm form;
    for (const char* name : multiplayer::OtherOptionsDialog::kFieldNames)
      form.field(name, [&dialog, name](const std::string& value) {
        if (!dialog.setField(name, value))
          throw headless::FillFault("greyed, or \"" + value + "\" is not taken");
      });
    return runDialog(multiplayer::OtherOptionsDialog::kTitle, form);
  }
  bool runAutoLaunchOptionsDialog(multiplayer::AutoLaunchOptionsDialog& dialog) override {
    using multiplayer::AutoLaunchOptionsDialog;
    headless::DialogForm form;
    std::vector<const char*> names(AutoLaunchOptionsDialog::kCaptions.begin(),
                                   AutoLaunchOptionsDialog::kCaptions.end());
    names.push_back(AutoLaunchOptionsDialog::kClan);
    names.push_back(AutoLaunchOptionsDialog::kMapSocket);
    names.push_back(AutoLaunchOptionsDialog::kIpxServer);
    for (const char* name : names)
      form.field(name, [&dialog, name](const std::string& value) {
        if (!dialog.setField(name, value))
          throw headless::FillFault("greyed, or \"" + value + "\" is not taken");
      });
    return runDialog(AutoLaunchOptionsDialog::kTitle, form);
  }
  std::string currentListDirectory() const override { return files_.currentDirectory(); }
  files::FileManager* fileManager() override { return &files_; }
  // "Rename" and "Create New Directory": the one field is "Name".
  bool runNameDialog(files::NameDialog& dialog) override {
    headless::DialogForm form;
    form.field("Name", [&dialog](const std::string& value) { dialog.setName(value); });
    // The name the dialog offers is on its line: "dialog Rename offering MAP01".
    const std::string label =
        dialog.title() + (dialog.name().empty() ? "" : " offering " + dialog.name());
    return runDialog(label.c_str(), form);
  }
  bool runUnzipProfileDialog(launch::UnzipProfileDialog& dialog) override {
    headless::DialogForm form;
    form.field("Unzip Program", [&dialog](const std::string& v) { dialog.setProgram(v); });
    form.field("ZipMagic", [&dialog](const std::string& v) {
      dialog.setZipMagic(headless::DialogForm::onOff(v));
    });
    form.field("WinZip", [&dialog](const std::string& v) {
      dialog.setWinZip(headless::DialogForm::onOff(v));
    });
    return runDialog(launch::UnzipProfileDialog::kTitle, form);
  }
  // "ConEditor" filled as a player works it: a tab, the file type, a level row, a double
  // click on a file list entry, a new name for the volume or the row; OK is Finish.
  void runConEditor(content::ConEditor& editor) override {
    using content::ConEditor;
    int row = -1;
    headless::DialogForm form;
    form.field("Tab", [&](const std::string& v) { editor.chooseTab(fillNumber(v, 0, 3)); });
    form.field("File Type", [&](const std::string& v) {
      editor.setMode(headless::DialogForm::entryIndex({"Maps", "Midi"}, v) == 0
                         ? ConEditor::Mode::kMaps
                         : ConEditor::Mode::kMusic);
    });
    form.field("Level", [&](const std::string& v) { row = fillNumber(v, 1, 11) - 1; });
    form.field("File", [&](const std::string& v) {
      const std::vector<std::string> entries = editor.fileEntries();
      editor.openFileEntry(entries[size_t(headless::DialogForm::entryIndex(entries, v))], row);
    });
    form.field("Volume Name", [&](const std::string& v) {
      if (!editor.mayRenameVolume(editor.currentVolume()))
        throw headless::FillFault("this volume may not be renamed");
      editor.renameVolume(editor.currentVolume(), v);
    });
    form.field("Level Name", [&](const std::string& v) {
      if (row < 0) throw headless::FillFault("no level row is picked");
      editor.renameLevel(row, v);
    });
    auto show = [&] {
      out_ << "  directory " << editor.listDirectory() << "\n";
      for (const std::string& tab : editor.tabs()) out_ << "  tab " << tab << "\n";
      for (const std::string& level : editor.levelRows()) out_ << "  level " << level << "\n";
    };
    runDialog(
        ConEditor::kTitle, form,
        [&] {
          show();
          out_ << (editor.finish() ? "  finished\n" : "  not written: the form stays\n");
        },
        show);
  }
  // "RTS Editor": "Sound" picks a row (1-10), "File" double clicks a file list entry; OK is
  // Finish.
  bool runRtsEditor(content::RtsEditor& editor) override {
    int sound = -1;
    headless::DialogForm form;
    form.field("Sound", [&](const std::string& v) { sound = fillNumber(v, 1, 10) - 1; });
    form.field("File", [&](const std::string& v) {
      const std::vector<std::string> entries = editor.fileEntries();
      editor.openFileEntry(entries[size_t(headless::DialogForm::entryIndex(entries, v))], sound);
    });
    auto show = [&] {
      for (const std::string& name : editor.soundNames()) out_ << "  sound " << name << "\n";
    };
    bool finished = false;
    runDialog(
        content::RtsEditor::kTitle, form,
        [&] {
          show();
          finished = true;
        },
        show);
    return finished;
  }
  // "Weapons Option": "Weapon" picks a row by its weapon, "Move" is up or down.
  void runWeaponOrderDialog(content::WeaponOrder& order) override {
    int row = -1;
    headless::DialogForm form;
    form.field("Weapon", [&](const std::string& v) {
      row = headless::DialogForm::entryIndex(order.entries(), v);
    });
    form.field("Move", [&](const std::string& v) {
      row = headless::DialogForm::entryIndex({"up", "down"}, v) == 0 ? order.moveUp(row)
                                                                     : order.moveDown(row);
    });
    auto show = [&] {
      for (const std::string& weapon : order.entries()) out_ << "  weapon " << weapon << "\n";
    };
    runDialog(content::WeaponOrder::kTitle, form, show, show);
  }
  bool runNewNumberDialog(multiplayer::NewNumberDialog& dialog) override {
    headless::DialogForm form;
    form.field(multiplayer::NewNumberDialog::kNameLabel,
               [&dialog](const std::string& value) { dialog.setName(value); });
    form.field(dialog.numberLabel(),
               [&dialog](const std::string& value) { dialog.setNumber(value); });
    out_ << "  " << dialog.prompt() << "\n";
    return runDialog(multiplayer::NewNumberDialog::kTitle, form);
  }
  // "Joystick Quillfen95 Settings": the four sliders by their labels, "Apply" and "Turn Off
  // Quillfen95 Joystick control" pressed where they come in the fields (any value).
  void runJoystickSettingsDialog(input::JoystickSettingsDialog& dialog) override {
    using Rules = input::JoystickSettingsDialog;
    headless::DialogForm form;
    for (int i = 0; i < Rules::kSliderCount; ++i) {
      const auto which = Rules::Slider(i);
      form.field(Rules::label(which), [&dialog, which](const std::string& v) {
        dialog.setSlider(which, fillNumber(v, Rules::sliderMin(which), Rules::sliderMax(which)));
      });
    }
    form.field(Rules::kApply, [&dialog](const std::string&) { dialog.apply(); });
    form.field(Rules::kTurnOff, [&dialog](const std::string&) { dialog.turnOff(); });
    auto show = [&] {
      for (int i = 0; i < Rules::kSliderCount; ++i)
        out_ << "  slider " << Rules::label(Rules::Slider(i)) << " "
             << dialog.slider(Rules::Slider(i)) << "\n";
    };
    runDialog(
        Rules::kTitle, form,
        [&] {
          dialog.ok();
          show();
        },
        [&] {
          dialog.cancel();
          show();
        });
  }
  bool pickFileForLaunch(const std::string& path) override {
    const files::Selection pick = files_.selectPath(path);
    out_ << "select " << statusName(pick.status) << " " << path << "\n";
    return pick.status == files::PickStatus::kPicked;
  }
  // The coordination dialogs run on the real clock until they end, their status lines and
  // log printed as they change.
  void runServerDialog(lan::ServerDialog& dialog) override {
    runLan(
        lan::ServerDialog::kTitle, dialog, [&] { return dialog.status(); },
        [&] { return dialog.log(); });
    out_ << "-> " << (dialog.result() == lan::ServerDialog::Result::kStarted ? "started" : "failed")
         << "\n";
  }
  void runClientDialog(lan::ClientDialog& dialog) override {
    runLan(
        lan::ClientDialog::kTitle, dialog, [&] { return dialog.status(); },
        [&] { return dialog.log(); });
    const auto r = dialog.result();
    out_ << "-> "
         << (r == lan::ClientDialog::Result::kAccepted  ? "accepted"
             : r == lan::ClientDialog::Result::kStarted ? "started"
                                                        : "failed")
         << "\n";
  }
  void runDownloadDialog(lan::DownloadDialog& dialog) override {
    runLan(
        "Download file", dialog, [&] { return dialog.location(); }, [] { return std::string(); });
    out_ << "-> "
         << (dialog.result() == lan::DownloadDialog::Result::kDone ? "downloaded" : "failed") << " "
         << dialog.received() << " bytes\n";
  }

  void showFavourites() override {
    files_.refreshFavourites();
    out_ << "favourites " << files_.favourites().size() << "\n";
    for (const files::Favourite& f : files_.favourites()) out_ << "favourite " << f.line << "\n";
  }

  // A script's fields and button for the next dialog.
  headless::DialogFills& fills() { return fills_; }
  void showAbout() override { dialog("About Quillfen95"); }
  void showDefaultFiles(const std::vector<app::DefaultFileRow>& rows) override {
    dialog(app::kDefaultFilesTitle);
    for (const app::DefaultFileRow& row : rows)
      out_ << "  " << row.label << ": " << row.value << "\n";
  }

 private:
  template <class Dialog>
  void runLan(const char* title, Dialog& d, const std::function<std::string()>& status,
              const std::function<std::string()>& log) {
    dialog(title);
    std::string lastStatus;
    size_t logShown = 0;
    // The longest wait a dialog has is the client's 600 s for the start.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(660);
    while (d.result() == Dialog::Result::kRunning) {
      d.poll();
      if (const std::string s = status(); s != lastStatus) {
        out_ << "status " << headless::oneLine(s) << "\n";
        lastStatus = s;
      }
      const std::string text = log();
      for (size_t end; (end = text.find("\r\n", logShown)) != std::string::npos; logShown = end + 2)
        out_ << "log " << text.substr(logShown, end - logShown) << "\n";
      out_.flush();
      if (std::chrono::steady_clock::now() > until)
        throw ScriptFault(std::string(title) + " never ended");
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  // A number a script gave a field, within its range.
  static int fillNumber(const std::string& value, int low, int high) {
    const int n = platform::dos::decimalValue(value);
    if (n < low || n > high)
      throw headless::FillFault("a number from " + std::to_string(low) + " to " +
                                std::to_string(high));
    return n;
  }
  static void checkBox(launch::dialogs::OptionBox& box, const std::string& value) {
    if (!box.enabled) throw headless::FillFault("the box is greyed");
    box.checked = headless::DialogForm::onOff(value);
  }
  // A dialog whose logic stores its values after an OK: true for OK.
  bool runDialog(const char* title, const headless::DialogForm& form) {
    bool ok = false;
    runDialog(
        title, form, [&ok] { ok = true; }, [] {});
    return ok;
  }
  // The dialog opened: filled and ended as the script said, or cancelled untouched.
  void runDialog(const char* title, const headless::DialogForm& form,
                 const std::function<void()>& ok, const std::function<void()>& cancel) {
    dialog(title);
    const std::optional<headless::DialogFill> fill = fills_.next();
    if (!fill) return;
    for (const auto& [name, value] : fill->fields) {
      out_ << "field " << name << " = " << value << "\n";
      try {
        form.set(name, value);
      } catch (const headless::FillFault& fault) {
        throw ScriptFault(std::string(title) + ": " + name + ": " + fault.what());
      }
    }
    out_ << "-> " << (fill->ok ? "ok" : "cancel") << "\n";
    (fill->ok ? ok : cancel)();
  }
  void dialog(const char* title) {
    out_ << "dialog " << title << "\n";
    out_.flush();
  }
  void printDrives(const catalogue::dialogs::DrivesDialog& drives) {
    for (const platform::DriveMapping& row : drives.rows())
      out_ << "drive " << catalogue::dialogs::DrivesDialog::letterText(row) << " "
           << catalogue::dialogs::DrivesDialog::folderText(row) << "\n";
  }

  std::ostream& out_;
  catalogue::Catalogue& cat_;
  files::FileManager& files_;
  platform::FileSystem& fs_;
  platform::Prompter& prompter_;
  std::deque<std::optional<std::string>> folders_;
  headless::DialogFills fills_;
  const headless::Directive* drivesAction_ = nullptr;
  app::WindowRect rect_{0, 0, 960, 640};
  bool toolbar_ = true;
  bool statusBar_ = true;
  bool closed_ = false;
  int locationRequests_ = 0;
};

std::optional<size_t> findFile(const files::FileList& list, const std::string& name) {
  for (size_t i = 0; i < list.entries().size(); ++i) {
    const files::ListEntry& e = list.entries()[i];
    if (e.kind == files::EntryKind::kFile && (platform::dos::equalsIgnoreCase(e.longName, name) ||
                                              platform::dos::equalsIgnoreCase(e.shortName, name)))
      return i;
  }
  return std::nullopt;
}

std::optional<size_t> findEntry(const files::FileList& list, files::EntryKind kind,
                                const std::string& name, char drive = 0) {
  for (size_t i = 0; i < list.entries().size(); ++i) {
    const files::ListEntry& e = list.entries()[i];
    if (e.kind != kind) continue;
    if (kind == files::EntryKind::kParent) return i;
    if (kind == files::EntryKind::kDrive &&
        platform::dos::equalsIgnoreCase(std::string(1, e.drive), std::string(1, drive)))
      return i;
    if (kind == files::EntryKind::kDirectory &&
        (platform::dos::equalsIgnoreCase(e.longName, name) ||
         platform::dos::equalsIgnoreCase(e.text, name)))
      return i;
  }
  return std::nullopt;
}

bool startsWith(const std::string& text, const std::string& head) {
  return text.size() >= head.size() &&
         platform::dos::equalsIgnoreCase(text.substr(0, head.size()), head);
}

// Walks a list to `dir` by double-clicks on its drive, "[..]" and directory entries.
bool walkTo(files::FileManager& fm, size_t list, const std::string& dir) {
  for (int step = 0; step < 64; ++step) {
    const std::string here = platform::dos::withTrailingSeparator(fm.list(list).workDir());
    if (platform::dos::equalsIgnoreCase(here, dir)) return true;
    std::optional<size_t> entry;
    if (here.empty() || !platform::dos::equalsIgnoreCase(here.substr(0, 1), dir.substr(0, 1))) {
      entry = findEntry(fm.list(list), files::EntryKind::kDrive, "", dir[0]);
    } else if (!startsWith(dir, here)) {
      entry = findEntry(fm.list(list), files::EntryKind::kParent, "");
    } else {
      const std::string rest = dir.substr(here.size());
      entry =
          findEntry(fm.list(list), files::EntryKind::kDirectory, rest.substr(0, rest.find('\\')));
    }
    if (!entry || !fm.openEntry(list, *entry)) return false;
  }
  return false;
}

// The destination of copies and moves: the "Long Name Dir" tab in front, its list walked to
// `path` by double-clicks.
void selectDirectory(files::FileManager& fm, const std::string& path, std::ostream& out) {
  if (path.size() < 3 || path[1] != ':' || path[2] != '\\')
    throw ScriptFault("select-dir takes a full DOS path");
  fm.chooseTab(files::kLongNameDirTab);
  const std::string dir = platform::dos::withTrailingSeparator(path);
  if (!walkTo(fm, files::kLongDirList, dir)) {
    out << "dir not-reached " << dir << "\n";
    throw ScriptFault("the Long Name Dir list cannot be walked to " + dir);
  }
  out << "dir " << fm.longNameDirectory() << "\n";
}

// A click on the file in the first list that shows it; a list is walked to the file's
// directory when none is there.
void selectFile(files::FileManager& fm, app::MainWindow& window, const std::string& path,
                std::ostream& out) {
  // A member of an archive: the archive's plus sign opens it, then the member is clicked.
  const auto inArchive = launch::archivePickOf(path);
  const std::string listed = inArchive && !inArchive->member.empty() ? inArchive->archive : path;
  const std::string dir = platform::dos::directoryOf(listed);
  if (dir.empty() || path.size() < 3 || path[1] != ':')
    throw ScriptFault("select-file takes a full DOS path");
  const std::string name = platform::dos::fileNameOf(listed);
  std::optional<std::pair<size_t, size_t>> found;
  for (size_t list = 0; list < files::kFileLists && !found; ++list)
    if (platform::dos::equalsIgnoreCase(
            platform::dos::withTrailingSeparator(fm.list(list).workDir()), dir))
      if (const auto entry = findFile(fm.list(list), name)) found = {list, *entry};
  for (size_t list = 0; list < files::kFileLists && !found; ++list)
    if (!fm.list(list).masks().empty() && walkTo(fm, list, dir))
      if (const auto entry = findFile(fm.list(list), name)) found = {list, *entry};
  if (!found) {
    out << "select not-listed " << path << "\n";
    throw ScriptFault("no file list shows " + path);
  }
  if (listed != path) {
    const size_t archive = found->second;
    if (!fm.openEntry(found->first, archive)) throw ScriptFault(listed + " does not open");
    const auto& entries = fm.list(found->first).entries();
    size_t at = archive + 1;
    while (at < entries.size() && entries[at].kind == files::EntryKind::kArchiveMember &&
           !platform::dos::equalsIgnoreCase(entries[at].longName, inArchive->member))
      ++at;
    if (at == entries.size() || entries[at].kind != files::EntryKind::kArchiveMember) {
      out << "select not-listed " << path << "\n";
      throw ScriptFault(listed + " does not hold " + inArchive->member);
    }
    found->second = at;
  }
  const files::Selection s = fm.select(found->first, found->second);
  out << "select " << statusName(s.status) << " "
      << (s.status == files::PickStatus::kPicked ? s.path : path) << "\n";
  // The description tab's episode tree, as the window shows it.
  if (const auto& names = fm.contentNames()) {
    for (const files::EpisodeTreeItem& item : files::episodeTree(*names)) {
      out << "  episode " << item.text << "\n";
      for (const std::string& level : item.levels) out << "    level " << level << "\n";
    }
  }
  window.filePicked(s);
}

void setSelection(catalogue::Catalogue& cat, const app::LaunchSelectionView& view,
                  const headless::Directive& d) {
  if (d.what == "god" || d.what == "weapons") {
    const app::CheckChoice& check = d.what == "god" ? view.godMode : view.weaponsAll;
    if (!check.enabled) throw ScriptFault("set " + d.what + ": greyed for this game");
    (d.what == "god" ? app::chooseGodMode : app::chooseWeaponsAll)(cat.gameData(), d.value == "on");
    return;
  }
  const app::NumberChoice& choice = d.what == "skill"     ? view.skill
                                    : d.what == "episode" ? view.episode
                                    : d.what == "level"   ? view.level
                                                          : view.bots;
  if (!choice.enabled) throw ScriptFault("set " + d.what + ": greyed for this game");
  size_t index = 0;
  // An entry by its text, or by its number when it carries a name ("1 : L.A. MELTDOWN").
  while (index < choice.entries.size() && choice.entries[index] != d.value &&
         !choice.entries[index].starts_with(d.value + " : "))
    ++index;
  if (index == choice.entries.size())
    throw ScriptFault("set " + d.what + ": " + d.value + " is not offered");
  const int i = static_cast<int>(index);
  if (d.what == "skill")
    app::chooseSkill(cat.current(), cat.gameData(), i);
  else if (d.what == "episode")
    app::chooseEpisode(cat.current(), cat.gameData(), i);
  else if (d.what == "level")
    app::chooseLevel(cat.current(), cat.gameData(), i);
  else
    app::chooseBots(cat.current(), cat.gameData(), i);
}

// The multiplayer selections as the main panel shows them, one line a control.
void printMultiplayer(std::ostream& out, const multiplayer::MultiplayerView& v,
                      const multiplayer::NumberLists& numbers) {
  out << "multiplayer " << (v.multiplayer ? "on" : "off") << "\n";
  const auto list = [&](const multiplayer::ListControl& c) {
    if (!c.shown) return;
    out << "  " << c.label << " [";
    for (size_t i = 0; i < c.entries.size(); ++i) out << (i ? " | " : "") << c.entries[i];
    out << "] = "
        << (c.selection >= 0 && size_t(c.selection) < c.entries.size() ? c.entries[c.selection]
                                                                       : "(none)")
        << (c.enabled ? "" : " (greyed)") << "\n";
  };
  list(v.players);
  list(v.names);
  list(v.commTypes);
  list(v.sockets);
  list(v.connectType);
  if (v.numberShown) {
    out << "  " << v.numberLabel << " [";
    for (size_t i = 0; i < numbers.names().size(); ++i)
      out << (i ? " | " : "") << numbers.names()[i];
    out << "] = " << (numbers.selected() >= 0 ? numbers.boxText() : "(none)") << "\n";
  }
  if (v.autoLaunchShown) out << "  auto-launch " << (v.autoLaunchChecked ? "on" : "off") << "\n";
  if (v.aiShown) out << "  AI " << (v.aiChecked ? "on" : "off") << "\n";
}

// A multiplayer pick as a click in the main panel makes it: the entry must be shown.
void setMultiplayer(app::MainWindow& window, const headless::Directive& d) {
  multiplayer::MultiplayerSelections selections = window.multiplayerSelections();
  const multiplayer::MultiplayerView view = selections.view();
  if (d.what == "number") {
    if (!view.numberShown) throw ScriptFault("set number: the number box is not shown");
    window.chooseNumber(headless::DialogForm::entryIndex(window.numberLists().names(), d.value));
    return;
  }
  if (d.what == "ai" || d.what == "auto-launch") {
    if (d.what == "ai" ? !view.aiShown : !view.autoLaunchShown)
      throw ScriptFault("set " + d.what + ": not shown");
    if (d.what == "ai")
      selections.setAiPlayers(d.value == "on");
    else
      selections.setAutoLaunch(d.value == "on");
    return;
  }
  const multiplayer::ListControl& list = d.what == "players"  ? view.players
                                         : d.what == "comm"   ? view.commTypes
                                         : d.what == "name"   ? view.names
                                         : d.what == "socket" ? view.sockets
                                                              : view.connectType;
  if (!list.shown || !list.enabled) throw ScriptFault("set " + d.what + ": not shown or greyed");
  size_t index = 0;
  while (index < list.entries.size() &&
         !platform::dos::equalsIgnoreCase(list.entries[index], d.value))
    ++index;
  if (index == list.entries.size())
    throw ScriptFault("set " + d.what + ": " + d.value + " is not offered");
  const int i = static_cast<int>(index);
  if (d.what == "players")
    selections.choosePlayers(i);
  else if (d.what == "comm")
    selections.chooseCommType(i);
  else if (d.what == "name")
    selections.chooseName(i);
  else if (d.what == "socket")
    selections.chooseSocket(i);
  else
    selections.chooseConnectType(i);
}

bool isMultiplayerPick(const std::string& what) {
  return what == "players" || what == "comm" || what == "name" || what == "socket" ||
         what == "connect" || what == "number" || what == "ai" || what == "auto-launch";
}

// Text typed into an editable list of the main panel, then Return.
void typeInto(app::MainWindow& window, const headless::Directive& d) {
  multiplayer::MultiplayerSelections selections = window.multiplayerSelections();
  const multiplayer::MultiplayerView view = selections.view();
  if (d.what == "number") {
    if (!view.numberShown) throw ScriptFault("type number: the number box is not shown");
    window.typeNumber(d.value);
    return;
  }
  const multiplayer::ListControl& list = d.what == "name" ? view.names : view.sockets;
  if (!list.shown || !list.enabled) throw ScriptFault("type " + d.what + ": not shown or greyed");
  if (d.what == "name")
    selections.typeName(d.value);
  else
    selections.typeSocket(d.value);
}

std::string withoutAmpersands(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '&') out += c;
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string prefix = platform::HostFileSystem::defaultPrefix();
  std::string scriptPath;
  std::string programOutput = "/dev/stderr";
  std::chrono::milliseconds programTimeout{0};
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--prefix") && i + 1 < argc) {
      prefix = argv[++i];
    } else if (!std::strcmp(argv[i], "--output") && i + 1 < argc) {
      programOutput = argv[++i];
    } else if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
      // A game still running after this long is stopped (a test must not wait for ever).
      programTimeout = std::chrono::seconds(std::atoi(argv[++i]));
    } else if (argv[i][0] != '-' && scriptPath.empty()) {
      scriptPath = argv[i];
    } else {
      std::cerr << "usage: qf95-headless [--prefix DIR] [--output FILE] [--timeout SECONDS] "
                   "[SCRIPT]\n";
      return 2;
    }
  }
  std::ifstream file;
  if (!scriptPath.empty()) {
    file.open(scriptPath);
    if (!file) {
      std::cerr << "qf95-headless: cannot read " << scriptPath << "\n";
      return 2;
    }
  }
  const headless::Script script = headless::readScript(scriptPath.empty() ? std::cin : file);
  if (!script.error.empty()) {
    std::cerr << "qf95-headless: " << script.error << "\n";
    return 2;
  }

  std::ostream& out = std::cout;
  ScriptPrompter prompter(out);
  qf95::SystemOptions options;
  options.prefix = prefix;
  options.processes.outputFile = programOutput;
  options.processes.timeout = programTimeout;
  qf95::QuillfenSystem system(std::move(options), prompter);
  platform::HostFileSystem& fs = system.hostFileSystem();
  RecordingProcesses processes(system.hostProcesses(), fs, out);
  catalogue::Catalogue& cat = system.catalogue();
  files::FileManager fileManager(cat, fs);
  RecordingHost host(out, cat, fileManager, fs, prompter);
  cat.setGameLocationDialog(&host);
  cat.setGameFolderChooser(&host);
  app::MainWindow window(system.launchServices(&processes), cat, system.session(),
                         app::builtFeatures({/*dialogs=*/true, /*fileManager=*/true}), host);

  window.setNetwork(&system.network());
  window.setIpxServerChoice(&system.ipxServerChoice());
  window.setLaunchCounter([&system](const std::string& file, const std::string& args) {
    return system.recordLaunch(file, args);
  });
  window.setFavouritesSource([&system] { return system.favourites(); });
  window.enableLanStart(host);
  RecordingPointer pointer(out);
  window.setJoystick(system.hostJoystick(), pointer);
  fileManager.setFavouritesSource([&window] { return window.favourites(); });
  if (!multiplayer::startNetworkLayer(system.network(), prompter)) return 1;

  int status = 0;
  try {
    // The window opens when the first directive that is not an answer comes: answers (and
    // chosen folders) before it go to the boxes of the start-up.
    bool open = false;
    const auto openWindow = [&] {
      if (open) return;
      open = true;
      window.createFrame();
      window.createView();
      window.initialUpdate();
    };
    for (const headless::Directive& d : script.directives) {
      if (d.kind != headless::Directive::Kind::kAnswer &&
          d.kind != headless::Directive::Kind::kChooseFolder &&
          d.kind != headless::Directive::Kind::kField &&
          d.kind != headless::Directive::Kind::kPress)
        openWindow();
      if (host.closed()) break;
      try {
        switch (d.kind) {
          case headless::Directive::Kind::kAnswer:
            prompter.queue(d.answer);
            break;
          case headless::Directive::Kind::kChooseFolder:
            host.queueFolder(d.cancel ? std::nullopt : std::optional<std::string>(d.path));
            break;
          case headless::Directive::Kind::kCommand:
          case headless::Directive::Kind::kDrives: {
            // A drives directive is "Drives..." from the menu, one step in the dialog, "Close".
            const int id =
                d.kind == headless::Directive::Kind::kDrives ? app::kCmdDrives : d.command;
            host.newCommand();
            // The menus are prepared as they open; a game pick shows the game's name.
            const std::vector<app::MenuItem> games = window.gameMenu();
            const auto command = app::findCommand(id);
            std::string text = command ? withoutAmpersands(command->text) : std::string("?");
            for (const app::MenuItem& item : games)
              if (item.id == id) text = withoutAmpersands(item.text);
            out << "command " << id << " " << text << "\n";
            if (!window.isEnabled(id)) {
              out << "-> disabled\n";
              break;
            }
            host.setDrivesAction(d.kind == headless::Directive::Kind::kDrives ? &d : nullptr);
            window.execute(id);
            host.setDrivesAction(nullptr);
            break;
          }
          case headless::Directive::Kind::kSelectFile:
            selectFile(fileManager, window, d.path, out);
            break;
          case headless::Directive::Kind::kSelectDir:
            selectDirectory(fileManager, d.path, out);
            break;
          case headless::Directive::Kind::kSelectFavourite: {
            // A click on the favourites tab's line, as the window shows the tab now.
            fileManager.refreshFavourites();
            if (size_t(d.command) > fileManager.favourites().size())
              throw ScriptFault("the favourites tab has no line " + std::to_string(d.command));
            const files::Selection pick = fileManager.selectFavourite(size_t(d.command - 1));
            out << "select " << statusName(pick.status) << " "
                << (pick.status == files::PickStatus::kPicked
                        ? pick.path
                        : fileManager.favourites()[size_t(d.command - 1)].path)
                << "\n";
            break;
          }
          case headless::Directive::Kind::kSet:
            if (isMultiplayerPick(d.what))
              setMultiplayer(window, d);
            else
              setSelection(cat, window.launchSelections(), d);
            window.refreshView();
            out << "set " << d.what << " " << d.value << "\n";
            break;
          case headless::Directive::Kind::kType:
            out << "type " << d.what << " " << d.value << "\n";
            typeInto(window, d);
            window.refreshView();
            break;
          case headless::Directive::Kind::kField:
            host.fills().field(d.field, d.value);
            break;
          case headless::Directive::Kind::kPress:
            host.fills().press(d.ok);
            break;
          case headless::Directive::Kind::kListen: {
            out << "listen " << d.command << "\n";
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(d.command);
            bool launched = false;
            while (!launched && std::chrono::steady_clock::now() < until) {
              launched = window.listenForServers();
              if (!launched) std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            if (!launched)
              throw ScriptFault("no server was heard within " + std::to_string(d.command) + " s");
            break;
          }
          case headless::Directive::Kind::kJoystick:
            out << "joystick " << d.command << "\n";
            for (int tick = 0; tick < d.command; ++tick) window.pollJoystick();
            break;
          case headless::Directive::Kind::kOpen:
            if (!window.multiplayerView().multiplayer)
              throw ScriptFault("open other-options: the button shows in multiplayer mode only");
            out << "open " << multiplayer::OtherOptionsDialog::kTitle << "\n";
            window.otherMultiplayerOptions();
            break;
          case headless::Directive::Kind::kShow:
            printMultiplayer(out, window.multiplayerView(), window.numberLists());
            break;
          case headless::Directive::Kind::kDefineGame:
            host.newCommand();
            host.defineGame(d.command);
            window.refreshView();
            break;
        }
      } catch (const ScriptFault& fault) {
        throw ScriptFault("line " + std::to_string(d.line) + ": " + fault.what());
      }
    }
    openWindow();
    if (prompter.queued())
      std::cerr << "qf95-headless: " << prompter.queued() << " queued answer(s) left over\n";
    if (host.fills().queued() || host.fills().unfinished())
      std::cerr << "qf95-headless: fields for a dialog that did not open are left over\n";
    if (host.queuedFolders())
      std::cerr << "qf95-headless: " << host.queuedFolders() << " queued folder(s) left over\n";
    // The program closes: the view, then the frame.
    host.newCommand();
    window.closeView();
    window.destroyFrame();
    out << "end\n";
  } catch (const ScriptFault& fault) {
    out.flush();
    std::cerr << "qf95-headless: " << fault.what() << "\n";
    status = 1;
  }
  out.flush();
  return status;
}
