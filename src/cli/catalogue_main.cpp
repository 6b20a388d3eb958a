// qf95-catalogue: starts the program's catalogue the way the front-end does (first start with
// the drive search when there are no valid data files, a plain load otherwise) and prints
// the games it holds. The start-up directory is the current directory, as for the front-end.
//
//   qf95-catalogue [--prefix DIR] [--interactive] [--run]
//
// With --run the current game is then launched as "Run" does: its command line composed, its
// configuration files edited, the PIF written and started in DOSBox, and the program waits.
// Message boxes are printed; with --interactive their answers are read from standard input,
// otherwise each gets its safe answer.
#include <cstring>
#include <iostream>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/game_types.h"
#include "launch/launch_pipeline.h"
#include "platform/host/console_prompter.h"
#include "system/quillfen_system.h"

namespace {

void printCatalogue(catalogue::Catalogue& cat) {
  using namespace catalogue;
  std::cout << "Start-up directory: " << cat.startupDirectory() << "\n";
  std::cout << "Current slot: " << cat.currentSlot() << "\n";
  std::cout << "Slot  Defined  Name                 Executable     Directory\n";
  // Reading a defined slot reloads the current game's data record; keep what was loaded.
  for (int slot = 0; slot <= kHighestSlot; ++slot) {
    GameInfoRecord record = cat.ReadGameRecord(slot);
    if (slot >= kBuiltInSlots && record.get(game_info::GameDir).empty()) break;
    const bool defined = record.get(game_info::IsDefined) != 0;
    // An empty slot reads as all zero; name the built-in type it stands for.
    if (!defined && slot < kBuiltInSlots)
      record.set(game_info::GameName, kBuiltInGameTypes[size_t(slot)].name);
    char line[256];
    std::snprintf(
        line, sizeof line, "%c%-4d %-8s %-20s %-14s %s\n", slot == cat.currentSlot() ? '*' : ' ',
        slot, defined ? "yes" : "no", record.get(game_info::GameName).c_str(),
        record.get(game_info::ExecuteFile).c_str(), record.get(game_info::GameDir).c_str());
    std::cout << line;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string prefix = platform::HostFileSystem::defaultPrefix();
  bool interactive = false;
  bool run = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--prefix") && i + 1 < argc) {
      prefix = argv[++i];
    } else if (!std::strcmp(argv[i], "--interactive")) {
      interactive = true;
    } else if (!std::strcmp(argv[i], "--run")) {
      run = true;
    } else {
      std::cerr << "usage: qf95-catalogue [--prefix DIR] [--interactive] [--run]\n";
      return 2;
    }
  }

  platform::ConsolePrompter prompter(std::cout, interactive ? &std::cin : nullptr);
  qf95::SystemOptions options;
  options.prefix = prefix;
  qf95::QuillfenSystem system(std::move(options), prompter);
  platform::HostFileSystem& fs = system.hostFileSystem();
  catalogue::Catalogue& cat = system.catalogue();



  std::cout << "Drive map: " << prefix << "/dosdevices (drives:";
  for (char d : fs.drives()) std::cout << ' ' << d << ':';
  std::cout << ")\n";

  const bool loaded = cat.LoadCatalogue();
  if (!loaded) std::cout << "No game was defined.\n";
  const std::string firstStartFailure = cat.takeSaveError();
  printCatalogue(cat);
  if (!cat.SaveCatalogue() || !firstStartFailure.empty()) {
    const std::string failed = cat.takeSaveError();
    std::cerr << "Could not write the catalogue files: "
              << (failed.empty() ? firstStartFailure : failed) << "\n";
    return 1;
  }
  std::cout << "(The main window is not built yet: this driver runs the catalogue's start-up, "
               "prints what it holds and, with --run, launches the current game.)\n";
  if (!run || !loaded) return 0;

  launch::LaunchPipeline pipeline(system.launchServices(), cat, system.session());
  launch::LaunchState state = pipeline.newLaunchState();
  std::cout << "Run: " << cat.current().get(catalogue::game_info::GameName) << " in "
            << state.LaunchDir << "\n";
  const launch::LaunchOutcome outcome = pipeline.launchGame(state);
  std::cout << "Arguments:";
  for (const std::string& arg : state.Args.args) std::cout << " [" << arg << "]";
  std::cout << "\nLaunch "
            << (outcome == launch::LaunchOutcome::kAbandoned ? "abandoned"
                : outcome == launch::LaunchOutcome::kHandedOver ? "handed over"
                                                                 : "returned")
            << "\n";
  cat.SaveCatalogue();
  return outcome == launch::LaunchOutcome::kAbandoned ? 1 : 0;
}
