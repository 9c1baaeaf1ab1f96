// The connection monitor's two passes timed as the exe runs them (under
// Wine on the build machine): an idle connection pass and a traffic pass
// over 16 adapters. Medians of many runs, from the performance counter.
#include <cstdio>
#include <functional>

#include "../monitor_sample.h"
#include "run_timing.h"

namespace {

double MedianMicroseconds(const std::function<void()>& pass) {
  constexpr int kRuns = 201;
  return 1e3 * tikolvo::bench::SortedMilliseconds(kRuns, pass)[kRuns / 2];
}

}  // namespace

int wmain() {
  tikolvo::bench::Running run;
  std::printf("idle connection pass: median %.2f us\n", MedianMicroseconds([&] { run.monitor->ConnectionPass(); }));
  std::printf("traffic pass over 16 adapters: median %.2f us\n",
              MedianMicroseconds([&] { run.monitor->TrafficPass(); }));
  return 0;
}
