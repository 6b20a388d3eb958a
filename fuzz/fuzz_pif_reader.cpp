// Any bytes as a PIF, read by the one reader the DOS session start uses: it stays inside them,
// its texts keep to their fields, and it gives fields exactly when the bytes hold the working
// directory's whole field. The input also drives a build, whose image must read back as what
// went in, cut to the fields.
//
// Input: the PIF bytes themselves; the first byte doubles as the build's option switches.
// Seeds: the images the launch writes (fuzz/corpus/pif_reader/).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "launch/pif.h"
#include "platform/pif_fields.h"

namespace {

namespace pif = platform::pif;

std::string trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> bytes(data, size);
  auto read = platform::readPif(bytes);
  if (read.has_value() != (size >= pif::kStartBytes)) __builtin_trap();
  if (!read) return 0;
  for (const std::string* text : {&read->program, &read->workingDirectory}) {
    if (text->find('\0') != std::string::npos || (!text->empty() && text->back() == ' '))
      __builtin_trap();
  }
  if (read->program.size() > pif::kProgramSize || read->workingDirectory.size() > pif::kWorkDirSize)
    __builtin_trap();
  if (read->closeOnExit != ((data[pif::kFlags] & pif::kCloseOnExit) != 0)) __builtin_trap();

  launch::PifOptions options;
  options.PauseBeforeReturn = (data[0] & 1) != 0;
  options.ReserveAltSpace = (data[0] & 2) != 0;
  options.ReserveAllKeys = (data[0] & 4) != 0;
  options.DosModeOnly = (data[0] & 8) != 0;
  options.EditorLaunch = (data[0] & 16) != 0;
  auto image =
      launch::buildPif(options, read->program, read->workingDirectory, (data[0] & 32) != 0);
  auto back = platform::readPif(image);
  if (!back || back->program != trimmed(read->program.substr(0, pif::kProgramSize - 1)) ||
      back->workingDirectory != trimmed(read->workingDirectory.substr(0, pif::kWorkDirSize - 1)) ||
      back->closeOnExit == options.PauseBeforeReturn)
    __builtin_trap();
  return 0;
}
