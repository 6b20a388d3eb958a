// Any bytes as "Quillfen.Run", the file that says what each game runs with (the player may edit
// it by hand): the reader keeps within the text, and what it read is written and read back the
// same. The fixed arguments' one-line form reads back as the arguments it was made of.
//
// Input: the file's text. Seeds (fuzz/corpus/run_with/): files as the first start and the
// define-game dialog write them, and a hand-edited one with odd sections and arguments.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/run_with.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const catalogue::RunWithSettings settings = catalogue::RunWithSettings::parse(text);
  const std::string written = settings.text();
  if (catalogue::RunWithSettings::parse(written).text() != written) std::abort();

  const std::vector<std::string> arguments = catalogue::splitArguments(text);
  if (catalogue::splitArguments(catalogue::joinArguments(arguments)) != arguments) std::abort();
  return 0;
}
