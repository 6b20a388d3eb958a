// A file list refresh over a directory of 20,000 files with 18 masks (one per file kind),
// against a plain listing of the same directory in the same run.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/file_list.h"
#include "platform/host/host_file_system.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 20000;
constexpr int kKinds = 18;

struct Directory {
  fs::path root;
  Directory() {
    char tmpl[] = "/tmp/qf95-list-bench-XXXXXX";
    root = mkdtemp(tmpl);
    fs::create_directories(root / "prefix/dosdevices");
    fs::create_directories(root / "drive_d/MAPS");
    fs::create_symlink(root / "drive_d", root / "prefix/dosdevices/d:");
    for (int i = 0; i < kFiles; ++i) {
      const std::string name = (i % 3 ? "Long Map Name " : "M") + std::to_string(i) + ".E" +
                               std::to_string(i % (kKinds + 2));
      std::ofstream(root / "drive_d/MAPS" / name) << "x";
    }
  }
  ~Directory() { fs::remove_all(root); }
};

Directory& directory() {
  static Directory d;
  return d;
}

void BM_FileListRefresh(benchmark::State& state) {
  platform::HostFileSystem files((directory().root / "prefix").string());
  files::FileList list(/*longNames=*/state.range(0) != 0);
  list.setWorkDir("D:\\MAPS\\");
  std::vector<files::KindMask> masks;
  for (int k = 0; k < kKinds; ++k) masks.push_back({"*.E" + std::to_string(k), k});
  list.setMasks(masks);
  for (auto _ : state) {
    list.refresh(files);
    benchmark::DoNotOptimize(list.entries().data());
  }
  state.counters["entries"] = double(list.entries().size());
}
// Long enough that a refresh of a directory already listed is what is measured, not the first
// listing with its 20,000 aliases.
BENCHMARK(BM_FileListRefresh)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(0.5);

// Baseline: one readdir pass over the same directory.
void BM_PlainListingBaseline(benchmark::State& state) {
  const std::string dir = (directory().root / "drive_d/MAPS").string();
  for (auto _ : state) {
    size_t n = 0;
    DIR* d = opendir(dir.c_str());
    while (readdir(d)) ++n;
    closedir(d);
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_PlainListingBaseline)->Unit(benchmark::kMillisecond)->MinTime(0.5);

}  // namespace
