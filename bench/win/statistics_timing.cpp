// The statistics window of a connection with 100 000 sessions filled as the
// exe does it (under Wine on the build machine): both files read, the
// summary and the session list. The median of the runs is printed.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "../statistics_sample.h"
#include "run_timing.h"

int wmain() {
  using namespace tikolvo;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  char folder[MAX_PATH * 3];
  WideCharToMultiByte(CP_UTF8, 0, temp, -1, folder, sizeof folder, nullptr, nullptr);
  const std::string path = bench::WriteStatisticsFolder(folder);
  bool complete = true;
  constexpr int kRuns = 11;
  const std::vector<double> ms = bench::SortedMilliseconds(kRuns, [&] {
    complete = complete && bench::FillStatistics(path, bench::kLastDay + 0.5).list.size() == bench::kSessions;
  });
  DeleteFileW((std::wstring(temp) + L"log_web.db").c_str());
  DeleteFileW((std::wstring(temp) + L"Connect.db").c_str());
  if (!complete) {
    std::printf("sessions missing\n");
    return 1;
  }
  std::printf("Statistics window over %d sessions: median %.2f ms (min %.2f, max %.2f, %d runs)\n", bench::kSessions,
              ms[kRuns / 2], ms.front(), ms.back(), kRuns);
  return 0;
}
