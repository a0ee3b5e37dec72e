// Start-up reads all 25 data files while the title window shows; the two
// Chiron files (60,000 records each) are nearly all of it.

#include <benchmark/benchmark.h>

#include "core/ephemeris/DataTables.h"

namespace {

void BM_ReadDataTables(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(orv::ReadDataTables(ORVANTA_DATA_DIR));
}
BENCHMARK(BM_ReadDataTables)->Unit(benchmark::kMillisecond);

}  // namespace
