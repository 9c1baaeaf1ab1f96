// Any bytes as plan.db: loading, the search, the grids, the calendar and
// every file operation work without crashing, and what they promise holds:
// records re-encode stably, a second search at the same moment changes
// nothing, every grid row leads back to its task, in-place changes stay in
// their record, rebuilds keep exactly the tasks in use, and a gap in the
// readings names each task in use at most once.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scheduler/missed_tasks.h"
#include "scheduler/next_tasks.h"
#include "scheduler/plan_base.h"
#include "scheduler/plan_file.h"
#include "scheduler/plan_grid.h"
#include "scheduler/task_calendar.h"
#include "scheduler/task_filters.h"
#include "scheduler/task_id.h"
#include "scheduler/task_row.h"

namespace {

using namespace tikolvo;

constexpr std::size_t kRecord = plan_layout::kRecordSize;

void Check(bool condition) {
  if (!condition) std::abort();
}

class CountingRandom : public RandomSource {
 public:
  int Below(int n) override { return n <= 0 ? 0 : (next_ += 7919) % n; }

 private:
  int next_ = 0;
};

void CheckRecords(const PlanBase& base) {
  for (std::size_t index = 0; index < base.size(); ++index) {
    const std::string once = EncodePlanTask(base.At(index));
    Check(once.size() == kRecord);
    Check(EncodePlanTask(DecodePlanTask(once)) == once);
    Check(base.InUse(index) == base.At(index).inUse);
    Check(base.Id(index) == base.At(index).id);
  }
}

void CheckSearch(PlanBase base, DateTime now) {
  const NextTasks next = SearchNextTasks(base, now);
  std::size_t marked = 0;
  for (std::size_t index = 0; index < base.size(); ++index) {
    if (!base.InUse(index) || !base.At(index).isNext) continue;
    ++marked;
    const TPlanTask task = base.At(index);
    Check(IsDueOn(task, now));
    Check(TimeOfDaySeconds(task.when) == next.timeOfDay);
  }
  Check(marked == next.names.size());
  Check(!next.found || next.timeOfDay > TimeOfDaySeconds(now));
  (void)NextTasksLine(next);

  PlanBase again = PlanBase::FromBytes(base.bytes());
  SearchNextTasks(again, now);
  Check(!again.Changed());
}

void CheckViews(const PlanBase& base, DateTime day) {
  const TaskGrid plan = FillPlanGrid(base);
  Check(plan.rows.size() == base.TasksInUse() + 1);
  std::size_t row = 1;
  for (std::size_t index = 0; index < base.size(); ++index) {
    if (!base.InUse(index)) continue;
    Check(TaskIdOfRow(plan.rows[row][2]) == base.Id(index));
    (void)LookOfTaskRow(plan.rows[row], TaskGridKind::kPlan);
    ++row;
  }
  for (const TaskGridRow& dayRow : FillDayGrid(base, day).rows) (void)LookOfTaskRow(dayRow, TaskGridKind::kDay);
  (void)DayGridCaption(day);
  const CivilTime civil = DecodeDateTime(day);
  Check(MarkCalendarDays(base, civil.year, civil.month).size() ==
        static_cast<std::size_t>(DaysInMonth(civil.year, civil.month)));
  Check(ListTaskNames(base).size() == base.TasksInUse());
  (void)DefaultTaskName(base);
}

void CheckOperations(const PlanBase& loaded) {
  if (loaded.size() > 0) {
    PlanBase replaced = loaded;
    const std::int32_t id = loaded.Id(0);
    ReplaceTask(replaced, id, ResetTaskValues(1));
    Check(replaced.bytes().size() == loaded.bytes().size());
    for (std::size_t index = 0; index < loaded.size(); ++index)
      if (!(loaded.InUse(index) && loaded.Id(index) == id)) Check(replaced.RecordBytes(index) == loaded.RecordBytes(index));
    Check(replaced.bytes().substr(4 + loaded.size() * kRecord) == loaded.bytes().substr(4 + loaded.size() * kRecord));

    PlanBase deleted = loaded;
    DeleteTask(deleted, id);
    Check(deleted.size() == deleted.TasksInUse());
    Check(deleted.bytes().size() == 4 + deleted.size() * kRecord);
    Check(!deleted.HasTaskWithId(id));
  }
  PlanBase appended = loaded;
  CountingRandom random;
  const std::int32_t id = AppendTask(appended, ResetTaskValues(2), random);
  Check(id != 0 && !loaded.HasTaskWithId(id));
  Check(appended.TasksInUse() == loaded.TasksInUse() + 1);
  Check(appended.size() == appended.TasksInUse());
  Check(FindTask(appended, id).has_value());
}

DateTime MomentFrom(const PlanBase& base) {
  for (std::size_t index = 0; index < base.size(); ++index) {
    const DateTime when = base.At(index).when;
    if (std::isfinite(when) && when > 0 && when < 2'958'466) return when;  // years 1900..9999
  }
  return 46096.5;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const PlanBase base = PlanBase::FromBytes(bytes);
  Check(base.size() == (size < 4 ? 0 : (size - 4) / kRecord));
  Check(base.bytes() == bytes);

  CheckRecords(base);
  const DateTime moment = MomentFrom(base);
  for (DateTime now : {moment, moment - 1.0 / 24, DateOf(moment) + 23.5 / 24, 46096.0}) CheckSearch(base, now);
  CheckViews(base, moment);
  CheckOperations(base);
  // A short gap, one over midnight and one of several years.
  for (DateTime since : {moment - 0.01, DateOf(moment) - 0.1, moment - 1500.0})
    Check(MissedTaskNames(base, since, moment).size() <= base.TasksInUse());
  return 0;
}
