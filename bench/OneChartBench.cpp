// One chart as the driver computes it (time values, Placidus cusps,
// positions with the next-day pass and retrograde flags, heliocentric
// positions, declinations, Chiron, house placement), over random moments:
// a new moment each call, as charts are, so no cache flatters the theory.

#include <benchmark/benchmark.h>

#include <vector>

#include "QuietHost.h"
#include "RandomMoments.h"
#include "core/ChartDriver.h"
#include "core/ephemeris/DataTables.h"

namespace {

using orv::bench::QuietHost;
using orv::bench::RandomMoments;

void BM_OneChart(benchmark::State& state) {
  static const orv::DataTables tables = orv::ReadDataTables(ORVANTA_DATA_DIR).tables;
  static const std::vector<orv::ChartInputValues> moments = RandomMoments();
  QuietHost host;
  const orv::OptionValues options{};
  const std::string housePositions;
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orv::CalcOneChart(host, moments[i], orv::HouseSystemCode::Placidus,
                                               options, tables, housePositions, true));
    if (++i == moments.size()) i = 0;
  }
}
BENCHMARK(BM_OneChart);

}  // namespace
