// The scheduler's search over a plan.db of 1000 tasks, as the program runs
// it after every change, at every alarm and once a day: read the file, mark
// the next tasks, save the file. And one reading of the alarm clocks, which
// is all the scheduler does between alarms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "common/clock.h"
#include "common/file_io.h"
#include "scheduler/plan_engine.h"
#include "scheduler/plan_task.h"

namespace tikolvo {
namespace {

constexpr int kTasks = 1000;
const DateTime kToday = EncodeDate(2026, 3, 16);

class SetClock : public Clock {
 public:
  DateTime Now() const override { return now; }
  std::uint64_t MillisecondsSinceStart() const override { return 0; }
  DateTime now = 0;
};

class NoActions : public TaskActions {
 public:
  void ExecuteTask(const TPlanTask&) override {}
  void PowerCommand(PowerKind) override {}
  void HangUpConnections(const std::string&) override {}
};

// A mix like a user's: daily tasks spread over the day, once-only tasks on
// nearby dates, hourly, monthly and event tasks, some filtered or locked.
TPlanTask SampleTask(int i) {
  TPlanTask task = ResetTaskValues(kToday + (i * 86.0 + 37) / 86400);
  task.name = "Задание " + std::to_string(i);
  task.messageActive = true;
  task.messageText = "Сообщение задания номер " + std::to_string(i);
  task.inUse = true;
  task.id = i + 1;
  switch (i % 10) {
    case 1: task.everyDay = false; task.when += i % 7 - 3; break;
    case 2: task.trigger = TaskTrigger::kHourly; break;
    case 3: task.trigger = TaskTrigger::kMonthly; task.monthlyActive = true; break;
    case 4: task.trigger = TaskTrigger::kOnStart; break;
    case 5: task.weekdayFilter = true; task.weekdays[i % 7] = false; break;
    case 6: task.locked = true; break;
    default: break;
  }
  return task;
}

std::string WritePlan() {
  const auto folder = std::filesystem::temp_directory_path() / "tikolvo_scheduler_bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "plan.db").string();
  std::string bytes(4, '\0');
  for (int i = 0; i < kTasks; ++i) bytes += EncodePlanTask(SampleTask(i));
  SaveFileAtomically(path, bytes);
  return path;
}

// Two moments with different next tasks, so every search rewrites marks
// and saves the file.
void BM_ComputeNextTasksAndSave(benchmark::State& state) {
  const std::string path = WritePlan();
  SetClock clock;
  NoActions actions;
  PlanEngine engine(path, clock, actions);
  bool morning = false;
  for (auto _ : state) {
    morning = !morning;
    clock.now = kToday + (morning ? 9.5 : 15.25) / 24;
    if (engine.ComputeNextTasks() != PlanStatus::kDone) state.SkipWithError("search failed");
  }
}
BENCHMARK(BM_ComputeNextTasksAndSave)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same moment again: the marks are already right and nothing is written.
void BM_ComputeNextTasksUnchanged(benchmark::State& state) {
  const std::string path = WritePlan();
  SetClock clock;
  clock.now = kToday + 9.5 / 24;
  NoActions actions;
  PlanEngine engine(path, clock, actions);
  engine.ComputeNextTasks();
  for (auto _ : state)
    if (engine.ComputeNextTasks() != PlanStatus::kDone) state.SkipWithError("search failed");
}
BENCHMARK(BM_ComputeNextTasksUnchanged)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Between alarms: one reading of the time, compared with the two alarms.
void BM_ClockReadingBetweenAlarms(benchmark::State& state) {
  const std::string path = WritePlan();
  SetClock clock;
  clock.now = kToday + 9.5 / 24;
  NoActions actions;
  PlanEngine engine(path, clock, actions);
  engine.ComputeNextTasks();
  for (auto _ : state) benchmark::DoNotOptimize(engine.ReadClock());
}
BENCHMARK(BM_ClockReadingBetweenAlarms)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tikolvo
