#include "platform/pif_fields.h"

#include "platform/byte_cursor.h"

namespace platform {
namespace {

std::optional<std::string> trimmedText(ByteCursor& in, size_t fieldSize) {
  auto text = in.text(fieldSize);
  if (text) {
    while (!text->empty() && text->back() == ' ') text->pop_back();
  }
  return text;
}

}  // namespace

std::optional<PifStart> readPif(std::span<const uint8_t> bytes) {
  ByteCursor in(bytes);
  in.seek(pif::kProgram);
  auto program = trimmedText(in, pif::kProgramSize);
  auto flags = in.u8();  // the program's field ends where the flags begin
  in.seek(pif::kWorkDir);
  auto workingDirectory = trimmedText(in, pif::kWorkDirSize);
  if (in.failed()) return std::nullopt;
  return PifStart{std::move(*program), std::move(*workingDirectory),
                  (*flags & pif::kCloseOnExit) != 0};
}

}  // namespace platform
