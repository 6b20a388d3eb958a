// "Other MultiPlayer Options" and "Auto DeathMatch Launch Options" over records built in memory,
// filled by field name as a script fills them.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/default_univ_info.h"
#include "catalogue/game_types.h"
#include "multiplayer/auto_launch_options_dialog.h"
#include "multiplayer/other_options_dialog.h"
#include "support/built_in_fixture.h"

namespace {

using multiplayer::AutoLaunchOptionsDialog;
using multiplayer::OtherOptionsDialog;
using Entries = std::vector<std::string>;
namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

class OtherOptionsTest : public ::testing::Test {
 protected:
  OtherOptionsTest() : univ(catalogue::defaultUnivInfo()) {
    game.set(gi::DeathMatchTypeCommand, "-altdeath", 0);
    game.set(gi::DeathMatchTypeCommand, "//-coop", 1);  // commented out
    game.set(gi::DeathMatchTypeCommand, "+teamplay 1", 3);
    game.set(gi::ShirtColorCommand, "+color <var>");
    for (size_t c = 0; c < 8; ++c) game.set(gi::ColorValue, std::to_string(c * 10), c);
    game.set(gi::ColorValue, "", 1);  // Brown has no value
    game.set(gi::FewerPacketCommand, "/f1", 0);
    game.set(gi::FewerPacketCommand, "/f4", 2);
    game.set(gi::FragLimitCommand, "-frags <var>");
  }
  OtherOptionsDialog open() { return OtherOptionsDialog(univ, game, data, prompter); }

