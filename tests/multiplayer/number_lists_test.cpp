// The phone and InterNet number lists over an in-memory settings record.
#include "multiplayer/number_lists.h"

#include <gtest/gtest.h>

#include "catalogue/default_univ_info.h"
#include "platform/fake/scripted_prompter.h"

namespace {

using multiplayer::NumberList;
using multiplayer::NumberLists;
using platform::Answer;
using Names = std::vector<std::string>;
namespace ui = catalogue::univ_info;

class NumberListsTest : public ::testing::Test {
 protected:
  NumberListsTest() : univ(catalogue::defaultUnivInfo()) {}

  // Entries "Name0"/"5550", "Name1"/"5551", ... of the phone list, or "Host0"/"10.0.0.0", ...
  // of the InterNet list.
  void fill(NumberList list, size_t count) {
    const bool net = list == NumberList::kInternet;
    for (size_t i = 0; i < count; ++i) {
      univ.set(net ? ui::InternetNameList : ui::PhoneNameList,
               (net ? "Host" : "Name") + std::to_string(i), i);
      univ.set(net ? ui::InternetNumberList : ui::PhoneNumberList,
               (net ? "10.0.0." : "555") + std::to_string(i), i);
    }
  }
  void useInternet() { univ.set(ui::ConnectionType, uint8_t(NumberLists::kInternetConnection)); }

