#include "scheduler/task_calendar.h"

#include "scheduler/task_filters.h"

namespace tikolvo {
namespace {

bool IsOnceOnly(const TPlanTask& task) { return task.trigger == TaskTrigger::kAtTime && !task.everyDay; }

bool MonthlyOnDay(const TPlanTask& task, DateTime day) {
  return task.trigger == TaskTrigger::kMonthly && DecodeDateTime(task.when).day == DecodeDateTime(day).day &&
         PassesMonthFilter(task, day);
}

bool MarksDay(const TPlanTask& task, DateTime day) {
  return (IsOnceOnly(task) && DateOf(task.when) == DateOf(day)) || MonthlyOnDay(task, day);
}

}  // namespace

bool IsOnDay(const TPlanTask& task, DateTime day) {
  switch (task.trigger) {
    case TaskTrigger::kAtTime:
      if (!task.everyDay) return DateOf(task.when) == DateOf(day);
      [[fallthrough]];
    case TaskTrigger::kHourly:
      return PassesWeekdayFilter(task, day) && PassesMonthFilter(task, day);
    case TaskTrigger::kMonthly:
      return MonthlyOnDay(task, day);
    default:
      return false;
  }
}

std::vector<bool> MarkCalendarDays(const PlanBase& base, int year, int month) {
  std::vector<bool> marks(static_cast<std::size_t>(DaysInMonth(year, month)), false);
  std::vector<TPlanTask> markers;
  for (std::size_t index = 0; index < base.size(); ++index) {
    if (!base.InUse(index)) continue;
    TPlanTask task = base.At(index);
    if (IsOnceOnly(task) || task.trigger == TaskTrigger::kMonthly) markers.push_back(std::move(task));
  }
  for (std::size_t day = 0; day < marks.size(); ++day) {
    const DateTime date = EncodeDate(year, month, static_cast<int>(day) + 1);
    for (const TPlanTask& task : markers)
      if (MarksDay(task, date)) marks[day] = true;
  }
  return marks;
}

}  // namespace tikolvo
