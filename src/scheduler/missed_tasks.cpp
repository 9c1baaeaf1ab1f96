#include "scheduler/missed_tasks.h"

#include <optional>

#include "scheduler/task_filters.h"

namespace tikolvo {
namespace {

using Seconds = std::int64_t;

constexpr Seconds kDay = kSecondsPerDay;
constexpr int kLongestWalkDays = 366;  // every weekday, month and day-of-month pattern repeats within it

// The first moment of the task on `day` later than `after`. Hourly tasks
// fire at 01:00 ... 23:00, never at midnight.
std::optional<Seconds> FirstMomentOnDayAfter(const TPlanTask& task, Seconds day, Seconds after) {
  const Seconds start = day * kDay;
  if (task.trigger == TaskTrigger::kHourly) {
    const Seconds hour = after < start + 3600 ? 1 : (after - start) / 3600 + 1;
    if (hour > 23) return std::nullopt;
    return start + hour * 3600;
  }
  const Seconds moment = start + TimeOfDaySeconds(task.when);
  if (moment <= after) return std::nullopt;
  return moment;
}

bool IsOnceOnly(const TPlanTask& task) { return task.trigger == TaskTrigger::kAtTime && !task.everyDay; }

// Whether the task's first moment after `after` comes before `before`.
bool HasMomentBetween(const TPlanTask& task, Seconds after, Seconds before) {
  Seconds firstDay = after / kDay;
  Seconds lastDay = (before - 1) / kDay;
  if (IsOnceOnly(task)) {
    // Only its own date; a date beyond the gap (or no date at all, in a
    // damaged record) has no moment in it.
    const DateTime date = DateOf(task.when);
    if (!(date >= static_cast<double>(firstDay) && date <= static_cast<double>(lastDay))) return false;
    firstDay = lastDay = static_cast<Seconds>(date);
  }
  if (lastDay - firstDay > kLongestWalkDays) lastDay = firstDay + kLongestWalkDays;
  for (Seconds day = firstDay; day <= lastDay; ++day) {
    if (!IsDueOn(task, static_cast<DateTime>(day))) continue;
    if (const std::optional<Seconds> moment = FirstMomentOnDayAfter(task, day, after)) return *moment < before;
  }
  return false;
}

}  // namespace

std::int64_t MomentSeconds(DateTime moment) {
  return static_cast<Seconds>(DateOf(moment)) * kDay + TimeOfDaySeconds(moment);
}

std::vector<std::string> MissedTaskNames(const PlanBase& base, DateTime since, DateTime until) {
  const Seconds after = MomentSeconds(since);
  const Seconds before = MomentSeconds(until) / 60 * 60;  // the minute `until` falls in still rings
  std::vector<std::string> names;
  if (before <= after + 1) return names;
  for (std::size_t index = 0; index < base.size(); ++index) {
    if (!base.InUse(index)) continue;
    const TPlanTask task = base.At(index);
    if (HasMomentBetween(task, after, before)) names.push_back(task.name);
  }
  return names;
}

}  // namespace tikolvo
