// A started catalogue for the dialog tests: Duke Nukem 3D found on D: (slot 0 current), and
// helpers that put games into slots directly.
#pragma once

#include "support/catalogue_fixture.h"

namespace dialogtest {

class DialogTest : public testsupport::CatalogueTest {
 protected:
  catalogue::Catalogue& started() {
    fs.putFile("D:\\GAMES\\DUKE3D\\DUKE3D.EXE", "MZ");
    catalogue::Catalogue& c = makeCatalogue();
    EXPECT_TRUE(c.LoadCatalogue());
    EXPECT_EQ(c.currentSlot(), 0);
    dukeDir = c.current().get(catalogue::game_info::GameDir);
    return c;
  }

  // Writes a record that has a directory and a name but was never defined.
  void putUndefined(int slot, const std::string& name, const std::string& dir = "E:\\N\\") {
    catalogue::GameInfoRecord r;
    r.set(catalogue::game_info::GameName, name);
    r.set(catalogue::game_info::GameDir, dir);
    cat->WriteGameRecord(slot, r);
  }

  // Writes a defined game named `name` in `dir` to `slot`.
  void putGame(int slot, const std::string& name, const std::string& dir = "E:\\X\\") {
    catalogue::GameInfoRecord r;
    r.set(catalogue::game_info::GameName, name);
    r.set(catalogue::game_info::GameDir, dir);
    r.set(catalogue::game_info::ExecuteFile, "X.EXE");
    r.set(catalogue::game_info::ModemExecuteFile, "X.EXE");
    r.set(catalogue::game_info::IsDefined, 1);
    r.set(catalogue::game_info::Marker, catalogue::kValidMarker);
    cat->WriteGameRecord(slot, r);
  }

  std::string dukeDir;  // where the search found Duke Nukem 3D
};

}  // namespace dialogtest
