// The scheduler's search over 1000 tasks, timed as the exe runs it (under
// Wine on the build machine): read plan.db, mark the next tasks, save it.
// Google Benchmark does not build for this target, so the run is timed with
// the performance counter and the median of the runs is printed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "../scheduler_sample.h"

int wmain() {
  using namespace tikolvo;
  using namespace tikolvo::bench;
  const std::string path = WritePlan();
  SetClock clock;
  NoActions actions;
  PlanEngine engine(path, clock, actions);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  constexpr int kRuns = 41;
  std::vector<double> milliseconds;
  for (int run = 0; run < kRuns; ++run) {
    // Two moments with different next tasks: every search rewrites marks.
    clock.now = kToday + (run % 2 ? 9.5 : 15.25) / 24;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    const PlanStatus status = engine.ComputeNextTasks();
    QueryPerformanceCounter(&end);
    if (status != PlanStatus::kDone) {
      std::printf("search failed\n");
      return 1;
    }
    milliseconds.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart));
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("ComputeNextTasks over %d tasks with read and save: median %.2f ms (min %.2f, max %.2f, %d runs)\n",
              kTasks, milliseconds[kRuns / 2], milliseconds.front(), milliseconds.back(), kRuns);
  return 0;
}
