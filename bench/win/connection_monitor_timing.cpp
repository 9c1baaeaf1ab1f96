// The connection monitor's two passes timed as the exe runs them (under
// Wine on the build machine): an idle connection pass and a traffic pass
// over 16 adapters. Medians of many runs, from the performance counter.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "../monitor_sample.h"

namespace {

double MedianMicroseconds(const std::function<void()>& pass) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  constexpr int kRuns = 201;
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    pass();
    QueryPerformanceCounter(&end);
    times.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  std::sort(times.begin(), times.end());
  return times[kRuns / 2];
}

}  // namespace

int wmain() {
  tikolvo::bench::Running run;
  std::printf("idle connection pass: median %.2f us\n", MedianMicroseconds([&] { run.monitor->ConnectionPass(); }));
  std::printf("traffic pass over 16 adapters: median %.2f us\n",
              MedianMicroseconds([&] { run.monitor->TrafficPass(); }));
  return 0;
}
