#pragma once
// Which tasks belong to a calendar day: the scheduler page's day list and
// the marks of its month calendar.
#include <vector>

#include "common/date_time.h"
#include "scheduler/plan_base.h"
#include "scheduler/plan_task.h"

namespace tikolvo {

// A once-only task on its date; an every-day or hourly task on the days its
// weekday and month filters allow; a monthly task on its day of the month in
// an allowed month. Event tasks belong to no day. Locked tasks count.
bool IsOnDay(const TPlanTask& task, DateTime day);

// For each day of the month (index 0 = the 1st): whether a task in use is a
// once-only task dated that day or a monthly task for it. Every-day and
// hourly tasks mark nothing, or every day would be marked.
std::vector<bool> MarkCalendarDays(const PlanBase& base, int year, int month);

}  // namespace tikolvo
