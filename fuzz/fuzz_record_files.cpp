// Record files of any length and content: the start-up load, slot reads and the game data
// record must never read or write outside their images, nor grow the files without bound.
//
// Input: three files, each ended by the separator kNextFile (the last one by the input's end):
//   the settings file QuillfenUnivInfo.dat, as it is;
//   the game data file Quillfen_Game_data.dat<slot>, as it is;
//   the game file QuillfenGameInfo.dat, packed (input_parts.h) and cut to ten slots, which
//   also stands as the factory file Quillfen.Sig.
// A separator rather than lengths up front: bytes the fuzzer inserts into one file leave the
// others where they are. Seeds (fuzz/corpus/record_files/) are the files of a real first start,
// made by tools/make_fuzz_seeds.py.
//
// A start-up load that finds no game runs a whole first start: the factory definitions written
// over the game file, a drive search, a quarter megabyte rewritten. That path is taken by one
// input in sixteen, picked by a checksum of the whole input so that every mutation draws again;
// the other inputs that would take it go on to the slot reads directly.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "input_parts.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

using catalogue::GameInfoRecord;
using catalogue::UnivInfoRecord;

constexpr uint8_t kNextFile[] = {0,   'Q', 'F', '9', '5', '-', 'N', 'E',
                                 'X', 'T', '-', 'F', 'I', 'L', 'E', 0};

// Ten slots, just under 128 KB: the sanitizer maps every larger block afresh, page by page,
// which would cost more than the code under test. Slots past the end of the file (the generic
// slot 19, the listed slot 20) are read as from any short file, so no path is lost.
constexpr size_t kMaxGameFile = 10 * GameInfoRecord::kSize;
constexpr size_t kMaxSmallFile = 2 * UnivInfoRecord::kSize;

struct Files {
  std::vector<uint8_t> univ, data, game;
};

Files split(const uint8_t* bytes, size_t size) {
  std::span<const uint8_t> rest(bytes, size);
  auto next = [&rest](size_t limit) {
    const size_t end = fuzzinput::find(rest, kNextFile);
    std::vector<uint8_t> part(rest.begin(), rest.begin() + std::ptrdiff_t(std::min(end, limit)));
    rest = rest.subspan(std::min(rest.size(), end + sizeof kNextFile));
    return part;
  };
  Files files;
  files.univ = next(kMaxSmallFile);
  files.data = next(kMaxSmallFile);
  files.game = fuzzinput::unpack(rest, kMaxGameFile);
  return files;
}

// Whether the start-up load will find a game, as it looks: both markers of the settings, and
// in the game file a named, marked record at the current slot. Else it runs a first start.
bool loadFindsAGame(const Files& files) {
  UnivInfoRecord univ;
  std::copy_n(files.univ.begin(), std::min(files.univ.size(), univ.bytes().size()),
              univ.bytes().begin());
  if (univ.get(catalogue::univ_info::Marker1) != catalogue::kValidMarker ||
      univ.get(catalogue::univ_info::Marker2) != catalogue::kValidMarker)
    return false;
  const int slot = univ.get(catalogue::univ_info::CurrentSlot);
  if (!catalogue::isSelectableSlot(slot)) return false;
  const size_t offset = size_t(slot) * GameInfoRecord::kSize;
  if (offset >= files.game.size()) return false;
  GameInfoRecord record;
  std::copy_n(files.game.begin() + std::ptrdiff_t(offset),
              std::min(files.game.size() - offset, record.bytes().size()), record.bytes().begin());
  return record.get(catalogue::game_info::Marker) == catalogue::kValidMarker &&
         !record.get(catalogue::game_info::GameDir).empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Files files = split(data, size);
  const size_t gameSize = files.game.size();
  const bool load = loadFindsAGame(files) || fuzzinput::checksum(data, size) % 16 == 0;
  platform::FakeFileSystem fs;
  fs.setCurrentDirectory("C:\\QF95\\");
  fs.putFile("C:\\QF95\\QuillfenUnivInfo.dat", std::move(files.univ));
  for (int slot : {0, 1, 19, 20})
    fs.putFile("C:\\QF95\\Quillfen_Game_data.dat" + std::to_string(slot), files.data);
  fs.putFile("C:\\QF95\\Quillfen.Sig", files.game);
  fs.putFile("C:\\QF95\\QuillfenGameInfo.dat", std::move(files.game));

  platform::ScriptedPrompter prompter;
  prompter.script({platform::Answer::kOk, platform::Answer::kCancel});
  catalogue::BasicLaunchLink launch;
  catalogue::Catalogue cat(fs, prompter, "C:\\QF95\\", launch);
  if (load) cat.LoadCatalogue();
  for (int slot : {0, 1, 19, 20, 21, 600, 601, -1, 14999}) cat.ReadGameRecord(slot);
  cat.SwitchCurrentSlot(1);
  cat.LoadGameData();
  cat.SaveCatalogue();

  auto game = fs.open("C:\\QF95\\QuillfenGameInfo.dat", platform::OpenMode::kRead);
  // Writes never reach beyond the highest valid slot.
  if (game && game->length() > std::max<size_t>(gameSize, 601 * GameInfoRecord::kSize))
    __builtin_trap();
  return 0;
}
