#include "scheduler/next_tasks.h"

#include "common/date_format.h"
#include "scheduler/task_filters.h"

namespace tikolvo {
namespace {

constexpr int kSecondsPerHour = 3600;

struct Candidate {
  std::size_t index;
  int timeOfDay;
  std::string name;
};

// Step one of a search: no marks, hourly tasks on the next whole hour.
void PrepareRecord(PlanBase& base, std::size_t index, TPlanTask& task, DateTime now) {
  if (task.isNext) base.SetIsNext(index, false);
  task.isNext = false;
  if (task.trigger != TaskTrigger::kHourly) return;
  const DateTime next = NextWholeHour(now);
  if (task.when != next) base.SetWhen(index, next);
  task.when = next;
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
  std::vector<Candidate> candidates;
  int best = kSecondsPerDay;
  for (std::size_t index = 0; index < base.size(); ++index) {
    if (!base.InUse(index)) continue;
    TPlanTask task = base.At(index);
    PrepareRecord(base, index, task, now);
    if (!IsDueOn(task, now)) continue;
    const int timeOfDay = TimeOfDaySeconds(task.when);
    if (timeOfDay <= nowSeconds) continue;
    if (timeOfDay - nowSeconds <= best) best = timeOfDay - nowSeconds;
    candidates.push_back({index, timeOfDay, std::move(task.name)});
  }
  NextTasks next;
  for (Candidate& candidate : candidates) {
    if (candidate.timeOfDay != nowSeconds + best) continue;
    base.SetIsNext(candidate.index, true);
    next.names.push_back(std::move(candidate.name));
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
