// The program information file (PIF) a DOS program is started from: where its fields lie, and
// the one reader of the fields a DOS session start needs. The launch builds its PIF images from
// these offsets and the session starter reads them back through readPif, so both agree on the
// layout by construction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform {

// What DOS keeps of a command line after the program name: a count byte, at most 126
// characters and a CR.
inline constexpr size_t kMaxCommandTail = 126;

namespace pif {

inline constexpr size_t kFileSize = 967;

// Basic section.
inline constexpr size_t kChecksum = 0x001;
inline constexpr size_t kTitle = 0x002;
inline constexpr size_t kTitleSize = 30;
inline constexpr size_t kProgram = 0x024;
inline constexpr size_t kProgramSize = 63;
inline constexpr size_t kFlags = 0x063;
inline constexpr uint8_t kCloseOnExit = 0x10;  // clear: the window waits after the program
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

// How many leading bytes of a PIF hold every field a start reads.
inline constexpr size_t kStartBytes = kWorkDir + kWorkDirSize;

static_assert(kProgram + kProgramSize == kFlags && kFlags + 2 == kWorkDir);
static_assert(kWorkDir + kWorkDirSize <= kParameters && kStartBytes <= kFileSize);

}  // namespace pif

// What a DOS session start takes from a PIF.
struct PifStart {
  std::string program;           // as stored, e.g. "D:\GAMES\DUKE3D\DUKE3D.EXE"
  std::string workingDirectory;  // as stored; may be empty
  bool closeOnExit = false;      // clear: the window waits for a key after the program
};

// The start fields of a PIF of any origin. Each text stops at its NUL or at the end of its
// field, whichever comes first, and loses trailing blanks (PIF editors pad with them). Nothing
// when the bytes end before the working directory's field does: a cut file could name a
// different program than the one it was written for.
std::optional<PifStart> readPif(std::span<const uint8_t> bytes);

}  // namespace platform
