#include "reminders/calendar_month.h"

#include <algorithm>

namespace tikolvo::calendar {
namespace {

// DayOfWeek counts Sunday = 1 ... Saturday = 7; the grid starts on Monday.
int MondayBasedWeekday(DateTime date) { return (DayOfWeek(date) + 5) % 7; }

DateTime Rebuild(const CivilTime& civil, DateTime original) {
  const DateTime date = EncodeDate(civil.year, civil.month, civil.day);
  return CombineDateAndTime(date, TimeOf(original));
}

}  // namespace

MonthGrid::MonthGrid(int year, int month)
    : year_(std::clamp(year, 1, 9999)),
      month_(std::clamp(month, 1, 12)),
      days_(DaysInMonth(year_, month_)),
      firstWeekday_(MondayBasedWeekday(EncodeDate(year_, month_, 1))) {}

MonthGrid MonthGrid::Of(DateTime date) {
  const CivilTime civil = DecodeDateTime(date);
  return MonthGrid(civil.year, civil.month);
}

int MonthGrid::DayAt(Cell cell) const {
  if (cell.column < 0 || cell.column >= kColumns || cell.row < 0 || cell.row >= kRows) return 0;
  const int day = kColumns * cell.row + cell.column - firstWeekday_ + 1;
  return day >= 1 && day <= days_ ? day : 0;
}

Cell MonthGrid::CellOf(int day) const {
  const int index = day - 1 + firstWeekday_;
  return {index % kColumns, index / kColumns};
}

DateTime StepMonth(DateTime date, int months) {
  CivilTime civil = DecodeDateTime(date);
  const int index = civil.year * 12 + (civil.month - 1) + months;
  const int year = index / 12;
  if (index < 0 || year < 1 || year > 9999) return date;  // no month outside the calendar's range
  civil.year = year;
  civil.month = index % 12 + 1;
  civil.day = std::min(civil.day, DaysInMonth(civil.year, civil.month));
  return Rebuild(civil, date);
}

DateTime WithDay(DateTime date, int day) {
  CivilTime civil = DecodeDateTime(date);
  if (day < 1 || day > 31) day = 1;
  civil.day = std::min(day, DaysInMonth(civil.year, civil.month));
  return Rebuild(civil, date);
}

}  // namespace tikolvo::calendar
