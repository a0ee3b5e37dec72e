// The formatter runs for every number of every listing line.

#include <benchmark/benchmark.h>

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

void BM_FormatDate(benchmark::State& state) {
  const orv::CivilDateTime when{1969, 7, 20, 20, 17, 40};
  for (auto _ : state) benchmark::DoNotOptimize(orv::FormatDate(when, "dd mmm yyyy"));
}
BENCHMARK(BM_FormatDate);

}  // namespace
