// The install algorithm over a fake machine: setup started in C:\SETUP\ with the prepared
// shortcut, filelist.txt and the files it names; drive D: is empty.
#include "setup/installer.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"
#include "setup/shell_link_reader.h"
#include "setup/shortcut_template.h"

namespace setup {
namespace {

using Outcome = InstallResult::Outcome;

constexpr const char* kComplete =
    "Setup is complete.  \r\nStart Quillfen95 by pressing the Windows95 START button.  Then "
    "select Quillfen95.";
constexpr const char* kStartMenu = "C:\\WINDOWS\\Start Menu\\Quillfen.lnk";
constexpr const char* kProgramGroup = "C:\\WINDOWS\\Start Menu\\Programs\\Quillfen.lnk";

class RecordingDesktop : public DesktopEntryWriter {
 public:
  bool write(const std::string& program, const std::string& workingDirectory) override {
    calls.push_back({program, workingDirectory});
    return succeed;
  }
  std::vector<std::pair<std::string, std::string>> calls;
  bool succeed = true;
};

class InstallerTest : public ::testing::Test {
 protected:
  InstallerTest() {
    fs.addDrive('D');
    fs.putFile("C:\\SETUP\\Quillfen.lnk", shortcut::makeTemplate());
    putFiles({"quillfen95.exe", "Quillfen.Sig", "arg_pass.com"});
    fs.putFile("C:\\SETUP\\filelist.txt", "quillfen95.exe\r\nQuillfen.Sig\r\narg_pass.com\r\n");
    fs.setCurrentDirectory("C:\\SETUP\\");
  }

  void putFiles(std::initializer_list<const char*> names) {
    for (const char* name : names) fs.putFile(std::string("C:\\SETUP\\") + name, name);
  }

  InstallResult install(std::string typed) {
    field = std::move(typed);
    return installer.install(field);
  }

  std::string text(const std::string& path) {
    auto bytes = fs.readWhole(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
  }

  testsupport::ShellLink shortcut() {
    return testsupport::parseShellLink(*fs.readWhole(kStartMenu));
  }

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  RecordingDesktop desktop;
  Installer installer{fs, prompter, desktop};
  std::string field;
};

TEST_F(InstallerTest, InstallsLevelByLevelWithOrWithoutTrailingBackslash) {
  for (const char* typed : {"D:\\GAMES\\QF", "D:\\GAMES\\QF\\"}) {
    SCOPED_TRACE(typed);
    prompter = {};
    desktop.calls.clear();
    const InstallResult result = install(typed);
    EXPECT_EQ(result.outcome, Outcome::kCompleted);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(fs.stat("D:\\GAMES\\")->isDirectory());
    EXPECT_TRUE(fs.stat("D:\\GAMES\\QF\\")->isDirectory());
    EXPECT_EQ(text("D:\\GAMES\\QF\\quillfen95.exe"), "quillfen95.exe");
    EXPECT_EQ(text("D:\\GAMES\\QF\\Quillfen.Sig"), "Quillfen.Sig");
    EXPECT_EQ(text("D:\\GAMES\\QF\\arg_pass.com"), "arg_pass.com");
    // The fake machine has no Windows directory: the Start menu is made for the shortcut.
    EXPECT_EQ(fs.readWhole(kStartMenu), fs.readWhole("C:\\SETUP\\Quillfen.lnk"));
    EXPECT_EQ(fs.readWhole(kProgramGroup), fs.readWhole("C:\\SETUP\\Quillfen.lnk"));
    EXPECT_EQ(shortcut().target(), "D:\\GAMES\\QF\\quillfen95.exe");
    EXPECT_EQ(shortcut().workingDirectory, "D:\\GAMES\\QF");
    ASSERT_EQ(prompter.boxes().size(), 1u);
    EXPECT_EQ(prompter.boxes()[0].caption, "Setup Complete");
    EXPECT_EQ(prompter.boxes()[0].text, kComplete);
    EXPECT_EQ(desktop.calls, (std::vector<std::pair<std::string, std::string>>{
                                 {"D:\\GAMES\\QF\\quillfen95.exe", "D:\\GAMES\\QF"}}));
  }
}

TEST_F(InstallerTest, RefusedPathsResetTheFieldAndTouchNothing) {
  const std::string kDrive = "You must enter a drive letter and path";
  const std::string kFormat = "Incorrect path format.  Please try again.";
  const std::string kSeven =
      "You have entered more than seven subdirectory.  Enter less than seven subdirectories.  "
      "Please try again.";
  const std::string kName = "A directory name can have at most 31 characters.  Please try again.";
  const std::string kLong =
      "The directory path is too long.  Enter a path of at most 67 characters.  Please try again.";
  const std::string name30(30, 'N');
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"D:GAMES\\QF", kDrive},
      {"GAMES\\QF", kDrive},
      {"\\GAMES\\QF", kDrive},
      {"D:", kDrive},
      {"", kDrive},
      {"1:\\GAMES", kDrive},
      {"D:\\GAMES\\\\QF", kFormat},
      {"D:\\\\GAMES", kFormat},
      {"D:\\GAMES\\\\", kFormat},
      {"D:\\GA?ES\\QF", kFormat},
      {"D:\\A\\B\\C\\D\\E\\F\\G\\H", kSeven},
      {"D:\\A\\B\\C\\D\\E\\F\\G\\H\\I\\J", kSeven},
      {"D:\\GAMES\\" + std::string(32, 'L'), kName},
      {"D:\\" + name30 + "\\" + name30 + "\\" + name30, kLong},
  };
  const auto pristine = fs.readWhole("C:\\SETUP\\Quillfen.lnk");
  for (const auto& [typed, message] : cases) {
    SCOPED_TRACE(typed);
    prompter = {};
    const InstallResult result = install(typed);
    EXPECT_EQ(result.outcome, Outcome::kRetry);
    EXPECT_EQ(field, "C:\\Quillfen95");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{message});
  }
  EXPECT_EQ(fs.readWhole("C:\\SETUP\\Quillfen.lnk"), pristine);
  EXPECT_TRUE(fs.find("D:\\*").empty());
  EXPECT_FALSE(fs.exists("C:\\WINDOWS"));
  EXPECT_TRUE(desktop.calls.empty());
}

