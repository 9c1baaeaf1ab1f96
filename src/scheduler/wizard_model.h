#pragma once
// What the task wizard's controls hold, apart from the window: reset for
// every opening, loaded from a task to edit it, changed by the user's
// clicks, and turned into the task that "Готово" saves.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "scheduler/plan_task.h"
#include "scheduler/wizard_pages.h"

namespace tikolvo::wizard {

// The power page's radio buttons; the log-off choice has no button the user
// sees, but a loaded task may carry it.
enum class PowerChoice : int {
  kNone = -1,
  kSwitchOff = 0,  // RB_SHOOT
  kRestart = 1,    // RB_REBOOT
  kStandby = 2,    // RB_Wait_enter
  kHibernate = 3,  // RB_sleep_enter
  kLogOff = 4,     // RB_Seans
};

inline constexpr int kHintTextLimit = 240;  // characters the hint edit takes
inline constexpr int kNameLimit = 63;       // characters the name edit takes
inline constexpr int kHintIconPositions = 18;

struct WizardControls {
  ActionChecks actions{};
  bool locked = false;
  TaskTrigger trigger = TaskTrigger::kAtTime;
  PowerChoice power = PowerChoice::kNone;
  std::string runFile;
  std::string runParams;
  std::string musicFile;
  std::string messageText;
  int soundPosition = -1;  // RB_0 .. RB_9, -1 none
  std::vector<std::string> connections;  // CB_COnn's list
  std::string connectionName;            // CB_COnn's text
  int frequencyPosition = 0;
  int durationPosition = 0;
  int hintDurationPosition = 0;
  int hintIcon = 0;
  std::string hintText;
  std::vector<std::string> taskRows;  // countdown targets, name + "||" + id
  int countdownTarget = -1;           // index into taskRows, -1 none
  DateTime date = 0;                  // DATA
  DateTime time = 0;                  // TIME
  bool everyDay = true;
  std::array<bool, 7> weekdays{};   // Monday first
  std::array<bool, 12> months{};    // January first
  bool autoLock = false;
  bool autoDelete = false;
  std::string name;

  bool operator==(const WizardControls&) const = default;
};

// Every opening starts here: nothing chosen, daily at `now`, all days and
// months, 1 kHz for half a second, a 5-second balloon; `taskRows` are the
// tasks a countdown may start.
WizardControls FreshControls(DateTime now, std::vector<std::string> taskRows);

// A new task dated on a calendar day: fires once on `day` at the time
// already chosen.
void DateOnDay(WizardControls& controls, DateTime day);

// Fills the controls from a stored task. `connections` is the list offered
// when the task hangs up a connection (the phone book, "Все" first).
void LoadTask(WizardControls& controls, const TPlanTask& task, const std::vector<std::string>& connections);

// A click on the action list. The two balloon items exclude each other.
void ClickAction(WizardControls& controls, Action action, bool checked);

// The day of month list: the date moves to that day of January of its year.
void ChooseDayOfMonth(WizardControls& controls, int day);
// The day the monthly page shows: the day of the date, which is what counts.
int DayOfMonthShown(const WizardControls& controls);

bool WeekdayFilterOn(const WizardControls& controls);
bool MonthFilterOn(const WizardControls& controls);

// The countdown target's id, 0 without a countdown or a chosen task.
std::uint16_t CountdownTargetId(const WizardControls& controls);

// The task "Готово" saves, as a new task would be stored (edit mark 1, not
// yet in use, no id); `now` gives the next whole hour of an hourly task.
TPlanTask BuildTask(const WizardControls& controls, DateTime now);

}  // namespace tikolvo::wizard
