// One chart as the driver computes it (time values, Placidus cusps,
// positions with the next-day pass and retrograde flags, heliocentric
// positions, declinations, Chiron, house placement), over random moments:
// a new moment each call, as charts are, so no cache flatters the theory.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "QuietHost.h"
#include "core/ChartDriver.h"
#include "core/ephemeris/DataTables.h"

namespace {

using orv::bench::QuietHost;

// 10,000 moments from 1900 to 2060 at latitudes within the polar circles.
std::vector<orv::ChartInputValues> RandomMoments() {
  std::mt19937 rng(20261207);
  std::uniform_int_distribution<int> year(1900, 2060), month(1, 12), day(1, 28), hour(0, 23),
      minute(0, 59), lonDeg(-179, 179), latDeg(-65, 65);
  std::vector<orv::ChartInputValues> moments(10000);
  for (orv::ChartInputValues& m : moments) {
    m.day = day(rng);
    m.month = month(rng);
    m.year = year(rng);
    m.time = float(hour(rng)) + float(minute(rng)) / 100;
    const int lon = lonDeg(rng);
    const int lat = latDeg(rng);
    m.longitude = float(lon) + float(minute(rng)) / 100;
    m.latitude = float(lat) + float(minute(rng)) / 100;
    m.timeZone = float(lon / 15);
    m.eastWest = lon < 0 ? "East" : "West";
    m.northSouth = lat < 0 ? "South" : "North";
  }
  return moments;
}

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
