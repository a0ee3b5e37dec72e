// The cities window reads its whole file each time it opens, and the atlas
// reads every cities file for each lookup.

#include <benchmark/benchmark.h>

#include "platform/Files.h"
#include "shell/input/Atlas.h"
#include "shell/input/CitiesFile.h"

namespace {

const std::filesystem::path kData = ORVANTA_DATA_DIR;

void BM_ParseDefaultCitiesFile(benchmark::State& state) {
  const auto lines = *orv::ReadTextLines(orv::CitiesFilePath(kData, ""));
  for (auto _ : state) benchmark::DoNotOptimize(orv::ParseCitiesFile(lines));
}
BENCHMARK(BM_ParseDefaultCitiesFile);

void BM_AtlasSearch(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(orv::FindAtlasPlaces(kData, "Portland"));
}
BENCHMARK(BM_AtlasSearch);

}  // namespace