TEST_F(InstallerTest, LimitsThatStillInstall) {
  // Seven levels; a 31-character name; the longest path the shortcut holds (67 characters).
  const std::string longest = "D:\\" + std::string(31, 'L') + "\\" + std::string(30, 'M') + "\\X";
  ASSERT_EQ(longest.size(), 67u);
  for (const std::string& typed :
       {std::string("D:\\A\\B\\C\\D\\E\\F\\G"), "D:\\GAMES\\" + std::string(31, 'L'), longest}) {
    SCOPED_TRACE(typed);
    ASSERT_EQ(install(typed).outcome, Outcome::kCompleted);
    EXPECT_TRUE(fs.exists(typed + "\\quillfen95.exe"));
    EXPECT_EQ(shortcut().target(), typed + "\\quillfen95.exe");
    EXPECT_EQ(shortcut().workingDirectory, typed);
  }
  EXPECT_EQ(install(longest + "Y").outcome, Outcome::kRetry);
}

TEST_F(InstallerTest, ShortcutPathFieldsAtTheirOffsets) {
  ASSERT_EQ(install("D:\\GAMES\\QF").outcome, Outcome::kCompleted);
  const std::vector<uint8_t> link = *fs.readWhole("C:\\SETUP\\Quillfen.lnk");
  auto at = [&](size_t offset, size_t n) {
    return std::string(link.begin() + long(offset), link.begin() + long(offset + n));
  };
  EXPECT_EQ(at(101, 4), std::string("D:\\\0", 4));
  EXPECT_EQ(at(137, 9), std::string("GAMES\\QF\0", 9));
  EXPECT_EQ(at(280, 27), std::string("D:\\GAMES\\QF\\quillfen95.exe\0", 27));
  EXPECT_EQ(at(366, 12), std::string("D:\\GAMES\\QF\0", 12));
  const testsupport::ShellLink parsed = testsupport::parseShellLink(link);
  EXPECT_EQ(parsed.items,
            (std::vector<std::string>{"My Computer", "D:\\", "GAMES\\QF", "quillfen95.exe"}));
  EXPECT_EQ(parsed.itemPath(), "D:\\GAMES\\QF\\quillfen95.exe");
}

TEST_F(InstallerTest, ALaterShorterPathLeavesNoTraceOfTheEarlierOne) {
  ASSERT_EQ(install("D:\\GAMES\\A\\MUCH\\LONGER\\PATH").outcome, Outcome::kCompleted);
  ASSERT_EQ(install("D:\\QF").outcome, Outcome::kCompleted);
  EXPECT_EQ(shortcut().target(), "D:\\QF\\quillfen95.exe");
  EXPECT_EQ(shortcut().workingDirectory, "D:\\QF");
  EXPECT_EQ(shortcut().items[2], "QF");
}

TEST_F(InstallerTest, DriveRootAsSourceAndAsTarget) {
  fs.putFile("C:\\quillfen95.exe", "root copy");
  fs.putFile("C:\\filelist.txt", "quillfen95.exe");
  fs.putFile("C:\\Quillfen.lnk", shortcut::makeTemplate());
  fs.setCurrentDirectory("C:\\");
  ASSERT_EQ(install("D:\\").outcome, Outcome::kCompleted);
  EXPECT_EQ(text("D:\\quillfen95.exe"), "root copy");
  EXPECT_EQ(shortcut().target(), "D:\\quillfen95.exe");
  EXPECT_EQ(shortcut().workingDirectory, "D:\\");
  EXPECT_EQ(desktop.calls.at(0).first, "D:\\quillfen95.exe");
}

