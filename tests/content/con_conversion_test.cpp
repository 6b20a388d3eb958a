// Converting a 1.3 add-on's CON files before a 1.4/1.5 launch, over the fake file system.
#include "content/con_conversion.h"

#include <gtest/gtest.h>

#include "content/con_text_blocks.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

using content::ConLaunchContext;

constexpr const char* kGameDir = "D:\\GAMES\\DUKE3D\\";
constexpr const char* kAddOn = "C:\\ADDON\\";

// A 1.3 USER file, short but with the three places the conversion edits.
const std::string kUser13 =
    "definevolumename 0 MY EPISODE\r\n"
    "// gamestartup settings\r\n"
    "gamestartup 512 5 100 100\r\n"
    "  NUMFREEZEBOUNCES FREEZERHURTOWNER\r\n"
    "definesound ENDSEQVOL3SND1 endseq.voc 0 0 255 0 0\r\n"
    "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n";
const std::string kGameCon =
    "include DEFS.CON\r\ninclude USER.CON\r\ninclude USER2.CON\r\nactor AITROOPSEEKPLAYER\r\n";

class ConConversionTest : public ::testing::Test {
 protected:
  ConConversionTest() {
    fs.addDrive('D');
    fs.makeDirectories(kGameDir);
    fs.makeDirectories(kAddOn);
    fs.putFile(std::string(kGameDir) + "GAME.CON", "include USER.CON\r\n// stock game\r\n");
  }
  std::string text(const std::string& path) {
    auto b = fs.readWhole(path);
    return b ? std::string(b->begin(), b->end()) : "<missing>";
  }
  std::string addOn(const std::string& name) { return std::string(kAddOn) + name; }
  ConLaunchContext picked(const std::string& name) {
    ConLaunchContext c;
    c.conDirectory = kAddOn;
    c.selectedCon = c.launchFile = name;
    return c;
  }

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  content::ConTools tools{fs, prompter, kGameDir, 2};
};

TEST(ConTextBlocksTest, PiecesHaveTheirSizesAndTheHeaderOpensACommentBeforeGamestartup) {
  EXPECT_EQ(content::plutStockDefines().size(), 315u);
  EXPECT_EQ(content::plutShuttleDefine().size(), 23u);
  EXPECT_EQ(content::plutSettings().size(), 1729u);
  EXPECT_TRUE(content::plutStockDefines().starts_with("define PIRATEGALSTRENGTH "));
  EXPECT_TRUE(content::plutStockDefines().ends_with("NEWBEASTSCRATCHAMOUNT  -22"));
  EXPECT_TRUE(content::plutSettings().starts_with("\r\ndefine MAXXSTRETCH"));
  EXPECT_TRUE(
      content::plutSettings().ends_with("definelevelname 3 10 E4L11.map 04:20 02:10 AREA 51\r\n"));
  EXPECT_NE(content::plutSettings().find("\r\ngamestartup DEFAULTVISIBILITY GENERICIMPACTDAMAGE "
                                         "MAXPLAYERHEALTH\r\n                STARTARMORHEALTH"),
            std::string::npos);
  EXPECT_EQ(content::conHeaderBlock(),
            "\r\n// To convert this file back to a 1.3 con file\r\n"
            "// Remove all lines that say \"***REMOVE ME***\"\r\n"
            "// ******* Start of Plutonium Patch ******* \r\n"
            "// MAXXSTRETCH ***REMOVE ME***\r\n"
            "include PLUT.CON // ***REMOVE ME***\r\n"
            "/*   ***REMOVE ME***\r\n\r\ngamestartup");
}

TEST_F(ConConversionTest, AUser13FileGetsConvertedTwinsAndPlutCon) {
  fs.putFile(addOn("GAME.CON"), kGameCon);
  fs.putFile(addOn("USER.CON"), kUser13);
  ConLaunchContext c = picked("GAME.CON");
  ASSERT_TRUE(content::prepareConLaunch(tools, c));

  const std::string expected =
      "definevolumename 0 MY EPISODE\r\n"
      "// " +
      content::conHeaderBlock() +
      " settings\r\n"
      "gamestartup 512 5 100 100\r\n  " +
      content::conClosingBlock() +
      "\r\n"
      "// definesound ENDSEQVOL3SND1 endseq.voc 0 0 255 0 0\r\n"
      "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n";
  EXPECT_EQ(text(addOn("USER.V15")), expected);
  EXPECT_EQ(text(addOn("USER.CON")), kUser13);  // the player's file stays as it was
  EXPECT_EQ(text(addOn("GAME.V15")),
            "include DEFS.CON\r\ninclude USER.V15\r\ninclude USER2.CON\r\n"
            "actor AITROOPSEEKPLAYER\r\n");
  EXPECT_EQ(text(addOn("plut.con")), content::plutShuttleDefine() + content::plutSettings());
  EXPECT_EQ(c.selectedCon, "USER.V15");
  EXPECT_EQ(c.mainCon, "GAME.V15");
  EXPECT_EQ(c.launchFile, "GAME.V15");
  EXPECT_TRUE(c.gameArguments.empty());  // the picked file's own switch names the twin
  EXPECT_TRUE(prompter.boxes().empty());

  // The converted file's only active gamestartup is the one of plut.con.
  const std::string converted = text(addOn("USER.V15"));
  const size_t open = converted.find("/*"), close = converted.find("*/");
  const size_t old = converted.find("gamestartup 512");
  EXPECT_LT(open, old);
  EXPECT_LT(old, close);

  // The next launch finds the twin and does no work.
  fs.deleteFile(addOn("plut.con"));
  ConLaunchContext again = picked("GAME.CON");
  ASSERT_TRUE(content::prepareConLaunch(tools, again));
  EXPECT_EQ(again.selectedCon, "GAME.V15");
  EXPECT_EQ(again.mainCon, "GAME.V15");
  EXPECT_EQ(again.launchFile, "GAME.V15");
  EXPECT_FALSE(fs.exists(addOn("plut.con")));
}

