#include "platform/short_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "platform/dos_path.h"

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

// Host names may hold characters DOS forbids; DOSBox 0.74 keeps them in what it shows (seen
// with "dir /b" in a real session), so the aliases do too, and the launch refuses such names.
TEST(ShortNames, CharactersDosForbidsStayAsDosboxShowsThem) {
  EXPECT_EQ(aliasOf("x>e1l1.map"), "X>E1L1.MAP");
  EXPECT_EQ(aliasOf("a|b.map"), "A|B.MAP");
  EXPECT_EQ(aliasOf("plus+sign.map"), "PLUS+S~1.MAP");
  EXPECT_EQ(aliasOf("semi;colon.map"), "SEMI;C~1.MAP");
  EXPECT_EQ(aliasOf("quo\"te.map"), "QUO\"TE.MAP");
  EXPECT_EQ(aliasOf("br[ck]t.map"), "BR[CK]T.MAP");
  for (const char* name : {"X>E1L1.MAP", "A|B.MAP", "PLUS+S~1.MAP", "SEMI;C~1.MAP"})
    EXPECT_TRUE(platform::dos::forbiddenInDosName(std::string("D:\\GAMES\\") + name)) << name;
  EXPECT_EQ(platform::dos::forbiddenInDosName("D:\\X\\A|B.MAP"), '|');
  EXPECT_FALSE(platform::dos::forbiddenInDosName("D:\\GAMES\\DUKENU~1\\E1L1.MAP"));
  EXPECT_FALSE(platform::dos::forbiddenInDosName("D:\\"));
  EXPECT_EQ(platform::dos::forbiddenInDosName("D:\\MY GAMES\\"), ' ');
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

TEST(ShortNames, AnAliasBeginsWithTheNameAsDosShowsIt) {
  EXPECT_TRUE(mayBeAliasOf("PROGRA~1", "Program Files"));
  EXPECT_TRUE(mayBeAliasOf("progra~2", "PROGRA~1"));  // a name that looks like an alias
  EXPECT_TRUE(mayBeAliasOf("PROFIL~1", ".profile"));  // leading dots dropped
  EXPECT_TRUE(mayBeAliasOf("ABCD~1.TXT", "ab cd.text"));
  EXPECT_FALSE(mayBeAliasOf("PROGRA~1", "Games"));
  EXPECT_FALSE(mayBeAliasOf("HEXENI~1", "Hexen"));
  // Whatever a listing gives, each alias passes the test against its own name.
  const std::vector<std::string> names{"Program Files",   "Program Data", "Hexen II",
                                       "a b c d e f g h", "x.y.z.long",   "PROGRA~1"};
  const std::vector<std::string> aliases = assignShortNames(names);
  for (size_t i = 0; i < names.size(); ++i)
    EXPECT_TRUE(mayBeAliasOf(aliases[i], names[i])) << aliases[i] << " of " << names[i];
}

TEST(ShortNames, ListingFindsLongNamesFirst) {
  DirectoryListing listing({"Program Files", "progra~2", "Readme.TXT", "README.TXT"});
  EXPECT_EQ(listing.find("README.TXT"), 3u);  // exact spelling first
  EXPECT_EQ(listing.find("readme.txt"), 2u);
  EXPECT_EQ(listing.find("PROGRA~2"), 1u);
  EXPECT_EQ(listing.find("progra~1"), 0u);
  EXPECT_EQ(listing.find("PROGRA~3"), std::nullopt);
  EXPECT_EQ(listing.indexOf("readme.txt"), std::nullopt);
  EXPECT_EQ(listing.aliases()[3], "README~1.TXT");
}

TEST(ShortNames, ShownOrderIgnoresCaseThenTakesTheBytes) {
  DirectoryListing listing({"b", "map.MAP", "a", "MAP.map", "Map.map"});
  EXPECT_EQ(listing.shownOrder(), (std::vector<uint32_t>{2, 0, 3, 4, 1}));
  // Lookups still take names equal in any case in listing order.
  EXPECT_EQ(listing.find("MAP.MAP"), 1u);
}

// The numbering as it was first written, one sorted array probed the way DOSBox probes it:
// the oracle for the faster bookkeeping.
std::vector<std::string> referenceAliases(const std::vector<std::string>& names) {
  std::vector<std::string> taken;
  std::vector<std::pair<std::string, unsigned>> generated;
  auto compare = [](std::string_view name, std::string_view alias) {
    size_t tilde = alias.find('~');
    size_t stem = tilde;
    size_t number = std::min(alias.find('.', tilde), alias.size()) - tilde;
    size_t base = std::min<size_t>(std::min(name.find('.'), name.size()), 8);
    if (base > stem + number) stem = base - number;
    return name.substr(0, stem).compare(alias.substr(0, stem));
  };
  auto dropDot = [](std::string& n) {
    if (n.size() > 1 && n.back() == '.' && n != "..") n.pop_back();
  };
  std::vector<std::string> out;
  for (const std::string& longName : names) {
    std::string name;
    bool shorten = false;
    for (char c : longName) {
      if (c == ' ') {
        shorten = true;
      } else {
        name += char(std::toupper(static_cast<unsigned char>(c)));
      }
    }
    size_t dot = name.find('.');
    if (dot != std::string::npos && name.size() - dot > 4) {
      name.erase(0, name.find_first_not_of('.'));
      shorten = true;
      dot = name.find('.');
    }
    size_t base = dot == std::string::npos ? name.size() : dot;
    shorten = shorten || base > 8;
    std::string alias = name;
    dropDot(alias);
    if (shorten || std::binary_search(taken.begin(), taken.end(), alias)) {
      long low = 0, high = long(generated.size()) - 1;
      unsigned number = 1;
      while (low <= high) {
        long mid = (low + high) / 2;
        int order = compare(name, generated[size_t(mid)].first);
        if (order > 0) {
          low = mid + 1;
        } else if (order < 0) {
          high = mid - 1;
        } else {
          for (; size_t(mid) < generated.size() && compare(name, generated[size_t(mid)].first) == 0;
               ++mid) {
            number = generated[size_t(mid)].second + 1;
          }
          break;
        }
      }
      std::string digits = std::to_string(number);
      alias = name.substr(0, base + digits.size() + 1 > 8 ? 8 - digits.size() - 1 : base) + "~" +
              digits;
      if (dot != std::string::npos) alias += name.substr(name.rfind('.'), 4);
      if (alias.size() > 12) alias.resize(12);
      auto at = std::upper_bound(generated.begin(), generated.end(), alias,
                                 [](const std::string& a, const auto& g) { return a < g.first; });
      generated.insert(at, {alias, number});
      dropDot(alias);
    }
    taken.insert(std::upper_bound(taken.begin(), taken.end(), alias), alias);
    out.push_back(alias);
  }
  return out;
}

TEST(ShortNames, LargeDirectoriesNumberAsTheSortedArrayDoes) {
  // Few stems, so that thousands of aliases share them across many blocks, and the odd
  // shapes: short stems with blanks, "~" in names, trailing and leading dots.
  const std::vector<std::string> stems{"Long Map Name ", "Long Map ", "LONGMA~",  "Lo ng",
                                       "a~b c",          "Sav",       ".profile", "x y."};
  const std::vector<std::string> tails{"", ".E1", ".text", ".", ".tar.gz", "~1", ".E12"};
  std::mt19937 random(95);
  for (int round = 0; round < 3; ++round) {
    std::vector<std::string> names;
    for (int i = 0; i < 3000; ++i) {
      names.push_back(stems[random() % stems.size()] + std::to_string(random() % 4000) +
                      tails[random() % tails.size()]);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::shuffle(names.begin(), names.end(), random);
    ASSERT_EQ(assignShortNames(names), referenceAliases(names)) << "round " << round;
  }
}

}  // namespace
}  // namespace platform
