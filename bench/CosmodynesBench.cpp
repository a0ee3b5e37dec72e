// The natal cosmodynes as Data > Natal Cosmodynes runs them for one chart:
// the scoring and the report with its compact copy.

#include <benchmark/benchmark.h>

#include "FixedCharts.h"
#include "QuietHost.h"
#include "commands/CosmodynesCommands.h"
#include "commands/Workbench.h"

namespace {

void BM_NatalCosmodynesScoring(benchmark::State& state) {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  orv::bench::ComputeFixedCharts(wb, host, orv::CosmoAngleChoice::Both);
  for (auto _ : state) benchmark::DoNotOptimize(orv::CalcCosmodynes(wb, host).Power.data());
}
BENCHMARK(BM_NatalCosmodynesScoring);

void BM_NatalCosmodynes(benchmark::State& state) {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  orv::bench::ComputeFixedCharts(wb, host, orv::CosmoAngleChoice::Both);
  for (auto _ : state) {
    orv::ListNatalCosmodynesPage(wb, host);
    benchmark::DoNotOptimize(wb.Output.PageBuffer().data());
    orv::ClearOutputBuffer(wb.Output);
  }
}
BENCHMARK(BM_NatalCosmodynes);

}  // namespace
