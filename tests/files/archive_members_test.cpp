// A ZIP archive in a file list opens under its plus sign: its members listed under it, one of
// them picked for Run by its path through the archive, and closed again.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "files/file_manager.h"
#include "files_fixture.h"

namespace filestest {
namespace {

using files::PickStatus;
using Texts = std::vector<std::string>;

class ArchiveMembersTest : public FilesTest {
 protected:
  ArchiveMembersTest() {
    kind(0, "MAP", {files::kShortDirList}, "<cml>-map <fileonly>");
    kind(1, "ZIP", {files::kShortDirList}, "");
    workDirs("D:\\MAPS\\");
    // Made by Info-ZIP zip: "maps/" and "maps/CITY.MAP".
    std::ifstream in(QF95_SOURCE_DIR "/fuzz/corpus/zip_members/map_in_folder.zip",
                     std::ios::binary);
    fs.putFile("D:\\MAPS\\Friends Pack.zip",
               std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}));
    fs.putFile("D:\\MAPS\\BROKEN.ZIP", "not an archive");
    manager().refreshForGame();
  }
};

TEST_F(ArchiveMembersTest, TheArchiveOpensAndAMemberIsPickedThroughIt) {
  const Texts closed = texts(files::kShortDirList);
  ASSERT_EQ(closed.back(), "FRIEND~1.ZIP");
  const size_t archive = closed.size() - 1;
  ASSERT_TRUE(manager().openEntry(files::kShortDirList, archive));
  Texts open = closed;
  open.push_back("    maps/CITY.MAP");
  EXPECT_EQ(texts(files::kShortDirList), open);

  const files::Selection s = manager().select(files::kShortDirList, archive + 1);
  EXPECT_EQ(s.status, PickStatus::kPicked);
  EXPECT_EQ(s.path, "D:\\MAPS\\FRIEND~1.ZIP\\maps/CITY.MAP");
  EXPECT_EQ(data().get(gd::SelectedFile), "D:\\MAPS\\FRIEND~1.ZIP\\maps/CITY.MAP");
  EXPECT_EQ(data().get(gd::SelectedFileTemplate), "<cml>-map <fileonly>");

  ASSERT_TRUE(manager().openEntry(files::kShortDirList, archive));
  EXPECT_EQ(texts(files::kShortDirList), closed);
  // An archive that is none opens empty; another file does not open at all.
  const size_t broken =
      size_t(std::find(closed.begin(), closed.end(), "BROKEN.ZIP") - closed.begin());
  ASSERT_TRUE(manager().openEntry(files::kShortDirList, broken));
  EXPECT_EQ(texts(files::kShortDirList), closed);
}

}  // namespace
}  // namespace filestest
