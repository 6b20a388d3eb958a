// The player's data through damaged files, a full disk, killed runs and files that are not
// files: nothing is lost without a word, and nothing blocks.
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_files.h"
#include "platform/fake/scripted_prompter.h"
#include "platform/host/host_file_system.h"
#include "support/temp_dir.h"

namespace {

namespace stdfs = std::filesystem;
using catalogue::Catalogue;

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The program in C:\QF95\ of a prefix under `root`, a stand-in Duke Nukem 3D on D:.
class NothingLostTest : public ::testing::Test {
 protected:
  void makeMachine(const std::string& root) {
    stdfs::create_directories(root + "/prefix/drive_c/QF95");
    stdfs::create_directories(root + "/d/GAMES/DUKE3D");
    std::ofstream(root + "/d/GAMES/DUKE3D/DUKE3D.EXE") << "MZ";
    stdfs::copy_file(QF95_SIG_PATH, root + "/prefix/drive_c/QF95/Quillfen.Sig");
    fs = std::make_unique<platform::HostFileSystem>(root + "/prefix");
    stdfs::create_directory_symlink(root + "/d", root + "/prefix/dosdevices/d:");
    program = root + "/prefix/drive_c/QF95/";
  }
  std::unique_ptr<Catalogue> catalogue() {
    return std::make_unique<Catalogue>(*fs, prompter, "C:\\QF95\\", link);
  }
  std::vector<std::string> programFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : stdfs::directory_iterator(program))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  testsupport::TempDir dir;
  std::unique_ptr<platform::HostFileSystem> fs;
  platform::ScriptedPrompter prompter;
  catalogue::BasicLaunchLink link;
  std::string program;
};

TEST_F(NothingLostTest, DamagedSettingsAndThePlayersGamesAreKeptAsideAndTold) {
  makeMachine(dir.path());
  link.setCreatedStamp(1796715912);  // 2026-12-08 07:45:12 UTC
  ASSERT_TRUE(catalogue()->LoadCatalogue());
  const std::string games = fileText(program + catalogue::kGameInfoFile);
  ASSERT_FALSE(games.empty());
  // The settings file cut short: a first start again.
  stdfs::resize_file(program + catalogue::kUnivInfoFile, 100);
  ASSERT_TRUE(catalogue()->LoadCatalogue());
  EXPECT_EQ(fileText(program + "QuillfenUnivInfo-20261208-074512.dat").size(), 100u);
  EXPECT_EQ(fileText(program + "QuillfenGameInfo-20261208-074512.dat"), games);
  ASSERT_EQ(prompter.texts().size(), 2u);
  EXPECT_EQ(prompter.texts()[0], "The settings file C:\\QF95\\QuillfenUnivInfo.dat is kept as "
                                 "C:\\QF95\\QuillfenUnivInfo-20261208-074512.dat.");
  EXPECT_EQ(prompter.texts()[1].rfind("The factory game definitions are installed again.", 0), 0u);
}

TEST_F(NothingLostTest, FilesThatAreNoFilesAreNamedAndNeverBlock) {
  makeMachine(dir.path());
  // A FIFO for the game list and one for the settings: opening either would wait for ever.
  ASSERT_EQ(::mkfifo((program + catalogue::kGameListFile).c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((program + catalogue::kUnivInfoFile).c_str(), 0600), 0);
  auto cat = catalogue();
  EXPECT_TRUE(cat->LoadCatalogue());
  EXPECT_EQ(cat->currentSlot(), 0);  // the search still ran and found the game
  EXPECT_EQ(cat->takeSaveError(), "C:\\QF95\\QuillfenUnivInfo.dat: it is not a regular file");

  // The game file a directory: said, not silently empty.
  stdfs::remove(program + catalogue::kUnivInfoFile);
  stdfs::remove(program + catalogue::kGameInfoFile);
  stdfs::create_directory(program + catalogue::kGameInfoFile);
  auto again = catalogue();
  again->LoadCatalogue();
  EXPECT_EQ(again->takeSaveError(), "C:\\QF95\\QuillfenGameInfo.dat: it is a directory");
}

// Runs killed half-way through a save leave ".<file>.qf95-<pid>-<n>" scratch files; the next
// start removes those of processes that are gone, and only those.
TEST_F(NothingLostTest, ScratchFilesOfKilledRunsGoAtTheNextStart) {
  makeMachine(dir.path());
  for (int run = 0; run < 10; ++run) {
    pid_t child = ::fork();
    if (child == 0) {
      std::ofstream(program + ".QuillfenGameInfo.dat.qf95-" + std::to_string(::getpid()) + "-0")
          << std::string(1000, 'x');
      ::kill(::getpid(), SIGKILL);
    }
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    // Killed runs of earlier starts: their files are older than this start (a file written
    // since it began may be a live one of a sibling, and is left alone).
    const std::string scratch =
        program + ".QuillfenGameInfo.dat.qf95-" + std::to_string(child) + "-0";
    stdfs::last_write_time(scratch, stdfs::last_write_time(scratch) - std::chrono::hours(1));
  }
  const std::string mine = ".QuillfenUnivInfo.dat.qf95-" + std::to_string(::getpid()) + "-7";
  std::ofstream(program + mine) << "a save of ours in progress";
  std::ofstream(program + ".notes.qf95-1-x") << "not our pattern";
  ASSERT_EQ(programFiles().size(), 13u);
  ASSERT_TRUE(catalogue()->LoadCatalogue());
  const auto left = programFiles();
  EXPECT_NE(std::find(left.begin(), left.end(), mine), left.end());
  EXPECT_NE(std::find(left.begin(), left.end(), ".notes.qf95-1-x"), left.end());
  for (const std::string& name : left)
    EXPECT_EQ(name.find(".QuillfenGameInfo.dat.qf95-"), std::string::npos) << name;
}

// A real full disk: a small tmpfs (root only; skipped elsewhere).
TEST_F(NothingLostTest, AFullDiskIsReportedAndTheOldFilesStayWhole) {
  const std::string root = dir / "small";
  stdfs::create_directories(root);
  if (::mount("tmpfs", root.c_str(), "tmpfs", 0, "size=2m") != 0)
    GTEST_SKIP() << "cannot mount a small file system here";
  struct Unmount {
    std::string path;
    ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
  } unmount{root};
  makeMachine(root);
  auto cat = catalogue();
  ASSERT_TRUE(cat->LoadCatalogue());
  ASSERT_EQ(cat->takeSaveError(), "");
  const std::string settings = fileText(program + catalogue::kUnivInfoFile);
  const std::string games = fileText(program + catalogue::kGameInfoFile);
  // Fill the disk to the last block.
  {
    std::ofstream filler(root + "/filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), block.size())) {
    }
  }
  cat->univ().set(catalogue::univ_info::FileManagerExpertMode, 1);
  cat->current().set(catalogue::game_info::GameName, "Changed");
  EXPECT_FALSE(cat->SaveCatalogue());
  EXPECT_EQ(cat->takeSaveError(), "C:\\QF95\\QuillfenGameInfo.dat: No space left on device");
  EXPECT_EQ(fileText(program + catalogue::kUnivInfoFile), settings);
  EXPECT_EQ(fileText(program + catalogue::kGameInfoFile), games);
  for (const std::string& name : programFiles())
    EXPECT_EQ(name.find(".qf95-"), std::string::npos) << name;
  // Room again: the next save writes what stayed in memory.
  stdfs::remove(root + "/filler");
  EXPECT_TRUE(cat->SaveCatalogue());
  EXPECT_NE(fileText(program + catalogue::kGameInfoFile).find("Changed"), std::string::npos);
}

}  // namespace