TEST_F(ConConversionTest, DefinitionsOfTheAddOnCommentTheShuttleOut) {
  fs.putFile(addOn("GAME.CON"), kGameCon);
  fs.putFile(addOn("DEFS.CON"), "define X 1\r\n");
  fs.putFile(addOn("USER.CON"), kUser13);
  ConLaunchContext c = picked("GAME.CON");
  ASSERT_TRUE(content::prepareConLaunch(tools, c));
  EXPECT_EQ(text(addOn("plut.con")), "//     SPACESHUTTLE 487" + content::plutSettings());
}

TEST_F(ConConversionTest, FilesThatNeedNoOrCannotTakeTheConversionStayAsTheyAre) {
  // Already 1.4/1.5.
  fs.putFile(addOn("GAME.CON"), kGameCon);
  const std::string user15 = "gamestartup 1 2\r\ndefine MAXXSTRETCH 70\r\n";
  fs.putFile(addOn("USER.CON"), user15);
  ConLaunchContext c = picked("GAME.CON");
  ASSERT_TRUE(content::prepareConLaunch(tools, c));
  EXPECT_EQ(text(addOn("USER.CON")), user15);
  EXPECT_FALSE(fs.exists(addOn("plut.con")));
  EXPECT_FALSE(fs.exists(addOn("USER.V15")));
  EXPECT_TRUE(prompter.boxes().empty());

  // A 1.3 file without the end sequence's sound: not converted, the launch ends.
  std::string noSound = kUser13;
  noSound.replace(noSound.find("definesound"), 11, "defineSOUND");
  fs.putFile(addOn("USER.CON"), noSound);
  c = picked("GAME.CON");
  EXPECT_FALSE(content::prepareConLaunch(tools, c));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{std::string(content::kConvertFailed)});
  EXPECT_EQ(text(addOn("USER.CON")), noSound);
  EXPECT_FALSE(fs.exists(addOn("USER.V15")));
  EXPECT_FALSE(fs.exists(addOn("plut.con")));

  // A USER file too big to hold whole is never cut into a twin.
  std::string huge = kUser13 + std::string(700000, ' ');
  fs.putFile(addOn("USER.CON"), huge);
  c = picked("GAME.CON");
  EXPECT_FALSE(content::prepareConLaunch(tools, c));
  EXPECT_FALSE(fs.exists(addOn("USER.V15")));
}

TEST_F(ConConversionTest, AFailedMainTwinTakesTheUserTwinBackAndLeavesTheOriginals) {
  fs.putFile(addOn("GAME.CON"), kGameCon);
  fs.putFile(addOn("USER.CON"), kUser13);
  fs.failReplace(addOn("GAME.V15"));
  ConLaunchContext c = picked("GAME.CON");
  EXPECT_FALSE(content::prepareConLaunch(tools, c));
  EXPECT_FALSE(fs.exists(addOn("USER.V15")));
  EXPECT_EQ(text(addOn("USER.CON")), kUser13);
  EXPECT_EQ(text(addOn("GAME.CON")), kGameCon);
}

