#include "scheduler/wizard_model.h"

#include <algorithm>

#include "common/balloon_durations.h"
#include "scheduler/task_row.h"
#include "scheduler/wizard_values.h"

namespace tikolvo::wizard {
namespace {

constexpr int kSoundPositions = 10;

PowerChoice PowerOf(const TPlanTask& task) {
  if (task.powerOff) return PowerChoice::kSwitchOff;
  if (task.reboot) return PowerChoice::kRestart;
  if (task.logOff) return PowerChoice::kLogOff;
  if (task.standby) return PowerChoice::kStandby;
  if (task.hibernate) return PowerChoice::kHibernate;
  return PowerChoice::kNone;
}

void Check(WizardControls& controls, Action action, bool on) { controls.actions[static_cast<int>(action)] = on; }

// A trigger byte outside the known kinds (a damaged file) shows as a time.
TaskTrigger KnownTrigger(TaskTrigger trigger) {
  return static_cast<int>(trigger) <= static_cast<int>(TaskTrigger::kMonthly) ? trigger : TaskTrigger::kAtTime;
}

int TargetRowOf(const std::vector<std::string>& rows, std::int32_t id) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (TaskIdOfRow(rows[i]) == id) return static_cast<int>(i);
  return -1;
}

void LoadActions(WizardControls& c, const TPlanTask& task) {
  c.power = PowerOf(task);
  Check(c, Action::kPower, c.power != PowerChoice::kNone);
  Check(c, Action::kRun, task.runActive);
  Check(c, Action::kMusic, task.musicActive);
  Check(c, Action::kMessage, task.messageActive);
  Check(c, Action::kShortSound, task.soundActive);
  Check(c, Action::kHangUp, task.hangUpActive);
  Check(c, Action::kBeep, task.beepActive);
  Check(c, Action::kHint, task.hintActive && !task.timerMode);
  Check(c, Action::kCountdownHint, task.hintActive && task.timerMode);
}

void LoadTexts(WizardControls& c, const TPlanTask& task) {
  c.name = task.name;
  c.runFile = task.runFile;
  c.runParams = task.runParams;
  c.musicFile = task.musicFile;
  c.messageText = task.messageText;
  c.hintText = task.hintText;
  c.connectionName = task.connectionName;
}

void LoadTrackBars(WizardControls& c, const TPlanTask& task) {
  c.frequencyPosition = BeepPositionOf(task.beepFrequency);
  c.durationPosition = std::min(BeepPositionOf(task.beepDuration), kDurationPositions - 1);
  c.hintDurationPosition = BalloonDurationPosition(task.hintDuration);
  c.hintIcon = std::min<int>(task.hintIcon, kHintIconPositions - 1);
}

template <std::size_t N>
bool AllOn(const std::array<bool, N>& checks) {
  return std::all_of(checks.begin(), checks.end(), [](bool on) { return on; });
}

void BuildPower(TPlanTask& task, PowerChoice power, bool active) {
  if (!active) return;
  task.powerOff = power == PowerChoice::kSwitchOff;
  task.reboot = power == PowerChoice::kRestart;
  task.logOff = power == PowerChoice::kLogOff;
  task.standby = power == PowerChoice::kStandby;
  task.hibernate = power == PowerChoice::kHibernate;
}

void BuildActions(TPlanTask& task, const WizardControls& c) {
  const ActionChecks& a = c.actions;
  BuildPower(task, c.power, Has(a, Action::kPower));
  task.runActive = Has(a, Action::kRun);
  task.runFile = c.runFile;
  task.runParams = c.runParams;
  task.messageActive = Has(a, Action::kMessage);
  task.messageText = c.messageText;
  task.musicActive = Has(a, Action::kMusic);
  task.musicFile = c.musicFile;
  task.connectionName = c.connectionName;
  task.hangUpActive = Has(a, Action::kHangUp);
  task.dialAction = 4;
  task.soundActive = Has(a, Action::kShortSound);
  task.soundIndex = c.soundPosition >= 0 && c.soundPosition < kSoundPositions ? c.soundPosition : -1;
  task.beepActive = Has(a, Action::kBeep);
  task.beepFrequency = BeepValueAt(c.frequencyPosition);
  task.beepDuration = BeepValueAt(c.durationPosition);
  task.hintActive = Has(a, Action::kHint) || Has(a, Action::kCountdownHint);
  task.hintText = c.hintText;
  task.hintDuration = static_cast<std::uint16_t>(BalloonDurationAt(c.hintDurationPosition));
  task.hintIcon = static_cast<std::uint8_t>(std::clamp(c.hintIcon, 0, kHintIconPositions - 1));
  task.timerMode = Has(a, Action::kCountdownHint);
  task.timerTaskId = CountdownTargetId(c);
}

DateTime WhenOf(const WizardControls& c, DateTime now) {
  // The next whole hour as a bare time of day: (whole hours since midnight + 1) / 24.
  if (c.trigger == TaskTrigger::kHourly) return (TimeOfDaySeconds(now) / 3600 + 1) / 24.0;
  return CombineDateAndTime(DateOf(c.date), TimeOf(c.time));
}

}  // namespace

