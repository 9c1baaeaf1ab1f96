#pragma once
// The search for the next tasks. Timed tasks are never polled: after every
// change the search finds the earliest time of day, still ahead of now, at
// which tasks are due today, and marks exactly those tasks. One alarm for
// that second then runs them.
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/locale_data.h"
#include "scheduler/plan_base.h"

namespace tikolvo {

struct NextTasks {
  bool found = false;
  int timeOfDay = 0;               // seconds since midnight of the next alarm
  std::vector<std::string> names;  // the marked tasks, in file order
};

// The next whole hour after `now`: today's date plus (hour + 1) / 24, which
// at 23:xx is midnight of the next day.
DateTime NextWholeHour(DateTime now);

// Clears every mark, moves hourly tasks to the next whole hour, then marks
// the tasks due today at the earliest time of day strictly after `now`
// (tasks at the same second are all marked). Only the base changes.
NextTasks SearchNextTasks(PlanBase& base, DateTime now);

// "Следующие задания:  "a", "b" в 14:00:00", or the no-more-tasks text.
std::string NextTasksLine(const NextTasks& next, const Locale& locale = Locale());

}  // namespace tikolvo
