// Any bytes as the game list file: the reader and the search that applies its entries must
// stay inside their bounds whatever the file holds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalogue/catalogue.h"
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

  // The whole first start over a small machine, with the file as its game list.
  platform::FakeFileSystem fs;
  fs.putFile("C:\\games\\A\\A.EXE", "MZ");
  fs.putFile("C:\\PROGRA~1\\B\\B.EXE", "MZ");
  fs.putFile("C:\\QF95\\gamelst1.cfg", std::vector<uint8_t>(data, data + size));
  fs.setCurrentDirectory("C:\\QF95\\");
  platform::ScriptedPrompter prompter;
  prompter.script({platform::Answer::kOk, platform::Answer::kCancel});
  catalogue::BasicLaunchLink launch;
  catalogue::Catalogue cat(fs, prompter, "C:\\QF95\\", launch);
  cat.LoadCatalogue();
  return 0;
}
