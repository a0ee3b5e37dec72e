// One chart's planet positions: both passes (the moment and a day later) of
// the Sun, Moon, planets and Pluto.
#include <benchmark/benchmark.h>

#include "core/ephemeris/PlanetPositions.h"

namespace {

void BM_CalcPlanetPositions(benchmark::State& state) {
  orv::PlanetPositionInput in;
  in.julianDayNumber = 2447893;  // 1990 January 1
  in.dayFraction = 0.3;
  in.obliquityRad = 0.4091;
  in.ascendantDeg = 123.4;
  in.midheavenDeg = 31.2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    benchmark::DoNotOptimize(orv::CalcPlanetPositions(in));
    in.dayFraction += 1e-6;  // a new moment each time, as charts are
  }
}
BENCHMARK(BM_CalcPlanetPositions);

}  // namespace
