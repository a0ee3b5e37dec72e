// The formatter runs for every number of every listing line: All vs All
// over 1,000 people formats three numbers for each of its million pairs.

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string_view>
#include <vector>

#include "base/Format.h"

namespace {

void BM_FormatNumber(benchmark::State& state) {
  double v = 123.456;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orv::FormatNumber(v, "##0.00"));
    v += 0.001;
  }
}
BENCHMARK(BM_FormatNumber);

// The patterns of the batch pages and listings on scores, products and
// coordinates as they come; one call an iteration. Run under callgrind with
// a fixed count (--benchmark_min_time is not needed): instructions of
// FormatNumber divided by the iterations are the cost of one call.
void BM_FormatNumberMix(benchmark::State& state) {
  constexpr std::array<std::string_view, 8> kPatterns = {"0.00",  "#0.00", "##0.00", "###0.00",
                                                         "##0.0", "0.0",   "#0",     "0.######"};
  std::mt19937_64 rng(1);
  std::uniform_real_distribution<double> score(-3000, 3000);
  std::vector<double> values(4096);
  for (double& v : values) v = score(rng);
  size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orv::FormatNumber(values[k % values.size()], kPatterns[k % 8]));
    ++k;
  }
}
BENCHMARK(BM_FormatNumberMix)->Iterations(200000);

void BM_FormatDate(benchmark::State& state) {
  const orv::CivilDateTime when{1969, 7, 20, 20, 17, 40};
  for (auto _ : state) benchmark::DoNotOptimize(orv::FormatDate(when, "dd mmm yyyy"));
}
BENCHMARK(BM_FormatDate);

}  // namespace
