// The natal cosmodynes as Data > Natal Cosmodynes runs them for one chart:
// the scoring and the report with its compact copy.

#include <benchmark/benchmark.h>

#include "QuietHost.h"
#include "core/ChartDriver.h"
#include "cosmodynes/CosmodynesCommands.h"
#include "shell/Workbench.h"

namespace {

// The fixed natal chart of the listing benchmarks, computed once.
void ComputeCharts(orv::Workbench& wb, orv::Host& host) {
  wb.AppPath = ORVANTA_DATA_DIR;
  wb.Tables = orv::ReadDataTables(ORVANTA_DATA_DIR).tables;
  orv::ChartDriverHooks hooks;
  orv::ChartRequest r;
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"12", "6", "2026", "9", "0", "5", "71", "4", "42", "21", "", false, false, false};
  r.angleChoice = orv::CosmoAngleChoice::Both;
  orv::CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true);
}

void BM_NatalCosmodynesScoring(benchmark::State& state) {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  ComputeCharts(wb, host);
  for (auto _ : state) benchmark::DoNotOptimize(orv::CalcCosmodynes(wb, host).Power.data());
}
BENCHMARK(BM_NatalCosmodynesScoring);

void BM_NatalCosmodynes(benchmark::State& state) {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  ComputeCharts(wb, host);
  for (auto _ : state) {
    orv::ListNatalCosmodynesPage(wb, host);
    benchmark::DoNotOptimize(wb.Output.PageBuffer.data());
    wb.Output.OutputBuffer.clear();
  }
}
BENCHMARK(BM_NatalCosmodynes);

}  // namespace
