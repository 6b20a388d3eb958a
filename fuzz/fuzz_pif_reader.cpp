// Any bytes as a PIF: the reader stays inside them and its texts keep to their fields. The
// input also drives a build, whose image must read back as what went in, cut to the fields.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "launch/pif.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> bytes(data, size);
  auto read = launch::readPifLaunch(bytes);
  if (read.has_value() != (size >= launch::pif::kWorkDir + launch::pif::kWorkDirSize))
    __builtin_trap();
  if (!read) return 0;
  if (read->program.size() > launch::pif::kProgramSize ||
      read->workDir.size() > launch::pif::kWorkDirSize ||
      read->program.find('\0') != std::string::npos ||
      read->workDir.find('\0') != std::string::npos)
    __builtin_trap();

  launch::PifOptions options;
  options.PauseBeforeReturn = (data[0] & 1) != 0;
  options.ReserveAltSpace = (data[0] & 2) != 0;
  options.ReserveAllKeys = (data[0] & 4) != 0;
  options.DosModeOnly = (data[0] & 8) != 0;
  options.EditorLaunch = (data[0] & 16) != 0;
  auto image = launch::buildPif(options, read->program, read->workDir, (data[0] & 32) != 0);
  auto back = launch::readPifLaunch(image);
  if (!back || back->program != read->program.substr(0, launch::pif::kProgramSize - 1) ||
      back->workDir != read->workDir.substr(0, launch::pif::kWorkDirSize - 1) ||
      back->closeOnExit == options.PauseBeforeReturn)
    __builtin_trap();
  return 0;
}
