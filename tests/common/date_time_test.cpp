#include "common/date_time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tikolvo {
namespace {

TEST(DateTime, EpochAndKnownDays) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
  EXPECT_EQ(DayOfWeek(0), 7);                          // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 8)), 3);    // Tuesday
  EXPECT_EQ(DayOfWeek(EncodeDate(2000, 1, 1)), 7);     // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);   // Sunday, before the epoch
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 29) - 0.75), 6);
}

TEST(DateTime, EncodeDecodeRoundTripOverManyDates) {
  for (int day = -700000; day <= 2958465; day += 997) {
    const CivilTime civil = DecodeDateTime(day);
    ASSERT_EQ(EncodeDate(civil.year, civil.month, civil.day), day) << day;
    ASSERT_TRUE(IsValidDate(civil.year, civil.month, civil.day) || civil.year < 1) << day;
  }
  for (int year : {1, 1600, 1899, 1900, 2000, 2024, 2100, 9999}) {
    for (int month = 1; month <= 12; ++month) {
      const CivilTime civil{year, month, DaysInMonth(year, month), 23, 59, 58, 999};
      ASSERT_EQ(DecodeDateTime(EncodeDateTime(civil)), civil) << year << "-" << month;
    }
  }
}

TEST(DateTime, NegativeDatesKeepTheTimeAsAbsoluteFraction) {
  const DateTime value = EncodeDateTime({1899, 12, 29, 6, 0, 0, 0});
  EXPECT_DOUBLE_EQ(value, -1.25);
  EXPECT_EQ(DecodeDateTime(-1.25), (CivilTime{1899, 12, 29, 6, 0, 0, 0}));
  EXPECT_EQ(TimeOfDaySeconds(-1.25), 6 * 3600);
}

TEST(DateTime, DecodeRoundsToMillisecondsAndNeverShowsSecondSixty) {
  EXPECT_EQ(DecodeDateTime(0.99999999), (CivilTime{1899, 12, 30, 23, 59, 59, 999}));
  EXPECT_EQ(DecodeDateTime(0.9999999999), (CivilTime{1899, 12, 31, 0, 0, 0, 0}));
  const DateTime almostMidnight = EncodeDate(2026, 12, 31) + 0.999999999;
  EXPECT_EQ(DecodeDateTime(almostMidnight), (CivilTime{2027, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(DecodeDateTime(EncodeTime(10, 0, 0) - 1e-12).hour, 10);
  EXPECT_EQ(TimeOfDaySeconds(EncodeTime(13, 14, 15, 999)), 13 * 3600 + 14 * 60 + 15);
  EXPECT_EQ(TimeOfDaySeconds(0.99999999), 86399);
  EXPECT_EQ(TimeOfDaySeconds(0.9999999999), 0);
}

TEST(DateTime, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2026));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2100, 2), 28);
  EXPECT_EQ(DaysInMonth(2026, 7), 31);
  EXPECT_EQ(DaysInMonth(2026, 8), 31);
  EXPECT_EQ(DaysInMonth(2026, 9), 30);
  EXPECT_EQ(DaysInMonth(2026, 13), 0);
}

TEST(DateTime, StrictEncodingRejectsImpossibleValues) {
  EXPECT_FALSE(TryEncodeDate(2026, 2, 29));
  EXPECT_FALSE(TryEncodeDate(2026, 0, 1));
  EXPECT_FALSE(TryEncodeDate(0, 1, 1));
  EXPECT_TRUE(TryEncodeDate(2024, 2, 29));
  EXPECT_FALSE(TryEncodeTime(24, 0, 0));
  EXPECT_FALSE(TryEncodeTime(0, 60, 0));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000));
  // The lenient form carries over.
  EXPECT_EQ(EncodeDate(2026, 1, 32), EncodeDate(2026, 2, 1));
  EXPECT_EQ(EncodeDate(2026, 13, 1), EncodeDate(2027, 1, 1));
}

TEST(DateTime, DateOfAndTimeOfSplitAValue) {
  const DateTime value = EncodeDateTime({2026, 12, 8, 18, 30, 0, 0});
  EXPECT_EQ(DateOf(value), EncodeDate(2026, 12, 8));
  EXPECT_DOUBLE_EQ(TimeOf(value), 0.7708333333333334);
  EXPECT_EQ(DecodeDateTime(std::nan("")).year, DecodeDateTime(-1e10).year);  // no crash on NaN
}

}  // namespace
}  // namespace tikolvo
