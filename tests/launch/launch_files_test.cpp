// Files the launch places in the game directory: the patched argument helper and the
// renamed add-on content.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "launch/arg_pass_patch.h"
#include "launch/content_names.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

using launch::kArgPassSize;

std::vector<uint8_t> builtHelper() {
  std::ifstream in(QF95_ARG_PASS_PATH, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string slotText(const std::vector<uint8_t>& image, const std::string& marker) {
  auto at = std::search(image.begin(), image.end(), marker.begin(), marker.end());
  EXPECT_NE(at, image.end()) << marker;
  std::string text;
  for (auto p = at + std::ptrdiff_t(marker.size()); p != image.end() && *p; ++p) text += char(*p);
  return text;
}

class ArgPassPatchTest : public ::testing::Test {
 protected:
  ArgPassPatchTest() {
    fs.addDrive('D');
    fs.putFile("C:\\QF95\\arg_pass.com", builtHelper());
  }
  bool patch(const std::string& selectedDir, const std::string& program) {
    return launch::patchArgPass(fs, prompter, "C:\\QF95\\", "D:\\DUKE\\", selectedDir, program);
  }
  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
};

TEST_F(ArgPassPatchTest, CopiesTheShippedHelperAndWritesDirectoryProgramAndFlag) {
  ASSERT_EQ(builtHelper().size(), kArgPassSize);
  fs.makeDirectories("D:\\DUKE");
  ASSERT_TRUE(patch("D:\\MAPS\\MINE\\", "D:\\DUKE\\duke3d.exe"));
  auto image = *fs.readWhole("D:\\DUKE\\arg_pass.com");
  EXPECT_EQ(image.size(), kArgPassSize);
  EXPECT_EQ(slotText(image, "xxchdir"), "D:\\MAPS\\MINE");
  EXPECT_EQ(slotText(image, "yydukedir"), "D:\\DUKE\\duke3d.exe");
  EXPECT_EQ(slotText(image, "zzdukedir").substr(0, 1), "N");
  EXPECT_TRUE(prompter.boxes().empty());

  // A second launch patches the same copy again; shorter texts leave no tail behind.
  ASSERT_TRUE(patch("D:\\M\\", "D:\\DUKE\\a.exe"));
  image = *fs.readWhole("D:\\DUKE\\arg_pass.com");
  EXPECT_EQ(slotText(image, "xxchdir"), "D:\\M");
  EXPECT_EQ(slotText(image, "yydukedir"), "D:\\DUKE\\a.exe");
}

TEST_F(ArgPassPatchTest, AHelperOfAnotherSizeIsReplacedAndLongPathsStayInTheirRoom) {
  fs.putFile("D:\\DUKE\\arg_pass.com", std::string("xxchdir"));
  const std::string longDir = "D:\\" + std::string(300, 'A') + "\\";
  ASSERT_TRUE(patch(longDir, "D:\\DUKE\\duke3d.exe"));
  auto image = *fs.readWhole("D:\\DUKE\\arg_pass.com");
  ASSERT_EQ(image.size(), kArgPassSize);
  EXPECT_EQ(slotText(image, "xxchdir").size(), launch::kArgPassPathRoom - 1);
  // The next marker right after the directory room is intact.
  EXPECT_EQ(slotText(image, "yydukedir"), "D:\\DUKE\\duke3d.exe");
}

TEST_F(ArgPassPatchTest, MissingHelperOrMarkersAbandonTheLaunch) {
  fs.deleteFile("C:\\QF95\\arg_pass.com");
  fs.makeDirectories("D:\\DUKE");
  EXPECT_FALSE(patch("D:\\DUKE\\", "D:\\DUKE\\duke3d.exe"));
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"Could Not find arg_pass.com file in the Quillfen directory "
                                     "(C:\\QF95\\arg_pass.com)(C:\\QF95\\)."});

  std::vector<uint8_t> noMarkers(kArgPassSize, 'x');
  fs.putFile("D:\\DUKE\\arg_pass.com", noMarkers);
  EXPECT_FALSE(patch("D:\\DUKE\\", "D:\\DUKE\\duke3d.exe"));
  EXPECT_EQ(prompter.boxes().size(), 1u);  // silent
  EXPECT_EQ(*fs.readWhole("D:\\DUKE\\arg_pass.com"), noMarkers);
}

TEST(AddOnContent, TilesAndScriptsGetTheNamesTheGameLoads) {
  platform::FakeFileSystem fs;
  fs.putFile("C:\\ADDON\\tiles005.dat", "a");
  fs.putFile("C:\\ADDON\\TILES006.DAT", "b");
  fs.putFile("C:\\ADDON\\TILES006.ART", "kept");
  fs.putFile("C:\\ADDON\\tiles012.art", "c");
  fs.putFile("C:\\ADDON\\game.txt", "d");
  fs.putFile("C:\\ADDON\\user", "no extension");
  fs.putFile("C:\\ADDON\\def.con", "e");
  launch::renameAddOnContent(fs, "C:\\ADDON\\");
  EXPECT_TRUE(fs.exists("C:\\ADDON\\TILES005.ART"));
  EXPECT_FALSE(fs.exists("C:\\ADDON\\tiles005.dat"));
  EXPECT_TRUE(fs.exists("C:\\ADDON\\TILES006.DAT"));  // its target name exists
  EXPECT_EQ(fs.find("C:\\ADDON\\tiles012.*").at(0).longName, "tiles012.art");
  EXPECT_TRUE(fs.exists("C:\\ADDON\\GAME.CON"));
  EXPECT_TRUE(fs.exists("C:\\ADDON\\user"));
  EXPECT_EQ(fs.find("C:\\ADDON\\def.*").at(0).longName, "def.con");
}

}  // namespace
