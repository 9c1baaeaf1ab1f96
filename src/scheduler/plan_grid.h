#pragma once
// The rows of the scheduler page's two task grids as data: the full task
// list and one day's tasks. The cells carry codes that the drawing decodes
// (LookOfTaskRow), so the Windows grid only paints what it is given.
//
//   column 0  "_", then "n" when the task is next, then "b" when locked
//   column 1  the task's edit mark in decimal (not drawn)
//   column 2  name + "||" + id
//   column 3  trigger code + "||" + time text
#include <array>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/locale_data.h"
#include "scheduler/plan_base.h"
#include "scheduler/plan_task.h"

namespace tikolvo {

using TaskGridRow = std::array<std::string, 4>;

enum class TaskGridKind {
  kPlan,  // every task in use
  kDay,   // the tasks of one calendar day
};

struct TaskGrid {
  std::vector<TaskGridRow> rows;  // rows[0] is the header
  bool fixedHeader = false;       // only when there is a task row under it
};

// Pictures of the scheduler picture list.
namespace task_picture {
inline constexpr int kNone = -1;
inline constexpr int kNextMark = 14;
inline constexpr int kOnDisconnect = 16;
inline constexpr int kOnStart = 17;
inline constexpr int kAtTime = 18;
inline constexpr int kOnConnect = 19;
inline constexpr int kHourly = 20;
inline constexpr int kLocked = 21;
inline constexpr int kMonthly = 22;
}  // namespace task_picture

TaskGridRow PlanGridRow(const TPlanTask& task, const Locale& locale = Locale());
TaskGridRow DayGridRow(const TPlanTask& task, const Locale& locale = Locale());

TaskGrid FillPlanGrid(const PlanBase& base, const Locale& locale = Locale());
TaskGrid FillDayGrid(const PlanBase& base, DateTime day, const Locale& locale = Locale());

// The header row of either grid: the window takes its column captions from it.
const TaskGridRow& TaskGridHeader(TaskGridKind kind);

// "Задания на 15.03.2026" (day without a leading zero).
std::string DayGridCaption(DateTime day);

// How one data row is drawn.
struct TaskRowLook {
  bool next = false;
  bool locked = false;           // text colour lightened
  int picture = task_picture::kNone;  // column 1
  int pictureOpacity = 255;      // 230 for the locked picture
  int pictureShift = 0;          // the locked picture sits 2 pixels right
  bool nextMark = false;         // picture 14 at the left of column 2 (full list only)
  int nameIndent = 3;            // 22 beside the next mark
  std::string name;              // column 2
  std::string timeText;          // column 3, right-aligned

  bool operator==(const TaskRowLook&) const = default;
};

TaskRowLook LookOfTaskRow(const TaskGridRow& row, TaskGridKind kind);

}  // namespace tikolvo