WizardControls FreshControls(DateTime now, std::vector<std::string> taskRows) {
  WizardControls c;
  c.date = now;
  c.time = now;
  c.weekdays.fill(true);
  c.months.fill(true);
  c.frequencyPosition = kDefaultFrequencyPosition;
  c.durationPosition = kDefaultDurationPosition;
  c.hintDurationPosition = kDefaultBalloonDurationPosition;
  c.taskRows = std::move(taskRows);
  return c;
}

void DateOnDay(WizardControls& controls, DateTime day) {
  controls.date = DateOf(day);
  controls.everyDay = false;
}

void LoadTask(WizardControls& c, const TPlanTask& task, const std::vector<std::string>& connections) {
  LoadActions(c, task);
  LoadTexts(c, task);
  LoadTrackBars(c, task);
  c.locked = task.locked;
  c.soundPosition = task.soundIndex >= 0 && task.soundIndex < kSoundPositions ? task.soundIndex : -1;
  c.date = task.when;
  c.time = task.when;
  c.everyDay = task.everyDay;
  if (task.hangUpActive) c.connections = connections;
  c.countdownTarget = task.timerMode ? TargetRowOf(c.taskRows, task.timerTaskId) : -1;
  if (task.weekdayFilter) c.weekdays = task.weekdays;
  if (task.monthFilter) c.months = task.months;
  c.trigger = KnownTrigger(task.trigger);
  c.autoLock = task.autoLock;
  c.autoDelete = task.autoDelete;
}

void ClickAction(WizardControls& controls, Action action, bool checked) {
  Check(controls, action, checked);
  if (!checked) return;
  if (action == Action::kHint) Check(controls, Action::kCountdownHint, false);
  if (action == Action::kCountdownHint) Check(controls, Action::kHint, false);
}

void ChooseDayOfMonth(WizardControls& controls, int day) {
  const int year = DecodeDateTime(controls.date).year;
  controls.date = EncodeDate(year, 1, std::clamp(day, 1, 31));
}

int DayOfMonthShown(const WizardControls& controls) { return DecodeDateTime(controls.date).day; }

bool WeekdayFilterOn(const WizardControls& controls) { return !AllOn(controls.weekdays); }
bool MonthFilterOn(const WizardControls& controls) { return !AllOn(controls.months); }

std::uint16_t CountdownTargetId(const WizardControls& controls) {
  if (!Has(controls.actions, Action::kCountdownHint)) return 0;
  const int row = controls.countdownTarget;
  if (row < 0 || row >= static_cast<int>(controls.taskRows.size())) return 0;
  const std::int32_t id = TaskIdOfRow(controls.taskRows[static_cast<std::size_t>(row)]);
  return id > 0 && id <= 0xFFFF ? static_cast<std::uint16_t>(id) : 0;
}

TPlanTask BuildTask(const WizardControls& c, DateTime now) {
  TPlanTask task;
  task.name = c.name;
  task.when = WhenOf(c, now);
  task.trigger = c.trigger;
  BuildActions(task, c);
  task.weekdayFilter = WeekdayFilterOn(c);
  task.weekdays = c.weekdays;
  task.monthFilter = MonthFilterOn(c);
  task.months = c.months;
  task.locked = c.locked;
  task.everyDay = c.everyDay;
  task.monthlyActive = c.trigger == TaskTrigger::kMonthly;
  task.autoLock = c.autoLock;
  task.autoDelete = c.autoDelete;
  task.editMark = 1;
  return task;
}

}  // namespace tikolvo::wizard
