// Record files of any length and content: the start-up load, slot reads and the game data
// record must never read or write outside their images, nor grow the files without bound.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

// Splits the input into three pieces at the positions its first four bytes give.
std::vector<std::vector<uint8_t>> split(const uint8_t* data, size_t size) {
  std::vector<std::vector<uint8_t>> parts(3);
  if (size < 4) return parts;
  size_t a = (size_t(data[0]) | size_t(data[1]) << 8) % (size - 3);
  size_t b = (size_t(data[2]) | size_t(data[3]) << 8) % (size - 3);
  if (a > b) std::swap(a, b);
  const uint8_t* body = data + 4;
  parts[0].assign(body, body + a);
  parts[1].assign(body + a, body + b);
  parts[2].assign(body + b, data + size);
  return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto parts = split(data, size);
  platform::FakeFileSystem fs;
  fs.setCurrentDirectory("C:\\QF95\\");
  fs.putFile("C:\\QF95\\QuillfenUnivInfo.dat", parts[0]);
  fs.putFile("C:\\QF95\\QuillfenGameInfo.dat", parts[1]);
  for (int slot : {0, 1, 19, 20})
    fs.putFile("C:\\QF95\\Quillfen_Game_data.dat" + std::to_string(slot), parts[2]);
  fs.putFile("C:\\QF95\\Quillfen.Sig", parts[1]);

  platform::ScriptedPrompter prompter;
  prompter.script({platform::Answer::kOk, platform::Answer::kCancel});
  catalogue::BasicLaunchLink launch;
  catalogue::Catalogue cat(fs, prompter, "C:\\QF95\\", launch);
  cat.LoadCatalogue();
  for (int slot : {0, 1, 19, 20, 21, 600, 601, -1, 14999}) cat.ReadGameRecord(slot);
  cat.SwitchCurrentSlot(1);
  cat.LoadGameData();
  cat.SaveCatalogue();

  auto game = fs.readWhole("C:\\QF95\\QuillfenGameInfo.dat");
  // Writes never reach beyond the highest valid slot.
  if (game && game->size() > std::max<size_t>(parts[1].size(), 601 * 12255)) __builtin_trap();
  return 0;
}
