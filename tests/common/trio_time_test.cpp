#include "common/trio_time.h"

#include <gtest/gtest.h>

#include "fake_clock.h"

namespace tikolvo {
namespace {

TEST(TrioTime, PartsDeriveFromTotalTowardZero) {
  EXPECT_EQ(TrioFromTotal(3725), (TTrioTime{1, 2, 5, 3725}));
  EXPECT_EQ(TrioFromTotal(97200), (TTrioTime{27, 0, 0, 97200}));
  EXPECT_EQ(TrioFromTotal(-61), (TTrioTime{0, -1, -1, -61}));
}

TEST(TrioTime, ToTextPadsMinutesAndSeconds) {
  EXPECT_EQ(ToText(TrioFromTotal(3725)), "1:02:05");
  EXPECT_EQ(ToText(TrioFromTotal(0)), "0:00:00");
  EXPECT_EQ(ToText(TrioFromTotal(97200)), "27:00:00");
  EXPECT_EQ(ToText(TrioFromTotal(600)), "0:10:00");
  // Negative parts are written as they are.
  EXPECT_EQ(ToText(TrioFromTotal(-61)), "-0:0-1:0-1");
}

TEST(TrioTime, DifferenceShowsSizeWithSign) {
  TTrioTime out;
  Difference(TrioFromTotal(100), TrioFromTotal(161), out);
  EXPECT_EQ(out, (TTrioTime{0, 1, 1, -61}));
  EXPECT_EQ(ToText(out), "-0:01:01");
  Difference(TrioFromTotal(7200), TrioFromTotal(3600), out);
  EXPECT_EQ(out, (TTrioTime{1, 0, 0, 3600}));
}

TEST(TrioTime, DifferenceFromZeroStartIsAllZero) {
  TTrioTime out{9, 9, 9, 9};
  Difference(TrioFromTotal(0), TrioFromTotal(500), out);
  EXPECT_EQ(out, TTrioTime{});
}

TEST(TrioTime, ArithmeticWrapsAtThirtyTwoBitsWithoutTrapping) {
  TTrioTime a = TrioFromTotal(INT32_MAX);
  Add(a, TrioFromTotal(1));
  EXPECT_EQ(a.total, INT32_MIN);
  TTrioTime out;
  Sum(TrioFromTotal(10), TrioFromTotal(-25), out);
  EXPECT_EQ(out.total, -15);
  Difference(TrioFromTotal(INT32_MIN), TrioFromTotal(0), out);
  EXPECT_EQ(out.total, INT32_MIN);
  EXPECT_EQ(out.hours, 596523);
  Difference(TrioFromTotal(-1), TrioFromTotal(INT32_MAX), out);
  EXPECT_EQ(out.total, INT32_MIN);
}

TEST(TrioTime, NormalizeKeepsPartsOfZeroTotal) {
  TTrioTime span{1, 2, 3, 0};
  Normalize(span);
  EXPECT_EQ(span, (TTrioTime{1, 2, 3, 0}));
  EXPECT_EQ(TotalOf(span), 3723);
  span.total = 59;
  Normalize(span);
  EXPECT_EQ(span, (TTrioTime{0, 0, 59, 59}));
  Clear(span);
  EXPECT_EQ(span, TTrioTime{});
}

TEST(TrioTime, FromDateTimeValues) {
  const DateTime moment = EncodeDateTime({2026, 3, 1, 13, 4, 5, 999});
  EXPECT_EQ(FromTimeOfDay(moment), (TTrioTime{13, 4, 5, 47045}));
  EXPECT_EQ(FromYearTime(EncodeDate(2026, 2, 1)).hours, 744);
  EXPECT_EQ(FromYearTime(EncodeDate(2026, 3, 1)).hours, 1416);
  EXPECT_EQ(FromYearTime(EncodeDate(2024, 3, 1)).hours, 1440);
  const TTrioTime yearTime = FromYearTime(moment);
  EXPECT_EQ(yearTime.hours, 1416 + 13);
  EXPECT_EQ(yearTime.total, (1416 + 13) * 3600 + 4 * 60 + 5);
}

TEST(TrioTime, FromDayFractionTruncates) {
  EXPECT_EQ(FromDayFraction(0.5).total, 43200);
  EXPECT_EQ(FromDayFraction(1.0 / 86400 * 1.9).total, 1);
  EXPECT_EQ(FromDayFraction(-0.25).total, -21600);
  EXPECT_EQ(FromDayFraction(1e300).total, 0);  // no undefined conversion
}

TEST(TrioTime, NowPlusAddsSecondsToTheClock) {
  FakeClock clock(EncodeDateTime({2026, 12, 31, 23, 59, 0, 0}));
  const CivilTime later = DecodeDateTime(NowPlus(TrioFromTotal(90), clock));
  EXPECT_EQ(later, (CivilTime{2027, 1, 1, 0, 0, 30, 0}));
}

TEST(TrioTime, SplitSecondsParts) {
  EXPECT_EQ(SplitSeconds(SecondsPart::kMinutes, 3725.9), 2);
  EXPECT_EQ(SplitSeconds(SecondsPart::kHours, 7300), 2);
  EXPECT_DOUBLE_EQ(SplitSeconds(SecondsPart::kDays, 43200.7), 0.5);
  EXPECT_EQ(SplitSeconds(2, -5), 0);
  EXPECT_EQ(SplitSeconds(2, 3e9), 0);
  EXPECT_EQ(SplitSeconds(9, 3600), 0);
}

}  // namespace
}  // namespace tikolvo
