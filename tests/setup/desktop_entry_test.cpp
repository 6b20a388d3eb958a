#include "setup/desktop_entry.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

TEST(DesktopEntry, QuotesArgumentsAndEscapesValues) {
  DesktopEntry entry;
  entry.name = "Quillfen95";
  entry.exec = {"env", "QF95_PREFIX=/home/a b/.qf", "/games/100% \"best\"/$x\\quillfen95.exe"};
  entry.tryExec = "/games/plain/quillfen95.exe";
  entry.path = "/games/a\\b";
  const std::string text = formatDesktopEntry(entry);
  EXPECT_EQ(text.rfind("[Desktop Entry]\nType=Application\n", 0), 0u) << text;
  // Quoting first ("\$", "\\", "%%"), then the value escapes double every backslash.
  EXPECT_NE(text.find("\nExec=env \"QF95_PREFIX=/home/a b/.qf\" "
                      "\"/games/100%% \\\\\"best\\\\\"/\\\\$x\\\\\\\\quillfen95.exe\"\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\nTryExec=/games/plain/quillfen95.exe\n"), std::string::npos);
  EXPECT_NE(text.find("\nPath=/games/a\\\\b\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nName=Quillfen95\n"), std::string::npos);
}

}  // namespace
}  // namespace setup
