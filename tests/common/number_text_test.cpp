#include "common/number_text.h"

#include <gtest/gtest.h>

#include "common/mem_info.h"

namespace tikolvo {
namespace {

TEST(ParseInt32, AcceptsClassicIntegerForms) {
  EXPECT_EQ(ParseInt32("0"), 0);
  EXPECT_EQ(ParseInt32("+12"), 12);
  EXPECT_EQ(ParseInt32("-12"), -12);
  EXPECT_EQ(ParseInt32("  7"), 7);
  EXPECT_EQ(ParseInt32("$ff"), 255);
  EXPECT_EQ(ParseInt32("0x10"), 16);
  EXPECT_EQ(ParseInt32("-$10"), -16);
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInt32("$FFFFFFFF"), -1);
}

TEST(ParseInt32, RejectsEverythingElse) {
  for (const char* bad : {"", " ", "-", "$", "0x", "12a", "7 ", "1.0", "1e3", "--1", "2147483648",
                          "-2147483649", "$100000000", "99999999999999999999", "٣"})
    EXPECT_EQ(ParseInt32(bad), std::nullopt) << bad;
  EXPECT_EQ(Int32OrZero("junk"), 0);
}

TEST(GroupThousands, GroupsFromTheRight) {
  EXPECT_EQ(GroupThousands("1234567"), "1 234 567");
  EXPECT_EQ(GroupThousands("123456"), "123 456");
  EXPECT_EQ(GroupThousands("12"), "12");
  EXPECT_EQ(GroupThousands("1234"), "1 234");
  EXPECT_EQ(GroupThousands(""), "");
  EXPECT_EQ(GroupThousands("абвг"), "а бвг");
}

TEST(GroupNumberText, GroupsTheNumberInFrontOfDotOrSpace) {
  EXPECT_EQ(GroupNumberText("1048576 Kb"), "1 048 576 Kb");
  EXPECT_EQ(GroupNumberText("12345.678 Mb"), "12 345.678 Mb");
  EXPECT_EQ(GroupNumberText("abc"), "abc");
  EXPECT_EQ(GroupNumberText(".5"), ".5");
  // The dot wins even when a space stands before it.
  EXPECT_EQ(GroupNumberText("1234 x.5"), "123 4 x.5");
}

TEST(StripExtension, RemovesOnlyAnExtensionOfTheFileName) {
  EXPECT_EQ(StripExtension("button\\Power.bmp"), "button\\Power");
  EXPECT_EQ(StripExtension("a.b.c"), "a.b");
  EXPECT_EQ(StripExtension("skin"), "");
  EXPECT_EQ(StripExtension("dir.d\\file"), "");
  EXPECT_EQ(StripExtension("C:file"), "");
  EXPECT_EQ(StripExtension("name."), "name");
}

TEST(FormatFixed, RoundsToFourDecimalsThenWritesWithDot) {
  EXPECT_EQ(FormatFixed(2, 1.2345), "1.23");
  EXPECT_EQ(FormatFixed(3, 2.5), "2.500");
  EXPECT_EQ(FormatFixed(4, 0.12345), "0.1234");  // tie at 4 decimals goes to even
  EXPECT_EQ(FormatFixed(4, 0.12355), "0.1236");
  EXPECT_EQ(FormatFixed(1, -3.25), "-3.2");
  EXPECT_EQ(FormatFixed(2, 1234567.891), "1234567.89");
  EXPECT_EQ(FormatFixed(2, -0.00001), "0.00");
  EXPECT_EQ(FormatFixed(2, -0.004), "0.00");
}

TEST(MemInfo, PhysicalMemoryIsWrittenInGroupedKilobytes) {
  MemoryFigures figures;
  figures.totalPhysical = 1073741824ull + 1023;
  const TMemInfo info = MemInfoFromFigures(figures);
  EXPECT_EQ(info.totalPhysical, "1048576 Kb");
  EXPECT_EQ(PhysicalMemoryLine(info), "Физическая память: 1 048 576 Kb");
  EXPECT_EQ(FormatKb(8ull << 40), "8589934592 Kb");  // beyond 4 GB
}

}  // namespace
}  // namespace tikolvo
