#pragma once
// Which days a reminder covers. Only the month and day of the stored dates
// count: a reminder comes back every year, and the year and time of day in
// the record play no part.
#include "common/date_time.h"

namespace tikolvo {

// True when the month and day of `day` lie in the period from the month and
// day of `start` to those of `end`, both included. A period whose end comes
// before its start in the year runs over the new year: 20 December to
// 10 January covers 20..31 December and 1..10 January of every year.
bool IsInPeriod(DateTime day, DateTime start, DateTime end);

}  // namespace tikolvo
