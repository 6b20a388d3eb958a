#include "files/file_manager_settings.h"

#include "files/file_masks.h"

namespace files {

size_t FileManagerSettings::listsInUse() const {
  const size_t mode = univ_.get(catalogue::univ_info::FileManagerMode);
  return mode >= 1 && mode <= kFileLists ? mode : kFileLists;
}

}  // namespace files
