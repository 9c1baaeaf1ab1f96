#include "common/cp1251.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

using namespace std::string_literals;

TEST(Cp1251, EveryAssignedByteRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string back = Utf8ToCp1251(Cp1251ToUtf8(byte));
    if (b == 0x98)
      EXPECT_EQ(back, "?");
    else
      EXPECT_EQ(back, byte) << "byte " << b;
  }
}

TEST(Cp1251, KnownCharacters) {
  EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA8\xB8\x88\xB9"s), "АяЁё€№");
  EXPECT_EQ(Utf8ToCp1251("Ёжик в тумане"), "\xA8\xE6\xE8\xEA \xE2 \xF2\xF3\xEC\xE0\xED\xE5"s);
  EXPECT_EQ(Cp1251ToUtf8("\x98"s), "\xEF\xBF\xBD");
}

TEST(Cp1251, UnmappableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("漢ä😀"), "???");
  EXPECT_EQ(Utf8ToCp1251("a\xFF" "b"s), "a?b");
  EXPECT_EQ(Utf8ToCp1251("\xD0"s), "?");              // cut short
  EXPECT_EQ(Utf8ToCp1251("\xC0\x80"s), "??");         // overlong NUL
  EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"s), "???");    // surrogate
  EXPECT_EQ(Utf8ToCp1251("\xEF\xBF\xBD"s), "?");      // U+FFFD has no byte
  EXPECT_EQ(Utf8ToCp1251(std::string("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace tikolvo
