// Modal message boxes: a caption, a text, a set of buttons; the answer is the button pressed.
#pragma once

#include <string>

namespace platform {

enum class Buttons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class Answer { kOk, kCancel, kYes, kNo };

// Captions the program uses for its own boxes.
inline constexpr const char* kCaptionProgram = "Quillfen95";
inline constexpr const char* kCaptionError = "Error Message";
inline constexpr const char* kCaptionAttension = "Attension Message";

// The answer of a box that ends without a button pressed (closed, or nobody there to answer):
// the one that changes nothing, Cancel where there is one, otherwise No, otherwise OK.
inline Answer answerWithoutButton(Buttons buttons) {
  switch (buttons) {
    case Buttons::kOk:
      return Answer::kOk;
    case Buttons::kYesNo:
      return Answer::kNo;
    case Buttons::kOkCancel:
    case Buttons::kYesNoCancel:
      return Answer::kCancel;
  }
  return Answer::kCancel;
}

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer ask(const std::string& caption, const std::string& text, Buttons buttons) = 0;

  // A box with OK only, under the program's own caption.
  void tell(const std::string& text) { ask(kCaptionProgram, text, Buttons::kOk); }
};

}  // namespace platform
