// The members of an archive read from its central directory, without trusting a byte of it.
#include "content/zip_members.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"

namespace {

using Bytes = std::vector<uint8_t>;

void put16(Bytes& b, uint32_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}
void put32(Bytes& b, uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}

// An archive of `names` as far as the directory goes: some member data, the directory, the
// end record and its comment.
Bytes archive(const std::vector<std::string>& names, const std::string& comment = "") {
  Bytes b(40, 'x');  // stands for the members' local headers and data
  const uint32_t directoryStart = uint32_t(b.size());
  for (const std::string& name : names) {
    put32(b, 0x02014b50);
    for (int i = 0; i < 8; ++i) put16(b, 0);  // versions, flags, method, time, date, crc
    put32(b, 7);                              // compressed size
    put32(b, 1234);                           // size
    put16(b, uint16_t(name.size()));
    put16(b, 3);  // extra field
    put16(b, 0);
    for (int i = 0; i < 4; ++i) put16(b, 0);
    put32(b, 0);
    b.insert(b.end(), name.begin(), name.end());
    b.insert(b.end(), {1, 2, 3});
  }
  const uint32_t directorySize = uint32_t(b.size()) - directoryStart;
  put32(b, 0x06054b50);
  put16(b, 0);
  put16(b, 0);
  put16(b, uint16_t(names.size()));
  put16(b, uint16_t(names.size()));
  put32(b, directorySize);
  put32(b, directoryStart);
  put16(b, uint16_t(comment.size()));
  b.insert(b.end(), comment.begin(), comment.end());
  return b;
}

TEST(ZipMembers, TheDirectoryNamesEveryMemberFoldersMarked) {
  const Bytes bytes = archive({"maps/", "maps/city.map", "readme.txt"}, "made by hand");
  const auto members = content::zipMembersOf(bytes, bytes.size());
  ASSERT_TRUE(members);
  ASSERT_EQ(members->size(), 3u);
  EXPECT_TRUE((*members)[0].directory);
  EXPECT_EQ((*members)[1].name, "maps/city.map");
  EXPECT_EQ((*members)[1].size, 1234u);
  EXPECT_FALSE((*members)[1].directory);
  EXPECT_EQ(content::zipMemberFileName((*members)[1].name), "city.map");
  for (const char* odd : {"maps/", "a/..", "."}) EXPECT_EQ(content::zipMemberFileName(odd), "");
  EXPECT_EQ(content::zipMemberFileName("..\\x\\E1L1.MAP"), "E1L1.MAP");
}

TEST(ZipMembers, ArchivesThatLieAreNotBelieved) {
  // No end record, a directory that claims more than the file, one that starts before the
  // tail handed over, a count larger than the entries there.
  EXPECT_FALSE(content::zipMembersOf(Bytes(100, 0), 100));
  Bytes bytes = archive({"a.map", "b.map"});
  Bytes lying = bytes;
  lying[lying.size() - 10] = 0xFF;  // directory size
  EXPECT_FALSE(content::zipMembersOf(lying, lying.size()));
  const std::span<const uint8_t> tail(bytes.data() + 50, bytes.size() - 50);
  EXPECT_FALSE(content::zipMembersOf(tail, bytes.size()));
  EXPECT_FALSE(content::zipMembersOf(bytes, bytes.size() - 1));
  lying = bytes;
  lying[lying.size() - 14] = 9;  // nine members claimed, two there
  const auto members = content::zipMembersOf(lying, lying.size());
  ASSERT_TRUE(members);
  EXPECT_EQ(members->size(), 2u);
  // A name with a NUL in it is left out.
  bytes = archive({std::string("bad\0name", 8), "good.map"});
  ASSERT_TRUE(content::zipMembersOf(bytes, bytes.size()));
  EXPECT_EQ(content::zipMembersOf(bytes, bytes.size())->size(), 1u);
}

TEST(ZipMembers, OnlyTheEndOfALargeArchiveIsRead) {
  platform::FakeFileSystem fs;
  Bytes bytes(200000, 'z');
  const Bytes tail = archive({"e1l1.map"}, std::string(300, 'c'));
  // The directory names its place in the whole file.
  Bytes shifted = tail;
  const uint32_t start = uint32_t(bytes.size()) + 40;
  for (int i = 0; i < 4; ++i)
    shifted[shifted.size() - 300 - 6 + size_t(i)] = uint8_t(start >> (8 * i));
  bytes.insert(bytes.end(), shifted.begin(), shifted.end());
  fs.putFile("C:\\PACK.ZIP", std::string(bytes.begin(), bytes.end()));
  const auto members = content::readZipMembers(fs, "C:\\PACK.ZIP");
  ASSERT_TRUE(members);
  ASSERT_EQ(members->size(), 1u);
  EXPECT_EQ((*members)[0].name, "e1l1.map");
  EXPECT_FALSE(content::readZipMembers(fs, "C:\\NONE.ZIP"));
}

}  // namespace
