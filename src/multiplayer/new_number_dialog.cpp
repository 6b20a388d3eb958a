#include "multiplayer/new_number_dialog.h"

namespace multiplayer {

const char* NewNumberDialog::prompt() const {
  return list_ == NumberList::kInternet ? kInternetPrompt : kPhonePrompt;
}

const char* NewNumberDialog::numberLabel() const {
  return list_ == NumberList::kInternet ? kInternetNumberLabel : kPhoneNumberLabel;
}

void NewNumberDialog::setName(std::string_view name) {
  name_ = std::string(name.substr(0, kFieldMax));
}

void NewNumberDialog::setNumber(std::string_view number) {
  number_ = std::string(number.substr(0, kFieldMax));
}

}  // namespace multiplayer
