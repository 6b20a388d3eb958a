// A catalogue whose current game is built by the test: its file kinds, its working
// directories and the settings, over the fake machine of the catalogue tests.
#pragma once

#include <initializer_list>
#include <string>

#include "files/file_manager.h"
#include "support/catalogue_fixture.h"

namespace filestest {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

class FilesTest : public testsupport::CatalogueTest {
 protected:
  FilesTest() {
    makeCatalogue();
    game().set(gi::GameDir, "D:\\GAMES\\DUKE3D\\");
    cat->univ().set(ui::FileManagerMode, 4);
  }

  catalogue::GameInfoRecord& game() { return cat->current(); }
  catalogue::GameDataRecord& data() { return cat->gameData(); }

  // File kind `i` with its extension text, the lists (0-3) that show it and its load template.
  void kind(size_t i, const std::string& extension, std::initializer_list<size_t> lists,
            const std::string& load = "") {
    game().set(gi::FileKindExtension, extension, i);
    game().set(gi::FileKindLoadCommand, load, i);
    for (size_t list : lists) {
      switch (list) {
        case files::kShortDirList:
          game().set(gi::FileKindShortDir, 1, i);
          break;
        case files::kLongDirList:
          game().set(gi::FileKindLongDir, 1, i);
          break;
        case files::kMisc1DirList:
          game().set(gi::FileKindMisc1Dir, 1, i);
          break;
        default:
          game().set(gi::FileKindMisc2Dir, 1, i);
      }
    }
  }

  void workDirs(const std::string& dir) {
    for (size_t i = 0; i < files::kFileLists; ++i) data().set(gd::WorkDir, dir, i);
  }

  files::FileManager& manager() {
    if (!fm) fm = std::make_unique<files::FileManager>(*cat, fs);
    return *fm;
  }

  std::vector<std::string> texts(size_t list) { return manager().list(list).texts(); }

  std::unique_ptr<files::FileManager> fm;
};

}  // namespace filestest
