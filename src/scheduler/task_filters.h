#pragma once
// Which tasks may fire on a given date: the weekday, month and monthly-day
// filters, and the test the search uses for "due today".
#include "common/date_time.h"
#include "scheduler/plan_task.h"

namespace tikolvo {

// 0 = Monday ... 6 = Sunday, the order of a task's weekday list.
int MondayBasedWeekday(DateTime day);

// Passes when the filter is off or the day's weekday is allowed.
bool PassesWeekdayFilter(const TPlanTask& task, DateTime day);

// Passes when the filter is off or the day's month is allowed.
bool PassesMonthFilter(const TPlanTask& task, DateTime day);

// A monthly task with its day-of-month test on passes only on that day of
// an allowed month; every other task passes.
bool PassesMonthlyDayFilter(const TPlanTask& task, DateTime day);

bool PassesFilters(const TPlanTask& task, DateTime day);

// A timed task (at a time, hourly, monthly) that is not locked, passes the
// filters and belongs to this date: a once-only task on its date, a monthly
// task on its day of the month. Whether the time is still ahead is the
// search's business.
bool IsDueOn(const TPlanTask& task, DateTime day);

}  // namespace tikolvo
