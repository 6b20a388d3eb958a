// "Enter new Name and Number": the name and number of a new entry of the phone or InterNet
// list, opened when the number box gets a text the list does not hold. The window (or a script)
// shows it, fills the two fields and hands it back to NumberLists with OK or Cancel.
#pragma once

#include <string>
#include <string_view>

namespace multiplayer {

enum class NumberList { kPhone, kInternet };

class NewNumberDialog {
 public:
  static constexpr const char* kTitle = "Enter new Name and Number";
  static constexpr const char* kNameLabel = "Name";
  static constexpr const char* kPhonePrompt =
      "Enter new name and phone number. Press OK to accept, or press CANCEL to return to main "
      "menu.";
  static constexpr const char* kInternetPrompt =
      "Enter new name and InterNet number. Press OK to accept, or press CANCEL to return to main "
      "menu.";
  static constexpr const char* kPhoneNumberLabel = "Phone Number";
  static constexpr const char* kInternetNumberLabel = "InterNet Number";
  // The longest name or number the number box takes; the list's 32-byte texts hold it.
  static constexpr size_t kFieldMax = 30;

  explicit NewNumberDialog(NumberList list) : list_(list) {}

  // The list the new entry goes into.
  NumberList list() const { return list_; }
  const char* prompt() const;
  const char* numberLabel() const;

  const std::string& name() const { return name_; }
  const std::string& number() const { return number_; }
  // Typed texts are cut to kFieldMax characters.
  void setName(std::string_view name);
  void setNumber(std::string_view number);

 private:
  NumberList list_;
  std::string name_;
  std::string number_;
};

}  // namespace multiplayer
