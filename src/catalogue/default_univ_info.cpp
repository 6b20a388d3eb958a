#include "catalogue/default_univ_info.h"

#include <string>

namespace catalogue {

namespace {
constexpr int32_t kFactorySockets[] = {0x4455, 0x5566, 0x7777, 0x8888, 0x99AA};
constexpr size_t kFirstFactorySocket = 5;  // entries 5-9 of the socket list
}  // namespace

UnivInfoRecord defaultUnivInfo() {
  UnivInfoRecord univ;
  univ.set(univ_info::PhoneNameList, "Enter Phone-Name Here", 0);
  univ.set(univ_info::PhoneNumberList, "Enter Number Here", 0);
  for (size_t i = 0; i < univ_info::PlayerNameList.count; ++i)
    univ.set(univ_info::PlayerNameList, "Player" + std::to_string(i + 1), i);
  for (size_t i = 0; i < std::size(kFactorySockets); ++i)
    univ.set(univ_info::SocketNumbers, kFactorySockets[i], kFirstFactorySocket + i);
  univ.set(univ_info::UnzipProgram, "pkunzip.exe");
  return univ;
}

}  // namespace catalogue