  catalogue::UnivInfoRecord univ;
  platform::ScriptedPrompter prompter;
};

TEST_F(NumberListsTest, ShowsTheListOfTheCommunicationTypeUpToTheFirstEmptyName) {
  fill(NumberList::kInternet, 3);
  univ.set(ui::InternetNameList, "", 2);
  univ.set(ui::InternetNameList, "Stale", 4);
  univ.set(ui::InternetIndex, 1);
  NumberLists lists(univ, prompter);
  EXPECT_EQ(lists.names(), Names{"Enter Phone-Name Here"});

  useInternet();
  lists.fill();
  EXPECT_EQ(lists.names(), (Names{"Host0", "Host1"}));
  EXPECT_EQ(lists.boxText(), "Host1");
  EXPECT_EQ(lists.selectedNumber(), "10.0.0.1");

  // An index past the entries in use, or past the field (where the record would read slot 0),
  // selects nothing.
  for (uint8_t index : {4, 200}) {
    univ.set(ui::InternetIndex, index);
    lists.fill();
    EXPECT_EQ(lists.selected(), -1) << int(index);
    EXPECT_FALSE(lists.canDelete());
  }

  univ.set(ui::ConnectionType, 6);  // InterNet server dials from the phone list
  lists.fill();
  EXPECT_EQ(lists.current(), NumberList::kPhone);
}

TEST_F(NumberListsTest, TypedTextSelectsANameOrOpensTheNewEntryDialog) {
  fill(NumberList::kPhone, 3);
  NumberLists lists(univ, prompter);
  const auto before = univ;
  EXPECT_FALSE(lists.typed("Name2").has_value());
  EXPECT_EQ(lists.boxText(), "Name2");
  EXPECT_EQ(univ.get(ui::PhoneIndex), 2);
  univ.set(ui::PhoneIndex, 0);
  EXPECT_EQ(univ, before);  // nothing inserted

  auto byNumber = lists.typed("0123 456");
  ASSERT_TRUE(byNumber.has_value());
  EXPECT_EQ(byNumber->number(), "0123 456");
  EXPECT_EQ(byNumber->name(), "");
  EXPECT_STREQ(byNumber->numberLabel(), "Phone Number");

  useInternet();
  lists.fill();
  auto byName = lists.typed("Club");
  ASSERT_TRUE(byName.has_value());
  EXPECT_EQ(byName->name(), "Club");
  EXPECT_EQ(byName->number(), "");
  EXPECT_STREQ(byName->numberLabel(), "InterNet Number");
}

TEST_F(NumberListsTest, TextsOverThirtyCharactersAreRefusedByTheirFirstCharacter) {
  NumberLists lists(univ, prompter);
  const std::string digits(31, '7');
  const std::string name = "x" + std::string(30, '7');
  const auto before = univ;
  EXPECT_FALSE(lists.typed(digits).has_value());
  EXPECT_FALSE(lists.typed(name).has_value());
  useInternet();
  lists.fill();
  EXPECT_FALSE(lists.typed(digits).has_value());
  EXPECT_FALSE(lists.typed(name).has_value());
  EXPECT_EQ(prompter.texts(), (Names{
                                  "Phone number can not be greater then 30 digits.",
                                  "Name can not be greater then 30 digits.",
                                  "InterNet number can not be greater than 30 digits.",
                                  "Name can not be greater than 30 digits.",
                              }));
  univ.set(ui::ConnectionType, 0);
  EXPECT_EQ(univ, before);
  EXPECT_TRUE(lists.typed(std::string(30, '7')).has_value());
}

TEST_F(NumberListsTest, OkAddsANewNumberAfterTheEntriesInUseAndSelectsIt) {
  fill(NumberList::kInternet, 2);
  univ.set(ui::InternetNameList, "Stale", 5);
  useInternet();
  NumberLists lists(univ, prompter);
  auto dialog = lists.typed("192.168.1.20");
  ASSERT_TRUE(dialog.has_value());
  ASSERT_TRUE(lists.finishNewNumber(*dialog, true));  // no name: the number names it
  EXPECT_EQ(univ.get(ui::InternetNameList, 2), "192.168.1.20");
  EXPECT_EQ(univ.get(ui::InternetNumberList, 2), "192.168.1.20");
  EXPECT_EQ(univ.get(ui::InternetNameList, 5), "Stale");
  EXPECT_EQ(univ.get(ui::InternetIndex), 2);
  EXPECT_EQ(univ.get(ui::PhoneNameList, 2), "");  // the other list is untouched

  auto named = lists.typed("LAN party");
  ASSERT_TRUE(named.has_value());
  named->setNumber("10.1.1.1");
  ASSERT_TRUE(lists.finishNewNumber(*named, true));
  EXPECT_EQ(lists.boxText(), "LAN party");
  EXPECT_EQ(univ.get(ui::InternetNumberList, 3), "10.1.1.1");
}

TEST_F(NumberListsTest, CancelEmptyListedOrNoRoomAddsNothing) {
  fill(NumberList::kPhone, 2);
  univ.set(ui::PhoneIndex, 1);
  NumberLists lists(univ, prompter);
  const auto before = univ;
  auto dialog = lists.typed("Carol");
  ASSERT_TRUE(dialog.has_value());
  dialog->setNumber("5559");
  EXPECT_FALSE(lists.finishNewNumber(*dialog, false));
  dialog->setNumber("");
  EXPECT_FALSE(lists.finishNewNumber(*dialog, true));
  dialog->setNumber("5550");  // Name0's number
  EXPECT_FALSE(lists.finishNewNumber(*dialog, true));
  EXPECT_EQ(univ, before);
  EXPECT_EQ(lists.boxText(), "Name1");
  EXPECT_TRUE(prompter.boxes().empty());

  fill(NumberList::kPhone, NumberLists::kSlots);
  const auto full = univ;
  dialog->setNumber("5551234");
  EXPECT_FALSE(lists.finishNewNumber(*dialog, true));
  EXPECT_EQ(univ, full);
  EXPECT_EQ(prompter.texts(), Names{NumberLists::kListFull});
}

TEST_F(NumberListsTest, DeleteAsksThenMovesTheLaterEntriesUp) {
  fill(NumberList::kPhone, 3);
  univ.set(ui::PhoneIndex, 1);
  NumberLists lists(univ, prompter);
  prompter.script({Answer::kNo, Answer::kYes, Answer::kYes, Answer::kYes});
  const auto before = univ;
  EXPECT_FALSE(lists.deleteSelected());
  EXPECT_EQ(univ, before);
  EXPECT_EQ(prompter.boxes()[0].caption, "Deleteing number from database");
  EXPECT_EQ(prompter.boxes()[0].buttons, platform::Buttons::kYesNo);

  ASSERT_TRUE(lists.deleteSelected());
  EXPECT_EQ(lists.names(), (Names{"Name0", "Name2"}));
  EXPECT_EQ(univ.get(ui::PhoneNumberList, 1), "5552");
  EXPECT_EQ(univ.get(ui::PhoneNumberList, 2), "");
  EXPECT_EQ(lists.boxText(), "Name2");  // the entry that took its place

  ASSERT_TRUE(lists.deleteSelected());  // the last entry: the one above is selected
  EXPECT_EQ(lists.names(), Names{"Name0"});
  EXPECT_EQ(univ.get(ui::PhoneIndex), 0);
  ASSERT_TRUE(lists.deleteSelected());
  EXPECT_TRUE(lists.names().empty());
  EXPECT_FALSE(lists.deleteSelected());  // nothing to delete: no question
  EXPECT_EQ(prompter.boxes().size(), 4u);
}

TEST_F(NumberListsTest, DeletingFromAFullListClearsTheLastSlot) {
  fill(NumberList::kInternet, NumberLists::kSlots);
  useInternet();
  NumberLists lists(univ, prompter);
  prompter.script({Answer::kYes});
  ASSERT_TRUE(lists.deleteSelected());
  EXPECT_EQ(lists.names().size(), NumberLists::kSlots - 1);
  EXPECT_EQ(univ.get(ui::InternetNameList, 0), "Host1");
  EXPECT_EQ(univ.get(ui::InternetNumberList, 48), "10.0.0.49");
  EXPECT_EQ(univ.get(ui::InternetNameList, 49), "");
  EXPECT_EQ(univ.get(ui::InternetNumberList, 49), "");
}

}  // namespace

namespace {

TEST_F(NumberListsTest, EditReplacesTheSelectedEntryInPlace) {
  fill(NumberList::kPhone, 3);
  univ.set(ui::PhoneIndex, 1);
  NumberLists lists(univ, prompter);
  auto dialog = lists.editSelected();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->name(), "Name1");
  EXPECT_EQ(dialog->number(), "5551");

  dialog->setNumber("5552");  // another entry's number: nothing changes
  EXPECT_FALSE(lists.finishEdit(*dialog, true));
  dialog->setName("");
  dialog->setNumber("5559");
  EXPECT_TRUE(lists.finishEdit(*dialog, true));
  EXPECT_EQ(lists.names(), (Names{"Name0", "5559", "Name2"}));
  EXPECT_EQ(lists.selected(), 1);
  EXPECT_EQ(univ.get(ui::PhoneNumberList, 1), "5559");
}

}  // namespace