  catalogue::UnivInfoRecord univ;
  catalogue::GameInfoRecord game;
  catalogue::GameDataRecord data;
  platform::ScriptedPrompter prompter;
};

TEST_F(OtherOptionsTest, ListsOfferWhatTheGameHasAndStoreWhatEachEntryStandsFor) {
  univ.set(ui::GameMode, 3);
  data.set(gd::ShirtColorIndex, 3);  // Gray in the order "Define Colors" keeps them
  auto d = open();
  EXPECT_EQ(d.mode().entries, (Entries{"DukeMatch (spawn)", "Team"}));
  EXPECT_EQ(d.field("MultiPlayer Mode"), "Team");
  EXPECT_EQ(d.shirtColor().entries,
            (Entries{"Blue", "Red", "Green", "Yellow", "Purple", "White", "Grey"}));
  EXPECT_EQ(d.field("Shirt Color"), "Grey");
  EXPECT_EQ(d.fewerPacket().entries, (Entries{"Not selected", "1", "4"}));
  EXPECT_FALSE(d.setField("MultiPlayer Mode", "Coop"));

  ASSERT_TRUE(d.setField("MultiPlayer Mode", "DukeMatch (spawn)"));
  ASSERT_TRUE(d.setField("Shirt Color", "Red"));
  ASSERT_TRUE(d.setField("Fewer Packet Option", "4"));
  ASSERT_TRUE(d.setField("Frag Limit", "300"));  // more than the byte holds
  d.ok();
  EXPECT_EQ(univ.get(ui::GameMode), 0);
  EXPECT_EQ(data.get(gd::ShirtColorIndex), 5);   // Red's element of ColorValue
  EXPECT_EQ(data.get(gd::FewerPacketIndex), 3);  // FewerPacketCommand[2], counted from 1
  EXPECT_EQ(univ.get(ui::FragLimit), 255);
}

TEST_F(OtherOptionsTest, GreyedControlsAndChoicesNotOfferedAreLeftAsStored) {
  univ.set(ui::GameMode, 1);          // Coop is commented out
  univ.set(ui::TimeLimit, 15);        // no time switch
  data.set(gd::ShirtColorIndex, 1);   // Brown has no value
  data.set(gd::PantsColorIndex, 4);   // no pants switch
  data.set(gd::FewerPacketIndex, 9);  // damaged
  auto d = open();
  EXPECT_EQ(d.field("MultiPlayer Mode"), "");
  EXPECT_EQ(d.field("Shirt Color"), "");
  EXPECT_EQ(d.field("Pants Color"), "Purple");
  EXPECT_EQ(d.field("Fewer Packet Option"), "Not selected");
  EXPECT_FALSE(d.enabled("Pants Color"));
  EXPECT_FALSE(d.setField("Pants Color", "Blue"));
  EXPECT_FALSE(d.setField("Time Limit", "30"));
  EXPECT_FALSE(d.setField("Colour", "Red"));
  d.ok();
  EXPECT_EQ(univ.get(ui::GameMode), 1);
  EXPECT_EQ(univ.get(ui::TimeLimit), 15);
  EXPECT_EQ(data.get(gd::ShirtColorIndex), 1);
  EXPECT_EQ(data.get(gd::PantsColorIndex), 4);
  EXPECT_EQ(data.get(gd::FewerPacketIndex), 0);
}

TEST_F(OtherOptionsTest, ClearingLimitCommandLineWarnsForDukeNukemOnly) {
  game.set(gi::LimitCommandOption, 7);
  game.set(gi::GameKind, uint8_t(catalogue::kKindDukeAtomic));
  prompter.script({platform::Answer::kCancel, platform::Answer::kOk});
  auto d = open();
  EXPECT_FALSE(d.setField("Limit Command Line Option", "off"));  // Cancel ticks it again
  EXPECT_EQ(d.field("Limit Command Line Option"), "on");
  d.ok();
  EXPECT_EQ(game.get(gi::LimitCommandOption), 7);  // still ticked: the definition's value stays
  EXPECT_FALSE(d.setLimitCommandLine(false));
  ASSERT_EQ(prompter.boxes().size(), 2u);
  EXPECT_EQ(prompter.boxes()[0].text,
            "Warning: For this option to work, all players must use Quillfen95.  For more "
            "information, see Launching Duke Nukem With Selected Episode/Level/Skill.");
  EXPECT_EQ(prompter.boxes()[0].buttons, platform::Buttons::kOkCancel);
  EXPECT_EQ(game.get(gi::LimitCommandOption), 7);  // not stored before OK
  d.ok();
  EXPECT_EQ(game.get(gi::LimitCommandOption), 0);

  EXPECT_TRUE(d.setLimitCommandLine(true));
  game.set(gi::GameKind, uint8_t(catalogue::kKindQuake));
  EXPECT_TRUE(d.setField("Limit Command Line Option", "off"));
  EXPECT_EQ(prompter.boxes().size(), 2u);
}

// A player who picks "Red" must reach the game as the number the definition gives Red.
class ColourLaunchTest : public testsupport::BuiltInGameTest {};

TEST_F(ColourLaunchTest, PickedColoursReachQuakeAsTheirDefinedValues) {
  install(5, "D:\\QUAKE\\");
  multiplayer(2, 4);
  ASSERT_EQ(game.get(gi::ColorValue, 5), "4");   // Red
  ASSERT_EQ(game.get(gi::ColorValue, 7), "12");  // Yellow
  OtherOptionsDialog d(univ, game, data, prompter);
  ASSERT_TRUE(d.setField("Shirt Color", "Red"));
  ASSERT_TRUE(d.setField("Pants Color", "Yellow"));
  d.ok();
  const Args args = compose();
  // Quake takes both colours after one switch: "+color SHIRT PANTS".
  const auto shirt = std::find(args.begin(), args.end(), "+color 4");
  ASSERT_TRUE(shirt != args.end() && shirt + 1 != args.end()) << testing::PrintToString(args);
  EXPECT_EQ(shirt[1], "12");
}

TEST(AutoLaunchOptionsTest, EachBoxIsStoredInItsOwnFlagOnOkOnly) {
  const std::vector<catalogue::IntField<catalogue::UnivInfoTag>> flags{
      ui::NeverDownloadMap, ui::NeverUploadMap, ui::NeverClient,         ui::NeverServer,
      ui::OnlyClanClients,  ui::OnlyClanServer, ui::AutoLaunchOtherGames};
  ASSERT_EQ(flags.size(), AutoLaunchOptionsDialog::kBoxCount);
  for (size_t i = 0; i < flags.size(); ++i) {
    catalogue::UnivInfoRecord univ;
    const char* caption = AutoLaunchOptionsDialog::kCaptions[i];
    AutoLaunchOptionsDialog(univ).setField(caption, "on");  // closed without OK
    EXPECT_EQ(univ, catalogue::UnivInfoRecord());
    AutoLaunchOptionsDialog d(univ);
    ASSERT_TRUE(d.setField(caption, "on"));
    d.ok();
    for (size_t j = 0; j < flags.size(); ++j)
      EXPECT_EQ(univ.get(flags[j]), i == j ? 1 : 0) << caption << " / " << flags[j].name;
  }
}

TEST(AutoLaunchOptionsTest, ClanIsCutToItsFieldAndMapSocketIsFixedToAUserSocket) {
  catalogue::UnivInfoRecord univ;
  AutoLaunchOptionsDialog d(univ);
  ASSERT_TRUE(d.setField("My Clan", std::string(40, 'c')));
  EXPECT_FALSE(d.setField("Map Socket#", "2000"));
  EXPECT_FALSE(d.setField("Never launch as client", "yes"));
  d.ok();
  EXPECT_EQ(univ.get(ui::Clan), std::string(31, 'c'));
  EXPECT_EQ(univ.get(ui::MapSocket), "34879");  // nothing stored is below 1024

  for (const auto& [stored, used] :
       std::vector<std::pair<std::string, std::string>>{{"1023", "34879"},
                                                        {"-2000", "34879"},
                                                        {"99999", "34879"},
                                                        {"1024", "1024"},
                                                        {"65535", "65535"}}) {
    univ.set(ui::MapSocket, stored);
    EXPECT_EQ(AutoLaunchOptionsDialog(univ).field("Map Socket#"), used) << stored;
  }
}

}  // namespace
