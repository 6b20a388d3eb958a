// The phone and InterNet number lists of the main view: fifty name/number pairs each, kept in
// the program-wide settings. The InterNet list serves the "InterNet" communication type, the
// phone list every other. The entries in use are those before the first empty name; the
// selected one is PhoneIndex or InternetIndex. A text typed into the number box selects the
// entry of that name, or opens "Enter new Name and Number" to add one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/univ_info_record.h"
#include "multiplayer/new_number_dialog.h"
#include "platform/prompter.h"

namespace multiplayer {

class NumberLists {
 public:
  static constexpr size_t kSlots = 50;
  // ConnectionType of "InterNet" in the communication-type list.
  static constexpr int kInternetConnection = 4;

  static constexpr const char* kPhoneNumberTooLong =
      "Phone number can not be greater then 30 digits.";
  static constexpr const char* kPhoneNameTooLong = "Name can not be greater then 30 digits.";
  static constexpr const char* kInternetNumberTooLong =
      "InterNet number can not be greater than 30 digits.";
  static constexpr const char* kInternetNameTooLong = "Name can not be greater than 30 digits.";
  static constexpr const char* kDeleteCaption = "Deleteing number from database";
  static constexpr const char* kDeleteQuestion =
      "Are you sure you want to delete the phone/internet number from the database";
  static constexpr const char* kListFull =
      "The list holds 50 entries, the most it can. Delete one before adding another.";

  NumberLists(catalogue::UnivInfoRecord& univ, platform::Prompter& prompter);

  // The list the current communication type uses.
  NumberList current() const;

  // Reads the list of the current communication type again (after the type changed).
  void fill();
  // The names of the entries in use, in list order.
  const std::vector<std::string>& names() const { return names_; }
  // The selected entry, -1 for none (also for a stored index past the entries in use).
  int selected() const { return selected_; }
  // What the number box shows: the selected entry's name.
  std::string boxText() const;
  std::string selectedNumber() const;

  // An entry picked from the list; outside the entries in use nothing changes.
  bool select(int entry);

  // A text typed into the number box. An existing name is selected; a text too long for the
  // list is refused with a message. Otherwise the returned dialog is to be shown, its name or
  // number already holding the text, and handed back to finishNewNumber.
  std::optional<NewNumberDialog> typed(std::string_view text);
  // The new-entry dialog closed with OK (`accepted`) or Cancel. True when an entry was added;
  // it is then selected.
  bool finishNewNumber(const NewNumberDialog& dialog, bool accepted);

  // "Edit phone/internet number": the dialog holding the selected entry, nothing without one.
  std::optional<NewNumberDialog> editSelected() const;
  // The edit dialog closed: on OK the selected entry takes its name and number in place (an
  // empty name becomes the number; an empty number, or one another entry holds, changes
  // nothing). True when the entry changed.
  bool finishEdit(const NewNumberDialog& dialog, bool accepted);
  bool canDelete() const { return selected_ >= 0; }
  // Whether the list of the communication type in `univ` has an entry selected.
  static bool hasSelection(const catalogue::UnivInfoRecord& univ);
  // Asks, then removes the selected entry; the entries after it move up.
  bool deleteSelected();

 private:
  // Stores the selected entry of `list` and reads the current list again.
  void selectAndFill(NumberList list, int entry);

  catalogue::UnivInfoRecord& univ_;
  platform::Prompter& prompter_;
  std::vector<std::string> names_;
  int selected_ = -1;
};

}  // namespace multiplayer
