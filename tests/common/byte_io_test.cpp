#include "common/byte_io.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

using namespace std::string_literals;

TEST(ByteReader, ReadsLittleEndianFields) {
  const std::string data = "\x01\x34\x12\x78\x56\x34\x12\xFE\xFF\xFF\xFF"s +
                           "\x00\x00\x00\x00\x00\x00\xF0\x3F"s +  // 1.0
                           "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s;
  ByteReader reader(data);
  EXPECT_EQ(reader.U8(), 1);
  EXPECT_EQ(reader.U16(), 0x1234);
  EXPECT_EQ(reader.U32(), 0x12345678u);
  EXPECT_EQ(reader.I32(), -2);
  EXPECT_EQ(reader.F64(), 1.0);
  EXPECT_EQ(reader.I64(), -1);
  EXPECT_TRUE(reader.ok());
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST(ByteReader, ReadingPastTheEndFailsAndStaysFailed) {
  const std::string three = "\x01\x02\x03"s;
  ByteReader reader(three);
  EXPECT_EQ(reader.U16(), 0x0201);
  EXPECT_EQ(reader.U32(), 0u);
  EXPECT_FALSE(reader.ok());
  // Even a read that would fit now returns zero: the record is broken.
  EXPECT_EQ(reader.U8(), 0);
  EXPECT_EQ(reader.Bytes(1), "");
  EXPECT_EQ(reader.position(), 2u);

  ByteReader huge("abc");
  huge.Skip(SIZE_MAX);
  EXPECT_FALSE(huge.ok());
}

TEST(ByteReader, ShortStringIsCp1251WithClampedLength) {
  // "Привет" in CP1251, capacity 8, padded.
  const std::string field = "\x06\xCF\xF0\xE8\xE2\xE5\xF2\x00\x00"s;
  const std::string record = field + "\x2A"s;
  ByteReader reader(record);
  EXPECT_EQ(reader.ShortString(8), "Привет");
  EXPECT_EQ(reader.U8(), 42);

  const std::string overlong_field = "\xFF" "abc" "\x07"s;
  ByteReader overlong(overlong_field);
  EXPECT_EQ(overlong.ShortString(3), "abc");
  EXPECT_EQ(overlong.U8(), 7);

  const std::string truncated_field = "\x02" "ab"s;
  ByteReader truncated(truncated_field);
  EXPECT_EQ(truncated.ShortString(5), "");
  EXPECT_FALSE(truncated.ok());
}

TEST(ByteWriter, WritesTheSameLayoutTheReaderReads) {
  ByteWriter writer;
  writer.U8(0xAB);
  writer.U16(0x1234);
  writer.I32(-2);
  writer.F64(0.5);
  writer.I64(INT64_MIN);
  writer.Zeros(2);
  EXPECT_EQ(writer.data(), "\xAB\x34\x12\xFE\xFF\xFF\xFF"s + "\x00\x00\x00\x00\x00\x00\xE0\x3F"s +
                               "\x00\x00\x00\x00\x00\x00\x00\x80"s + "\x00\x00"s);
}

TEST(ByteWriter, ShortStringCutsInCp1251BytesAndPads) {
  ByteWriter writer;
  // Six Cyrillic letters are 12 UTF-8 bytes but 6 CP1251 bytes: they fit.
  writer.ShortString("Привет", 6);
  EXPECT_EQ(writer.data(), "\x06\xCF\xF0\xE8\xE2\xE5\xF2"s);

  ByteWriter cut;
  cut.ShortString("Привет", 4);
  EXPECT_EQ(cut.data(), "\x04\xCF\xF0\xE8\xE2"s);

  ByteWriter padded;
  padded.ShortString("漢a", 4);
  EXPECT_EQ(padded.data(), "\x02?a\x00\x00"s);
}

}  // namespace
}  // namespace tikolvo
