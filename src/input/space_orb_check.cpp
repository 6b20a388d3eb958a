#include "input/space_orb_check.h"

namespace input {

namespace {
constexpr const char* kQuestion =
    "This function searches the C: drive for the Space Orb software.\nNote: Quillfen95 will only "
    "work with version 4.75 of the Space Orb software.  Read the help file for more "
    "information.\n\nDo you wish to continue?";
constexpr const char* kFound = "SpaceOrb found and loaded.";
constexpr const char* kNotFound = "Could not find c:\\spcware\\sow95off.exe";
constexpr const char* kWrongVersion =
    "You do not have the Space Orb program on the C: drive, or you do not have version 4.75.  "
    "Please see the help file for more information";
}  // namespace

void SpaceOrbCheck(platform::FileSystem& fs, platform::Prompter& prompter,
                   catalogue::UnivInfoRecord& univ, bool interactive) {
  using platform::Answer;
  if (interactive &&
      prompter.ask(platform::kCaptionProgram, kQuestion, platform::Buttons::kYesNo) != Answer::kYes)
    return;
  if (fs.exists(kSpaceOrbDriver)) {
    prompter.tell(kFound);
    univ.set(catalogue::univ_info::SpaceOrbOn, 1);
    return;
  }
  if (!interactive) return;
  prompter.tell(kNotFound);
  prompter.tell(kWrongVersion);
  univ.set(catalogue::univ_info::SpaceOrbOn, 0);
}

}  // namespace input
