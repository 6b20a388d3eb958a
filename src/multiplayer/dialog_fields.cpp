#include "multiplayer/dialog_fields.h"

namespace multiplayer {

std::optional<int> ListChoice::value() const {
  if (selection < 0 || size_t(selection) >= values.size()) return std::nullopt;
  return values[size_t(selection)];
}

void ListChoice::chooseValue(int value) {
  selection = -1;
  for (size_t i = 0; i < values.size(); ++i) {
    if (values[i] == value) {
      selection = int(i);
      return;
    }
  }
}

bool ListChoice::choose(int position) {
  if (!enabled || position < 0 || size_t(position) >= entries.size()) return false;
  selection = position;
  return true;
}

bool ListChoice::chooseText(std::string_view text) {
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i] == text) return choose(int(i));
  return false;
}

std::string ListChoice::shown() const {
  if (selection < 0 || size_t(selection) >= entries.size()) return "";
  return entries[size_t(selection)];
}

bool TextBox::type(std::string_view typed) {
  if (!enabled) return false;
  text = std::string(typed.substr(0, maxLength));
  return true;
}

std::optional<bool> checkFromText(std::string_view text) {
  if (text == kCheckedText) return true;
  if (text == kClearedText) return false;
  return std::nullopt;
}

}  // namespace multiplayer
