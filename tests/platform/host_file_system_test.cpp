// What only the host file system does: the prefix and its drive links, host names found through
// any case or alias, the process's current directory, and what the bytes on disk look like.
#include "platform/host/host_file_system.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>

#include "platform/host/directory_cache.h"
#include "platform/short_names.h"
#include "support/temp_dir.h"

namespace {
std::atomic<int> directoryListings{0};
}  // namespace

// Counts every directory listing of the process, so a test can see that a lookup did none.
extern "C" DIR* opendir(const char* name) {
  using Real = DIR* (*)(const char*);
  static const Real real = reinterpret_cast<Real>(::dlsym(RTLD_NEXT, "opendir"));
  ++directoryListings;
  return real(name);
}
extern "C" DIR* fdopendir(int fd) {
  using Real = DIR* (*)(int);
  static const Real real = reinterpret_cast<Real>(::dlsym(RTLD_NEXT, "fdopendir"));
  ++directoryListings;
  return real(fd);
}
// A listing read straight from the kernel ends with a read that returns nothing.
extern "C" ssize_t getdents64(int fd, void* buffer, size_t length) {
  using Real = ssize_t (*)(int, void*, size_t);
  static const Real real = reinterpret_cast<Real>(::dlsym(RTLD_NEXT, "getdents64"));
  const ssize_t filled = real(fd, buffer, length);
  if (filled == 0) ++directoryListings;
  return filled;
}

