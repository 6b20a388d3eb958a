// The program information file a DOS session starts from: one fixed 967-byte image with the
// launch's program, working directory and session options patched in. platform::readPif reads
// those fields back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/pif_fields.h"

namespace launch {

inline constexpr size_t kPifSize = platform::pif::kFileSize;
using PifImage = std::array<uint8_t, kPifSize>;

// The field offsets are the platform's, the same ones the DOS session starter reads back.
namespace pif = platform::pif;

inline constexpr char kPifTitle[] = "Quillfen95 for Duke3D";
// The arguments of the start reach the DOS program through these.
inline constexpr char kPifParameters[] = "%1 %2 %3 %4 %5 %6 %7 %8 %9";

// The image every PIF is made from.
const PifImage& pifTemplate();

// The launch options that change the session.
struct PifOptions {
  bool PauseBeforeReturn = false;  // the window stays open after the program ends
  bool ReserveAltSpace = false;
  bool ReserveAllKeys = false;
  bool TerminateWithoutWarning = false;
  bool HideWindowsFromGame = false;
  bool DosModeOnly = false;
  bool EditorLaunch = false;  // an editor never runs in MS-DOS mode
};

// The image for one launch. `program` and `workDir` are cut to their fields (62 and 63
// characters before the NUL). For the map editor (`forBuild`) only the pause option is applied.
PifImage buildPif(const PifOptions& options, const std::string& program, const std::string& workDir,
                  bool forBuild);

// Makes an existing file writable and replaces it whole with the image. False when the file
// could not be written; the caller says so.
bool writePif(platform::FileSystem& fs, const std::string& path, const PifImage& image);

}  // namespace launch
