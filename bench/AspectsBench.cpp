// The transit aspect lists run the finder once per pair, 225 pairs a page;
// the transit interpretations run the major finder per pair and per day.

#include <benchmark/benchmark.h>

#include "core/Aspects.h"

namespace {

orv::OrbTable TwoChartOrbs() {
  orv::OrbTable orbs{};
  const float typical[] = {8, 6, 8, 8, 8, 1, 2, 2, 2, 3, 1, 1, 2, 1, 2, 1, 1};
  for (int k = 1; k <= 17; ++k) orbs[size_t(k)] = typical[k - 1];
  return orbs;
}

void BM_ListAspectsOfAPage(benchmark::State& state) {
  const orv::OrbTable orbs = TwoChartOrbs();
  std::vector<std::string> lines;
  for (auto _ : state) {
    lines.clear();
    for (int j = 1; j <= 15; ++j) {
      for (int i = 1; i <= 15; ++i) {
        const double d = j * 23.7 - i * 17.3;
        orv::ListAspects({j, i, d < 0 ? -d : d, d}, orbs, lines);
      }
    }
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_ListAspectsOfAPage);

void BM_FindAspectOfSeparation(benchmark::State& state) {
  const orv::OrbTable orbs = TwoChartOrbs();
  double separation = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orv::FindAspectOfSeparation(separation, orbs));
    separation = separation >= 359 ? 0 : separation + 0.37;
  }
}
BENCHMARK(BM_FindAspectOfSeparation);

}  // namespace