namespace platform {
namespace {

namespace stdfs = std::filesystem;

void writeHostFile(const stdfs::path& path, const std::string& text) {
  stdfs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string readHostFile(const stdfs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class HostFileSystemTest : public ::testing::Test {
 protected:
  ~HostFileSystemTest() override { stdfs::current_path(cwd_); }

  stdfs::path cwd_ = stdfs::current_path();
  testsupport::TempDir dir;
  stdfs::path driveC = dir / "drive_c";
};

TEST_F(HostFileSystemTest, NewPrefixGetsDriveCAndZ) {
  HostFileSystem fs(dir / "prefix/");
  stdfs::path devices = dir / "prefix/dosdevices";
  EXPECT_TRUE(stdfs::is_directory(dir / "prefix/drive_c"));
  EXPECT_EQ(stdfs::read_symlink(devices / "c:"), "../drive_c");
  EXPECT_EQ(stdfs::read_symlink(devices / "z:"), "/");
  EXPECT_EQ(fs.prefix(), dir / "prefix");
  EXPECT_EQ(fs.drives(), (std::vector<char>{'C', 'Z'}));
}

TEST_F(HostFileSystemTest, ExistingPrefixIsTakenAsItIs) {
  stdfs::create_directories(dir / "dosdevices");
  stdfs::create_directories(dir / "games");
  writeHostFile(dir / "afile", "");
  stdfs::create_directory_symlink("../games", dir / "dosdevices/d:");
  stdfs::create_directory_symlink("../missing", dir / "dosdevices/e:");
  stdfs::create_symlink("../afile", dir / "dosdevices/f:");
  stdfs::create_directory_symlink("../games", dir / "dosdevices/a:");
  HostFileSystem fs(dir.path());
  EXPECT_FALSE(stdfs::exists(dir / "drive_c"));
  EXPECT_EQ(fs.drives(), std::vector<char>{'D'});
  EXPECT_FALSE(fs.stat("C:\\"));
  EXPECT_FALSE(fs.stat("E:\\"));
}

TEST_F(HostFileSystemTest, DefaultPrefixFollowsTheEnvironment) {
  std::string saved = ::getenv("QF95_PREFIX") ? ::getenv("QF95_PREFIX") : "";
  ::setenv("QF95_PREFIX", "/somewhere/prefix", 1);
  EXPECT_EQ(HostFileSystem::defaultPrefix(), "/somewhere/prefix");
  ::unsetenv("QF95_PREFIX");
  EXPECT_EQ(HostFileSystem::defaultPrefix(),
            std::string(::getenv("HOME")) + "/.local/share/quillfen95");
  if (!saved.empty()) ::setenv("QF95_PREFIX", saved.c_str(), 1);
}

TEST_F(HostFileSystemTest, MixedCaseHostTreeIsFoundThroughAnyCaseOrAlias) {
  writeHostFile(driveC / "GoG Games/DoomII/DOOM2.wad", "IWAD");
  HostFileSystem fs(dir.path());
  std::string real = stdfs::canonical(driveC).string();
  EXPECT_EQ(fs.hostPath("c:\\gog games\\DOOMII\\doom2.WAD"), real + "/GoG Games/DoomII/DOOM2.wad");
  EXPECT_EQ(fs.hostPath("C:\\GOGGAM~1\\DOOMII\\DOOM2.WAD"), real + "/GoG Games/DoomII/DOOM2.wad");
  EXPECT_EQ(fs.hostPath("C:\\gog games\\NewDir\\New.Cfg"), real + "/GoG Games/NewDir/New.Cfg");
  EXPECT_EQ(fs.hostPath("C:\\..\\..\\etc\\passwd"), real + "/etc/passwd");
  EXPECT_FALSE(fs.hostPath("Q:\\X"));
  auto wad = fs.readWhole("C:\\GOGGAM~1\\doomii\\DOOM2.WAD");
  ASSERT_TRUE(wad);
  EXPECT_EQ(std::string(wad->begin(), wad->end()), "IWAD");
}

TEST_F(HostFileSystemTest, AliasesFollowTheHostListingOrder) {
  stdfs::create_directories(driveC / "Program Files");
  stdfs::create_directories(driveC / "Program Data");
  HostFileSystem fs(dir.path());
  std::vector<std::string> listed;
  for (const auto& entry : stdfs::directory_iterator(driveC)) {
    listed.push_back(entry.path().filename().string());
  }
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(fs.shortPathName("C:\\" + listed[0]), "C:\\PROGRA~1");
  EXPECT_EQ(fs.shortPathName("C:\\" + listed[1] + "\\"), "C:\\PROGRA~2\\");
  EXPECT_EQ(fs.longPathName("c:\\progra~1"), "C:\\" + listed[0]);
}

TEST_F(HostFileSystemTest, ExactLookupsListNoDirectory) {
  writeHostFile(driveC / "GAMES/DUKE3D/DUKE3D.EXE", "MZ");
  HostFileSystem fs(dir.path());
  int before = directoryListings;
  EXPECT_TRUE(fs.exists("C:\\GAMES\\DUKE3D\\DUKE3D.EXE"));
  EXPECT_EQ(fs.find("C:\\GAMES\\DUKE3D\\DUKE3D.EXE").size(), 1u);
  EXPECT_TRUE(fs.open("C:\\GAMES\\DUKE3D\\DUKE3D.EXE", OpenMode::kRead));
  EXPECT_EQ(directoryListings, before);
  EXPECT_TRUE(fs.exists("C:\\games\\duke3d\\duke3d.exe"));
  EXPECT_GT(directoryListings, before);  // the check above can see listings
}

TEST_F(HostFileSystemTest, CurrentDirectoryIsADosPath) {
  stdfs::create_directories(driveC / "Sub Dir/Deeper");
  stdfs::create_directories(dir / "outside");
  HostFileSystem fs(dir.path());
  stdfs::current_path(driveC / "Sub Dir");
  EXPECT_EQ(fs.currentDirectory(), "C:\\Sub Dir\\");
  stdfs::current_path(dir / "outside");
  std::string outside = stdfs::canonical(dir / "outside").string();
  std::replace(outside.begin(), outside.end(), '/', '\\');
  EXPECT_EQ(fs.currentDirectory(), "Z:" + outside + "\\");

  // The longest mapping wins, and any drive before Z:.
  stdfs::create_directory_symlink(driveC / "Sub Dir", dir / "dosdevices/d:");
  stdfs::current_path(driveC / "Sub Dir/Deeper");
  EXPECT_EQ(fs.currentDirectory(), "D:\\Deeper\\");
  EXPECT_TRUE(fs.setCurrentDirectory("c:\\"));
  EXPECT_EQ(stdfs::current_path(), stdfs::canonical(driveC));
  EXPECT_EQ(fs.dosPath("/"), "Z:\\");
  EXPECT_EQ(fs.dosPath((driveC / "Sub Dir/Deeper/new.txt").string()), "D:\\Deeper\\new.txt");
}

TEST_F(HostFileSystemTest, ReplaceLeavesNoScratchFileAndKeepsModeAndLinks) {
  writeHostFile(driveC / "GAME.CFG", "old");
  stdfs::permissions(driveC / "GAME.CFG", stdfs::perms(0640));
  writeHostFile(dir / "elsewhere/REAL.INI", "old");
  stdfs::create_symlink(dir / "elsewhere/REAL.INI", driveC / "LINK.INI");
  HostFileSystem fs(dir.path());
  std::vector<uint8_t> text{'n', 'e', 'w'};
  ASSERT_TRUE(fs.replaceWhole("C:\\game.cfg", text));
  ASSERT_TRUE(fs.replaceWhole("C:\\LINK.INI", text));
  EXPECT_EQ(readHostFile(driveC / "GAME.CFG"), "new");
  EXPECT_EQ(stdfs::status(driveC / "GAME.CFG").permissions(), stdfs::perms(0640));
  EXPECT_TRUE(stdfs::is_symlink(driveC / "LINK.INI"));
  EXPECT_EQ(readHostFile(dir / "elsewhere/REAL.INI"), "new");
  size_t entries = 0;
  for (const auto& entry : stdfs::directory_iterator(driveC)) {
    ++entries;
    EXPECT_TRUE(entry.path().filename() == "GAME.CFG" || entry.path().filename() == "LINK.INI")
        << entry.path();
  }
  EXPECT_EQ(entries, 2u);
}

TEST_F(HostFileSystemTest, ReadOnlyIsTheOwnerWriteBit) {
  writeHostFile(driveC / "LOCKED.DAT", "x");
  stdfs::permissions(driveC / "LOCKED.DAT", stdfs::perms(0444));
  HostFileSystem fs(dir.path());
  // Refused even for root, who could write the file.
  EXPECT_FALSE(fs.deleteFile("C:\\LOCKED.DAT"));
  EXPECT_TRUE(fs.stat("C:\\LOCKED.DAT")->attributes & kAttrReadOnly);
  EXPECT_TRUE(fs.setAttributesNormal("C:\\LOCKED.DAT"));
  EXPECT_EQ(stdfs::status(driveC / "LOCKED.DAT").permissions(), stdfs::perms(0644));
}

TEST_F(HostFileSystemTest, LinksInsideADriveMayPointAnywhere) {
  writeHostFile(dir / "outside/FILE.TXT", "out");
  stdfs::create_directories(driveC);
  stdfs::create_directory_symlink(dir / "outside", driveC / "ext");
  HostFileSystem fs(dir.path());
  auto text = fs.readWhole("C:\\EXT\\file.txt");
  ASSERT_TRUE(text);
  EXPECT_EQ(std::string(text->begin(), text->end()), "out");
  EXPECT_TRUE(fs.stat("C:\\ext")->isDirectory());
}

// Long and short names of what a find shows, in name order.
std::vector<std::pair<std::string, std::string>> namesOf(const std::vector<FindData>& found) {
  std::vector<std::pair<std::string, std::string>> names;
  for (const FindData& f : found) names.emplace_back(f.longName, f.shortName);
  std::sort(names.begin(), names.end());
  return names;
}

// The listing tells files from directories; only links get a look of their own.
TEST_F(HostFileSystemTest, SearchTakesEntryTypesFromTheListingAndFollowsLinks) {
  HostFileSystem fs(dir.path());
  const stdfs::path games = driveC / "GAMES";
  stdfs::create_directories(games / "Real Dir");
  writeHostFile(games / "map.MAP", "m");
  writeHostFile(games / "MAP.map", "m");
  writeHostFile(games / "Map.map", "m");
  stdfs::create_directory_symlink(games / "Real Dir", games / "Linked Dir");
  stdfs::create_symlink(games / "map.MAP", games / "linked.map");
  stdfs::create_symlink(games / "gone.map", games / "dangling.map");
  ASSERT_EQ(::mkfifo((games / "pipe.map").c_str(), 0600), 0);

  auto search = fs.searchDirectory("C:\\GAMES", {"*.MAP"});
  ASSERT_TRUE(search);
  std::vector<std::pair<std::string, bool>> entries;
  for (const DirectoryEntry& e : search->entries) entries.emplace_back(e.longName, e.isDirectory());
  // Names equal in any case come by their bytes, whatever order the host lists them in.
  EXPECT_EQ(entries, (std::vector<std::pair<std::string, bool>>{{"Linked Dir", true},
                                                                {"linked.map", false},
                                                                {"MAP.map", false},
                                                                {"Map.map", false},
                                                                {"map.MAP", false},
                                                                {"pipe.map", false},
                                                                {"Real Dir", true}}));
  EXPECT_EQ(search->matches[0], (std::vector<uint32_t>{1, 2, 3, 4, 5}));
}

// A cache whose clock runs an hour ahead, so that every listing counts as settled: only a change
// of the directory's stamp (or forgetting it) makes a kept listing go.
std::shared_ptr<DirectoryCache> settledCache(DirectoryCacheLimits limits = {}) {
  return std::make_shared<DirectoryCache>(
      limits, [] { return DirectoryCache::realTime() + int64_t(3600) * 1000000000; });
}

// Sets the directory's modification time an hour back, so that the next change moves it.
void ageDirectory(const stdfs::path& path) {
  timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 3600, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class DirectoryCacheTest : public HostFileSystemTest {
 protected:
  DirectoryCacheTest() {
    for (int i = 1; i <= 12; ++i) {
      writeHostFile(maps / ("Long Map Name " + std::to_string(i) + ".MAP"), "m");
    }
    writeHostFile(maps / "M1.MAP", "m");
  }
  // What a find shows, and what one with nothing kept shows.
  auto listed() { return namesOf(fs.find("C:\\MAPS\\*.MAP")); }
  auto fresh() { return namesOf(HostFileSystem(dir.path()).find("C:\\MAPS\\*.MAP")); }
  bool shows(const std::string& name) {
    auto names = listed();
    return std::any_of(names.begin(), names.end(), [&](const auto& n) { return n.first == name; });
  }

  stdfs::path maps = driveC / "MAPS";
  std::shared_ptr<DirectoryCache> cache = settledCache();
  HostFileSystem fs{dir.path(), cache};
};

TEST_F(DirectoryCacheTest, ChangesBehindItsBackShowWithTheirAliases) {
  ageDirectory(maps);
  ASSERT_EQ(listed(), fresh());
  int before = directoryListings;
  auto kept = listed();
  auto alias = fs.shortPathName("C:\\MAPS\\Long Map Name 3.MAP");
  EXPECT_EQ(directoryListings, before);  // the listing was kept
  EXPECT_EQ(kept, fresh());
  EXPECT_EQ(alias, HostFileSystem(dir.path()).shortPathName("C:\\MAPS\\Long Map Name 3.MAP"));

  // Each change comes after a listing was kept for the aged directory.
  writeHostFile(maps / "Long Map Name 0.MAP", "m");
  EXPECT_TRUE(shows("Long Map Name 0.MAP"));
  EXPECT_EQ(listed(), fresh());
  ageDirectory(maps);
  listed();
  stdfs::rename(maps / "Long Map Name 5.MAP", maps / "Long Map Name 50.MAP");
  EXPECT_TRUE(shows("Long Map Name 50.MAP"));
  EXPECT_FALSE(shows("Long Map Name 5.MAP"));
  EXPECT_EQ(listed(), fresh());
  ageDirectory(maps);
  listed();
  stdfs::remove(maps / "Long Map Name 1.MAP");
  EXPECT_FALSE(shows("Long Map Name 1.MAP"));
  EXPECT_EQ(listed(), fresh());
}

TEST_F(DirectoryCacheTest, ChangesThroughItShowAtOnce) {
  // The directory's times may not move within one clock tick: what this file system changes,
  // it forgets.
  ASSERT_EQ(listed(), fresh());
  ASSERT_TRUE(fs.open("C:\\MAPS\\Long Map Name 0.MAP", OpenMode::kCreateTruncate));
  EXPECT_EQ(listed(), fresh());
  ASSERT_TRUE(fs.copyFile("C:\\MAPS\\M1.MAP", "C:\\MAPS\\Long Map Copy.MAP", true));
  EXPECT_EQ(listed(), fresh());
  ASSERT_TRUE(fs.moveFile("C:\\MAPS\\LONGMA~2.MAP", "C:\\MAPS\\Long Map Name 20.MAP"));
  EXPECT_EQ(listed(), fresh());
  EXPECT_TRUE(shows("Long Map Name 20.MAP"));
  ASSERT_TRUE(fs.deleteFile("C:\\MAPS\\Long Map Name 20.MAP"));
  EXPECT_EQ(listed(), fresh());
  ASSERT_TRUE(fs.replaceWhole("C:\\MAPS\\Long Map Name 99.MAP", {1}));
  EXPECT_EQ(listed(), fresh());
  EXPECT_EQ(fs.stat("C:\\MAPS\\Long Map Name 99.MAP")->shortName,
            HostFileSystem(dir.path()).stat("C:\\MAPS\\Long Map Name 99.MAP")->shortName);
  EXPECT_FALSE(shows("Long Map Name 20.MAP"));
  EXPECT_TRUE(shows("Long Map Name 99.MAP"));
}

TEST_F(DirectoryCacheTest, AFreshDirectoryIsListedEachTime) {
  // With the real clock the directory's times are too recent to go by, so a change within the
  // same clock tick shows as well.
  HostFileSystem now(dir.path());
  ASSERT_EQ(namesOf(now.find("C:\\MAPS\\*.MAP")), fresh());
  writeHostFile(maps / "Long Map Name 0.MAP", "m");
  auto names = namesOf(now.find("C:\\MAPS\\*.MAP"));
  EXPECT_EQ(names, fresh());
  EXPECT_EQ(names.size(), 14u);
}

TEST_F(DirectoryCacheTest, ASearchForManyPatternsReadsTheDirectoryOnce) {
  std::vector<std::string> patterns;
  for (int kind = 0; kind < 18; ++kind) patterns.push_back("*.E" + std::to_string(kind));
  patterns.push_back("M1.MAP");
  const int before = directoryListings;
  auto search = fs.searchDirectory("C:\\MAPS\\", patterns);
  ASSERT_TRUE(search);
  EXPECT_EQ(directoryListings, before + 1);
  EXPECT_EQ(search->matches.back().size(), 1u);
  fs.searchDirectory("C:\\MAPS\\", patterns);
  EXPECT_EQ(directoryListings, before + 1);  // kept
}

TEST_F(DirectoryCacheTest, AnEntryReplacedUnderTheSameNameShowsItsNewType) {
  // The names stay as they were, so the kept aliases are used again; the types must not be.
  ageDirectory(maps);
  auto isDirectory = [this] {
    auto search = fs.searchDirectory("C:\\MAPS", {"M1.MAP"});
    if (!search || search->matches[0].size() != 1) {
      ADD_FAILURE() << "M1.MAP not found";
      return false;
    }
    return search->entries[search->matches[0][0]].isDirectory();
  };
  EXPECT_FALSE(isDirectory());
  stdfs::remove(maps / "M1.MAP");
  stdfs::create_directory(maps / "M1.MAP");
  EXPECT_TRUE(isDirectory());
}

// Listed again after each change, the names read are compared with the kept ones as they come.
TEST_F(DirectoryCacheTest, ListingAgainSeesNamesGoneAddedOrChangedAnywhere) {
  DirectoryCache now;  // the real clock: the directory is too fresh to go by its stamp
  auto names = [&] {
    const int fd = ::open(maps.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    auto listing = now.listing(fd);
    ::close(fd);
    return listing ? listing->names() : std::vector<std::string>{};
  };
  auto hostNames = [&] {
    std::vector<std::string> listed;
    DIR* handle = ::opendir(maps.c_str());
    while (const dirent* entry = ::readdir(handle)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") listed.push_back(name);
    }
    ::closedir(handle);
    return listed;
  };
  const std::vector<std::string> first = names();
  ASSERT_EQ(first, hostNames());
  EXPECT_EQ(names(), first);
  stdfs::remove(maps / first.back());  // the last name listed
  EXPECT_EQ(names(), hostNames());
  stdfs::remove(maps / first.front());
  EXPECT_EQ(names(), hostNames());
  stdfs::rename(maps / first[5], maps / "Renamed.MAP");
  writeHostFile(maps / "Added.MAP", "m");
  EXPECT_EQ(names(), hostNames());
  EXPECT_EQ(names().size(), first.size() - 1);
}

TEST_F(DirectoryCacheTest, KeepsFewDirectories) {
  auto small = settledCache({/*directories=*/2, /*entries=*/10});
  HostFileSystem bounded(dir.path(), small);
  for (int i = 0; i < 5; ++i) {
    stdfs::create_directories(driveC / ("Dir " + std::to_string(i)));
    bounded.find("C:\\Dir " + std::to_string(i) + "\\*.*");
  }
  EXPECT_EQ(small->size(), 2u);
  bounded.find("C:\\MAPS\\*.*");  // 13 names, more than all may have: kept alone
  EXPECT_EQ(small->size(), 1u);
}

// The home trash is the desktop's: a trashed file can be put back from its info file.
TEST_F(HostFileSystemTest, DeletedFilesGoToTheHomeTrashWithTheirOrigin) {
  const std::string saved = ::getenv("XDG_DATA_HOME") ? ::getenv("XDG_DATA_HOME") : "";
  ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  writeHostFile(driveC / "MAPS/Big City.map", "one");
  HostFileSystem fs(dir.path());
  ASSERT_TRUE(fs.moveToTrash("C:\\MAPS\\BIGCIT~1.MAP"));
  writeHostFile(driveC / "MAPS/Big City.map", "two");
  ASSERT_TRUE(fs.moveToTrash("C:\\MAPS\\Big City.map"));
  EXPECT_FALSE(fs.exists("C:\\MAPS\\Big City.map"));
  EXPECT_FALSE(fs.moveToTrash("C:\\MAPS\\Big City.map"));

  const stdfs::path trash = dir / "data/Trash";
  EXPECT_EQ(readHostFile(trash / "files/Big City.map"), "one");
  EXPECT_EQ(readHostFile(trash / "files/Big City.map.2"), "two");
  const std::string info = readHostFile(trash / "info/Big City.map.trashinfo");
  const std::string origin = stdfs::canonical(driveC).string() + "/MAPS/Big%20City.map";
  EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + origin + "\nDeletionDate=", 0), 0u) << info;
  EXPECT_TRUE(stdfs::exists(trash / "info/Big City.map.2.trashinfo"));
  if (saved.empty()) {
    ::unsetenv("XDG_DATA_HOME");
  } else {
    ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
  }
}

}  // namespace
}  // namespace platform
