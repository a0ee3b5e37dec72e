// Both charts of one computation, first listing excluded: what the user
// waits for after OK.

#include <benchmark/benchmark.h>

#include "QuietHost.h"
#include "core/ChartDriver.h"
#include "core/ephemeris/DataTables.h"

namespace {

using orv::bench::QuietHost;

void BM_CalcCharts(benchmark::State& state) {
  static const orv::DataTables tables = orv::ReadDataTables(ORVANTA_DATA_DIR).tables;
  QuietHost host;
  orv::ChartDriverHooks hooks;
  orv::ChartModel model;
  orv::OptionValues options{};
  orv::ChartRequest r;
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"12", "6", "2026", "9", "0", "5", "71", "4", "42", "21", "", false, false, false};
  for (auto _ : state) {
    benchmark::DoNotOptimize(orv::CalcCharts(host, model, r, options, tables, hooks, true));
  }
}
BENCHMARK(BM_CalcCharts);

}  // namespace
