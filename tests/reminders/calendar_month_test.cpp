// The month grid of the calendar control (Monday first, six rows) and the
// way a date moves when the user steps months or picks a day.
#include <gtest/gtest.h>

#include <set>

#include "reminders/calendar_month.h"

namespace tikolvo::calendar {
namespace {

CivilTime Civil(DateTime d) { return DecodeDateTime(d); }

TEST(CalendarMonth, MonthsStartingOnEveryWeekdayPlaceEachDayOnceInReadingOrder) {
  // Months of 2026 whose 1st falls on Monday (June) ... Sunday (February).
  const struct {
    int month;
    int firstWeekday;
  } cases[] = {{6, 0}, {9, 1}, {4, 2}, {1, 3}, {5, 4}, {8, 5}, {2, 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.month);
    const MonthGrid grid(2026, c.month);
    EXPECT_EQ(grid.FirstWeekday(), c.firstWeekday);
    std::set<int> seen;
    int expected = 1;
    for (int row = 0; row < kRows; ++row) {
      for (int column = 0; column < kColumns; ++column) {
        const int day = grid.DayAt({column, row});
        if (day == 0) {
          // Empty cells only before the 1st or after the last day.
          EXPECT_TRUE(expected == 1 || expected == grid.Days() + 1) << column << "," << row;
          continue;
        }
        EXPECT_EQ(day, expected);
        EXPECT_EQ(grid.CellOf(day), (Cell{column, row}));
        seen.insert(day);
        ++expected;
      }
    }
    EXPECT_EQ(static_cast<int>(seen.size()), grid.Days());
    EXPECT_EQ(grid.DayAt({c.firstWeekday, 0}), 1);
    if (c.firstWeekday > 0) EXPECT_EQ(grid.DayAt({c.firstWeekday - 1, 0}), 0);
  }
}

TEST(CalendarMonth, SundayStartWithThirtyOneDaysFillsSixRowsMondayFebruaryLeavesTwoEmpty) {
  const MonthGrid march(2026, 3);  // 1 March 2026 is a Sunday
  EXPECT_EQ(march.FirstWeekday(), 6);
  EXPECT_EQ(march.DayAt({0, 5}), 30);
  EXPECT_EQ(march.DayAt({1, 5}), 31);
  EXPECT_EQ(march.DayAt({2, 5}), 0);

  const MonthGrid february(2027, 2);  // Monday, 28 days
  EXPECT_EQ(february.FirstWeekday(), 0);
  EXPECT_EQ(february.DayAt({6, 3}), 28);
  for (int row = 4; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) EXPECT_EQ(february.DayAt({column, row}), 0);
  }
}

TEST(CalendarMonthStep, ThirtyFirstOfJanuaryBecomesTheLastDayOfFebruary) {
  EXPECT_EQ(Civil(StepMonth(EncodeDate(2024, 1, 31), 1)), (CivilTime{2024, 2, 29}));
  EXPECT_EQ(Civil(StepMonth(EncodeDate(2023, 1, 31), 1)), (CivilTime{2023, 2, 28}));
  EXPECT_EQ(Civil(StepMonth(EncodeDate(2000, 1, 31), 1)), (CivilTime{2000, 2, 29}));
  EXPECT_EQ(Civil(StepMonth(EncodeDate(1900, 1, 31), 1)), (CivilTime{1900, 2, 28}));
}

TEST(CalendarMonthStep, BackFromThirtyFirstOfMarchCutsToFebruary) {
  EXPECT_EQ(Civil(StepMonth(EncodeDate(2024, 3, 31), -1)), (CivilTime{2024, 2, 29}));
  EXPECT_EQ(Civil(StepMonth(EncodeDate(2025, 3, 31), -1)), (CivilTime{2025, 2, 28}));
}

TEST(CalendarMonthStep, YearRollsOverAndDayAndTimeAreKept) {
  EXPECT_EQ(Civil(StepMonth(EncodeDate(2026, 12, 15), 1)), (CivilTime{2027, 1, 15}));
  EXPECT_EQ(Civil(StepMonth(EncodeDate(2026, 1, 15), -1)), (CivilTime{2025, 12, 15}));
  const DateTime evening = EncodeDate(2026, 5, 31) + EncodeTime(18, 30, 0);
  EXPECT_EQ(Civil(StepMonth(evening, 1)), (CivilTime{2026, 6, 30, 18, 30, 0}));
}

TEST(CalendarMonthStep, NoStepLeavesTheCalendarsRange) {
  const DateTime first = EncodeDate(1, 1, 5);
  EXPECT_EQ(StepMonth(first, -1), first);
  const DateTime last = EncodeDate(9999, 12, 5);
  EXPECT_EQ(StepMonth(last, 1), last);
}

TEST(CalendarMonthPick, DayIsCutToTheMonthAndNonsenseGivesTheFirst) {
  EXPECT_EQ(Civil(WithDay(EncodeDate(2026, 4, 10), 31)), (CivilTime{2026, 4, 30}));
  EXPECT_EQ(Civil(WithDay(EncodeDate(2026, 4, 10), 0)), (CivilTime{2026, 4, 1}));
  EXPECT_EQ(Civil(WithDay(EncodeDate(2026, 4, 10), 32)), (CivilTime{2026, 4, 1}));
  EXPECT_EQ(Civil(WithDay(EncodeDate(2026, 4, 10), 17)), (CivilTime{2026, 4, 17}));
}

}  // namespace
}  // namespace tikolvo::calendar
