#include "launch/unzip_profile.h"

#include "launch/settings_file.h"
#include "platform/dos_path.h"

namespace launch {

UnzipProfile UnzipProfile::load(platform::FileSystem& fs, const std::string& programDir,
                                const catalogue::UnivInfoRecord& univ) {
  UnzipProfile profile;
  profile.program = univ.get(catalogue::univ_info::UnzipProgram);
  auto values = readSettingsFile(fs, platform::dos::withTrailingSeparator(programDir) + kFileName);
  profile.zipMagic = values["ZipMagic"] == "1";
  profile.winZip = values["WinZip"] == "1";
  return profile;
}

bool UnzipProfile::save(platform::FileSystem& fs, const std::string& programDir,
                        catalogue::UnivInfoRecord& univ) const {
  univ.set(catalogue::univ_info::UnzipProgram, program);
  return writeSettingsFile(fs, platform::dos::withTrailingSeparator(programDir) + kFileName,
                           {{"ZipMagic", zipMagic ? "1" : "0"}, {"WinZip", winZip ? "1" : "0"}});
}

std::string UnzipProfile::saveOrSayWhy(platform::FileSystem& fs, const std::string& programDir,
                                       catalogue::UnivInfoRecord& univ) const {
  if (save(fs, programDir, univ)) return {};
  return "The unzip program's settings could not be saved in " +
         platform::dos::withTrailingSeparator(programDir) + kFileName + ": " + fs.lastErrorText();
}

}  // namespace launch
