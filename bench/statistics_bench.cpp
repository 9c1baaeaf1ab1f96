// The statistics window of a connection with 100 000 sessions, filled as it
// opens: log_web.db and Connect.db read, the summary by period with costs
// under two tariffs, and the rows of the session list. Goal: 200 ms.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "statistics_sample.h"

namespace tikolvo {
namespace {

void BM_FillStatisticsWindow(benchmark::State& state) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tikolvo-statistics-bench";
  std::filesystem::create_directories(dir);
  const std::string folder = bench::WriteStatisticsFolder(dir.string() + "/");
  for (auto _ : state) {
    const bench::StatisticsFill fill = bench::FillStatistics(folder, bench::kLastDay + 0.5);
    if (fill.list.size() != static_cast<std::size_t>(bench::kSessions)) state.SkipWithError("sessions missing");
    benchmark::DoNotOptimize(fill.summary);
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_FillStatisticsWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tikolvo
