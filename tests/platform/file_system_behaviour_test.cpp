// One set of behaviour tests run against both file systems: the host one in a fresh prefix
// and the in-memory one. Both have drives C: and D:.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/fake/fake_file_system.h"
#include "platform/host/host_file_system.h"
#include "support/temp_dir.h"

namespace platform {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

class HostMachine {
 public:
  HostMachine() : cwd_(std::filesystem::current_path()), fs_(dir_.path()) {
    std::filesystem::create_directory(dir_ / "drive_d");
    std::filesystem::create_directory_symlink("../drive_d", dir_ / "dosdevices/d:");
  }
  ~HostMachine() { std::filesystem::current_path(cwd_); }
  FileSystem& fs() { return fs_; }
  void setReadOnly(const std::string& path) {
    ASSERT_EQ(::chmod(fs_.hostPath(path).value().c_str(), 0444), 0);
  }

 private:
  std::filesystem::path cwd_;  // host tests move the process's current directory
  testsupport::TempDir dir_;
  HostFileSystem fs_;
};

class FakeMachine {
 public:
  FakeMachine() { fs_.addDrive('D'); }
  FileSystem& fs() { return fs_; }
  void setReadOnly(const std::string& path) { fs_.setReadOnly(path, true); }

 private:
  FakeFileSystem fs_;
};

template <typename Machine>
class FileSystemBehaviour : public ::testing::Test {
 protected:
  Machine machine;
  FileSystem& fs = machine.fs();

