// Reads and writes of records at an offset: what a short file gives, and when a whole-file
// replacement is skipped because the record is already there.
#include "catalogue/record_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fake/fake_file_system.h"

namespace catalogue {
namespace {

constexpr const char* kFile = "C:\\QF95\\records.dat";

std::vector<uint8_t> pattern(size_t size, uint8_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = uint8_t(seed + i * 7);
  return bytes;
}

TEST(RecordFile, ARecordAlreadyInPlaceIsNotWrittenAgain) {
  platform::FakeFileSystem fs;
  // Records larger than the blocks the comparison reads, so every block counts.
  const size_t kRecord = 10000;
  std::vector<uint8_t> file = pattern(3 * kRecord, 1);
  fs.putFile(kFile, file);
  const std::vector<uint8_t> same(file.begin() + kRecord, file.begin() + 2 * kRecord);
  fs.failReplace(kFile);
  EXPECT_TRUE(writeAtOffset(fs, kFile, kRecord, same, false, Gap::kZeros));

  std::vector<uint8_t> lastByte = same;
  lastByte.back() ^= 1;
  EXPECT_FALSE(writeAtOffset(fs, kFile, kRecord, lastByte, false, Gap::kZeros));
  std::vector<uint8_t> firstByte = same;
  firstByte.front() ^= 1;
  EXPECT_FALSE(writeAtOffset(fs, kFile, kRecord, firstByte, false, Gap::kZeros));

  platform::FakeFileSystem writable;
  writable.putFile(kFile, file);
  ASSERT_TRUE(writeAtOffset(writable, kFile, kRecord, lastByte, false, Gap::kZeros));
  std::copy(lastByte.begin(), lastByte.end(), file.begin() + kRecord);
  EXPECT_EQ(writable.readWhole(kFile), file);
  // A record reaching past the end is never "already there", even if the part inside matches.
  const std::vector<uint8_t> tail(file.end() - 100, file.end());
  std::vector<uint8_t> longer = tail;
  longer.push_back(0);
  ASSERT_TRUE(writeAtOffset(writable, kFile, file.size() - 100, longer, false, Gap::kZeros));
  EXPECT_EQ(writable.readWhole(kFile)->size(), file.size() + 1);
}

TEST(RecordFile, WhatAShortFileDoesNotHoldReadsAsZero) {
  platform::FakeFileSystem fs;
  const std::vector<uint8_t> file = pattern(150, 3);
  fs.putFile(kFile, file);
  std::vector<uint8_t> out(100, 0xAA);
  ASSERT_TRUE(readAtOffset(fs, kFile, 100, out));
  EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 50),
            std::vector<uint8_t>(file.begin() + 100, file.end()));
  EXPECT_EQ(std::vector<uint8_t>(out.begin() + 50, out.end()), std::vector<uint8_t>(50, 0));

  std::fill(out.begin(), out.end(), 0xAA);
  ASSERT_TRUE(readAtOffset(fs, kFile, 5000, out));  // wholly beyond the end
  EXPECT_EQ(out, std::vector<uint8_t>(100, 0));

  std::fill(out.begin(), out.end(), 0xAA);
  EXPECT_FALSE(readAtOffset(fs, "C:\\QF95\\missing.dat", 0, out));
  EXPECT_EQ(out, std::vector<uint8_t>(100, 0));
}

}  // namespace
}  // namespace catalogue
