#include "scheduler/next_tasks.h"

#include "common/date_format.h"
#include "scheduler/task_filters.h"

namespace tikolvo {
namespace {

constexpr int kSecondsPerHour = 3600;

struct Candidate {
  std::size_t index;
  int timeOfDay;  // -1: not due later today
  std::string name;
};

// Hourly tasks always point at the next whole hour.
void MoveHourlyTask(PlanBase& base, std::size_t index, TPlanTask& task, DateTime now) {
  if (task.trigger != TaskTrigger::kHourly) return;
  task.when = NextWholeHour(now);
  base.SetWhen(index, task.when);
}

std::string QuotedList(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? " \"" : ", \"") + name + "\"";
  return list;
}

}  // namespace

DateTime NextWholeHour(DateTime now) {
  const int hours = TimeOfDaySeconds(now) / kSecondsPerHour;
  return DateOf(now) + (hours + 1) / 24.0;
}

NextTasks SearchNextTasks(PlanBase& base, DateTime now) {
  const int nowSeconds = TimeOfDaySeconds(now);
  std::vector<Candidate> tasks;
  int best = kSecondsPerDay;
  for (std::size_t index = 0; index < base.size(); ++index) {
    if (!base.InUse(index)) continue;
    TPlanTask task = base.At(index);
    MoveHourlyTask(base, index, task, now);
    int timeOfDay = IsDueOn(task, now) ? TimeOfDaySeconds(task.when) : -1;
    if (timeOfDay <= nowSeconds) timeOfDay = -1;
    else if (timeOfDay - nowSeconds <= best) best = timeOfDay - nowSeconds;
    tasks.push_back({index, timeOfDay, std::move(task.name)});
  }
  // Every mark is set or cleared in one pass, so a search that finds what
  // the last one found leaves the bytes as they were.
  NextTasks next;
  for (Candidate& task : tasks) {
    const bool marked = task.timeOfDay >= 0 && task.timeOfDay == nowSeconds + best;
    base.SetIsNext(task.index, marked);
    if (marked) next.names.push_back(std::move(task.name));
  }
  next.found = !next.names.empty();
  next.timeOfDay = next.found ? nowSeconds + best : 0;
  return next;
}

std::string NextTasksLine(const NextTasks& next, const Locale& locale) {
  constexpr const char* kHead = "Следующие задания: ";
  if (!next.found) return std::string(kHead) + "На сегодня заданий больше нет.";
  const DateTime time = static_cast<double>(next.timeOfDay) / kSecondsPerDay;
  return kHead + QuotedList(next.names) + " в " + FormatDateTime("hh:nn:ss", time, locale);
}

}  // namespace tikolvo
