#include <gtest/gtest.h>

#include <sstream>

#include "platform/fake/scripted_prompter.h"
#include "platform/host/console_prompter.h"

namespace platform {
namespace {

TEST(ScriptedPrompter, AnswersInOrderThenPressesTheFirstButton) {
  ScriptedPrompter prompter;
  prompter.script({Answer::kNo, Answer::kCancel});
  EXPECT_EQ(prompter.ask(kCaptionError, "first", Buttons::kYesNo), Answer::kNo);
  EXPECT_EQ(prompter.ask(kCaptionError, "second", Buttons::kOkCancel), Answer::kCancel);
  EXPECT_EQ(prompter.unscripted(), 0u);
  EXPECT_EQ(prompter.ask(kCaptionError, "third", Buttons::kYesNoCancel), Answer::kYes);
  prompter.tell("fourth");
  EXPECT_EQ(prompter.unscripted(), 2u);
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"first", "second", "third", "fourth"}));
  ASSERT_EQ(prompter.boxes().size(), 4u);
  EXPECT_EQ(prompter.boxes()[3].caption, kCaptionProgram);
  EXPECT_EQ(prompter.boxes()[3].buttons, Buttons::kOk);
  EXPECT_EQ(prompter.boxes()[3].answer, Answer::kOk);
}

TEST(ConsolePrompter, ReadsAnAnswerByItsFirstLetter) {
  std::ostringstream out;
  std::istringstream in("maybe\n\n  No thanks\nc\n");
  ConsolePrompter prompter(out, &in);
  EXPECT_EQ(prompter.ask("Caption", "Delete it?", Buttons::kYesNo), Answer::kNo);
  EXPECT_EQ(prompter.ask("Caption", "Go on?", Buttons::kOkCancel), Answer::kCancel);
  EXPECT_NE(out.str().find("[Caption] Delete it?\n[Yes] [No]"), std::string::npos) << out.str();
  // The input is used up: the safe answer.
  EXPECT_EQ(prompter.ask("Caption", "Really?", Buttons::kYesNoCancel), Answer::kCancel);
}

TEST(ConsolePrompter, WithoutInputEveryBoxGetsItsSafeAnswer) {
  std::ostringstream out;
  ConsolePrompter prompter(out, nullptr);
  EXPECT_EQ(prompter.ask("C", "t", Buttons::kOk), Answer::kOk);
  EXPECT_EQ(prompter.ask("C", "t", Buttons::kOkCancel), Answer::kCancel);
  EXPECT_EQ(prompter.ask("C", "t", Buttons::kYesNo), Answer::kNo);
  EXPECT_EQ(prompter.ask("C", "t", Buttons::kYesNoCancel), Answer::kCancel);
  EXPECT_NE(out.str().find("[OK] [Cancel] Cancel\n"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace platform
