#include "scheduler/plan_engine.h"

#include <algorithm>

#include "common/file_io.h"
#include "scheduler/missed_tasks.h"
#include "scheduler/next_tasks.h"
#include "scheduler/plan_file.h"
#include "scheduler/task_filters.h"

namespace tikolvo {
namespace {

bool IsEventTrigger(TaskTrigger kind) {
  return kind == TaskTrigger::kOnStart || kind == TaskTrigger::kOnConnect || kind == TaskTrigger::kOnDisconnect;
}

PlanStatus FirstFailure(PlanStatus a, PlanStatus b) { return a != PlanStatus::kDone ? a : b; }

bool SaveIfChanged(const std::string& path, const PlanBase& base) {
  return !base.Changed() || SaveFileAtomically(path, base.bytes());
}

// The changes a timed run leaves on a task: an hourly task's bare next hour,
// then the auto-lock and auto-delete flags.
void ApplyAfterRun(PlanBase& base, std::size_t index, const TPlanTask& task, DateTime now) {
  if (task.trigger == TaskTrigger::kHourly) base.SetWhen(index, NextWholeHour(now) - DateOf(now));
  if (task.autoLock) base.SetLocked(index, true);
  if (task.autoDelete) base.SetInUse(index, false);
}

// Where the search starts after a gap: the minute now running still rings,
// as it does for a late reading, but nothing the last reading saw runs twice
// and nothing of the day before counts. A clock set back searches from the
// start of its minute.
DateTime SearchStartAfterGap(DateTime lastReading, DateTime now) {
  const int minuteStart = TimeOfDaySeconds(now) / 60 * 60;
  DateTime from = DateOf(now) + std::max(minuteStart - 1, 0) / static_cast<double>(kSecondsPerDay);
  if (lastReading <= now) from = std::max(from, lastReading);
  return from;
}

}  // namespace

PlanEngine::PlanEngine(std::string planPath, const Clock& clock, TaskActions& actions)
    : planPath_(std::move(planPath)), clock_(clock), actions_(actions) {
  const DateTime now = clock_.Now();
  dayClock_.SetAlarm(0, 0, 1, TimeOfDaySeconds(now));
  dayClock_.SetEnabled(true);
  searchedDay_ = DateOf(now);
  lastReading_ = now;
}

PlanStatus PlanEngine::Start() {
  const DateTime now = clock_.Now();
  EnsurePlanFile(planPath_, now);
  lastReading_ = now;
  return ComputeNextTasks();
}

void PlanEngine::ApplySearch(const NextTasks& next, DateTime from) {
  nextTasksText_ = NextTasksLine(next);
  planClock_.SetEnabled(next.found);
  alarmAt_.reset();
  if (next.found) ArmAlarm(next.timeOfDay, from);
  if (alarmMoved) alarmMoved();
}

void PlanEngine::ArmAlarm(int timeOfDay, DateTime from) {
  const int hour = timeOfDay / 3600;
  const int minute = timeOfDay / 60 % 60;
  const int second = timeOfDay % 60;
  planClock_.SetAlarm(hour, minute, second, TimeOfDaySeconds(from));
  alarmHand_ = AlarmHand{hour, minute, second};
  alarmAt_ = MomentSeconds(DateOf(from)) + timeOfDay;
}

PlanStatus PlanEngine::ComputeNextTasks() { return Search(clock_.Now()); }

PlanStatus PlanEngine::Search(DateTime from) {
  searchedDay_ = DateOf(from);
  std::optional<PlanBase> base = LoadPlanBase(planPath_);
  if (!base) return PlanStatus::kUnreadable;
  const NextTasks next = SearchNextTasks(*base, from);
  const bool saved = SaveIfChanged(planPath_, *base);
  ApplySearch(next, from);
  return saved ? PlanStatus::kDone : PlanStatus::kSaveFailed;
}

PlanStatus PlanEngine::RunDueTasks() {
  const DateTime now = clock_.Now();
  std::optional<PlanBase> base = LoadPlanBase(planPath_);
  if (!base) return PlanStatus::kUnreadable;
  // A mark alone is not enough: marks left from an earlier day, or kept by
  // a file that could not be saved, must not fire a task at the wrong time.
  const int alarmSeconds = (planClock_.Hour() * 60 + planClock_.Minute()) * 60 + planClock_.Second();
  std::vector<TPlanTask> due;
  for (std::size_t index = 0; index < base->size(); ++index) {
    if (!base->InUse(index)) continue;
    TPlanTask task = base->At(index);
    if (!task.isNext || !IsDueOn(task, now) || TimeOfDaySeconds(task.when) != alarmSeconds) continue;
    ApplyAfterRun(*base, index, task, now);
    due.push_back(std::move(task));
  }
  const bool saved = SaveIfChanged(planPath_, *base);
  const bool ran = ExecuteAll(due);
  if (!saved) return PlanStatus::kSaveFailed;
  return ran ? PlanStatus::kDone : PlanStatus::kActionFailed;
}

PlanStatus PlanEngine::RunEventTasks(TaskTrigger kind) {
  if (!IsEventTrigger(kind)) return PlanStatus::kDone;
  const DateTime now = clock_.Now();
  const std::optional<PlanBase> base = LoadPlanBase(planPath_);
  if (!base) return PlanStatus::kUnreadable;
  std::vector<TPlanTask> due;
  for (std::size_t index = 0; index < base->size(); ++index) {
    if (!base->InUse(index)) continue;
    TPlanTask task = base->At(index);
    if (task.trigger == kind && !task.locked && PassesFilters(task, now)) due.push_back(std::move(task));
  }
  return ExecuteAll(due) ? PlanStatus::kDone : PlanStatus::kActionFailed;
}

bool PlanEngine::ExecuteAll(const std::vector<TPlanTask>& tasks) {
  bool allRan = true;
  for (const TPlanTask& task : tasks) {
    try {
      actions_.ExecuteTask(task);
    } catch (...) {
      allRan = false;  // one task's failure does not stop the others
    }
  }
  return allRan;
}

bool PlanEngine::RunTaskNow(std::int32_t id) {
  TPlanTask task;
  if (FindTask(planPath_, id, task) != FindResult::kFound) return false;
  return RunTaskCopy(task);
}

bool PlanEngine::RunTaskCopy(const TPlanTask& task) {
  if (task.locked) return false;
  return ExecuteAll({task});
}

PlanStatus PlanEngine::PlanCommand(int code) {
  switch (code) {
    case plan_code::kRunDueTasks: return RunDueTasks();
    case plan_code::kProgramStart: return RunEventTasks(TaskTrigger::kOnStart);
    case plan_code::kConnected: return RunEventTasks(TaskTrigger::kOnConnect);
    case plan_code::kDisconnected: return RunEventTasks(TaskTrigger::kOnDisconnect);
    case plan_code::kSwitchOff: actions_.PowerCommand(PowerKind::kSwitchOff); break;
    case plan_code::kRestart: actions_.PowerCommand(PowerKind::kRestart); break;
    case plan_code::kHangUpAll: actions_.HangUpConnections(kAllConnections); break;
    case plan_code::kHibernate: actions_.PowerCommand(PowerKind::kHibernate); break;
    case plan_code::kStandby: actions_.PowerCommand(PowerKind::kStandby); break;
    default: break;
  }
  return PlanStatus::kDone;
}

PlanStatus PlanEngine::OnPlanAlarm() {
  const PlanStatus run = schedulerEnabled_ ? PlanCommand(plan_code::kRunDueTasks) : PlanStatus::kDone;
  return FirstFailure(run, ComputeNextTasks());
}

void PlanEngine::Ring(ClockReading& reading) {
  reading.alarmRang = true;
  alarmAt_.reset();
  reading.status = FirstFailure(reading.status, OnPlanAlarm());
}

ClockReading PlanEngine::ReadClock() {
  const DateTime now = clock_.Now();
  const int seconds = TimeOfDaySeconds(now);
  ClockReading reading;
  if (planClock_.Read(seconds)) Ring(reading);
  if (dayClock_.Read(seconds)) {
    reading.dayChanged = true;
    reading.status = FirstFailure(reading.status, ComputeNextTasks());
  }
  if (MissedSomething(now)) CatchUp(now, reading);
  lastReading_ = now;
  return reading;
}

std::int64_t PlanEngine::MillisecondsToNextReading() const {
  constexpr std::int64_t kDayMs = 86'400'000, kLongestWaitMs = 60'000;
  const DateTime now = clock_.Now();
  const std::int64_t today = static_cast<std::int64_t>(DateOf(now)) * kDayMs;
  const std::int64_t nowMs = today + TimeOfDayMilliseconds(now);
  std::int64_t wait = kLongestWaitMs;
  const auto dueAt = [&](std::int64_t ms) {
    if (ms > nowMs) wait = std::min(wait, ms - nowMs);
  };
  if (planClock_.Enabled() && alarmAt_) dueAt(*alarmAt_ * 1000);
  dueAt(today + 1000);
  dueAt(today + kDayMs + 1000);
  return wait;
}

ClockReading PlanEngine::ClockChanged() {
  const DateTime now = clock_.Now();
  ClockReading reading;
  CatchUp(now, reading);
  lastReading_ = now;
  return reading;
}

bool PlanEngine::MissedSomething(DateTime now) const {
  const std::int64_t minuteStart = MomentSeconds(now) / 60 * 60;
  if (planClock_.Enabled() && alarmAt_ && *alarmAt_ < minuteStart) return true;
  return DateOf(now) > searchedDay_ && TimeOfDaySeconds(now) >= 1;
}

// The gap is dealt with once, whatever the search finds: a plan.db that
// cannot be read is reported once, not on every reading after it.
void PlanEngine::CatchUp(DateTime now, ClockReading& reading) {
  reading.caughtUp = true;
  alarmAt_.reset();
  ReportMissedSince(lastReading_, now);
  reading.status = FirstFailure(reading.status, Search(SearchStartAfterGap(lastReading_, now)));
  if (planClock_.Read(TimeOfDaySeconds(now))) Ring(reading);
}

// With the scheduler switched off nothing would have run, so nothing was
// missed.
void PlanEngine::ReportMissedSince(DateTime since, DateTime now) {
  if (!schedulerEnabled_ || since >= now) return;
  const std::optional<PlanBase> base = LoadPlanBase(planPath_);
  if (!base) return;
  const std::vector<std::string> missed = MissedTaskNames(*base, since, now);
  if (!missed.empty()) actions_.ReportMissedTasks(missed);
}

}  // namespace tikolvo