TEST_F(ConConversionTest, AMapOfAnAddOnWithoutMainFileGetsTheStockOneAndASwitchForIt) {
  fs.putFile(addOn("USER.CON"), kUser13);
  fs.putFile(addOn("MAPS\\E1L1.MAP"), "map");
  ConLaunchContext c;
  c.conDirectory = addOn("MAPS\\");
  c.selectedCon = c.launchFile = "E1L1.MAP";
  ASSERT_TRUE(content::prepareConLaunch(tools, c));
  EXPECT_EQ(c.conDirectory, kAddOn);
  EXPECT_EQ(c.subDirectory, "MAPS\\");
  // The game's own main file, pointed at the add-on's USER file, then its twin.
  EXPECT_EQ(text(addOn("GAME.CON")), "include USER.CON\r\n// stock game\r\n");
  EXPECT_EQ(text(addOn("GAME.V15")), "include USER.V15\r\n// stock game\r\n");
  EXPECT_EQ(text(addOn("plut.con")), content::plutStockDefines() + content::plutSettings());
  EXPECT_EQ(c.gameArguments, std::vector<std::string>{"/xGAME.V15"});
  EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(ConConversionTest, NoConFileInTheGameDirectoryRunsAGameV15WhenAsked) {
  fs.putFile(std::string(kGameDir) + "USER.CON", "define MAXXSTRETCH 70\r\n");
  ConLaunchContext c;
  c.conDirectory = kGameDir;
  c.makeV15 = true;
  ASSERT_TRUE(content::prepareConLaunch(tools, c));
  EXPECT_EQ(c.gameArguments, std::vector<std::string>{"/xD:\\GAMES\\DUKE3D\\game.v15"});
  EXPECT_TRUE(fs.exists(std::string(kGameDir) + "game.v15"));
}

TEST_F(ConConversionTest, AMainFileWithoutGameInItsNameBecomesXgameCon) {
  fs.putFile(addOn("ADDON.CON"), "// main\r\ninclude MYUSER.CON\r\n");
  fs.putFile(addOn("MYUSER.CON"), "definelevelname 0 0 A.MAP 1 1 A\r\n");
  ConLaunchContext c = picked("ADDON.CON");
  EXPECT_EQ(content::findMainCon(tools, c), "XGAME.CON");
  EXPECT_EQ(c.mainCon, "XGAME.CON");
  EXPECT_EQ(c.launchFile, "XGAME.CON");
  EXPECT_FALSE(fs.exists(addOn("ADDON.CON")));
  EXPECT_EQ(text(addOn("XGAME.CON")), "// main\r\ninclude MYUSER.CON\r\n");
  EXPECT_EQ(content::userConOf(tools, c, "XGAME.CON"), "MYUSER.CON");
  EXPECT_EQ(c.selectedCon, "ADDON.CON");  // userConOf leaves the context alone
}

TEST_F(ConConversionTest, IncludesBehindACommentAreNotActive) {
  ConLaunchContext c = picked("");
  auto active = [&](const std::string& content) {
    fs.putFile(addOn("T.CON"), content);
    return content::hasActiveInclude(tools, c, "T.CON");
  };
  EXPECT_FALSE(active("// include USER.CON\r\n"));
  EXPECT_FALSE(active("/* include USER.CON */\r\n"));
  EXPECT_FALSE(active("// old: include USER.CON /* x */\r\n"));
  EXPECT_TRUE(active("define A 1\r\n  INCLUDE USER.CON // the settings"));  // no line end
  static constexpr char kWithNul[] = "x\0y\r\ninclude USER.CON\0\r\n";
  EXPECT_TRUE(active(std::string(kWithNul, sizeof kWithNul - 1)));
  EXPECT_FALSE(active(""));
  EXPECT_FALSE(content::hasActiveInclude(tools, c, "MISSING.CON"));
  EXPECT_FALSE(content::hasActiveInclude(tools, c, ""));
}

TEST_F(ConConversionTest, TheIncludeRewriteTakesTheSecondIncludeAndTheUserOnesBeforeTheActors) {
  const std::string longLine(700, 'x');
  fs.putFile(addOn("GAME.CON"),
             "include DEFS.CON\r\ninclude SETTINGS.CON\r\ninclude user.con\r\n"
             "include OTHER.CON\r\n" +
                 longLine +
                 "\r\nstate AITROOPSEEKPLAYER\r\n"
                 "include USER.CON\r\nends");
  ASSERT_TRUE(content::rewriteUserInclude(tools, addOn("GAME.CON"), "MINE.V15"));
  EXPECT_EQ(text(addOn("GAME.CON")),
            "include DEFS.CON\r\ninclude MINE.V15\r\ninclude MINE.V15\r\n"
            "include OTHER.CON\r\n" +
                longLine +
                "\r\nstate AITROOPSEEKPLAYER\r\n"
                "include USER.CON\r\nends\r\n");
  EXPECT_FALSE(content::rewriteUserInclude(tools, addOn("NONE.CON"), "MINE.V15"));
}

TEST_F(ConConversionTest, AnIncludeOfAMissingFileIsPointedAtTheUserFileByTheMainName) {
  // "include OLDUSER.CON" names nothing in the add-on; USER.CON is there.
  fs.putFile(addOn("GAME.CON"), "include DEFS.CON\ninclude OLDUSER.CON");
  fs.putFile(addOn("USER.CON"), kUser13);
  ConLaunchContext c = picked("GAME.CON");
  content::findUserCon(tools, c);
  EXPECT_EQ(c.selectedCon, "USER.CON");
  EXPECT_EQ(text(addOn("GAME.CON")), "include DEFS.CON\r\ninclude USER.CON\r\n");

  // A main file that isn't there: the add-on's CON file that names levels.
  c = picked("XGAME.CON");
  content::findUserCon(tools, c);
  EXPECT_EQ(c.selectedCon, "USER.CON");
  fs.deleteFile(addOn("USER.CON"));
  fs.putFile(addOn("LEVELS.CON"), "definelevelname 0 0 A.MAP 1 1 A\r\n");
  c = picked("XGAME.CON");
  content::findUserCon(tools, c);
  EXPECT_EQ(c.selectedCon, "LEVELS.CON");
}

}  // namespace
