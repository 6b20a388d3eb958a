// Makes the current game a bare definition — where it lives, what it runs, its type — with no
// switch texts, so a test sets exactly the templates it looks at. Its game data is remade.
#pragma once

#include "catalogue/catalogue.h"
#include "platform/file_system.h"

namespace testsupport {

inline void useBareDefinition(catalogue::Catalogue& cat, platform::FileSystem& fs) {
  namespace gi = catalogue::game_info;
  const catalogue::GameInfoRecord& full = cat.current();
  catalogue::GameInfoRecord bare;
  for (const auto* f :
       {&gi::GameName, &gi::GameDir, &gi::ExecuteFile, &gi::ModemExecuteFile,
        &gi::SerialExecuteFile, &gi::IpxExecuteFile, &gi::KahnExecuteFile, &gi::InternetExecuteFile,
        &gi::NetServerExecuteFile, &gi::InternetServerExecuteFile})
    bare.set(*f, full.get(*f));
  bare.set(gi::GameKind, full.get(gi::GameKind));
  bare.set(gi::IsDefined, full.get(gi::IsDefined));
  bare.set(gi::Marker, full.get(gi::Marker));
  const int slot = cat.currentSlot();
  cat.current() = bare;
  cat.WriteGameRecord(slot, bare);
  fs.deleteFile(catalogue::gameDataPath(cat.startupDirectory(), slot));
  cat.SwitchCurrentSlot(slot);
}

}  // namespace testsupport
