// The statistics window of a connection with 100 000 sessions filled as the
// exe does it (under Wine on the build machine): both files read, the
// summary and the session list. The median of the runs is printed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "../statistics_sample.h"

int wmain() {
  using namespace tikolvo;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  char folder[MAX_PATH * 3];
  WideCharToMultiByte(CP_UTF8, 0, temp, -1, folder, sizeof folder, nullptr, nullptr);
  const std::string path = bench::WriteStatisticsFolder(folder);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  constexpr int kRuns = 11;
  std::vector<double> milliseconds;
  for (int run = 0; run < kRuns; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    const bench::StatisticsFill fill = bench::FillStatistics(path, bench::kLastDay + 0.5);
    QueryPerformanceCounter(&end);
    if (fill.list.size() != static_cast<std::size_t>(bench::kSessions)) {
      std::printf("sessions missing\n");
      return 1;
    }
    milliseconds.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart));
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("Statistics window over %d sessions: median %.2f ms (min %.2f, max %.2f, %d runs)\n", bench::kSessions,
              milliseconds[kRuns / 2], milliseconds.front(), milliseconds.back(), kRuns);
  DeleteFileW((std::wstring(temp) + L"log_web.db").c_str());
  DeleteFileW((std::wstring(temp) + L"Connect.db").c_str());
  return 0;
}
