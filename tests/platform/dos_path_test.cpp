#include "platform/dos_path.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/dos_text.h"

namespace platform::dos {
namespace {

// The normalised text of `path` as seen from `current`, or "<bad>".
std::string norm(const std::string& path, const std::string& current = "C:\\GAMES\\DUKE3D\\") {
  auto resolved = resolve(path, current);
  return resolved ? format(*resolved, resolved->trailingSeparator) : "<bad>";
}

TEST(DosPath, AbsolutePathsAreNormalised) {
  EXPECT_EQ(norm("c:\\games\\duke3d\\duke3d.exe"), "C:\\games\\duke3d\\duke3d.exe");
  EXPECT_EQ(norm("D:/Games//Quake/"), "D:\\Games\\Quake\\");
  EXPECT_EQ(norm("C:\\A\\.\\B\\..\\C"), "C:\\A\\C");
  EXPECT_EQ(norm("C:\\"), "C:\\");
  EXPECT_EQ(norm("C:\\NAME.  "), "C:\\NAME");
}

TEST(DosPath, DotDotNeverClimbsAboveTheDriveRoot) {
  EXPECT_EQ(norm("C:\\..\\..\\WINDOWS"), "C:\\WINDOWS");
  EXPECT_EQ(norm("..\\..\\..\\..\\X"), "C:\\X");
  EXPECT_EQ(norm("D:\\A\\..\\..\\"), "D:\\");
}

TEST(DosPath, RelativePathsUseTheCurrentDirectory) {
  EXPECT_EQ(norm("GAME.CFG"), "C:\\GAMES\\DUKE3D\\GAME.CFG");
  EXPECT_EQ(norm("..\\QUAKE"), "C:\\GAMES\\QUAKE");
  EXPECT_EQ(norm("\\AUTOEXEC.BAT"), "C:\\AUTOEXEC.BAT");
  EXPECT_EQ(norm("C:GAME.CFG"), "C:\\GAMES\\DUKE3D\\GAME.CFG");
  EXPECT_EQ(norm("D:SETUP.EXE"), "D:\\SETUP.EXE");
  EXPECT_EQ(norm("C:"), "C:\\GAMES\\DUKE3D");
  EXPECT_EQ(norm("X", "garbage"), "C:\\X");
}

TEST(DosPath, BadInputIsRefused) {
  for (const char* bad :
       {"", "\\\\server\\share\\x", "1:\\X", "C:\\A:B", "C:\\A|B", "C:\\A\"B", "C:\\A<B"}) {
    EXPECT_EQ(norm(bad), "<bad>") << bad;
  }
  EXPECT_FALSE(resolve(std::string("C:\\A\0B", 6), "C:\\"));
  EXPECT_EQ(norm("C:\\*.EXE"), "C:\\*.EXE");  // wildcards are the caller's business
  EXPECT_EQ(norm("C:\\*."), "C:\\*.");
}

TEST(DosPath, CaseFolding) {
  EXPECT_TRUE(equalsIgnoreCase("Duke3D.exe", "DUKE3D.EXE"));
  EXPECT_FALSE(equalsIgnoreCase("DUKE3D.EXE", "DUKE3D.EX"));
  EXPECT_EQ(toUpper("a\xe9z"), "A\xe9Z");  // 8-bit characters are left alone
}

struct WildcardCase {
  const char* pattern;
  const char* name;
  bool matches;
};

TEST(DosPath, WildcardsMatchAsFindFirstFileDoes) {
  const WildcardCase cases[] = {
      {"*.*", "README", true},
      {"*.*", "DUKE3D.EXE", true},
      {"*.*", ".profile", true},
      {"*", "a.b.c", true},
      {"*.EXE", "duke3d.exe", true},
      {"*.EXE", "DUKE3D.EXE.BAK", false},
      {"*.EXE", "EXE", false},
      {"*.txt", "a.b.txt", true},
      {"*.", "README", true},
      {"*.", "README.TXT", false},
      {"DUKE?D.EXE", "DUKE3D.EXE", true},
      {"DUKE?D.EXE", "DUKED.EXE", false},
      {"GAME?.CFG", "GAME.CFG", true},
      {"GAME??", "GAME", true},
      {"A?B", "A.B", false},
      {"SETUP.*", "SETUP", true},
      {"SETUP.*", "SETUP.EXE", true},
      {"SETUP.?", "SETUP", true},
      {"S*P.EXE", "SETUP.EXE", true},
      {"S*P.EXE", "SETUP.EXE2", false},
      {"PROGRA~*", "PROGRA~1", true},
      {"", "X", false},
      {"*a*a*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(matchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " vs " << c.name;
  }
}

}  // namespace
}  // namespace platform::dos

namespace {

TEST(DosText, PathPiecesAndCaseFreeSearch) {
  using namespace platform::dos;
  EXPECT_EQ(directoryOf("D:\\GAMES\\DUKE3D\\E1L1.MAP"), "D:\\GAMES\\DUKE3D\\");
  EXPECT_EQ(directoryOf("E1L1.MAP"), "");
  EXPECT_EQ(fileNameOf("D:\\GAMES\\E1L1.MAP"), "E1L1.MAP");
  EXPECT_EQ(fileStemOf("D:\\A.B\\E1L1.MAP"), "E1L1");
  EXPECT_EQ(fileStemOf("D:\\A.B\\README"), "README");
  EXPECT_EQ(lastComponent("D:\\Games\\Duke Nukem 3D\\"), "Duke Nukem 3D");
  EXPECT_EQ(withTrailingSeparator("D:\\GAMES"), "D:\\GAMES\\");
  EXPECT_EQ(withTrailingSeparator("D:\\"), "D:\\");
  EXPECT_EQ(findIgnoreCase("-Map <CML>x <cml>", "<cml>"), 5u);
  EXPECT_EQ(findIgnoreCase("-Map <CML>x <cml>", "<cml>", 6), 12u);
  EXPECT_TRUE(startsWithIgnoreCase("D:\\games\\x", "d:\\GAMES"));
  EXPECT_TRUE(endsWithIgnoreCase("CTF\\MAPS\\", "\\maps\\"));
  // Only ASCII letters fold: an 8-bit name is compared as it is.
  EXPECT_EQ(toLower("ÄB"), "Äb");
}

TEST(DosText, NumbersAreReadAsAtoiReadsThem) {
  using platform::dos::decimalValue;
  EXPECT_EQ(decimalValue("  -42abc"), -42);
  EXPECT_EQ(decimalValue("+7"), 7);
  EXPECT_EQ(decimalValue("x1"), 0);
  EXPECT_EQ(decimalValue("99999999999999999999"), INT32_MAX);
  EXPECT_EQ(decimalValue("-99999999999999999999"), INT32_MIN);
}

}  // namespace
