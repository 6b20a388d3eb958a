// The unzip program the player uses and how it works: ZipMagic opens an archive as a folder,
// WinZip takes the options without the DOS switches. The program's path is kept in the
// settings record (UnzipProgram), the two flags in "Quillfen.Zip" beside the records.
#pragma once

#include <string>

#include "catalogue/univ_info_record.h"
#include "platform/file_system.h"

namespace launch {

struct UnzipProfile {
  static constexpr const char* kFileName = "Quillfen.Zip";
  std::string program;
  bool zipMagic = false;
  bool winZip = false;

  static UnzipProfile load(platform::FileSystem& fs, const std::string& programDir,
                           const catalogue::UnivInfoRecord& univ);
  // The program into the record (cut to its field), the flags into the file.
  bool save(platform::FileSystem& fs, const std::string& programDir,
            catalogue::UnivInfoRecord& univ) const;
  // Saves the profile; the box text when that failed, empty when it did not.
  std::string saveOrSayWhy(platform::FileSystem& fs, const std::string& programDir,
                           catalogue::UnivInfoRecord& univ) const;
  bool operator==(const UnzipProfile&) const = default;
};

// "UnZip Profile": the program's path (framed "Unzip Program", ">>" to browse for it) and the
// check boxes "ZipMagic" and "WinZip".
class UnzipProfileDialog {
 public:
  static constexpr const char* kTitle = "UnZip Profile";
  static constexpr const char* kProgramFrame = "Unzip Program";
  static constexpr size_t kProgramMax = 127;

  explicit UnzipProfileDialog(UnzipProfile profile) : profile_(std::move(profile)) {}
  const UnzipProfile& profile() const { return profile_; }
  void setProgram(const std::string& program) { profile_.program = program.substr(0, kProgramMax); }
  void setZipMagic(bool on) { profile_.zipMagic = on; }
  void setWinZip(bool on) { profile_.winZip = on; }

 private:
  UnzipProfile profile_;
};

}  // namespace launch
