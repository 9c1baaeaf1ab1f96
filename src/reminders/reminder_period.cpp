#include "reminders/reminder_period.h"

namespace tikolvo {
namespace {

// Month and day as one comparable number: 20 December is 1220.
int MonthDayKey(DateTime value) {
  const CivilTime civil = DecodeDateTime(value);
  return civil.month * 100 + civil.day;
}

}  // namespace

bool IsInPeriod(DateTime day, DateTime start, DateTime end) {
  const int today = MonthDayKey(day);
  const int first = MonthDayKey(start);
  const int last = MonthDayKey(end);
  if (first <= last) return first <= today && today <= last;
  return today >= first || today <= last;
}

}  // namespace tikolvo
