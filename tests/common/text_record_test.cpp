#include "common/text_record.h"

#include <gtest/gtest.h>

#include "common/utf8_text.h"

namespace tikolvo {
namespace {

TEST(TextRecord, HeadAndTailSplitAtFirstBars) {
  EXPECT_EQ(HeadOf("name||value"), "name");
  EXPECT_EQ(TailOf("name||value"), "value");
  EXPECT_EQ(HeadOf("a||b||c"), "a");
  EXPECT_EQ(TailOf("a||b||c"), "b||c");
  EXPECT_EQ(HeadOf("||x"), "");
  EXPECT_EQ(TailOf("||x"), "x");
  EXPECT_EQ(TailOf("a||"), "");
  EXPECT_EQ(TailOf("|||"), "|");
}

TEST(TextRecord, WithoutBarsHeadIsEmptyAndTailDropsFirstCharacter) {
  EXPECT_EQ(HeadOf("abc"), "");
  EXPECT_EQ(TailOf("abc"), "bc");
  EXPECT_EQ(TailOf(""), "");
  // A Cyrillic first letter is one character, two bytes.
  EXPECT_EQ(TailOf("Ящик"), "щик");
  EXPECT_EQ(LastOf("Ящик"), "щик");
}

TEST(TextRecord, MiddleAndLastOfThreeFields) {
  EXPECT_EQ(MiddleOf("a||7][text][more"), "7");
  EXPECT_EQ(LastOf("a||7][text][more"), "text][more");
  EXPECT_EQ(HeadOf("a||7][text][more"), "a");
  EXPECT_EQ(MiddleOf("a||x||y][z"), "x||y");
  EXPECT_EQ(MiddleOf("a||][z"), "");
}

TEST(TextRecord, MiddleWithMissingSeparators) {
  EXPECT_EQ(MiddleOf("a||7"), "");
  EXPECT_EQ(MiddleOf("x12][t"), "12");
  EXPECT_EQ(MiddleOf("Ж12][t"), "12");
  EXPECT_EQ(MiddleOf("x][t"), "");
  // "][" before "||": nothing in between.
  EXPECT_EQ(MiddleOf("a][b||c"), "");
  EXPECT_EQ(MiddleOf("a|][|b"), "|");  // a single bar is no separator
  EXPECT_EQ(LastOf("abc"), "bc");
}

TEST(TextRecord, NumbersFromFields) {
  EXPECT_EQ(MiddleNumber("a||42][t"), 42);
  EXPECT_EQ(MiddleNumber("a||-7][t"), -7);
  EXPECT_EQ(MiddleNumber("a||x][t"), 0);
  EXPECT_EQ(MiddleNumber("a||][t"), 0);
  EXPECT_EQ(MiddleNumber("a||42 ][t"), 0);
  EXPECT_EQ(TailNumber("a||  15  "), 15);
  EXPECT_EQ(TailNumber("a||\t15\r"), 15);
  EXPECT_EQ(TailNumber("a||$1F"), 31);
  EXPECT_EQ(TailNumber("a15"), 0);
  EXPECT_EQ(TailNumber("515"), 0);
  EXPECT_EQ(TailNumber("a||1.5"), 0);
}

TEST(Utf8Text, CopyCharsClampsLikeTheRecordFormatsDescribe) {
  EXPECT_EQ(CopyChars("привет", 2, 3), "рив");
  EXPECT_EQ(CopyChars("abc", 0, 2), "ab");
  EXPECT_EQ(CopyChars("abc", -5, 1), "a");
  EXPECT_EQ(CopyChars("abc", 2, 0), "");
  EXPECT_EQ(CopyChars("abc", 2, -1), "");
  EXPECT_EQ(CopyChars("abc", 2, 100), "bc");
  EXPECT_EQ(CopyChars("abc", 4, 1), "");
  EXPECT_EQ(CharCount("Ёж x"), 4u);
}

}  // namespace
}  // namespace tikolvo
