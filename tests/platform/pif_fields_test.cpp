// Reading the start fields back from a PIF of any shape: the launch's own, one from a PIF
// editor padded with blanks, full fields without a NUL, and cut files.
#include "platform/pif_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

std::vector<uint8_t> pifBytes(const std::string& program, const std::string& dir, uint8_t flags) {
  std::vector<uint8_t> bytes(pif::kFileSize, 0);
  std::copy(program.begin(), program.end(), bytes.begin() + pif::kProgram);
  std::copy(dir.begin(), dir.end(), bytes.begin() + pif::kWorkDir);
  bytes[pif::kFlags] = flags;
  return bytes;
}

TEST(PifReading, FieldsStopAtTheirNulOrTheirEndAndLoseTrailingBlanks) {
  auto pif = readPif(pifBytes("D:\\GAMES\\TEST\\STANDIN.COM  ", "D:\\GAMES\\TEST", 0x10));
  ASSERT_TRUE(pif);
  EXPECT_EQ(pif->program, "D:\\GAMES\\TEST\\STANDIN.COM");
  EXPECT_EQ(pif->workingDirectory, "D:\\GAMES\\TEST");
  EXPECT_TRUE(pif->closeOnExit);
  EXPECT_FALSE(readPif(pifBytes("A.EXE", "", 0xEF))->closeOnExit);
  EXPECT_TRUE(readPif(pifBytes("A.EXE", "", 0xFF))->closeOnExit);

  // Full fields without a NUL must not run into the flags byte or the parameters after them.
  auto full = pifBytes(std::string(63, 'P'), std::string(64, 'W'), 0x10);
  std::fill(full.begin() + pif::kStartBytes, full.end(), 'X');
  pif = readPif(full);
  ASSERT_TRUE(pif);
  EXPECT_EQ(pif->program, std::string(63, 'P'));
  EXPECT_EQ(pif->workingDirectory, std::string(64, 'W'));
}

TEST(PifReading, TheFileMayEndWithTheWorkingDirectory) {
  std::vector<uint8_t> bytes(pif::kStartBytes, 'x');
  bytes[pif::kFlags] = 0xFF;
  auto read = readPif(bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->program, std::string(pif::kProgramSize, 'x'));
  EXPECT_EQ(read->workingDirectory, std::string(pif::kWorkDirSize, 'x'));
}

TEST(PifReading, ACutFileGivesNothing) {
  // A cut program name would start another program: no partial fields are handed out.
  auto bytes = pifBytes("C:\\LONGNAME.EXE", "C:\\DIR", 0x10);
  for (size_t size :
       {size_t(0), pif::kProgram + 6, pif::kFlags, pif::kWorkDir + 7, pif::kStartBytes - 1})
    EXPECT_FALSE(readPif(std::span(bytes).first(size))) << size;
}

}  // namespace
}  // namespace platform