  void put(const std::string& path, const std::string& text) {
    auto file = fs.open(path, OpenMode::kCreateTruncate);
    ASSERT_TRUE(file) << path;
    ASSERT_EQ(file->write(text.data(), text.size()), text.size());
  }
  std::string content(const std::string& path) {
    auto bytes = fs.readWhole(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
  }
  std::vector<std::string> found(const std::string& pattern, bool shortNames = false) {
    std::vector<std::string> names;
    for (const auto& entry : fs.find(pattern)) {
      names.push_back(shortNames ? entry.shortName : entry.longName);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

using Machines = ::testing::Types<HostMachine, FakeMachine>;
class MachineNames {
 public:
  template <typename T>
  static std::string GetName(int) {
    return std::is_same_v<T, HostMachine> ? "Host" : "Fake";
  }
};
TYPED_TEST_SUITE(FileSystemBehaviour, Machines, MachineNames);

using Names = std::vector<std::string>;

TYPED_TEST(FileSystemBehaviour, OpenModes) {
  auto& fs = this->fs;
  EXPECT_FALSE(fs.open("C:\\NEW.DAT", OpenMode::kRead));
  EXPECT_FALSE(fs.open("C:\\NEW.DAT", OpenMode::kReadWrite));
  EXPECT_FALSE(fs.exists("C:\\NEW.DAT"));  // neither mode creates
  EXPECT_TRUE(fs.open("C:\\KEEP.DAT", OpenMode::kCreateKeep));
  EXPECT_EQ(fs.stat("C:\\KEEP.DAT")->size, 0u);

  this->put("C:\\NEW.DAT", "0123456789");
  {
    auto keep = fs.open("c:\\new.dat", OpenMode::kCreateKeep);
    ASSERT_TRUE(keep);
    EXPECT_EQ(keep->length(), 10u);
    EXPECT_EQ(keep->write("ab", 2), 2u);
  }
  EXPECT_EQ(this->content("C:\\NEW.DAT"), "ab23456789");
  {
    auto reader = fs.open("C:\\NEW.DAT", OpenMode::kRead);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->write("x", 1), 0u);
    char buffer[4] = {};
    ASSERT_TRUE(reader->seek(8));
    EXPECT_EQ(reader->read(buffer, 4), 2u);
    EXPECT_EQ(reader->position(), 10u);
  }
  {
    auto truncating = fs.open("C:\\NEW.DAT", OpenMode::kCreateTruncate);
    ASSERT_TRUE(truncating);
    EXPECT_EQ(truncating->length(), 0u);
  }
  EXPECT_EQ(this->content("C:\\NEW.DAT"), "");
  EXPECT_FALSE(fs.open("C:\\", OpenMode::kRead));
  EXPECT_FALSE(fs.open("C:\\MISSING\\NEW.DAT", OpenMode::kCreateTruncate));
}

TYPED_TEST(FileSystemBehaviour, SeekPastTheEndZeroFillsAndTruncateCuts) {
  auto file = this->fs.open("D:\\SAVE.DAT", OpenMode::kCreateKeep);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->seek(4));
  EXPECT_EQ(file->write("Z", 1), 1u);
  EXPECT_EQ(file->length(), 5u);
  ASSERT_TRUE(file->truncate(2));
  EXPECT_EQ(file->length(), 2u);
  file.reset();
  EXPECT_EQ(this->fs.readWhole("D:\\SAVE.DAT"), (Bytes{0, 0}));
}

TYPED_TEST(FileSystemBehaviour, DirectoriesCannotBeOpenedAndOnlyEmptyOnesRemoved) {
  auto& fs = this->fs;
  EXPECT_TRUE(fs.createDirectory("C:\\Games"));
  EXPECT_FALSE(fs.createDirectory("C:\\GAMES\\"));    // exists, in any case
  EXPECT_FALSE(fs.createDirectory("C:\\NONE\\SUB"));  // parent missing
  EXPECT_FALSE(fs.open("C:\\GAMES", OpenMode::kRead));
  this->put("C:\\GAMES\\X.TXT", "x");
  EXPECT_FALSE(fs.removeDirectory("C:\\GAMES"));
  EXPECT_FALSE(fs.deleteFile("C:\\GAMES"));
  EXPECT_FALSE(fs.removeDirectory("C:\\GAMES\\X.TXT"));
  EXPECT_TRUE(fs.deleteFile("C:\\games\\x.txt"));
  EXPECT_TRUE(fs.removeDirectory("c:\\games\\"));
  EXPECT_FALSE(fs.exists("C:\\Games"));
  EXPECT_FALSE(fs.removeDirectory("C:\\"));
}

TYPED_TEST(FileSystemBehaviour, LookupsIgnoreCaseAndKeepTheStoredSpelling) {
  auto& fs = this->fs;
  ASSERT_TRUE(fs.createDirectory("C:\\Games"));
  ASSERT_TRUE(fs.createDirectory("C:\\Games\\Duke3D"));
  this->put("C:\\Games\\Duke3D\\Duke3D.exe", "MZ");
  auto entry = fs.stat("c:/GAMES/duke3d/DUKE3D.EXE");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->longName, "Duke3D.exe");
  EXPECT_EQ(entry->shortName, "DUKE3D.EXE");
  EXPECT_EQ(entry->size, 2u);
  EXPECT_EQ(fs.longPathName("c:\\games\\duke3d\\"), "C:\\Games\\Duke3D\\");
  EXPECT_EQ(fs.longPathName("C:\\GAMES\\..\\..\\Games\\DUKE3D\\duke3d.exe"),
            "C:\\Games\\Duke3D\\Duke3D.exe");
  // A missing component is created as written.
  this->put("C:\\GAMES\\duke3d\\NEW.CFG", "");
  EXPECT_EQ(fs.longPathName("C:\\GAMES\\DUKE3D\\new.cfg"), "C:\\Games\\Duke3D\\NEW.CFG");
}

TYPED_TEST(FileSystemBehaviour, AliasesAreAcceptedAndReported) {
  auto& fs = this->fs;
  ASSERT_TRUE(fs.createDirectory("C:\\Program Files"));
  ASSERT_TRUE(fs.createDirectory("C:\\Program Data"));
  ASSERT_TRUE(fs.createDirectory("C:\\Program Files\\Hexen II Demo"));
  this->put("C:\\Program Files\\Hexen II Demo\\longfilename.text", "hello");
  EXPECT_EQ(this->found("C:\\PROGRA~*", true), (Names{"PROGRA~1", "PROGRA~2"}));

  auto files = fs.find("C:\\Program Files");
  ASSERT_EQ(files.size(), 1u);
  std::string alias = files[0].shortName;
  EXPECT_EQ(this->content("C:\\" + alias + "\\hexeni~1\\LONGFI~1.TEX"), "hello");
  EXPECT_EQ(fs.shortPathName("c:\\program files\\hexen ii demo\\"),
            "C:\\" + alias + "\\HEXENI~1\\");
  EXPECT_EQ(fs.longPathName("C:\\" + alias + "\\HEXENI~1\\LONGFI~1.TEX"),
            "C:\\Program Files\\Hexen II Demo\\longfilename.text");
  EXPECT_EQ(fs.shortPathName("C:\\"), "C:\\");
  EXPECT_FALSE(fs.shortPathName("C:\\Program Files\\Missing"));
}

TYPED_TEST(FileSystemBehaviour, FindMatchesWildcardsOnLongAndShortNames) {
  auto& fs = this->fs;
  ASSERT_TRUE(fs.createDirectory("C:\\DUKE3D"));
  for (const char* name : {"DUKE3D.EXE", "setup.exe", "README", "Game Settings.cfg"}) {
    this->put(std::string("C:\\DUKE3D\\") + name, "data");
  }
  ASSERT_TRUE(fs.createDirectory("C:\\DUKE3D\\Maps"));
  EXPECT_EQ(this->found("C:\\DUKE3D\\*.*"),
            (Names{"DUKE3D.EXE", "Game Settings.cfg", "Maps", "README", "setup.exe"}));
  EXPECT_EQ(this->found("C:\\DUKE3D\\*"), this->found("C:\\DUKE3D\\*.*"));
  EXPECT_EQ(this->found("c:\\duke3d\\*.EXE"), (Names{"DUKE3D.EXE", "setup.exe"}));
  EXPECT_EQ(this->found("C:\\DUKE3D\\????3D.*"), (Names{"DUKE3D.EXE"}));
  EXPECT_EQ(this->found("C:\\DUKE3D\\GAMESE~1.*"), (Names{"Game Settings.cfg"}));
  EXPECT_EQ(this->found("C:\\DUKE3D\\*."), (Names{"Maps", "README"}));
  EXPECT_EQ(this->found("C:\\DUKE3D\\SETUP.EXE"), (Names{"setup.exe"}));
  EXPECT_EQ(this->found("C:\\DUKE3D\\NOPE.EXE"), Names{});
  EXPECT_EQ(this->found("C:\\NOWHERE\\*.*"), Names{});
  EXPECT_EQ(this->found("Q:\\*.*"), Names{});
  EXPECT_EQ(this->found("C:\\DUKE3D\\"), Names{});

  auto entries = fs.find("C:\\DUKE3D\\M*");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(entries[0].isDirectory());
  EXPECT_EQ(entries[0].size, 0u);
  auto exe = fs.find("C:\\DUKE3D\\DUKE3D.EXE");
  ASSERT_EQ(exe.size(), 1u);
  EXPECT_EQ(exe[0].attributes, uint32_t(kAttrArchive));
  EXPECT_EQ(exe[0].size, 4u);
}

// One search of a directory for many patterns finds, per pattern, what find() finds.
TYPED_TEST(FileSystemBehaviour, SearchDirectoryMatchesEachPatternAsFindDoes) {
  auto& fs = this->fs;
  ASSERT_TRUE(fs.createDirectory("C:\\DUKE3D"));
  for (const char* name : {"DUKE3D.EXE", "setup.exe", "README", "Game Settings.cfg", "E1L1.MAP",
                           "Long Map Name.map", "extra.mapx", "GAME.CON", "USERGAME.CON"}) {
    this->put(std::string("C:\\DUKE3D\\") + name, "data");
  }
  ASSERT_TRUE(fs.createDirectory("C:\\DUKE3D\\Maps"));
  ASSERT_TRUE(fs.createDirectory("C:\\DUKE3D\\WEIRD.MAP"));
  this->put("C:\\DUKE3D\\Maps\\CITY.MAP", "data");
  // "extra.mapx" is EXTRA~1.MAP: "*.MAP" matches it by its alias alone.
  const Names patterns = {"*.MAP",        "*.exe",        "E1*.*", "GAME.CON", "?GAME.CON",
                          "????GAME.CON", "LONGMA~1.MAP", "*.",    "*",        "GAME.CON.",
                          "NOPE.EXE",     "*.MAP",        "..",    "",         "MAPS\\*.MAP"};
  auto search = fs.searchDirectory("C:\\DUKE3D\\", patterns);
  ASSERT_TRUE(search);
  ASSERT_EQ(search->matches.size(), patterns.size());
  for (size_t i = 0; i < patterns.size(); ++i) {
    Names matched;
    for (uint32_t at : search->matches[i]) {
      const DirectoryEntry& entry = search->entries.at(at);
      matched.emplace_back(entry.longName);
      auto found = fs.find("C:\\DUKE3D\\" + matched.back());
      ASSERT_EQ(found.size(), 1u);
      EXPECT_EQ(entry.shortName, found[0].shortName);
      EXPECT_EQ(entry.isDirectory(), found[0].isDirectory());
    }
    std::sort(matched.begin(), matched.end());
    // A pattern reaching into a sub-directory is no name of this one.
    const Names expected =
        i + 1 == patterns.size() ? Names{} : this->found("C:\\DUKE3D\\" + patterns[i]);
    EXPECT_EQ(matched, expected) << patterns[i];
  }
  EXPECT_EQ(search->matches[0], search->matches[11]);

  // Sub-directories always, other entries only when a pattern matches; by name in any case.
  search = fs.searchDirectory("c:\\duke3d", {"*.EXE"});
  ASSERT_TRUE(search);
  Names listed;
  for (const DirectoryEntry& entry : search->entries) listed.emplace_back(entry.longName);
  EXPECT_EQ(listed, (Names{"DUKE3D.EXE", "Maps", "setup.exe", "WEIRD.MAP"}));
  EXPECT_EQ(search->matches[0], (std::vector<uint32_t>{0, 2}));

  EXPECT_TRUE(fs.searchDirectory("C:\\", {"*.*"}));
  EXPECT_FALSE(fs.searchDirectory("C:\\NOWHERE\\", {"*.*"}));
  EXPECT_FALSE(fs.searchDirectory("C:\\DUKE3D\\README", {"*.*"}));
  EXPECT_FALSE(fs.searchDirectory("Q:\\", {"*.*"}));
}

TYPED_TEST(FileSystemBehaviour, ReadOnlyFilesResistChange) {
  auto& fs = this->fs;
  this->put("C:\\LOCKED.TXT", "keep");
  this->put("C:\\OTHER.TXT", "other");
  this->machine.setReadOnly("C:\\LOCKED.TXT");
  EXPECT_EQ(fs.stat("C:\\LOCKED.TXT")->attributes, uint32_t(kAttrArchive | kAttrReadOnly));
  EXPECT_TRUE(fs.open("C:\\LOCKED.TXT", OpenMode::kRead));
  EXPECT_FALSE(fs.open("C:\\LOCKED.TXT", OpenMode::kReadWrite));
  EXPECT_FALSE(fs.open("C:\\LOCKED.TXT", OpenMode::kCreateTruncate));
  EXPECT_FALSE(fs.deleteFile("C:\\LOCKED.TXT"));
  EXPECT_FALSE(fs.replaceWhole("C:\\LOCKED.TXT", bytesOf("new")));
  EXPECT_FALSE(fs.copyFile("C:\\OTHER.TXT", "C:\\LOCKED.TXT", false));
  EXPECT_EQ(this->content("C:\\LOCKED.TXT"), "keep");
  // A copy carries the attribute along.
  ASSERT_TRUE(fs.copyFile("C:\\LOCKED.TXT", "C:\\COPY.TXT", true));
  EXPECT_TRUE(fs.stat("C:\\COPY.TXT")->attributes & kAttrReadOnly);

  EXPECT_TRUE(fs.setAttributesNormal("c:\\locked.txt"));
  EXPECT_EQ(fs.stat("C:\\LOCKED.TXT")->attributes, uint32_t(kAttrArchive));
  EXPECT_TRUE(fs.deleteFile("C:\\LOCKED.TXT"));
  EXPECT_FALSE(fs.setAttributesNormal("C:\\LOCKED.TXT"));
}

TYPED_TEST(FileSystemBehaviour, CopyAndMove) {
  auto& fs = this->fs;
  this->put("C:\\A.TXT", "alpha");
  this->put("C:\\B.TXT", "beta");
  EXPECT_FALSE(fs.copyFile("C:\\A.TXT", "c:\\b.txt", true));
  EXPECT_TRUE(fs.copyFile("C:\\A.TXT", "C:\\B.TXT", false));
  EXPECT_EQ(this->content("C:\\B.TXT"), "alpha");
  EXPECT_FALSE(fs.copyFile("C:\\A.TXT", "c:\\a.txt", false));  // onto itself
  EXPECT_EQ(this->content("C:\\A.TXT"), "alpha");
  EXPECT_FALSE(fs.copyFile("C:\\MISSING", "C:\\C.TXT", false));
  EXPECT_FALSE(fs.copyFile("C:\\A.TXT", "C:\\NO\\C.TXT", false));

  EXPECT_FALSE(fs.moveFile("C:\\A.TXT", "C:\\b.txt"));  // target exists
  EXPECT_TRUE(fs.moveFile("C:\\A.TXT", "D:\\Moved.txt"));
  EXPECT_FALSE(fs.exists("C:\\A.TXT"));
  EXPECT_EQ(this->content("D:\\MOVED.TXT"), "alpha");
  EXPECT_TRUE(fs.moveFile("D:\\MOVED.TXT", "D:\\MOVED.TXT"));  // only the spelling changes
  EXPECT_EQ(fs.stat("D:\\moved.txt")->longName, "MOVED.TXT");

  ASSERT_TRUE(fs.createDirectory("C:\\OLD"));
  this->put("C:\\OLD\\IN.TXT", "in");
  EXPECT_FALSE(fs.moveFile("C:\\OLD", "C:\\OLD\\SUB"));  // into itself
  EXPECT_TRUE(fs.moveFile("C:\\old", "C:\\New Name"));
  EXPECT_EQ(this->content("C:\\NEWNAM~1\\IN.TXT"), "in");
  EXPECT_FALSE(fs.moveFile("C:\\MISSING", "C:\\X"));
  EXPECT_FALSE(fs.moveFile("C:\\", "C:\\X"));
}

TYPED_TEST(FileSystemBehaviour, ReplaceWhole) {
  auto& fs = this->fs;
  EXPECT_TRUE(fs.replaceWhole("C:\\GAME.CFG", bytesOf("first")));
  auto reader = fs.open("C:\\GAME.CFG", OpenMode::kRead);
  EXPECT_TRUE(fs.replaceWhole("c:\\game.cfg", bytesOf("second")));
  EXPECT_EQ(this->content("C:\\GAME.CFG"), "second");
  // A handle opened before the replacement still sees a whole file: the old one.
  char buffer[8] = {};
  ASSERT_TRUE(reader);
  EXPECT_EQ(std::string(buffer, reader->read(buffer, sizeof buffer)), "first");
  EXPECT_EQ(this->found("C:\\*.*"), (Names{"GAME.CFG"}));  // nothing left beside it
  EXPECT_FALSE(fs.replaceWhole("C:\\NO\\GAME.CFG", bytesOf("x")));
  ASSERT_TRUE(fs.createDirectory("C:\\DIR"));
  EXPECT_FALSE(fs.replaceWhole("C:\\DIR", bytesOf("x")));
}

TYPED_TEST(FileSystemBehaviour, ModificationTimesAreReadAndStampedOnFilesOnly) {
  auto& fs = this->fs;
  ASSERT_TRUE(fs.createDirectory("C:\\MAPS"));
  this->put("C:\\MAPS\\HELL.MAP", "map");
  ASSERT_TRUE(fs.modificationTime("c:\\maps\\hell.map"));
  EXPECT_TRUE(fs.setModificationTime("c:\\maps\\hell.map", 1234567890));
  EXPECT_EQ(fs.modificationTime("C:\\MAPS\\HELL.MAP"), 1234567890);
  // A rename keeps the stamp: the downloaded map keeps the time it was given.
  ASSERT_TRUE(fs.moveFile("C:\\MAPS\\HELL.MAP", "C:\\MAPS\\E1L1.MAP"));
  EXPECT_EQ(fs.modificationTime("C:\\MAPS\\E1L1.MAP"), 1234567890);
  EXPECT_EQ(fs.stat("C:\\MAPS\\E1L1.MAP")->size, 3u);

  EXPECT_FALSE(fs.modificationTime("C:\\MAPS\\MISSING.MAP"));
  EXPECT_FALSE(fs.setModificationTime("C:\\MAPS\\MISSING.MAP", 5));
  EXPECT_FALSE(fs.exists("C:\\MAPS\\MISSING.MAP"));
  EXPECT_FALSE(fs.modificationTime("C:\\MAPS"));
  EXPECT_FALSE(fs.setModificationTime("C:\\MAPS", 5));
}

TYPED_TEST(FileSystemBehaviour, CurrentDirectoryAnchorsRelativePaths) {
  auto& fs = this->fs;
  ASSERT_TRUE(fs.createDirectory("D:\\Games"));
  EXPECT_TRUE(fs.setCurrentDirectory("d:\\games"));
  EXPECT_EQ(fs.currentDirectory(), "D:\\Games\\");
  this->put("SAVE.DAT", "s");
  EXPECT_TRUE(fs.exists("D:\\GAMES\\SAVE.DAT"));
  this->put("\\ROOT.DAT", "r");
  EXPECT_TRUE(fs.exists("D:\\ROOT.DAT"));
  EXPECT_TRUE(fs.exists("..\\..\\..\\ROOT.DAT"));
  EXPECT_TRUE(fs.setCurrentDirectory(".."));
  EXPECT_EQ(fs.currentDirectory(), "D:\\");
  EXPECT_FALSE(fs.setCurrentDirectory("D:\\ROOT.DAT"));
  EXPECT_FALSE(fs.setCurrentDirectory("D:\\MISSING"));
  EXPECT_EQ(fs.currentDirectory(), "D:\\");
}

TYPED_TEST(FileSystemBehaviour, DrivesRootsAndBadInput) {
  auto& fs = this->fs;
  auto drives = fs.drives();
  EXPECT_NE(std::find(drives.begin(), drives.end(), 'C'), drives.end());
  EXPECT_NE(std::find(drives.begin(), drives.end(), 'D'), drives.end());
  EXPECT_EQ(std::find(drives.begin(), drives.end(), 'Q'), drives.end());
  auto root = fs.stat("d:\\");
  ASSERT_TRUE(root);
  EXPECT_TRUE(root->isDirectory());
  EXPECT_EQ(fs.windowsDirectory(), "C:\\WINDOWS");

  this->put("C:\\TOP.TXT", "top");
  EXPECT_EQ(this->content("C:\\..\\..\\..\\TOP.TXT"), "top");
  for (const std::string bad :
       {"", "Q:\\X.TXT", "C:\\*.TXT", "C:\\A|B", "\\\\host\\share\\x", "C:\\TOP.TXT\\INSIDE"}) {
    EXPECT_FALSE(fs.open(bad, OpenMode::kCreateTruncate)) << bad;
    EXPECT_FALSE(fs.stat(bad)) << bad;
    EXPECT_FALSE(fs.createDirectory(bad)) << bad;
    EXPECT_FALSE(fs.replaceWhole(bad, {})) << bad;
    EXPECT_FALSE(fs.longPathName(bad)) << bad;
  }
}

}  // namespace
}  // namespace platform
