// The program-wide settings of a new installation.
#pragma once

#include "catalogue/univ_info_record.h"

namespace catalogue {

// All zero except the first phone-list entry, the first phone number, the ten player names,
// the five default socket numbers and the unzip program. Markers are left to the caller.
UnivInfoRecord defaultUnivInfo();

}  // namespace catalogue
