#pragma once
// The scheduling engine: finds the next tasks, arms one alarm clock for
// their second, runs them when it rings, runs event tasks when the program
// starts or a connection comes up or goes down, and searches again every
// day at 00:00:01. Between alarms it costs nothing: a reading of the time
// only compares a few integers.
//
// A minute the readings never saw (the computer slept, the program was
// blocked, the clock was set forward) stays missed, but it does not cost
// the rest of the day: the first reading after such a gap names the tasks
// it skipped and searches the next ones from then on.
//
// Every operation reads plan.db whole and saves it whole when it changed
// it; nothing about the tasks is cached in between.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "scheduler/alarm_clock.h"
#include "scheduler/plan_task.h"
#include "scheduler/task_actions.h"

namespace tikolvo {

struct NextTasks;

// The scheduler's command codes, as the connection monitor, the tray and
// power menus and the launcher's special commands send them.
namespace plan_code {
inline constexpr int kRunDueTasks = 200;
inline constexpr int kProgramStart = 201;
inline constexpr int kConnected = 202;
inline constexpr int kDisconnected = 203;
inline constexpr int kSwitchOff = 204;
inline constexpr int kRestart = 205;
inline constexpr int kHangUpAll = 206;
inline constexpr int kHibernate = 207;
inline constexpr int kStandby = 208;
}  // namespace plan_code

enum class PlanStatus {
  kDone,
  kUnreadable,     // plan.db could not be read: nothing ran, nothing changed
  kSaveFailed,     // the work was done but plan.db could not be written
  kActionFailed,   // a task's actions failed; the other tasks still ran
};

// Where the clock face's alarm hand points: the next alarm's time.
struct AlarmHand {
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const AlarmHand&) const = default;
};

// What one reading of the time set off; the scheduler views are refilled
// after any of it.
struct ClockReading {
  bool alarmRang = false;   // the next tasks' alarm: run (when switched on) and searched again
  bool dayChanged = false;  // 00:00:01: searched again for the new day
  bool caughtUp = false;    // after a gap: the skipped tasks named, searched again from now
  PlanStatus status = PlanStatus::kDone;  // the first failure of that work

  bool Searched() const { return alarmRang || dayChanged || caughtUp; }
};

class PlanEngine {
 public:
  PlanEngine(std::string planPath, const Clock& clock, TaskActions& actions);

  // Start-up: creates a missing plan.db, then searches the next tasks. The
  // program-start tasks run later, through PlanCommand(201).
  PlanStatus Start();

  // The search: marks the next tasks in plan.db, arms or disarms the alarm,
  // updates the next-tasks line and the alarm hand. On failure the alarm
  // keeps its previous setting.
  PlanStatus ComputeNextTasks();

  // The timed run: the marked tasks that are due at the alarm's second.
  // After-run changes (hourly time, auto-lock, auto-delete) are saved before
  // the actions start, so nothing an action does can undo them.
  PlanStatus RunDueTasks();

  // Runs the tasks of an event trigger (program start, connect, disconnect).
  PlanStatus RunEventTasks(TaskTrigger kind);

  // Other codes do nothing.
  PlanStatus PlanCommand(int code);

  // "Запустить задание": the task's actions now, without auto-lock or
  // auto-delete. False for a locked or missing task, which does nothing.
  bool RunTaskNow(std::int32_t id);
  // The same for a copy taken earlier (a countdown runs the task it
  // announced, whatever happened to the record meanwhile).
  bool RunTaskCopy(const TPlanTask& task);

  // The scheduler switch: only the timed run depends on it.
  void SetSchedulerEnabled(bool on) { schedulerEnabled_ = on; }
  bool SchedulerEnabled() const { return schedulerEnabled_; }

  // One reading of the time.
  ClockReading ReadClock();
  // How long the time may go unread without anything being missed: until
  // the armed alarm's second or the day's search at 00:00:01, whichever
  // comes first, and never longer than a minute, so that a clock set
  // without notice shows within one.
  std::int64_t MillisecondsToNextReading() const;
  // Called whenever a search moves the alarm, so that whoever times the
  // readings can read the time again when it is due.
  std::function<void()> alarmMoved;
  // The computer woke up or the time was set: what passed since the last
  // reading is treated as a gap at once, without waiting for an alarm's
  // minute to end.
  ClockReading ClockChanged();

  const AlarmClock& PlanClock() const { return planClock_; }
  const std::string& NextTasksText() const { return nextTasksText_; }
  // The last search that found a next time; kept when later ones find none.
  const std::optional<AlarmHand>& LastAlarmHand() const { return alarmHand_; }
  const std::string& PlanPath() const { return planPath_; }

 private:
  PlanStatus OnPlanAlarm();
  void Ring(ClockReading& reading);
  // The search as of `from`; the alarm is armed for any time after it.
  PlanStatus Search(DateTime from);
  void ApplySearch(const NextTasks& next, DateTime from);
  void ArmAlarm(int timeOfDay, DateTime from);
  // The armed alarm's minute, or the daily search at 00:00:01, passed
  // without a reading.
  bool MissedSomething(DateTime now) const;
  void CatchUp(DateTime now, ClockReading& reading);
  void ReportMissedSince(DateTime since, DateTime now);
  bool ExecuteAll(const std::vector<TPlanTask>& tasks);

  std::string planPath_;
  const Clock& clock_;
  TaskActions& actions_;
  bool schedulerEnabled_ = false;
  AlarmClock planClock_;
  AlarmClock dayClock_;
  std::string nextTasksText_;
  std::optional<AlarmHand> alarmHand_;
  // The moment (whole seconds) the armed alarm stands for, until it rings.
  std::optional<std::int64_t> alarmAt_;
  DateTime searchedDay_ = 0;  // the date of the last search
  DateTime lastReading_ = 0;  // what the program saw last
};

}  // namespace tikolvo
