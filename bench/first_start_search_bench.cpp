// The first-start drive search over a synthetic machine of 23 mapped drives (C: to Y:, about
// 21,000 directories), against a plain `find` walk of the same drives in the same run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalogue/catalogue_files.h"
#include "catalogue/game_finder.h"
#include "platform/fake/scripted_prompter.h"
#include "platform/host/host_file_system.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTopDirs = 30;
constexpr int kSubDirs = 28;

struct SyntheticMachine {
  fs::path root;
  std::string driveList;  // the drives' host directories, for find

  SyntheticMachine() {
    char tmpl[] = "/tmp/qf95-bench-XXXXXX";
    root = mkdtemp(tmpl);
    fs::create_directories(root / "prefix/dosdevices");
    for (char d = 'c'; d <= 'y'; ++d) {
      fs::path drive = root / ("drive_" + std::string(1, d));
      for (int t = 0; t < kTopDirs + 2; ++t) {
        std::string top = t == kTopDirs       ? "GAMES"
                          : t == kTopDirs + 1 ? "Program Files"
                                              : "dir" + std::to_string(t);
        for (int s = 0; s < kSubDirs; ++s)
          fs::create_directories(drive / top / ("Sub Directory " + std::to_string(s)));
      }
      fs::create_symlink(drive, root / "prefix/dosdevices" / (std::string(1, d) + ":"));
      driveList += " '" + drive.string() + "'";
    }
    touch(root / "drive_d/GAMES/DUKE3D/DUKE3D.EXE");
    touch(root / "drive_x/Quake/quake.exe");
    touch(root / "drive_y/Program Files/Doom2/DOOM2.EXE");
    fs::create_directories(root / "drive_c/QF95");
  }
  ~SyntheticMachine() { fs::remove_all(root); }
  static void touch(const fs::path& p) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "MZ";
  }
};

SyntheticMachine& machine() {
  static SyntheticMachine m;
  return m;
}

void BM_FirstStartSearch(benchmark::State& state) {
  const std::string prefix = (machine().root / "prefix").string();
  platform::ScriptedPrompter prompter;
  for (auto _ : state) {
    // A first start is a new process: nothing of the drives is known yet.
    platform::HostFileSystem files(prefix);
    catalogue::UnivInfoRecord univ;
    catalogue::GameFinder finder(files, prompter, "C:\\QF95\\", univ);
    finder.InstallDefaultsAndSearch();
    benchmark::DoNotOptimize(univ);
    if (univ.get(catalogue::univ_info::CurrentSlot) != 0) state.SkipWithError("Duke not found");
  }
}
BENCHMARK(BM_FirstStartSearch)->Unit(benchmark::kMillisecond)->MinTime(0.5);

// Baseline: one walk over every directory of the same drives.
void BM_FindWalkBaseline(benchmark::State& state) {
  const std::string command = "find" + machine().driveList + " > /dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("find failed");
}
BENCHMARK(BM_FindWalkBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
