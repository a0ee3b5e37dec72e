// The first listing after a calculation (option 33 = 0): natal header and
// data, the aspect grid with NATAL.ORB read, and the Church of Light aspects.

#include <benchmark/benchmark.h>

#include "FixedCharts.h"
#include "QuietHost.h"
#include "commands/DataCommands.h"

namespace {

void BM_NatalFirstListing(benchmark::State& state) {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  orv::bench::ComputeFixedCharts(wb, host);
  for (auto _ : state) {
    orv::ListNatalFirstPage(wb, host);
    benchmark::DoNotOptimize(wb.Output.PageBuffer().data());
    orv::ClearOutputBuffer(wb.Output);  // as option 211 would: the buffer keeps every page
  }
}
BENCHMARK(BM_NatalFirstListing);

}  // namespace
