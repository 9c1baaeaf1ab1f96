#pragma once
// The task wizard's pages: which ones a task needs, the caption each shows,
// and how "Далее" and "Назад" move between them.
#include <array>
#include <string_view>

#include "scheduler/plan_task.h"

namespace tikolvo::wizard {

enum class Page : int {
  kActions = 0,    // what the task does
  kTrigger = 1,    // when it fires
  kPower = 2,
  kRun = 3,
  kMusic = 4,
  kMessage = 5,
  kShortSound = 6,
  kConnection = 7,
  kBeeper = 8,
  kHint = 9,
  kMonthly = 10,   // day of month and time
  kTime = 11,      // date and time
  kOptions = 12,   // weekdays, months, auto-lock and auto-delete
  kName = 13,
};
inline constexpr int kPageCount = 14;

// Positions in the action list.
enum class Action : int {
  kPower = 0,
  kRun = 1,
  kMusic = 2,
  kMessage = 3,
  kShortSound = 4,
  kHangUp = 5,
  kBeep = 6,
  kHint = 7,
  kCountdownHint = 8,
};
inline constexpr int kActionCount = 9;

using ActionChecks = std::array<bool, kActionCount>;

inline bool Has(const ActionChecks& checks, Action action) { return checks[static_cast<int>(action)]; }

enum class Direction { kForward, kBack };

// Whether the page belongs to a task with these actions and this trigger.
bool PageNeeded(Page page, const ActionChecks& actions, TaskTrigger trigger);

// The page "Далее" or "Назад" leads to: one step, then on past the pages the
// task does not need. The first and last pages are always needed, so the
// move stops there at the latest.
Page StepPage(Page from, Direction direction, const ActionChecks& actions, TaskTrigger trigger);

// The text under the header. The monthly page reads differently when it is
// reached going back.
std::string_view PageCaption(Page page, Direction arrivedBy);

// The bold header for a new task, or for editing the named one.
std::string NewTaskHeader();
std::string EditTaskHeader(std::string_view taskName);

inline constexpr const char* kWizardWindowCaption = "Tikolvo. Мастер планировки заданий";

}  // namespace tikolvo::wizard
