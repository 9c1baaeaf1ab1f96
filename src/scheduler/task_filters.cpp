#include "scheduler/task_filters.h"

namespace tikolvo {
namespace {

bool SameDate(DateTime a, DateTime b) { return DateOf(a) == DateOf(b); }

bool SameDayOfMonth(DateTime a, DateTime b) { return DecodeDateTime(a).day == DecodeDateTime(b).day; }

}  // namespace

int MondayBasedWeekday(DateTime day) { return (DayOfWeek(day) + 5) % 7; }

bool PassesWeekdayFilter(const TPlanTask& task, DateTime day) {
  return !task.weekdayFilter || task.weekdays[static_cast<std::size_t>(MondayBasedWeekday(day))];
}

bool PassesMonthFilter(const TPlanTask& task, DateTime day) {
  return !task.monthFilter || task.months[static_cast<std::size_t>(DecodeDateTime(day).month - 1)];
}

bool PassesMonthlyDayFilter(const TPlanTask& task, DateTime day) {
  if (!task.monthlyActive || task.trigger != TaskTrigger::kMonthly) return true;
  return SameDayOfMonth(task.when, day) && PassesMonthFilter(task, day);
}

bool PassesFilters(const TPlanTask& task, DateTime day) {
  return PassesWeekdayFilter(task, day) && PassesMonthFilter(task, day) && PassesMonthlyDayFilter(task, day);
}

bool IsDueOn(const TPlanTask& task, DateTime day) {
  if (task.locked || !PassesFilters(task, day)) return false;
  switch (task.trigger) {
    case TaskTrigger::kAtTime:
      return task.everyDay || SameDate(task.when, day);
    case TaskTrigger::kHourly:
      return true;
    case TaskTrigger::kMonthly:
      return SameDayOfMonth(task.when, day);
    default:
      return false;
  }
}

}  // namespace tikolvo