TEST_F(InstallerTest, FileListLinesAndItsFirst2048Bytes) {
  putFiles({"ONES.TXT", "LAST.TXT", "LATE.TXT"});
  fs.putFile("D:\\QF\\ONES.TXT", "old copy");
  // The last line needs no CR LF; blank lines name nothing.
  fs.putFile("C:\\SETUP\\filelist.txt", "ONES.TXT\r\n\r\nLAST.TXT");
  ASSERT_EQ(install("D:\\QF").outcome, Outcome::kCompleted);
  EXPECT_EQ(text("D:\\QF\\ONES.TXT"), "ONES.TXT");
  EXPECT_EQ(text("D:\\QF\\LAST.TXT"), "LAST.TXT");

  // A name from byte 2048 on is not read.
  std::string list = "ONES.TXT\r\n";
  while (list.size() < 2048) list += "\r\n";
  ASSERT_EQ(list.size(), 2048u);
  fs.putFile("C:\\SETUP\\filelist.txt", list + "LATE.TXT\r\n");
  ASSERT_EQ(install("D:\\QF2").outcome, Outcome::kCompleted);
  EXPECT_TRUE(fs.exists("D:\\QF2\\ONES.TXT"));
  EXPECT_FALSE(fs.exists("D:\\QF2\\LATE.TXT"));
}

TEST_F(InstallerTest, MissingSetupFilesEndWithCodeOne) {
  fs.putFile("C:\\SETUP\\filelist.txt", "quillfen95.exe\r\nMISSING.DAT\r\narg_pass.com\r\n");
  InstallResult result = install("D:\\GAMES\\QF");
  EXPECT_EQ(result.outcome, Outcome::kAbandoned);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Could not copy one or more required setup "
                                                       "file(s).  Setup will have to exit."});
  EXPECT_TRUE(fs.exists("D:\\GAMES\\QF\\quillfen95.exe"));  // copied before stays
  EXPECT_FALSE(fs.exists("D:\\GAMES\\QF\\arg_pass.com"));
  EXPECT_FALSE(fs.exists(kStartMenu));

  fs.deleteFile("C:\\SETUP\\filelist.txt");
  prompter = {};
  result = install("D:\\OTHER");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"Could not find one or more required setup file(s).  Setup "
                                     "files are not complete.  Setup will have to exit."});
  EXPECT_TRUE(fs.exists("D:\\OTHER"));  // the directories come first

  fs.deleteFile("C:\\SETUP\\Quillfen.lnk");
  prompter = {};
  result = install("D:\\THIRD");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"Could not find one or more required setup file.  Setup files "
                                     "are not complete.  Setup will have to exit."});
  EXPECT_FALSE(fs.exists("D:\\THIRD"));
}

TEST_F(InstallerTest, ShortcutFailuresStillSayCompleteButEndWithCodeOne) {
  struct Case {
    const char* blocked;
    const char* message;
  };
  for (const Case& c : {Case{kStartMenu, "Could not make short cut."},
                        Case{kProgramGroup, "Could not make program group."},
                        Case{nullptr, "Could not make the desktop menu entry."}}) {
    SCOPED_TRACE(c.message);
    fs.putFile("C:\\WINDOWS\\Start Menu\\Programs\\x", "");  // the menu may exist already
    if (c.blocked) {
      fs.putFile(c.blocked, "in use");
      fs.setReadOnly(c.blocked, true);
    }
    desktop.succeed = c.blocked != nullptr;
    prompter = {};
    const InstallResult result = install("D:\\QF");
    EXPECT_EQ(result.outcome, Outcome::kAbandoned);
    EXPECT_EQ(result.exitCode, 1);
    ASSERT_EQ(prompter.boxes().size(), 2u);
    EXPECT_EQ(prompter.boxes()[0].text, c.message);
    EXPECT_EQ(prompter.boxes()[1].text, "Setup is complete.");
    EXPECT_EQ(prompter.boxes()[1].caption, "Setup Complete");
    if (c.blocked) fs.setReadOnly(c.blocked, false);
  }
}

TEST_F(InstallerTest, AboutShowsOnlyLinesEndingInCrLf) {
  EXPECT_FALSE(installer.aboutLines());
  fs.putFile("C:\\SETUP\\about.txt", "Quillfen95\r\n\r\nVersion 1.0\r\nno line end");
  EXPECT_EQ(*installer.aboutLines(), (std::vector<std::string>{"Quillfen95", "", "Version 1.0"}));

  // 4098 bytes are read: a line whose CR LF ends at byte 4098 is shown, one byte later not.
  const std::string first(4093, 'a');
  fs.putFile("C:\\SETUP\\about.txt", first + "\r\nb\r\n");
  EXPECT_EQ(installer.aboutLines()->size(), 2u);
  fs.putFile("C:\\SETUP\\about.txt", first + "\r\nbc\r\n");
  EXPECT_EQ(installer.aboutLines()->size(), 1u);
}

}  // namespace
}  // namespace setup
