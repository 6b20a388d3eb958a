#include "launch/pif.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace launch {
namespace {

struct ImageWriter {
  PifImage& b;
  constexpr void bytes(size_t at, std::initializer_list<uint8_t> values) {
    for (uint8_t v : values) b[at++] = v;
  }
  constexpr void text(size_t at, std::string_view s) {
    for (char c : s) b[at++] = uint8_t(c);
  }
  constexpr void fill(size_t at, size_t count, char c) {
    for (size_t i = 0; i < count; ++i) b[at + i] = uint8_t(c);
  }
  constexpr void word(size_t at, uint16_t v) {
    b[at] = uint8_t(v & 0xFF);
    b[at + 1] = uint8_t(v >> 8);
  }
  // A section header: 16-byte name, next header, section data, data length.
  constexpr void header(size_t at, std::string_view name, uint16_t next, uint16_t data,
                        uint16_t length) {
    text(at, name);
    word(at + 16, next);
    word(at + 18, data);
    word(at + 20, length);
  }
};

constexpr uint16_t kNoNextHeader = 0xFFFF;

constexpr PifImage makeTemplate() {
  PifImage b{};
  ImageWriter w{b};

  // Basic section.
  w.bytes(pif::kChecksum, {0x78});
  w.fill(pif::kTitle, pif::kTitleSize, ' ');  // blank padded
  w.text(pif::kTitle, "QF");
  w.word(0x020, 0x0280);  // 640 KB conventional memory
  w.text(pif::kProgram, "C:\\Games\\Duke3D\\Quillfen.bat");
  w.bytes(pif::kFlags, {pif::kCloseOnExit});
  w.text(pif::kWorkDir, "C:\\Games\\Duke3D");
  w.bytes(0x0E6, {0x01});        // screen pages
  w.bytes(0x0E8, {0xFF});        // last interrupt vector
  w.bytes(0x0E9, {0x19, 0x50});  // 25 rows, 80 columns
  w.word(0x0ED, 0x0007);         // system memory

  w.header(0x171, "MICROSOFT PIFEX", 0x0187, 0x0000, 0x0171);
  w.header(0x187, "WINDOWS 386 3.0", 0x0205, 0x019D, 0x0068);
  w.header(0x205, "WINDOWS VMM 4.0", kNoNextHeader, 0x021B, 0x01AC);

  // 386 section.
  w.word(0x19D, 0x0280);  // conventional memory
  w.word(0x1A1, 100);     // foreground priority
  w.word(0x1A3, 50);      // background priority
  w.word(0x1A5, 0xFFFF);  // EMS
  w.word(0x1A9, 0xFFFF);  // XMS
  w.bytes(pif::kKeyFlags, {0x0A, 0x50, 0x02, 0x00});
  w.bytes(0x1B1, {0x1F});  // display flags
  w.word(0x1B5, 0x0020);
  w.word(0x1B7, 0x000C);
  w.word(0x1B9, 0x000F);

  // VMM section.
  w.text(0x273, "PIFMGR.DLL");
  w.bytes(pif::kVmmFlags, {0x02});
  w.bytes(0x2D1, {0x32});
  w.bytes(0x2D3, {0x01, 0x01});
  w.bytes(0x2DF, {0x01});
  w.bytes(0x2E3, {0x05});
  w.bytes(0x2E5, {0x19});
  w.bytes(0x2E7, {0x03});
  w.bytes(0x2E9, {0xC8});
  w.bytes(0x2EB, {0xE8, 0x03, 0x02});
  w.bytes(0x2EF, {0x0A});
  w.bytes(0x2F1, {0x01});
  w.bytes(0x2F9, {0x1C});
  w.bytes(0x301, {0x08});
  w.bytes(0x303, {0x0C});
  w.text(0x305, "Terminal");
  w.text(0x325, "Courier New");
  w.bytes(0x347, {0x03});
  w.bytes(0x34B, {0x50});
  w.bytes(0x34D, {0x19});
  w.bytes(0x34F, {0x80, 0x02, 0x2C, 0x01, 0x56, 0x02, 0x77, 0x01, 0x16});
  w.bytes(0x35B, {0x01});
  w.bytes(0x35D, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A});
  w.bytes(0x367, {0x58});
  w.bytes(0x369, {0xB0, 0x02, 0xCF, 0x01});
  w.bytes(0x3C5, {0x01});
  return b;
}

constexpr PifImage kTemplate = makeTemplate();

constexpr uint16_t wordAt(const PifImage& b, size_t at) {
  return uint16_t(b[at] | b[at + 1] << 8);
}

// The headers chain through the file: the basic section ends at the first header, every other
// section's data follows its own header and ends at the next one, the last with the file.
constexpr size_t kHeaderSize = 22;
constexpr bool sectionsTileTheFile(const PifImage& b) {
  size_t at = pif::kBasicSectionSize;
  for (int n = 0; n < 3; ++n) {
    size_t next = wordAt(b, at + 16);
    size_t data = wordAt(b, at + 18);
    size_t end = data + wordAt(b, at + 20);
    if (n == 0 ? (data != 0 || end != at) : data != at + kHeaderSize) return false;
    if (next == kNoNextHeader) return n == 2 && end == kPifSize;
    if (n > 0 && end != next) return false;
    at = next;
  }
  return false;
}
static_assert(sectionsTileTheFile(kTemplate));

// Copies `text` up to its first NUL and a NUL after it, cut so the NUL stays in the field. The
// field's bytes after the NUL are left as they were.
void putText(PifImage& image, size_t at, size_t fieldSize, std::string_view text) {
  size_t n = std::min({text.find('\0'), text.size(), fieldSize - 1});
  std::copy_n(text.begin(), n, image.begin() + at);
  image[at + n] = 0;
}

}  // namespace

const PifImage& pifTemplate() {
  return kTemplate;
}

PifImage buildPif(const PifOptions& options, const std::string& program, const std::string& workDir,
                  bool forBuild) {
  PifImage image = kTemplate;
  image[pif::kFlags] = options.PauseBeforeReturn ? 0x00 : pif::kCloseOnExit;
  if (!forBuild) {
    if (options.ReserveAltSpace) image[pif::kKeyFlags] = 0x8A;
    // All keys include Alt+Space, so this one wins over the option above.
    if (options.ReserveAllKeys) {
      image[pif::kKeyFlags] = 0xEA;
      image[pif::kMoreKeyFlags] = 0x5F;
    }
    if (options.TerminateWithoutWarning) image[pif::kVmmFlags] = 0x12;
    if (options.HideWindowsFromGame) image[pif::kDetectionFlags] = 0x15;
    if (options.DosModeOnly && !options.EditorLaunch) image[pif::kModeFlags] = 0x82;
  }
  putText(image, pif::kTitle, pif::kTitleSize, kPifTitle);
  putText(image, pif::kProgram, pif::kProgramSize, program);
  putText(image, pif::kWorkDir, pif::kWorkDirSize, workDir);
  putText(image, pif::kParameters, pif::kParametersSize, kPifParameters);
  putText(image, pif::k386Parameters, pif::kParametersSize, kPifParameters);
  return image;
}

bool writePif(platform::FileSystem& fs, const std::string& path, const PifImage& image) {
  // A PIF left read-only by an earlier launch is replaced all the same.
  if (fs.exists(path)) fs.setAttributesNormal(path);
  return fs.replaceWhole(path, std::vector<uint8_t>(image.begin(), image.end()));
}

}  // namespace launch
