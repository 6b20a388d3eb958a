// The key scanner's searches and its line edits on configuration texts in memory.
#include "content/key_scanner.h"

#include <gtest/gtest.h>

namespace {

using content::KeyScanner;
using Anchor = KeyScanner::Anchor;
using Result = KeyScanner::SetResult;

TEST(KeyScanner, FindsKeysAnywhereOrAtLineStartsWithCaseAndReadsValues) {
  const std::string text = "xMap 1\r\nMap 2\nmap 3\rMap  4";
  EXPECT_EQ(KeyScanner::findKey(text, "Map"), 1u);
  EXPECT_EQ(KeyScanner::findKey(text, "Map", Anchor::kLineStart), 8u);
  EXPECT_EQ(KeyScanner::findKey(text, "map", Anchor::kLineStart), 14u);
  EXPECT_EQ(KeyScanner::findKey("Map", "Map", Anchor::kLineStart), 0u);
  EXPECT_FALSE(KeyScanner::findKey(" Map", "Map", Anchor::kLineStart));
  EXPECT_FALSE(KeyScanner::findKey(text, ""));
  EXPECT_EQ(KeyScanner::findValue(text, "Map "), "1");
  EXPECT_EQ(KeyScanner::findValue(text, "x"), "Map 1");
  EXPECT_EQ(KeyScanner::findValue("k   a b\tc", "k"), "a b");
  EXPECT_EQ(KeyScanner::findValue("k " + std::string(100, 'v'), "k ").size(), 80u);
  EXPECT_EQ(KeyScanner::findValue(text, "none"), "");
}

TEST(KeyScanner, SetLineReplacesTheRunOfLineCharactersInPlace) {
  KeyScanner scanner;
  std::string text = "ScreenMode = 1\r\nMap OLD\t(x)\r\nNext = 1";
  EXPECT_EQ(scanner.setLine(text, "ScreenMode = ", "2"), Result::kReplaced);
  EXPECT_EQ(scanner.setLine(text, "Map", "HELL", " "), Result::kReplaced);
  EXPECT_EQ(scanner.setLine(text, "Next = ", "12345"), Result::kReplaced);
  EXPECT_EQ(text, "ScreenMode = 2\r\nMap HELL\r\nNext = 12345");
  // NUL and bytes outside printable ASCII end the line too.
  text = std::string("A=1\0t\r\nB=1\xE9z", 12);
  scanner.setLine(text, "A=", "22");
  scanner.setLine(text, "B=", "3");
  EXPECT_EQ(text, std::string("A=22\0t\r\nB=3\xE9z", 13));
  EXPECT_EQ(scanner.error(), 0);
}

TEST(KeyScanner, MissingKeyIsAppendedOrNotedAsError25) {
  KeyScanner scanner;
  std::string text = "; Map OLD";
  EXPECT_EQ(scanner.setLine(text, "Map", "NEW", " "), Result::kNotFound);
  EXPECT_EQ(text, "; Map OLD");
  EXPECT_EQ(scanner.error(), KeyScanner::kErrorKeyNotFound);
  scanner.clearError();
  scanner.setAppendMissing(true);
  EXPECT_EQ(scanner.setLine(text, "Map", "NEW", " "), Result::kAppended);
  EXPECT_EQ(text, "; Map OLD\r\nMap NEW\r\n");
  text = "";
  scanner.setLine(text, "ScreenMode = ", "2");
  EXPECT_EQ(text, "ScreenMode =  2\r\n");
  text = "A\n";
  scanner.setLine(text, "B", "");
  EXPECT_EQ(text, "A\nB \r\n");
  EXPECT_EQ(scanner.error(), 0);
}

TEST(KeyScanner, EditsBeyondTheCapacityAreRefused) {
  KeyScanner scanner;
  scanner.setAppendMissing(true);
  scanner.setCapacity(10);
  std::string text = "A=1234\r\n";
  EXPECT_EQ(scanner.setLine(text, "A=", "123456"), Result::kReplaced);  // exactly 10 bytes
  EXPECT_EQ(scanner.setLine(text, "A=", "1234567"), Result::kNoRoom);
  EXPECT_EQ(scanner.setLine(text, "B", ""), Result::kNoRoom);
  EXPECT_EQ(text, "A=123456\r\n");
  EXPECT_EQ(scanner.setLine(text, "A=", "1"), Result::kReplaced);
  EXPECT_EQ(text, "A=1\r\n");
}

}  // namespace

namespace {

TEST(KeyScanner, IniValuesTakeTheTextAfterTheEqualsSignFromAPosition) {
  const std::string text =
      "[E1M1]\r\nTitle = Cradle to Grave\r\n[E1M2]\r\nTitle=\"Wrong Side\"\r\n";
  auto first = KeyScanner::findIniValue(text, 0, "Title");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->value, "Cradle to Grave");
  EXPECT_EQ(first->position, 8u);
  // From the second section on; a quote after the sign ends the value there.
  auto second = KeyScanner::findIniValue(text, first->position + 1, "Title");
  ASSERT_TRUE(second);
  EXPECT_EQ(second->value, "");
  EXPECT_EQ(KeyScanner::findIniValue("Title\t= \tx", 0, "Title")->value, "\tx");
  EXPECT_FALSE(KeyScanner::findIniValue(text, 0, "Song"));
  EXPECT_FALSE(KeyScanner::findIniValue(text, text.size(), "Title"));
  EXPECT_EQ(KeyScanner::findIniValue("Title=" + std::string(300, 'a'), 0, "Title")->value.size(),
            KeyScanner::kMaxIniValue - 1);
}

TEST(KeyScanner, ReplaceLineKeepsTheKeysBlankAndReplaceTwoLinesTakesTheContinuation) {
  KeyScanner scanner;
  std::string text = "// x\r\ndefinevolumename 0 L.A. MELTDOWN\r\nnext";
  EXPECT_EQ(scanner.replaceLine(text, "definevolumename 0 ", "LOS ANGELES"), Result::kReplaced);
  EXPECT_EQ(text, "// x\r\ndefinevolumename 0 LOS ANGELES\r\nnext");
  std::string music = "music 1 a.mid b.mid\r\n  c.mid d.mid\r\nrest";
  EXPECT_EQ(scanner.replaceTwoLines(music, "music 1 ", "x.mid"), Result::kReplaced);
  EXPECT_EQ(music, "music 1 x.mid\r\nrest");
  std::string missing = "a";
  EXPECT_EQ(scanner.replaceLine(missing, "k ", "v"), Result::kNotFound);
  EXPECT_EQ(missing, "a");
  scanner.setAppendMissing(true);
  EXPECT_EQ(scanner.replaceLine(missing, "k", "v"), Result::kAppended);
  EXPECT_EQ(missing, "a\r\nk v\r\n");
}

}  // namespace
