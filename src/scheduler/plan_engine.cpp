#include "scheduler/plan_engine.h"

#include "common/file_io.h"
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

}  // namespace

PlanEngine::PlanEngine(std::string planPath, const Clock& clock, TaskActions& actions)
    : planPath_(std::move(planPath)), clock_(clock), actions_(actions) {
  dayClock_.SetAlarm(0, 0, 1, NowSeconds());
  dayClock_.SetEnabled(true);
}

int PlanEngine::NowSeconds() const { return TimeOfDaySeconds(clock_.Now()); }

PlanStatus PlanEngine::Start() {
  EnsurePlanFile(planPath_, clock_.Now());
  return ComputeNextTasks();
}

void PlanEngine::ApplySearch(const NextTasks& next, int nowSeconds) {
  nextTasksText_ = NextTasksLine(next);
  planClock_.SetEnabled(next.found);
  if (!next.found) return;
  const int hour = next.timeOfDay / 3600;
  const int minute = next.timeOfDay / 60 % 60;
  const int second = next.timeOfDay % 60;
  planClock_.SetAlarm(hour, minute, second, nowSeconds);
  alarmHand_ = AlarmHand{hour, minute, second};
}

PlanStatus PlanEngine::ComputeNextTasks() {
  const DateTime now = clock_.Now();
  std::optional<PlanBase> base = LoadPlanBase(planPath_);
  if (!base) return PlanStatus::kUnreadable;
  const NextTasks next = SearchNextTasks(*base, now);
  const bool saved = SaveIfChanged(planPath_, *base);
  ApplySearch(next, TimeOfDaySeconds(now));
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

ClockReading PlanEngine::ReadClock() {
  const int now = NowSeconds();
  ClockReading reading;
  if (planClock_.Read(now)) {
    reading.alarmRang = true;
    reading.status = OnPlanAlarm();
  }
  if (dayClock_.Read(now)) {
    reading.dayChanged = true;
    reading.status = FirstFailure(reading.status, ComputeNextTasks());
  }
  return reading;
}

}  // namespace tikolvo
