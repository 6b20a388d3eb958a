// The controls of the multiplayer dialogs as plain values, so a window and a script driver fill
// them the same way: a list (what it offers, what each entry stands for, the choice), a text
// box cut to what its record field holds, and a check box. Scripts name a control by its
// caption and give a list entry as shown, a text as typed and a check box as "on" or "off".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace multiplayer {

struct ListChoice {
  bool enabled = false;
  std::vector<std::string> entries;  // as shown
  std::vector<int> values;           // what each entry stands for in the record
  int selection = -1;                // -1: nothing chosen

  void offer(std::string entry, int value) {
    entries.push_back(std::move(entry));
    values.push_back(value);
  }
  // The value of the chosen entry, none when nothing is chosen.
  std::optional<int> value() const;
  // Chooses the entry that stands for `value`; nothing when no entry does.
  void chooseValue(int value);
  // Chooses an entry by position; false (and no change) outside the list or when greyed.
  bool choose(int position);
  // Chooses the entry shown as `text`; false when there is none or the list is greyed.
  bool chooseText(std::string_view text);
  std::string shown() const;
};

struct TextBox {
  bool enabled = true;
  std::string text;
  size_t maxLength = 0;

  // What a typed text leaves in the box: cut to its length. False when the box is greyed.
  bool type(std::string_view typed);
};

struct CheckBox {
  bool enabled = true;
  bool checked = false;
};

// A check box's state as scripts give and read it.
inline constexpr const char* kCheckedText = "on";
inline constexpr const char* kClearedText = "off";
std::optional<bool> checkFromText(std::string_view text);
inline std::string checkText(bool checked) {
  return checked ? kCheckedText : kClearedText;
}

}  // namespace multiplayer
