#include "multiplayer/number_lists.h"

namespace multiplayer {

namespace ui = catalogue::univ_info;

namespace {

using UnivText = catalogue::TextField<catalogue::UnivInfoTag>;
using UnivByte = catalogue::ByteField<catalogue::UnivInfoTag>;

constexpr size_t kSlots = NumberLists::kSlots;
static_assert(ui::PhoneNameList.count == kSlots && ui::PhoneNumberList.count == kSlots &&
              ui::InternetNameList.count == kSlots && ui::InternetNumberList.count == kSlots);

// The fields behind one list. The record would read element 0 for an index past a field's
// end, so every index below is checked against kSlots first.
struct ListFields {
  const UnivText& names;
  const UnivText& numbers;
  const UnivByte& index;
};

const ListFields& fieldsOf(NumberList list) {
  static const ListFields kPhone{ui::PhoneNameList, ui::PhoneNumberList, ui::PhoneIndex};
  static const ListFields kInternet{ui::InternetNameList, ui::InternetNumberList,
                                    ui::InternetIndex};
  return list == NumberList::kInternet ? kInternet : kPhone;
}

// The entries in use: those before the first empty name.
size_t entriesInUse(const catalogue::UnivInfoRecord& univ, const ListFields& f) {
  size_t n = 0;
  while (n < kSlots && !univ.get(f.names, n).empty()) ++n;
  return n;
}

bool holdsNumber(const catalogue::UnivInfoRecord& univ, const ListFields& f,
                 std::string_view number) {
  const size_t used = entriesInUse(univ, f);
  for (size_t i = 0; i < used; ++i)
    if (univ.get(f.numbers, i) == number) return true;
  return false;
}

bool startsWithDigit(std::string_view text) {
  return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

}  // namespace

NumberLists::NumberLists(catalogue::UnivInfoRecord& univ, platform::Prompter& prompter)
    : univ_(univ), prompter_(prompter) {
  fill();
}

namespace {

NumberList listFor(const catalogue::UnivInfoRecord& univ) {
  return univ.get(ui::ConnectionType) == NumberLists::kInternetConnection ? NumberList::kInternet
                                                                          : NumberList::kPhone;
}

}  // namespace

NumberList NumberLists::current() const {
  return listFor(univ_);
}

bool NumberLists::hasSelection(const catalogue::UnivInfoRecord& univ) {
  const ListFields& f = fieldsOf(listFor(univ));
  return size_t(univ.get(f.index)) < entriesInUse(univ, f);
}

void NumberLists::fill() {
  const ListFields& f = fieldsOf(current());
  names_.clear();
  const size_t used = entriesInUse(univ_, f);
  for (size_t i = 0; i < used; ++i) names_.push_back(univ_.get(f.names, i));
  const size_t index = univ_.get(f.index);
  selected_ = index < used ? int(index) : -1;
}

std::string NumberLists::boxText() const {
  return selected_ < 0 ? std::string() : names_[size_t(selected_)];
}

std::string NumberLists::selectedNumber() const {
  if (selected_ < 0) return "";
  return univ_.get(fieldsOf(current()).numbers, size_t(selected_));
}

bool NumberLists::select(int entry) {
  if (entry < 0 || size_t(entry) >= names_.size()) return false;
  selectAndFill(current(), entry);
  return true;
}

void NumberLists::selectAndFill(NumberList list, int entry) {
  univ_.set(fieldsOf(list).index, uint8_t(entry < 0 ? 0 : entry));
  fill();
}

std::optional<NewNumberDialog> NumberLists::typed(std::string_view text) {
  for (size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == text) {
      select(int(i));
      return std::nullopt;
    }
  }
  // An emptied box has nothing to add: it shows the selection again.
  if (text.empty()) {
    fill();
    return std::nullopt;
  }

  const bool internet = current() == NumberList::kInternet;
  const bool number = startsWithDigit(text);
  if (text.size() > NewNumberDialog::kFieldMax) {
    if (internet)
      prompter_.tell(number ? kInternetNumberTooLong : kInternetNameTooLong);
    else
      prompter_.tell(number ? kPhoneNumberTooLong : kPhoneNameTooLong);
    fill();
    return std::nullopt;
  }

  NewNumberDialog dialog(current());
  if (number)
    dialog.setNumber(text);
  else
    dialog.setName(text);
  return dialog;
}

bool NumberLists::finishNewNumber(const NewNumberDialog& dialog, bool accepted) {
  const ListFields& f = fieldsOf(dialog.list());
  const std::string& number = dialog.number();
  if (!accepted || number.empty() || holdsNumber(univ_, f, number)) {
    fill();
    return false;
  }
  // The first empty name ends the entries in use, so the new entry goes right after them.
  const size_t slot = entriesInUse(univ_, f);
  if (slot >= kSlots) {
    prompter_.tell(kListFull);
    fill();
    return false;
  }
  const std::string& name = dialog.name().empty() ? number : dialog.name();
  univ_.set(f.names, name, slot);
  univ_.set(f.numbers, number, slot);
  selectAndFill(dialog.list(), int(slot));
  return true;
}

std::optional<NewNumberDialog> NumberLists::editSelected() const {
  if (selected_ < 0) return std::nullopt;
  NewNumberDialog dialog(current());
  dialog.setName(names_[size_t(selected_)]);
  dialog.setNumber(selectedNumber());
  return dialog;
}

bool NumberLists::finishEdit(const NewNumberDialog& dialog, bool accepted) {
  const ListFields& f = fieldsOf(dialog.list());
  const int entry = selected_;
  const std::string& number = dialog.number();
  const bool same = entry >= 0 && univ_.get(f.numbers, size_t(entry)) == number;
  if (!accepted || entry < 0 || dialog.list() != current() || number.empty() ||
      (!same && holdsNumber(univ_, f, number))) {
    fill();
    return false;
  }
  univ_.set(f.names, dialog.name().empty() ? number : dialog.name(), size_t(entry));
  univ_.set(f.numbers, number, size_t(entry));
  selectAndFill(dialog.list(), entry);
  return true;
}

bool NumberLists::deleteSelected() {
  if (selected_ < 0) return false;
  if (prompter_.ask(kDeleteCaption, kDeleteQuestion, platform::Buttons::kYesNo) !=
      platform::Answer::kYes)
    return false;

  const NumberList list = current();
  const ListFields& f = fieldsOf(list);
  for (size_t i = size_t(selected_); i + 1 < kSlots; ++i) {
    univ_.set(f.names, univ_.get(f.names, i + 1), i);
    univ_.set(f.numbers, univ_.get(f.numbers, i + 1), i);
  }
  univ_.set(f.names, "", kSlots - 1);
  univ_.set(f.numbers, "", kSlots - 1);

  // The entry that took its place stays selected, else the one above.
  const int left = int(entriesInUse(univ_, f));
  selectAndFill(list, selected_ < left ? selected_ : left - 1);
  return true;
}

}  // namespace multiplayer
