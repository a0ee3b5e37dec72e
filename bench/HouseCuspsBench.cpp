// House cusps are cast for every chart, twice per calculation, and again for
// every composite chart and every step of the wheel's time stepping.

#include <benchmark/benchmark.h>

#include <string>

#include "core/Angles.h"
#include "core/HouseCusps.h"

namespace {

// Argument: the option-27 number of the house system (1..9).
void BM_CalcHouseCusps(benchmark::State& state) {
  const auto system = static_cast<orv::HouseSystemCode>(state.range(0));
  state.SetLabel(std::string(orv::HouseSystemInfoOf(system).name));
  double ramcDeg = 10;
  for (auto _ : state) {
    const orv::HouseInputs in =
        orv::HouseInputsAt(orv::DegToRad(ramcDeg), orv::DegToRad(51.5), orv::DegToRad(23.44));
    benchmark::DoNotOptimize(orv::CalcHouseCusps(system, in));
    ramcDeg = ramcDeg < 359 ? ramcDeg + 0.7 : 0.3;
  }
}
BENCHMARK(BM_CalcHouseCusps)->DenseRange(1, 9);

}  // namespace
