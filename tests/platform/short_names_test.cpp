#include "platform/short_names.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

std::string aliasOf(const std::string& name) {
  return assignShortNames({name}).front();
}

TEST(ShortNames, NamesThatFitAreUpperCased) {
  EXPECT_EQ(aliasOf("duke3d.exe"), "DUKE3D.EXE");
  EXPECT_EQ(aliasOf("Setup"), "SETUP");
  EXPECT_EQ(aliasOf("A.B.C"), "A.B.C");  // as DOSBox shows it: the last part is short
  EXPECT_EQ(aliasOf(".git"), ".GIT");
  EXPECT_EQ(aliasOf("NAME."), "NAME");
}

TEST(ShortNames, LongNamesGetTildeAliases) {
  EXPECT_EQ(aliasOf("Program Files"), "PROGRA~1");
  EXPECT_EQ(aliasOf("Activision"), "ACTIVI~1");
  EXPECT_EQ(aliasOf("Hexen II Demo"), "HEXENI~1");
  EXPECT_EQ(aliasOf("longfilename.text"), "LONGFI~1.TEX");
  EXPECT_EQ(aliasOf("a b.txt"), "AB~1.TXT");            // a blank alone forces the alias
  EXPECT_EQ(aliasOf("archive.tar.gz"), "ARCHIV~1.GZ");  // the last extension counts
  EXPECT_EQ(aliasOf(".profile"), "PROFIL~1");           // leading dots go with a long extension
  EXPECT_EQ(aliasOf("read.me.please"), "READ~1.PLE");
}

TEST(ShortNames, NumbersCountPerStemInListingOrder) {
  EXPECT_EQ(assignShortNames({"Program Files", "Program Data", "Programs", "Activision"}),
            (std::vector<std::string>{"PROGRA~1", "PROGRA~2", "PROGRAMS", "ACTIVI~1"}));
  EXPECT_EQ(assignShortNames({"Program Data", "Program Files"}),
            (std::vector<std::string>{"PROGRA~1", "PROGRA~2"}));
  // Extensions do not separate stems.
  EXPECT_EQ(assignShortNames({"longfilename.text", "longfilename.doc"}),
            (std::vector<std::string>{"LONGFI~1.TEX", "LONGFI~2.DOC"}));
}

TEST(ShortNames, TenthAliasShortensTheStem) {
  std::vector<std::string> names;
  for (int i = 0; i < 12; ++i) names.push_back("Savegame number " + std::to_string(i));
  auto aliases = assignShortNames(names);
  EXPECT_EQ(aliases[8], "SAVEGA~9");
  EXPECT_EQ(aliases[9], "SAVEG~10");
  EXPECT_EQ(aliases[11], "SAVEG~12");
}

TEST(ShortNames, ANameAnEarlierEntryTookIsShortened) {
  EXPECT_EQ(assignShortNames({"readme.txt", "README.TXT"}),
            (std::vector<std::string>{"README.TXT", "README~1.TXT"}));
  EXPECT_EQ(assignShortNames({"Program Files", "PROGRA~1"}),
            (std::vector<std::string>{"PROGRA~1", "PROGRA~2"}));
}

TEST(ShortNames, PlainAliasOnlyWhenNoNumberIsNeeded) {
  EXPECT_EQ(plainShortName("duke3d.exe"), "DUKE3D.EXE");
  EXPECT_FALSE(plainShortName("Program Files"));
  EXPECT_FALSE(plainShortName("AB CD"));
  EXPECT_FALSE(plainShortName("PROGRA~1"));  // may clash with a generated alias
}

TEST(ShortNames, FindEntryPrefersLongNames) {
  std::vector<std::string> names{"Program Files", "progra~2", "Readme.TXT", "README.TXT"};
  std::vector<std::string> aliases;
  EXPECT_EQ(findEntry(names, aliases, "README.TXT"), 3u);  // exact spelling first
  EXPECT_EQ(findEntry(names, aliases, "readme.txt"), 2u);
  EXPECT_TRUE(aliases.empty());  // no alias was needed so far
  EXPECT_EQ(findEntry(names, aliases, "PROGRA~2"), 1u);
  EXPECT_EQ(findEntry(names, aliases, "progra~1"), 0u);
  EXPECT_EQ(findEntry(names, aliases, "PROGRA~3"), std::nullopt);
}

}  // namespace
}  // namespace platform
