#pragma once
// Times of repeated runs of a piece of the exe's code under Wine, from the
// performance counter (Google Benchmark does not build for this target).
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace tikolvo::bench {

// Each run's time in milliseconds, shortest first.
inline std::vector<double> SortedMilliseconds(int runs, const std::function<void()>& piece) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    piece();
    QueryPerformanceCounter(&end);
    times.push_back(1e3 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  std::sort(times.begin(), times.end());
  return times;
}

}  // namespace tikolvo::bench
