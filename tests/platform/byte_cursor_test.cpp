// The byte cursor: numbers in both byte orders, fixed text fields, and every way of reading
// past the end failing without moving or touching bytes outside the span.
#include "platform/byte_cursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

TEST(ByteCursor, NumbersInBothByteOrders) {
  const std::vector<uint8_t> bytes{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0,
                                   0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xFF};
  ByteCursor in(bytes);
  EXPECT_EQ(in.u16le(), 0x3412);
  EXPECT_EQ(in.u32le(), 0xBC9A7856u);  // high bits set: no sign extension
  EXPECT_EQ(in.u16be(), 0xDEF0);
  EXPECT_EQ(in.u32be(), 0x01020304u);
  EXPECT_EQ(in.position(), 12u);
  EXPECT_EQ(in.remaining(), 3u);
  EXPECT_EQ(in.u8(), 0x05);
  EXPECT_EQ(in.u8(), 0x06);
  EXPECT_EQ(in.u8(), 0xFF);
  EXPECT_TRUE(in.atEnd());
  EXPECT_FALSE(in.failed());
}

TEST(ByteCursor, AReadPastTheEndFailsAndLeavesTheCursorInPlace) {
  const std::vector<uint8_t> bytes{1, 2, 3};
  ByteCursor in{std::span(bytes).first(2)};  // the third byte is outside the cursor's span
  ASSERT_TRUE(in.skip(1));
  EXPECT_EQ(in.u16le(), std::nullopt);
  EXPECT_EQ(in.u16be(), std::nullopt);
  EXPECT_EQ(in.u32le(), std::nullopt);
  EXPECT_EQ(in.bytes(2), std::nullopt);
  EXPECT_EQ(in.text(2), std::nullopt);
  EXPECT_FALSE(in.skip(2));
  EXPECT_EQ(in.position(), 1u);
  EXPECT_TRUE(in.failed());
  // The failure stays on record; reads that fit still give their value.
  EXPECT_EQ(in.u8(), 2);
  EXPECT_TRUE(in.failed());
  EXPECT_EQ(in.u8(), std::nullopt);

  ByteCursor empty({});
  EXPECT_EQ(empty.u8(), std::nullopt);
  EXPECT_TRUE(empty.failed());
}

TEST(ByteCursor, SeekAndSkipMayReachTheEndButNotBeyond) {
  const std::vector<uint8_t> bytes(10, 0);
  ByteCursor in(bytes);
  EXPECT_TRUE(in.seek(10));
  EXPECT_TRUE(in.atEnd());
  EXPECT_FALSE(in.failed());
  EXPECT_FALSE(in.seek(11));
  EXPECT_EQ(in.position(), 10u);
  EXPECT_TRUE(in.failed());

  ByteCursor huge(bytes);
  ASSERT_TRUE(huge.seek(4));
  EXPECT_FALSE(huge.skip(SIZE_MAX));  // no wrap-around of position + count
  EXPECT_EQ(huge.bytes(SIZE_MAX - 2), std::nullopt);
  EXPECT_EQ(huge.position(), 4u);
}

TEST(ByteCursor, TextFieldsStopAtTheirNulOrTheirEnd) {
  const std::string raw = std::string("AB\0CD", 5) + "EFGH";
  const std::vector<uint8_t> bytes(raw.begin(), raw.end());
  ByteCursor in(bytes);
  EXPECT_EQ(in.text(5), "AB");  // the bytes after the NUL belong to the field all the same
  EXPECT_EQ(in.position(), 5u);
  EXPECT_EQ(in.text(3), "EFG");         // no NUL: the field's end ends the text
  EXPECT_EQ(in.text(2), std::nullopt);  // one byte left: a field must lie inside whole
  EXPECT_EQ(in.position(), 8u);
  EXPECT_EQ(in.text(0), "");
  EXPECT_EQ(in.text(1), "H");
}

TEST(ByteCursor, BytesAreAViewOfTheSpan) {
  const std::vector<uint8_t> bytes{9, 8, 7, 6};
  ByteCursor in(bytes);
  in.skip(1);
  auto view = in.bytes(2);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->data(), bytes.data() + 1);
  EXPECT_EQ(view->size(), 2u);
  EXPECT_EQ(in.position(), 3u);
  EXPECT_EQ(in.size(), 4u);
}

}  // namespace
}  // namespace platform
