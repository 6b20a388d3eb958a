// The prepared shortcut the build puts into the setup image, read back with a strict reader.
#include "setup/shortcut_template.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "setup/shell_link_reader.h"
#include "setup/shortcut_layout.h"

namespace setup::shortcut {
namespace {

std::vector<uint8_t> builtTemplate() {
  std::ifstream in(QF95_SETUP_IMAGE_DIR "/Quillfen.lnk", std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

TEST(ShortcutTemplate, BuiltFileIsAnEmptyShortcutToTheProgram) {
  const std::vector<uint8_t> bytes = builtTemplate();
  EXPECT_EQ(bytes, makeTemplate());
  const testsupport::ShellLink link = testsupport::parseShellLink(bytes);
  EXPECT_EQ(link.flags, 0x13u);  // ID list, LinkInfo, working directory; ANSI strings
  EXPECT_EQ(link.items, (std::vector<std::string>{"My Computer", "", "", "quillfen95.exe"}));
  EXPECT_EQ(link.target(), "");
  EXPECT_EQ(link.workingDirectory, "");
  // Every byte the install path may take is free.
  for (auto [offset, field] : {std::pair{kDriveOffset, kDriveField},
                               {kFolderOffset, kFolderField},
                               {kTargetOffset, kTargetField},
                               {kWorkingDirOffset, kWorkingDirField}}) {
    for (size_t i = offset; i < offset + field; ++i) ASSERT_EQ(bytes.at(i), 0) << "byte " << i;
  }
}

TEST(ShortcutTemplate, ReaderRejectsDamagedLinks) {
  const std::vector<uint8_t> good = makeTemplate();
  auto damaged = [&](auto change) {
    std::vector<uint8_t> bytes = good;
    change(bytes);
    return bytes;
  };
  const std::vector<std::vector<uint8_t>> bad = {
      damaged([](auto& b) { b.resize(b.size() - 1); }),
      damaged([](auto& b) { b.push_back(0); }),
      damaged([](auto& b) { b[0] = 0x4D; }),
      damaged([](auto& b) { b[76] += 2; }),                       // ID list size
      damaged([](auto& b) { b[123] -= 2; }),                      // folder item size
      damaged([](auto& b) { b[235] += 1; }),                      // LinkInfo size
      damaged([](auto& b) { b[kTargetOffset + 40] = 'x'; }),      // after the path's NUL
      damaged([](auto& b) { b[kWorkingDirOffset + 40] = 'x'; }),  // in the counted string
      damaged([](auto& b) { b[kFolderOffset + kFolderField - 1] = 'x'; }),
  };
  EXPECT_NO_THROW(testsupport::parseShellLink(good));
  for (size_t i = 0; i < bad.size(); ++i) {
    EXPECT_THROW(testsupport::parseShellLink(bad[i]), std::runtime_error) << "case " << i;
  }
}

}  // namespace
}  // namespace setup::shortcut
