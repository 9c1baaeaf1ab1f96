// The connection monitor's two passes as they run all day: a connection
// pass that sees no change (which must touch no file: it only asks the
// dial-up service), and a traffic pass over 16 adapters with one connection
// up.
#include <benchmark/benchmark.h>

#include "monitor_sample.h"

namespace tikolvo {
namespace {

using bench::Running;

void BM_IdleConnectionPass(benchmark::State& state) {
  Running run;
  for (auto _ : state) run.monitor->ConnectionPass();
}
BENCHMARK(BM_IdleConnectionPass);

void BM_TrafficPassOverSixteenAdapters(benchmark::State& state) {
  Running run;
  for (auto _ : state) run.monitor->TrafficPass();
}
BENCHMARK(BM_TrafficPassOverSixteenAdapters);

}  // namespace
}  // namespace tikolvo
