#pragma once
// The month the calendar control shows: where its days fall in the grid of
// seven columns (Monday first) and six rows, and how a date moves when the
// user steps to another month or picks a day.
#include "common/date_time.h"

namespace tikolvo::calendar {

inline constexpr int kColumns = 7;
inline constexpr int kRows = 6;

struct Cell {
  int column = 0;
  int row = 0;
  bool operator==(const Cell&) const = default;
};

class MonthGrid {
 public:
  MonthGrid(int year, int month);
  static MonthGrid Of(DateTime date);

  int Year() const { return year_; }
  int Month() const { return month_; }
  int Days() const { return days_; }
  // Weekday of the 1st: Monday 0 ... Sunday 6.
  int FirstWeekday() const { return firstWeekday_; }
  // The day in a cell, or 0 for a cell before the 1st or after the last day.
  int DayAt(Cell cell) const;
  Cell CellOf(int day) const;
  bool Contains(int year, int month) const { return year == year_ && month == month_; }

 private:
  int year_;
  int month_;
  int days_;
  int firstWeekday_;
};

// The date `months` months away (negative: back), the year rolling over at
// January and December, the day kept but cut to the new month's length. The
// time of day is kept.
DateTime StepMonth(DateTime date, int months);
// The date with another day of its month: a day outside 1..31 gives the
// 1st, a day beyond the month's length its last day.
DateTime WithDay(DateTime date, int day);

}  // namespace tikolvo::calendar
