#include "scheduler/plan_grid.h"

#include "common/date_format.h"
#include "common/text_record.h"
#include "scheduler/task_calendar.h"
#include "scheduler/task_row.h"

namespace tikolvo {
namespace {

constexpr const char* kClockPattern = "hh:nn:ss";

const TaskGridRow kPlanHeader = {"№", "", "Название", "Время срабатывания"};
const TaskGridRow kDayHeader = {"№", "", "Название", "Время"};

std::string StateCell(const TPlanTask& task) {
  std::string cell = "_";
  if (task.isNext) cell += 'n';
  if (task.locked) cell += 'b';
  return cell;
}

std::string TriggerCode(const TPlanTask& task) {
  switch (task.trigger) {
    case TaskTrigger::kAtTime: return task.everyDay ? "e" : "n";
    case TaskTrigger::kHourly: return "h";
    case TaskTrigger::kOnStart: return "r";
    case TaskTrigger::kOnConnect: return "c";
    case TaskTrigger::kOnDisconnect: return "d";
    case TaskTrigger::kMonthly: return "m";
  }
  return "?";  // a damaged trigger: listed so that it can be edited or deleted
}

std::string PlanTimeText(const TPlanTask& task, const std::string& code, const Locale& locale) {
  if (code == "n") return FormatDateTime("dd.mm.yyyy', в 'hh:nn:ss", task.when, locale);
  if (code == "m") return FormatDateTime("dd' числа, в 'hh:nn:ss", task.when, locale);
  if (code == "e" || code == "h") return FormatDateTime(kClockPattern, task.when, locale);
  return FormatDateTime("ddddd tt", task.when, locale);
}

TaskGridRow RowOf(const TPlanTask& task, std::string timeCell) {
  return {StateCell(task), std::to_string(task.editMark), TaskRowText(task.name, task.id), std::move(timeCell)};
}

TaskGrid WithHeader(const TaskGridRow& header, std::vector<TaskGridRow> rows) {
  TaskGrid grid;
  grid.fixedHeader = !rows.empty();
  grid.rows.reserve(rows.size() + 1);
  grid.rows.push_back(header);
  for (TaskGridRow& row : rows) grid.rows.push_back(std::move(row));
  return grid;
}

int PictureOfCode(const std::string& code, TaskGridKind kind) {
  if (code == "e" || code == "n") return task_picture::kAtTime;
  if (code == "h") return task_picture::kHourly;
  if (code == "m") return task_picture::kMonthly;
  if (kind == TaskGridKind::kDay) return task_picture::kNone;
  if (code == "r") return task_picture::kOnStart;
  if (code == "c") return task_picture::kOnConnect;
  if (code == "d") return task_picture::kOnDisconnect;
  return task_picture::kNone;
}

std::string PlanTimeColumn(const std::string& code, const std::string& time) {
  if (code == "e") return "Каждый день в " + time + " ";
  if (code == "h") return "Каждый час (" + time + ") ";
  if (code == "r") return "При каждом запуске Tikolvo ";
  if (code == "c") return "При каждом соединении с интернетом ";
  if (code == "d") return "При каждом рассоединении с интернетом ";
  return time + " ";
}

std::string DayTimeColumn(const std::string& code, const std::string& time) {
  if (code == "h") return "Каждый час ";
  return time + " ";
}

}  // namespace

TaskGridRow PlanGridRow(const TPlanTask& task, const Locale& locale) {
  const std::string code = TriggerCode(task);
  return RowOf(task, code + std::string(kHeadSeparator) + PlanTimeText(task, code, locale));
}

TaskGridRow DayGridRow(const TPlanTask& task, const Locale& locale) {
  const std::string time = FormatDateTime(kClockPattern, task.when, locale);
  return RowOf(task, TriggerCode(task) + std::string(kHeadSeparator) + time);
}

TaskGrid FillPlanGrid(const PlanBase& base, const Locale& locale) {
  std::vector<TaskGridRow> rows;
  for (std::size_t index = 0; index < base.size(); ++index)
    if (base.InUse(index)) rows.push_back(PlanGridRow(base.At(index), locale));
  return WithHeader(kPlanHeader, std::move(rows));
}

TaskGrid FillDayGrid(const PlanBase& base, DateTime day, const Locale& locale) {
  std::vector<TaskGridRow> rows;
  for (std::size_t index = 0; index < base.size(); ++index) {
    if (!base.InUse(index)) continue;
    const TPlanTask task = base.At(index);
    if (IsOnDay(task, day)) rows.push_back(DayGridRow(task, locale));
  }
  return WithHeader(kDayHeader, std::move(rows));
}

const TaskGridRow& TaskGridHeader(TaskGridKind kind) { return kind == TaskGridKind::kDay ? kDayHeader : kPlanHeader; }

std::string DayGridCaption(DateTime day) { return "Задания на " + FormatDateTime("d.mm.yyyy", day); }

TaskRowLook LookOfTaskRow(const TaskGridRow& row, TaskGridKind kind) {
  TaskRowLook look;
  const std::string& state = row[0];
  look.next = state.find('n') != std::string::npos;
  look.locked = state.find('b') != std::string::npos;
  const std::string code = HeadOf(row[3]);
  const std::string time = TailOf(row[3]);
  if (look.locked) {
    look.picture = task_picture::kLocked;
    look.pictureOpacity = 230;
    look.pictureShift = 2;
  } else {
    look.picture = PictureOfCode(code, kind);
  }
  look.nextMark = kind == TaskGridKind::kPlan && look.next;
  look.nameIndent = look.nextMark ? 22 : 3;
  look.name = TaskNameOfRow(row[2]);
  look.timeText = kind == TaskGridKind::kPlan ? PlanTimeColumn(code, time) : DayTimeColumn(code, time);
  return look;
}

}  // namespace tikolvo
