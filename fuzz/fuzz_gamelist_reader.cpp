// Any bytes as the game list file: the reader and the search that applies its entries must
// stay inside their bounds whatever the file holds.
//
// Input: the game list file's text as it is. Seeds (fuzz/corpus/gamelist_reader/): the shipped
// data/gamelst1.cfg and variants whose entries name the games of the small machine below, so
// the found-game path (claims, override names, the record written to its slot) is reached.
// The search runs on its own over the text, as the first start runs it after the built-in
// types: the rest of a first start is the record files' target. There is no game file, so the
// first game found ends the search as a failed write does: each found game would otherwise
// rewrite a quarter megabyte, slot 20 lying past the twenty factory definitions.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalogue/catalogue_files.h"
#include "catalogue/game_finder.h"
#include "catalogue/game_list_reader.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  catalogue::GameListReader list(text);
  for (int entries = 0; entries < 64 && list.NextEntry(); ++entries) {
    for (const char* key : {"ExecuteFile", "SearchDir", "GameVerFileVerify", "GameType", "AltDir",
                            "RegKey", "CFGFile6", ""})
      (void)list.ReadSetting(key);
  }

  // A small machine: games in the usual places on C:, a player's own folder on D:.
  platform::FakeFileSystem fs;
  fs.addDrive('D');
  fs.putFile("C:\\games\\A\\A.EXE", "MZ");
  fs.putFile("C:\\games\\A\\A.WAD", "IWAD");
  fs.putFile("C:\\PROGRA~1\\B\\B.EXE", "MZ");
  fs.putFile("D:\\My Games\\C\\C.EXE", "MZ");
  fs.setCurrentDirectory("C:\\QF95\\");
  platform::ScriptedPrompter prompter;
  catalogue::UnivInfoRecord univ;
  univ.set(catalogue::univ_info::CurrentSlot, catalogue::kNoSlotSelected);
  catalogue::GameFinder finder(fs, prompter, "C:\\QF95\\", univ);
  finder.SearchGameList(text);
  return 0;
}
