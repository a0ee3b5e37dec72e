// The first listing after a calculation (option 33 = 0): natal header and
// data, the aspect grid with NATAL.ORB read, and the Church of Light aspects.

#include <benchmark/benchmark.h>

#include "QuietHost.h"
#include "shell/Workbench.h"
#include "core/ChartDriver.h"
#include "listings/DataCommands.h"

namespace {

void BM_NatalFirstListing(benchmark::State& state) {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  wb.AppPath = ORVANTA_DATA_DIR;
  wb.Tables = orv::ReadDataTables(ORVANTA_DATA_DIR).tables;
  orv::ChartDriverHooks hooks;
  orv::ChartRequest r;
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"12", "6", "2026", "9", "0", "5", "71", "4", "42", "21", "", false, false, false};
  orv::CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true);
  for (auto _ : state) {
    orv::ListNatalFirstPage(wb, host);
    benchmark::DoNotOptimize(wb.Output.PageBuffer.data());
    wb.Output.OutputBuffer.clear();  // as option 211 would: the buffer keeps every page
  }
}
BENCHMARK(BM_NatalFirstListing);

}  // namespace
