// The scheduler's search over a plan.db of 1000 tasks, as the program runs
// it after every change, at every alarm and once a day: read the file, mark
// the next tasks, save the file. And one reading of the alarm clocks, which
// is all the scheduler does between alarms.
#include <benchmark/benchmark.h>

#include <string>

#include "common/clock.h"
#include "common/file_io.h"
#include "scheduler/plan_engine.h"
#include "scheduler/plan_task.h"
#include "scheduler_sample.h"

namespace tikolvo {
namespace {

using bench::kToday;
using bench::NoActions;
using bench::SetClock;
using bench::WritePlan;

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
