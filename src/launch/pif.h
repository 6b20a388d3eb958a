// The program information file a DOS session starts from: one fixed 967-byte image with the
// launch's program, working directory and session options patched in, and the small reader the
// DOS session starter uses to get those fields back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/file_system.h"

namespace launch {

inline constexpr size_t kPifSize = 967;
using PifImage = std::array<uint8_t, kPifSize>;

// File offsets of the fields a launch touches or reads back.
namespace pif {
inline constexpr size_t kChecksum = 0x001;
inline constexpr size_t kTitle = 0x002;
inline constexpr size_t kTitleSize = 30;
inline constexpr size_t kProgram = 0x024;
inline constexpr size_t kProgramSize = 63;
inline constexpr size_t kFlags = 0x063;
inline constexpr uint8_t kCloseOnExit = 0x10;
inline constexpr size_t kWorkDir = 0x065;
inline constexpr size_t kWorkDirSize = 64;
inline constexpr size_t kParameters = 0x0A5;
inline constexpr size_t kParametersSize = 64;
inline constexpr size_t kBasicSectionSize = 0x171;
// The 386 section's option flags, four bytes from 0x1AD.
inline constexpr size_t kKeyFlags = 0x1AD;  // hot keys the DOS program keeps
inline constexpr size_t kMoreKeyFlags = 0x1AE;
inline constexpr size_t kModeFlags = 0x1AF;       // 0x82: MS-DOS mode
inline constexpr size_t kDetectionFlags = 0x1B0;  // 0x15: Windows hidden from the program
inline constexpr size_t k386Parameters = 0x1C5;
inline constexpr size_t kVmmFlags = 0x2C5;  // 0x12: close without asking
}  // namespace pif

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

// What the DOS session starter needs from a PIF.
struct PifLaunch {
  std::string program;
  std::string workDir;
  bool closeOnExit = false;
};

// The launch fields of a PIF of any origin: texts end at their NUL or their field's end.
// Nothing when the bytes are too short to hold the working directory.
std::optional<PifLaunch> readPifLaunch(std::span<const uint8_t> bytes);

}  // namespace launch
