// Where the install path goes in the prepared shortcut Quillfen.lnk. The template (built by
// tools/make_shortcut_template.cpp) is a Windows shell link whose path fields are padded with
// NULs to a fixed size, so setup only overwrites bytes in place:
//
//   101  the drive shell item's name            "D:\"
//   137  the folder shell item's name            "GAMES\QF"           (P without its drive)
//   280  LinkInfo's LocalBasePath                "D:\GAMES\QF\quillfen95.exe"
//   366  the StringData working directory        "D:\GAMES\QF"
//
// The field sizes decide how long an install path can be.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace setup::shortcut {

inline constexpr std::string_view kProgramName = "quillfen95.exe";

inline constexpr size_t kDriveOffset = 101;
inline constexpr size_t kDriveField = 22;  // the drive item's fixed name field
inline constexpr size_t kFolderOffset = 137;
inline constexpr size_t kFolderField = 66;
inline constexpr size_t kTargetOffset = 280;
inline constexpr size_t kTargetField = 83;
inline constexpr size_t kWorkingDirOffset = 366;
// The working directory is a counted string: the count stays at this size and a shorter
// directory is followed by NULs.
inline constexpr size_t kWorkingDirField = 67;

inline constexpr size_t kDriveLength = 3;  // "D:\"

// The longest install path (without trailing "\") whose every field still ends in a NUL, the
// counted working directory excepted, which may fill its field.
inline constexpr size_t kMaxInstallPath =
    std::min({kDriveLength + kFolderField - 1, kTargetField - 1 - 1 - kProgramName.size(),
              kWorkingDirField});

static_assert(kDriveOffset + kDriveField <= kFolderOffset);
static_assert(kFolderOffset + kFolderField <= kTargetOffset);
static_assert(kTargetOffset + kTargetField <= kWorkingDirOffset);
static_assert(kMaxInstallPath == 67);

}  // namespace setup::shortcut
